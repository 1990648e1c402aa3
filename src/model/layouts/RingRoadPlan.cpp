// Ring road plans: turned nodes and their arm points, successors, and the build of junctions, roundabouts and
// links.
#include "model/layouts/RingRoadPlan.h"

#include <algorithm>
#include <cmath>

#include "model/Assemblies.h"
#include "model/Bitmap.h"
#include "model/LayoutChecker.h"
#include "model/layouts/MotorwayPlan.h"
#include "model/layouts/StreetPlan.h"

namespace jamlog {

namespace {

constexpr double pi = 3.14159265358979;
constexpr int hiddenLinkStyle = 4;    // a junction record the network drawing passes over
constexpr int ringStyle = 1;          // a ring of more than one lane
constexpr int ringKind = 1;           // road kind of a roundabout ring
constexpr int exitIndicator = 4;      // vehicles leaving a roundabout signal to the nearside
constexpr int32_t ringClearance = 50; // entries end, and exits start, this far outside the ring
constexpr double joinMargin = 10;     // room left for the rounding of turned points within a join's reach
constexpr int junctionRoads = 12;

// The movements from an arm in successor order (straight on, nearside, offside): exit arm and junction record,
// both relative to the arriving arm.
struct Movement {
    int exitArm, record;
};
constexpr std::array<Movement, 3> movements{{{2, 0}, {1, 8}, {3, 4}}};

Point turned(double x, double y, double degrees, Point at) {
    const double a = degrees * pi / 180;
    return {at.x + static_cast<int32_t>(std::lround(x * std::cos(a) - y * std::sin(a))),
            at.y + static_cast<int32_t>(std::lround(x * std::sin(a) + y * std::cos(a)))};
}

// The direction of a vector as an angle clockwise from north.
double bearing(double dx, double dy) {
    return std::atan2(dx, -dy) * 180 / pi;
}

int otherArm(const std::vector<int>& arrive, int arm) {
    for (int k = 0; k < static_cast<int>(arrive.size()); ++k)
        if (k != arm && arrive[static_cast<size_t>(k)] >= 0)
            return k;
    return arm;
}

} // namespace

int RingRoadPlan::addNode(Node n) {
    n.arrive.assign(static_cast<size_t>(n.arms), -1);
    n.depart.assign(static_cast<size_t>(n.arms), -1);
    n.armDegrees.assign(static_cast<size_t>(n.arms), 0);
    nodes.push_back(n);
    return static_cast<int>(nodes.size()) - 1;
}

int RingRoadPlan::junction(Point at, double degrees, int base, Lamps lamps) {
    Node n{Kind::Junction, at, degrees};
    n.reach = shape.boxHalf;
    n.base = base;
    n.lamps = lamps;
    return addNode(n);
}

int RingRoadPlan::roundabout(const Roundabout& r) {
    Node n{Kind::Roundabout, r.centre, r.degrees, r.arms, r.ringRadius, r.armLength, r.base};
    return addNode(n);
}

int RingRoadPlan::edge(Point at) {
    return addNode({Kind::Edge, at});
}

int RingRoadPlan::joint(Point at) {
    return addNode({Kind::Joint, at});
}

double RingRoadPlan::armAngle(const Node& n, int arm) const {
    switch (n.kind) {
    case Kind::Junction:
        return n.degrees + 90.0 * arm;
    case Kind::Roundabout:
        return n.degrees + 360.0 * arm / n.arms;
    default:
        return n.armDegrees[static_cast<size_t>(arm)];
    }
}

// A road arriving by an arm keeps to its left of the arm's centre line, one leaving by it to the other side.
Point RingRoadPlan::armPoint(const Node& n, int arm, bool arriving) const {
    const double o = 0.56 * b.model().laneWidth * shape.offset;
    return turned(arriving ? o : -o, -n.reach, armAngle(n, arm), n.at);
}

void RingRoadPlan::straight(int from, int fromArm, int to, int toArm) {
    link(from, fromArm, to, toArm, false, {}, 0);
}

void RingRoadPlan::arc(int from, int fromArm, int to, int toArm, Point centre, int cw) {
    link(from, fromArm, to, toArm, true, centre, cw);
}

void RingRoadPlan::link(int from, int fromArm, int to, int toArm, bool isArc, Point centre, int cw) {
    Node &a = nodes[static_cast<size_t>(from)], &z = nodes[static_cast<size_t>(to)];
    const double dx = z.at.x - a.at.x, dy = z.at.y - a.at.y;
    if (a.kind == Kind::Edge || a.kind == Kind::Joint)
        a.armDegrees[static_cast<size_t>(fromArm)] = bearing(dx, dy);
    if (z.kind == Kind::Edge || z.kind == Kind::Joint)
        z.armDegrees[static_cast<size_t>(toArm)] = bearing(-dx, -dy);
    const Point s = armPoint(a, fromArm, false), e = armPoint(z, toArm, true);
    double length = std::hypot(double(e.x - s.x), double(e.y - s.y));
    if (isArc) {
        const double r = std::hypot(double(s.x - centre.x), double(s.y - centre.y));
        length = 2 * r * std::asin(std::min(1.0, length / 2 / r));
    }
    const int pieces = length > shape.splitLength ? 2 : 1;
    Link l{from, fromArm, to, toArm, isArc, centre, cw, pieces, nextRoad, nextRoad + pieces};
    nextRoad += 2 * pieces;
    a.depart[static_cast<size_t>(fromArm)] = l.out;
    z.arrive[static_cast<size_t>(toArm)] = l.out + pieces - 1;
    z.depart[static_cast<size_t>(toArm)] = l.back;
    a.arrive[static_cast<size_t>(fromArm)] = l.back + pieces - 1;
    links.push_back(l);
}

std::array<int, 3> RingRoadPlan::successorsAt(int node, int arm) const {
    const Node& n = nodes[static_cast<size_t>(node)];
    switch (n.kind) {
    case Kind::Edge: {
        const int in = n.depart[static_cast<size_t>(arm)];
        return {in, in, in};
    }
    case Kind::Joint: {
        const int on = n.depart[static_cast<size_t>(otherArm(n.arrive, arm))];
        return {on, on, on};
    }
    case Kind::Roundabout: {
        const int entry = n.base + n.arms + 2 * arm;
        return {entry, entry, entry};
    }
    case Kind::Junction:
        break;
    }
    std::vector<int> valid;
    for (const Movement& mv : movements)
        if (n.depart[static_cast<size_t>((arm + mv.exitArm) % 4)] >= 0)
            valid.push_back(n.base + arm + mv.record);
    if (valid.empty())
        return {roadStub, roadStub, roadStub};
    return {valid[0], valid[valid.size() > 1 ? 1 : 0], valid[valid.size() > 2 ? 2 : 0]};
}

void RingRoadPlan::buildJunction(const Node& n, int group, int mode) {
    std::array<int, 4> approaches{}, exits{};
    for (size_t k = 0; k < 4; ++k) {
        approaches[k] = n.arrive[k];
        exits[k] = n.depart[k] >= 0 ? n.depart[k] : roadStub;
    }
    // Built about the origin, then turned and moved into place.
    lightJunction(b, {.group = group,
                      .mode = mode,
                      .base = n.base,
                      .centre = 0,
                      .approaches = approaches,
                      .exits = exits,
                      .topLanes = shape.topLanes,
                      .offset = shape.offset,
                      .halfSize = shape.boxHalf});
    transformRun(b.model(), n.base, junctionRoads, n.degrees, n.at.x, n.at.y);
    // Turns from a missing approach or into a missing exit are never driven, and left undrawn.
    for (int k = 0; k < 4; ++k)
        for (size_t i = 1; i < movements.size(); ++i)
            if (n.arrive[static_cast<size_t>(k)] < 0 ||
                n.depart[static_cast<size_t>((k + movements[i].exitArm) % 4)] < 0)
                b.model().road(n.base + k + movements[i].record).edgeStyle = hiddenLinkStyle;
}

// Ring arcs base..base+arms-1 clockwise from arm k to arm k+1, then entry base+arms+2k and exit base+arms+2k+1.
void RingRoadPlan::buildRoundabout(const Node& n) {
    NetworkModel& m = b.model();
    // The entries and exits keep to their side of the arm, but never so far that their ends lie beyond a join's
    // reach of the ring's ends (as the widest lanes would put them).
    const double reach = std::sqrt(double(maxJoinGap) * maxJoinGap - double(ringClearance) * ringClearance);
    const double o = std::min(0.56 * m.laneWidth * shape.offset, reach - joinMargin);
    const int32_t r = n.ringRadius, mouth = r + ringClearance;
    for (int k = 0; k < n.arms; ++k) {
        const int next = (k + 1) % n.arms, arcRoad = n.base + k;
        const Point from = turned(0, -r, armAngle(n, k), n.at), to = turned(0, -r, armAngle(n, next), n.at);
        const int exit = n.base + n.arms + 2 * next + 1, onward = n.base + next;
        SegmentArgs a{.x1 = from.x,
                      .y1 = from.y,
                      .x2 = to.x,
                      .y2 = to.y,
                      .viaX = n.at.x,
                      .viaY = n.at.y,
                      .topLanes = shape.topLanes,
                      .next0 = exit,
                      .next1 = onward,
                      .next2 = onward,
                      .cw = 1,
                      .style = ringStyle,
                      .startTaper = centreMarker,
                      .endTaper = centreMarker,
                      .kindArg = ringKind};
        b.segmentInOutline(arcRoad, a, chainOutlineReach);
        LaneStrip& lane1 = m.road(arcRoad).lanes[1];
        setCells(lane1.occupancy, 0, lane1.laneLength / 10, false); // a ring keeps both lanes to its end
        const int entry = n.base + n.arms + 2 * k;
        const int before = n.base + (k + n.arms - 1) % n.arms; // the ring arc arriving at this arm
        b.straightRaw(entry, {.from = armPoint(n, k, true),
                              .to = turned(o, -mouth, armAngle(n, k), n.at),
                              .topLanes = shape.topLanes,
                              .next = arcRoad,
                              .ctl = before});
        const int out = n.depart[static_cast<size_t>(k)] >= 0 ? n.depart[static_cast<size_t>(k)] : roadStub;
        b.straightRaw(entry + 1, {.from = turned(-o, -mouth, armAngle(n, k), n.at),
                                  .to = armPoint(n, k, false),
                                  .topLanes = shape.topLanes,
                                  .next = out});
        m.road(entry + 1).indicator = exitIndicator;
    }
}

void RingRoadPlan::buildDirection(const Link& l, bool out) {
    const Node &a = nodes[static_cast<size_t>(out ? l.from : l.to)],
               &z = nodes[static_cast<size_t>(out ? l.to : l.from)];
    const int aArm = out ? l.fromArm : l.toArm, zArm = out ? l.toArm : l.fromArm;
    const Point s = armPoint(a, aArm, false), e = armPoint(z, zArm, true);
    std::vector<Piece> pieces;
    if (!l.arc) {
        appendStraight(pieces, s, e, l.pieces, shape.topLanes);
    } else {
        const int cw = out ? l.cw : 1 - l.cw;
        const double r = std::hypot(double(s.x - l.centre.x), double(s.y - l.centre.y));
        const double a0 = std::atan2(double(s.y - l.centre.y), double(s.x - l.centre.x));
        double sweep = std::atan2(double(e.y - l.centre.y), double(e.x - l.centre.x)) - a0;
        // Clockwise on the screen the angle grows.
        while (cw && sweep <= 0)
            sweep += 2 * pi;
        while (!cw && sweep >= 0)
            sweep -= 2 * pi;
        Point from = s;
        for (int i = 1; i <= l.pieces; ++i) {
            const double t = a0 + sweep * i / l.pieces;
            const Point to = i == l.pieces ? e
                                           : Point{l.centre.x + static_cast<int32_t>(std::lround(r * std::cos(t))),
                                                   l.centre.y + static_cast<int32_t>(std::lround(r * std::sin(t)))};
            appendArc(pieces, from, to, l.centre, cw, shape.topLanes);
            from = to;
        }
    }
    const int first = out ? l.out : l.back;
    const std::vector<int> roads = numbered(first, l.pieces);
    buildChain(b, {.roads = roads,
                   .pieces = pieces,
                   .offset = 0,
                   .then = successorsAt(out ? l.to : l.from, out ? l.toArm : l.fromArm)});
}

int RingRoadPlan::build(int lightsMode, int firstGroup) {
    groups = 0;
    for (const Node& n : nodes) {
        if (n.kind == Kind::Junction)
            buildJunction(n, firstGroup + groups++, junctionMode(lightsMode, n.lamps));
        if (n.kind == Kind::Roundabout)
            buildRoundabout(n);
    }
    for (const Link& l : links) {
        buildDirection(l, true);
        buildDirection(l, false);
    }
    auto& boundaries = b.model().boundaryRoads;
    auto slot = std::find(boundaries.begin(), boundaries.end(), -1);
    for (const Node& n : nodes)
        if (n.kind == Kind::Edge && slot != boundaries.end())
            *slot++ = n.arrive[static_cast<size_t>(otherArm(n.arrive, -1))];
    return nextRoad;
}

} // namespace jamlog
