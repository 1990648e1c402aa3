// Networks of multi-lane two-way avenues meeting at light junctions: nodes (junctions, layout edges, joints) and
// straight links between them. The plan numbers the roads, works out every successor from what meets at each
// node and builds the records through the primitives and the light-junction assembly.
#pragma once
#include <array>
#include <vector>

#include "model/Assemblies.h"
#include "model/Primitives.h"

namespace jamlog {

struct AvenueShape {
    int topLanes; // highest lane index of every avenue and junction crossing
    int offset;   // lateral offset code of each direction from the centre line
    int boxHalf;  // half size of a junction box
};

class AvenuePlan {
public:
    AvenuePlan(Builder& b, AvenueShape shape, int firstLinkRoad) : b(b), shape(shape), nextRoad(firstLinkRoad) {}

    // Light junction about a cell point on roads base..base+11.
    int junction(int centreCell, int base, Lamps lamps = Lamps::main);
    // Where an avenue leaves the layout: the road that arrives here becomes a boundary road.
    int edge(int32_t x, int32_t y);
    // Two links meeting end to end.
    int joint(int32_t x, int32_t y);
    // Two-way straight link; the arms follow from the direction between the two nodes.
    void straight(int from, int to);

    // Builds everything declared; junction light groups are numbered from firstGroup in declaration order.
    // Returns the next free road number.
    int build(int lightsMode, int firstGroup);

    // The road that arrives at `node` by `arm`, -1 where none does.
    int arriving(int node, int arm) const { return nodes[static_cast<size_t>(node)].arrive[static_cast<size_t>(arm)]; }

private:
    enum class Kind { Junction, Edge, Joint };
    struct Node {
        Kind kind;
        int32_t x, y;
        int cell = 0, base = 0;
        Lamps lamps = Lamps::main;
        std::array<int, 4> arrive{-1, -1, -1, -1};
        std::array<int, 4> depart{-1, -1, -1, -1};
    };
    struct Link {
        int from, to, fromArm, toArm, out, back;
    };
    int addNode(Node n);
    std::array<int, 3> successorsAt(int node, int arm) const;

    Builder& b;
    AvenueShape shape;
    int nextRoad;
    std::vector<Node> nodes;
    std::vector<Link> links;
};

} // namespace jamlog
