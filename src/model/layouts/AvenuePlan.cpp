// Avenue plans: node and link bookkeeping, successor resolution and the build.
#include "model/layouts/AvenuePlan.h"

#include <algorithm>

#include "model/Assemblies.h"
#include "model/layouts/StreetPlan.h"

namespace jamlog {

int AvenuePlan::addNode(Node n) {
    nodes.push_back(n);
    return static_cast<int>(nodes.size()) - 1;
}

int AvenuePlan::junction(int centreCell, int base, Lamps lamps) {
    const Point c = cellPoint(centreCell);
    Node n{Kind::Junction, c.x, c.y};
    n.cell = centreCell;
    n.base = base;
    n.lamps = lamps;
    return addNode(n);
}

int AvenuePlan::edge(int32_t x, int32_t y) {
    return addNode({Kind::Edge, x, y});
}

int AvenuePlan::joint(int32_t x, int32_t y) {
    return addNode({Kind::Joint, x, y});
}

void AvenuePlan::straight(int from, int to) {
    Node &a = nodes[static_cast<size_t>(from)], &z = nodes[static_cast<size_t>(to)];
    Link l{from, to, armToward(a.x, a.y, z.x, z.y), armToward(z.x, z.y, a.x, a.y), nextRoad, nextRoad + 1};
    nextRoad += 2;
    a.depart[static_cast<size_t>(l.fromArm)] = l.out;
    z.arrive[static_cast<size_t>(l.toArm)] = l.out;
    z.depart[static_cast<size_t>(l.toArm)] = l.back;
    a.arrive[static_cast<size_t>(l.fromArm)] = l.back;
    links.push_back(l);
}

// The successors of a road that arrives at `node` by `arm`: straight on, nearside turn, offside turn at a junction;
// the way back at an edge; the way on at a joint.
std::array<int, 3> AvenuePlan::successorsAt(int node, int arm) const {
    const Node& n = nodes[static_cast<size_t>(node)];
    if (n.kind == Kind::Junction)
        return {n.base + arm, n.base + 8 + arm, n.base + 4 + arm};
    const int on = n.kind == Kind::Edge ? n.depart[static_cast<size_t>(arm)]
                                        : n.depart[static_cast<size_t>(otherArm(n.arrive, arm))];
    return {on, on, on};
}

int AvenuePlan::build(int lightsMode, int firstGroup) {
    int group = firstGroup;
    for (const Node& n : nodes)
        if (n.kind == Kind::Junction)
            lightJunction(b, group++, junctionMode(lightsMode, n.lamps), n.base, n.cell, n.arrive, n.depart,
                          shape.topLanes, shape.offset, shape.boxHalf);
    for (const Link& l : links) {
        const Node &a = nodes[static_cast<size_t>(l.from)], &z = nodes[static_cast<size_t>(l.to)];
        const int trimA = a.kind == Kind::Junction ? shape.boxHalf : 0;
        const int trimZ = z.kind == Kind::Junction ? shape.boxHalf : 0;
        const std::array<int, 3> atZ = successorsAt(l.to, l.toArm), atA = successorsAt(l.from, l.fromArm);
        b.straightRoadFine(l.out, fineOf(a.x, a.y), fineOf(z.x, z.y), shape.topLanes, atZ[0], atZ[1], atZ[2], 0, 0,
                           trimA, trimZ, shape.offset, -1);
        b.straightRoadFine(l.back, fineOf(z.x, z.y), fineOf(a.x, a.y), shape.topLanes, atA[0], atA[1], atA[2], 0, 0,
                           trimZ, trimA, shape.offset, -1);
    }
    auto& boundaries = b.model().boundaryRoads;
    auto slot = std::find(boundaries.begin(), boundaries.end(), -1);
    for (const Node& n : nodes)
        if (n.kind == Kind::Edge && slot != boundaries.end())
            *slot++ = n.arrive[static_cast<size_t>(otherArm(n.arrive, -1))];
    return nextRoad;
}

} // namespace jamlog
