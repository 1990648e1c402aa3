// Street plans: node and link bookkeeping, successor resolution and the build through the primitives.
#include "model/layouts/StreetPlan.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "model/Assemblies.h"

namespace jamlog {

namespace {

constexpr int templateCentre = 2000; // the four-arm roundabout template is built about cell point (2, 2)
constexpr int templateRoads = 12;
constexpr int arcClipLanes = 4;  // the clip rectangle of an arc reaches this many lane widths outwards
constexpr int loopIndicator = 4; // the loop leaves the street to the nearside
// The loop's clip starts just inside the street's near edge line (0.5 lane widths out), so that the loop's surface
// opens a mouth in that line where it leaves and rejoins.
constexpr int loopMouthTenths = 4;
constexpr int loopClipLanes = 2; // on its other sides the clip reaches this many lane widths beyond the loop

constexpr std::array<Point, 4> compassStep{{{0, -1}, {1, 0}, {0, 1}, {-1, 0}}};

// Clip outline of a loop that leaves a street along u to its nearside (u.y, -u.x) and bulges `bulge` from it: the
// rectangle from the street's near edge line out past the crown, as wide as the loop. The outline that the
// builder makes up for a three-point arc lies along the chords to the crown, so a clip to it cuts the crown off,
// and on a loop of radius under nine lane widths it crosses itself; this one holds a loop of any height and keeps
// it off the street, so that its edge lines stop at the street's edge.
void fitLoopOutline(RoadRecord& r, Point u, int32_t bulge, int32_t laneWidth) {
    const Point n{u.y, -u.x};
    const int32_t midX = r.startX - r.backX / 2, midY = r.startY - r.backY / 2;
    const int32_t halfChord =
        static_cast<int32_t>(std::sqrt(double(r.backX) * r.backX + double(r.backY) * r.backY) / 2);
    const int32_t margin = loopClipLanes * laneWidth;
    // Higher than half its chord the loop is more than a half circle and widest across its centre.
    const int32_t along = (bulge > halfChord ? r.radius : halfChord) + margin;
    const int32_t nearEdge = laneWidth * loopMouthTenths / 10, far = bulge + margin;
    // Left of the start, right of it, right of the end, left of the end (the left of travel is the nearside).
    const int32_t corners[4][2] = {{-along, far}, {-along, nearEdge}, {along, nearEdge}, {along, far}};
    for (int i = 0; i < 4; ++i) {
        r.outline[2 * i] = midX + corners[i][0] * u.x + corners[i][1] * n.x;
        r.outline[2 * i + 1] = midY + corners[i][0] * u.y + corners[i][1] * n.y;
    }
}

} // namespace

int otherArm(const std::array<int, 4>& arrive, int arm) {
    for (int k = 0; k < 4; ++k)
        if (k != arm && arrive[static_cast<size_t>(k)] >= 0)
            return k;
    return arm;
}

int armToward(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    int32_t dx = x2 - x1, dy = y2 - y1;
    if (std::abs(dx) > std::abs(dy))
        return dx > 0 ? east : west;
    return dy > 0 ? south : north;
}

int StreetPlan::addNode(Node n) {
    nodes.push_back(n);
    return static_cast<int>(nodes.size()) - 1;
}

int StreetPlan::junction(int centreCell, int base, Lamps lamps) {
    Point c = cellPoint(centreCell);
    Node n{Kind::Junction, c.x, c.y};
    n.cell = centreCell;
    n.base = base;
    n.lamps = lamps;
    return addNode(n);
}

std::array<int, 4> StreetPlan::roundabout(int number, int centreCell, int radius, int ringLanes, int base) {
    Point c = cellPoint(centreCell);
    std::array<int, 4> arms{};
    for (int k = 0; k < 4; ++k) {
        const Point s = compassStep[static_cast<size_t>(k)];
        Node n{Kind::RoundaboutArm, c.x + s.x * roundaboutArmLength, c.y + s.y * roundaboutArmLength};
        n.cell = centreCell;
        n.base = base;
        n.arm = k;
        arms[static_cast<size_t>(k)] = addNode(n);
    }
    roundabouts.push_back({number, centreCell, radius, ringLanes, base, arms});
    return arms;
}

int StreetPlan::edge(int32_t x, int32_t y) {
    return addNode({Kind::Edge, x, y});
}

int StreetPlan::joint(int32_t x, int32_t y, bool pelican) {
    Node n{Kind::Joint, x, y};
    n.pelican = pelican;
    return addNode(n);
}

void StreetPlan::straight(int from, int to) {
    const Node &a = nodes[static_cast<size_t>(from)], &z = nodes[static_cast<size_t>(to)];
    arc(from, armToward(a.x, a.y, z.x, z.y), to, armToward(z.x, z.y, a.x, a.y), 0, 0, 0);
    links.back().kind = LinkKind::Straight;
}

void StreetPlan::arc(int from, int fromArm, int to, int toArm, int32_t cx, int32_t cy, int cwOut) {
    arc({.from = from, .fromArm = fromArm, .to = to, .toArm = toArm, .centre = {cx, cy}, .cw = cwOut});
}

void StreetPlan::arc(const ArcLink& c) {
    const int from = c.from, to = c.to, fromArm = c.fromArm, toArm = c.toArm;
    Link l{LinkKind::Arc, from, to, fromArm, toArm, take(), take()};
    l.cx = c.centre.x;
    l.cy = c.centre.y;
    l.cwOut = c.cw;
    Node &a = nodes[static_cast<size_t>(from)], &z = nodes[static_cast<size_t>(to)];
    a.depart[fromArm] = l.out;
    z.arrive[toArm] = l.out;
    z.depart[toArm] = l.back;
    a.arrive[fromArm] = l.back;
    links.push_back(l);
}

void StreetPlan::straightWithLoop(int from, int to, int loopFrom, int loopTo, int bulge) {
    straightWithLoop({.from = from, .to = to, .loopFrom = loopFrom, .loopTo = loopTo, .bulge = bulge});
}

void StreetPlan::straightWithLoop(const LoopLink& p) {
    const int from = p.from, to = p.to, loopFrom = p.loopFrom, loopTo = p.loopTo, bulge = p.bulge;
    Node &a = nodes[static_cast<size_t>(from)], &z = nodes[static_cast<size_t>(to)];
    Link l{LinkKind::Loop, from, to, armToward(a.x, a.y, z.x, z.y), armToward(z.x, z.y, a.x, a.y), -1, -1};
    l.first = take();
    l.middle = take();
    l.out = take();
    l.loop = take();
    l.back = take();
    l.loopFrom = loopFrom;
    l.loopTo = loopTo;
    l.bulge = bulge;
    a.depart[l.fromArm] = l.first;
    z.arrive[l.toArm] = l.out;
    z.depart[l.toArm] = l.back;
    a.arrive[l.fromArm] = l.back;
    loop = l.loop;
    links.push_back(l);
}

int StreetPlan::trimAt(int node) const {
    const Node& n = nodes[static_cast<size_t>(node)];
    if (n.kind == Kind::Junction)
        return streetBoxHalfSize;
    return n.pelican ? pelicanTrim : 0;
}

// The successors of a road that arrives at `node` by `arm`.
std::array<int, 3> StreetPlan::successorsAt(int node, int arm) const {
    const Node& n = nodes[static_cast<size_t>(node)];
    switch (n.kind) {
    case Kind::Junction: // straight on, nearside turn, offside turn
        return {n.base + arm, n.base + 8 + arm, n.base + 4 + arm};
    case Kind::RoundaboutArm: {
        int entry = n.base + 4 + 2 * n.arm;
        return {entry, entry, entry};
    }
    case Kind::Edge: {
        int in = n.depart[static_cast<size_t>(arm)];
        return {in, in, in};
    }
    case Kind::Joint:
        break;
    }
    int on = n.depart[static_cast<size_t>(otherArm(n.arrive, arm))];
    return {on, on, on};
}

void StreetPlan::buildRoundabout(const Roundabout& r) {
    std::array<int, 4> exits{};
    for (int k = 0; k < 4; ++k)
        exits[static_cast<size_t>(k)] = leaving(r.arms[static_cast<size_t>(k)], k) - r.base;
    fourArmRoundabout(b, {.roundabout = r.number, .ringLanes = r.ringLanes, .radius = r.radius, .exits = exits});
    Point c = cellPoint(r.cell);
    if (r.base == 0)
        transformRun(b.model(), 0, templateRoads, 0, c.x - templateCentre, c.y - templateCentre);
    else
        copyRun(b.model(), r.base, templateRoads, 0, c.x - templateCentre, c.y - templateCentre);
    b.roundaboutShape(r.number, r.cell, r.radius); // the shape follows the copy to its place
}

void StreetPlan::buildJunction(const Node& n, int group, int mode) {
    lightJunction(b, {.group = group,
                      .mode = mode,
                      .base = n.base,
                      .centre = n.cell,
                      .approaches = n.arrive,
                      .exits = n.depart,
                      .offset = streetOffset,
                      .halfSize = streetBoxHalfSize});
}

void StreetPlan::buildStraight(int road, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int trim1, int trim2,
                               std::array<int, 3> next) {
    b.straightRoadFine(road, {.from = fineOf(x1, y1),
                              .to = fineOf(x2, y2),
                              .next = {next[0], next[1], next[2]},
                              .trimStart = trim1,
                              .trimEnd = trim2,
                              .offset = streetOffset});
}

void StreetPlan::buildLink(const Link& l) {
    const Node &a = nodes[static_cast<size_t>(l.from)], &z = nodes[static_cast<size_t>(l.to)];
    const int trimA = trimAt(l.from), trimZ = trimAt(l.to);
    const std::array<int, 3> atZ = successorsAt(l.to, l.toArm), atA = successorsAt(l.from, l.fromArm);
    if (l.kind == LinkKind::Straight) {
        buildStraight(l.out, a.x, a.y, z.x, z.y, trimA, trimZ, atZ);
        buildStraight(l.back, z.x, z.y, a.x, a.y, trimZ, trimA, atA);
        return;
    }
    if (l.kind == LinkKind::Arc) {
        // Clip rectangle of a quarter arc: the box of its two ends, widened on the sides away from the centre.
        const int margin = arcClipLanes * b.model().laneWidth;
        int32_t left = std::min(a.x, z.x), right = std::max(a.x, z.x);
        int32_t top = std::min(a.y, z.y), bottom = std::max(a.y, z.y);
        if (left == l.cx)
            right += margin;
        else
            left -= margin;
        if (top == l.cy)
            bottom += margin;
        else
            top -= margin;
        b.arcRaw(l.out, {.from = {a.x, a.y},
                         .to = {z.x, z.y},
                         .centre = {l.cx, l.cy},
                         .bounds = {left, top, right, bottom},
                         .next = {atZ[0], atZ[1], atZ[2]},
                         .cw = l.cwOut,
                         .offset = streetOffset});
        b.arcRaw(l.back, {.from = {z.x, z.y},
                          .to = {a.x, a.y},
                          .centre = {l.cx, l.cy},
                          .bounds = {left, top, right, bottom},
                          .next = {atA[0], atA[1], atA[2]},
                          .cw = 1 - l.cwOut,
                          .offset = streetOffset});
        return;
    }
    // Loop link: the outbound street in three pieces, the loop between the ends of the first and the last.
    const Point u = compassStep[static_cast<size_t>(l.fromArm)];
    const int32_t x1 = a.x + u.x * l.loopFrom, y1 = a.y + u.y * l.loopFrom;
    const int32_t x2 = a.x + u.x * l.loopTo, y2 = a.y + u.y * l.loopTo;
    buildStraight(l.first, a.x, a.y, x1, y1, trimA, 0, {l.middle, l.middle, l.loop});
    buildStraight(l.middle, x1, y1, x2, y2, 0, 0, {l.out, l.out, l.out});
    buildStraight(l.out, x2, y2, z.x, z.y, 0, trimZ, atZ);
    buildStraight(l.back, z.x, z.y, a.x, a.y, trimZ, trimA, atA);
    const RoadRecord &s = b.model().road(l.first), &e = b.model().road(l.out);
    // The nearside of the outbound direction lies along (dy, -dx) of its travel.
    const int32_t viaX = (s.endX() + e.startX) / 2 + u.y * l.bulge;
    const int32_t viaY = (s.endY() + e.startY) / 2 - u.x * l.bulge;
    b.linkArc(l.loop, {.via = {viaX, viaY}, .next = l.out, .cw = 1, .fromRoad = l.first, .toRoad = l.out});
    RoadRecord& loopRoad = b.model().road(l.loop);
    loopRoad.control = l.middle; // give way to the street where the loop rejoins it
    loopRoad.indicator = loopIndicator;
    loopRoad.edgeStyle = edgeStyleLink; // one way with no opposite lane: solid lines on both edges
    fitLoopOutline(loopRoad, u, l.bulge, b.model().laneWidth);
}

void StreetPlan::addBoundary(int road) {
    auto& list = b.model().boundaryRoads;
    auto slot = std::find(list.begin(), list.end(), -1);
    if (slot != list.end())
        *slot = road;
}

int StreetPlan::build(int lightsMode, bool pelicans) {
    for (const Roundabout& r : roundabouts)
        buildRoundabout(r); // templates first: they are built on roads 0-11
    groupsUsed = 0;
    for (const Node& n : nodes)
        if (n.kind == Kind::Junction)
            buildJunction(n, groupsUsed++, junctionMode(lightsMode, n.lamps));
    for (const Link& l : links)
        buildLink(l);
    for (const Node& n : nodes) {
        if (n.kind == Kind::Edge)
            addBoundary(n.arrive[static_cast<size_t>(otherArm(n.arrive, -1))]);
        if (n.kind != Kind::Joint || !n.pelican || !pelicans || groupsUsed >= roadLightGroups)
            continue;
        const int i = otherArm(n.arrive, -1), j = otherArm(n.arrive, i);
        LightGroup& g = b.model().lightGroups[static_cast<size_t>(groupsUsed++)];
        g.mode = lightsPelican;
        for (int k = 0; k < 4; ++k)
            g.arms[k] = n.arrive[static_cast<size_t>(k % 2 == 0 ? i : j)];
        g.phase = 0;
        g.hasLights = 0;
    }
    return nextRoad;
}

} // namespace jamlog
