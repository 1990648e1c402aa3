// Local road plans: node and link bookkeeping, the movements that exist at each junction, and the build.
#include "model/layouts/LocalRoadPlan.h"

#include <algorithm>
#include <cmath>

#include "model/Assemblies.h"
#include "model/layouts/StreetPlan.h"

namespace jamlog {

namespace {

constexpr int hiddenLinkStyle = 4; // a junction record the network drawing passes over

// The movements from an arm, in the order of the successor list: straight on, nearside turn, offside turn. Each
// names the exit arm (relative to the arriving arm) and the junction record (relative to base + arm).
struct Movement {
    int exitArm, record;
};
constexpr std::array<Movement, 3> movements{{{2, 0}, {1, 8}, {3, 4}}};
constexpr int straightOn = 0;

Point quarterTurn(Point p, int q) {
    for (int i = 0; i < q; ++i)
        p = {-p.y, p.x};
    return p;
}

} // namespace

int LocalRoadPlan::addNode(Node n) {
    nodes.push_back(n);
    return static_cast<int>(nodes.size()) - 1;
}

int LocalRoadPlan::junction(Point centre, int base, Lamps lamps) {
    Node n{Kind::Junction, centre};
    n.base = base;
    n.lamps = lamps;
    return addNode(n);
}

int LocalRoadPlan::edge(Point at) {
    return addNode({Kind::Edge, at});
}

int LocalRoadPlan::joint(Point at) {
    return addNode({Kind::Joint, at});
}

void LocalRoadPlan::straight(int from, int to, int pieces) {
    Node &a = nodes[static_cast<size_t>(from)], &z = nodes[static_cast<size_t>(to)];
    pieces = std::max(pieces, 1);
    Link l{from,
           to,
           armToward(a.at.x, a.at.y, z.at.x, z.at.y),
           armToward(z.at.x, z.at.y, a.at.x, a.at.y),
           pieces,
           nextRoad,
           nextRoad + pieces};
    nextRoad += 2 * pieces;
    a.depart[static_cast<size_t>(l.fromArm)] = l.out;
    z.arrive[static_cast<size_t>(l.toArm)] = l.out + pieces - 1;
    z.depart[static_cast<size_t>(l.toArm)] = l.back;
    a.arrive[static_cast<size_t>(l.fromArm)] = l.back + pieces - 1;
    links.push_back(l);
}

void LocalRoadPlan::arriving(int node, int arm, int road, bool turnsOnly) {
    Node& n = nodes[static_cast<size_t>(node)];
    n.arrive[static_cast<size_t>(arm)] = road;
    n.turnsOnly[static_cast<size_t>(arm)] = turnsOnly;
}

void LocalRoadPlan::leaving(int node, int arm, int road) {
    nodes[static_cast<size_t>(node)].depart[static_cast<size_t>(arm)] = road;
}

std::array<int, 3> LocalRoadPlan::successorsAt(int node, int arm) const {
    const Node& n = nodes[static_cast<size_t>(node)];
    if (n.kind == Kind::Edge) {
        const int in = n.depart[static_cast<size_t>(arm)];
        return {in, in, in};
    }
    if (n.kind == Kind::Joint) {
        const int on = n.depart[static_cast<size_t>(otherArm(n.arrive, arm))];
        return {on, on, on};
    }
    std::vector<int> valid;
    for (size_t i = 0; i < movements.size(); ++i) {
        const int exit = (arm + movements[i].exitArm) % 4;
        if (n.depart[static_cast<size_t>(exit)] < 0 || (i == straightOn && n.turnsOnly[static_cast<size_t>(arm)]))
            continue;
        valid.push_back(n.base + arm + movements[i].record);
    }
    if (valid.empty())
        return {roadStub, roadStub, roadStub}; // a junction arm that nothing may leave: never declared
    // Two movements share the three slots as first, second, first again.
    return {valid[0], valid[valid.size() > 1 ? 1 : 0], valid[valid.size() > 2 ? 2 : 0]};
}

int LocalRoadPlan::offsetUnits() const {
    return static_cast<int>(0.56 * b.model().laneWidth * shape.offset);
}

Point LocalRoadPlan::arrivalPoint(int node, int arm) const {
    const Node& n = nodes[static_cast<size_t>(node)];
    const Point p = quarterTurn({offsetUnits(), -shape.boxHalf}, arm);
    return {n.at.x + p.x, n.at.y + p.y};
}

Point LocalRoadPlan::departurePoint(int node, int arm) const {
    const Node& n = nodes[static_cast<size_t>(node)];
    const Point p = quarterTurn({-offsetUnits(), -shape.boxHalf}, arm);
    return {n.at.x + p.x, n.at.y + p.y};
}

void LocalRoadPlan::buildJunction(const Node& n, int group, int mode) {
    // The assembly is built about the nearest cell point and moved to the junction's own centre.
    const int cell = (n.at.x / 1000) * 100 + n.at.y / 1000;
    const Point c = cellPoint(cell);
    std::array<int, 4> exits{};
    for (int k = 0; k < 4; ++k) {
        const int d = n.depart[static_cast<size_t>(k)];
        exits[static_cast<size_t>(k)] = d >= 0 ? d : roadStub;
    }
    lightJunction(b, {.group = group,
                      .mode = mode,
                      .base = n.base,
                      .centre = cell,
                      .approaches = n.arrive,
                      .exits = exits,
                      .topLanes = shape.topLanes,
                      .offset = shape.offset,
                      .halfSize = shape.boxHalf});
    transformRun(b.model(), n.base, 12, 0, n.at.x - c.x, n.at.y - c.y);
    // Turns from a missing approach or into a missing exit are never driven: they are left undrawn, so that the
    // box shows only the corners that traffic takes.
    for (int k = 0; k < 4; ++k)
        for (size_t i = 1; i < movements.size(); ++i) {
            const int exit = (k + movements[i].exitArm) % 4;
            if (n.arrive[static_cast<size_t>(k)] < 0 || n.depart[static_cast<size_t>(exit)] < 0)
                b.model().road(n.base + k + movements[i].record).edgeStyle = hiddenLinkStyle;
        }
}

void LocalRoadPlan::buildLink(const Link& l) {
    const Node &a = nodes[static_cast<size_t>(l.from)], &z = nodes[static_cast<size_t>(l.to)];
    const double dx = z.at.x - a.at.x, dy = z.at.y - a.at.y, d = std::sqrt(dx * dx + dy * dy);
    const int trimA = a.kind == Kind::Junction ? shape.boxHalf : 0;
    const int trimZ = z.kind == Kind::Junction ? shape.boxHalf : 0;
    auto along = [&](double t) {
        return Point{a.at.x + static_cast<int32_t>(std::lround(dx * t / d)),
                     a.at.y + static_cast<int32_t>(std::lround(dy * t / d))};
    };
    const double first = trimA, last = d - trimZ;
    auto piece = [&](int road, Point from, Point to, std::array<int, 3> next) {
        b.straightRaw(road, {.from = from,
                             .to = to,
                             .topLanes = shape.topLanes,
                             .next = {next[0], next[1], next[2]},
                             .offset = shape.offset});
    };
    const std::array<int, 3> atZ = successorsAt(l.to, l.toArm), atA = successorsAt(l.from, l.fromArm);
    for (int i = 0; i < l.pieces; ++i) {
        const Point s = along(first + (last - first) * i / l.pieces);
        const Point e = along(first + (last - first) * (i + 1) / l.pieces);
        const int out = l.out + i, back = l.back + l.pieces - 1 - i;
        piece(out, s, e, i + 1 < l.pieces ? std::array<int, 3>{out + 1, out + 1, out + 1} : atZ);
        piece(back, e, s, i > 0 ? std::array<int, 3>{back + 1, back + 1, back + 1} : atA);
    }
}

int LocalRoadPlan::build(int lightsMode, int firstGroup) {
    groups = 0;
    for (const Node& n : nodes)
        if (n.kind == Kind::Junction)
            buildJunction(n, firstGroup + groups++, junctionMode(lightsMode, n.lamps));
    for (const Link& l : links)
        buildLink(l);
    auto& boundaries = b.model().boundaryRoads;
    auto slot = std::find(boundaries.begin(), boundaries.end(), -1);
    for (const Node& n : nodes)
        if (n.kind == Kind::Edge && slot != boundaries.end())
            *slot++ = n.arrive[static_cast<size_t>(otherArm(n.arrive, -1))];
    return nextRoad;
}

} // namespace jamlog
