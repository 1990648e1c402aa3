// Networks of two-way local roads of one shape (lanes, offset, junction size) between nodes: light junctions whose
// arms may be missing or one-way, layout edges and joints. One-way roads built elsewhere (slip roads) may arrive at
// or leave by a junction's arm: the plan gives them their successors, and gives each junction only the movements
// whose exits exist. A junction's records for the other movements lead into the road stub and are not drawn.
#pragma once
#include <array>
#include <vector>

#include "model/Assemblies.h"
#include "model/Primitives.h"

namespace jamlog {

struct LocalRoadShape {
    int topLanes; // highest lane index of every road and junction crossing
    int offset;   // lateral offset code of each direction from the centre line
    int boxHalf;  // half size of a junction box
};

class LocalRoadPlan {
public:
    LocalRoadPlan(Builder& b, LocalRoadShape shape, int firstLinkRoad) : b(b), shape(shape), nextRoad(firstLinkRoad) {}

    // Light junction about a point on the 100-unit grid, on roads base..base+11 (base at least 1).
    int junction(Point centre, int base, Lamps lamps = Lamps::main);
    // Where a road leaves the layout: the road that arrives here becomes a boundary road.
    int edge(Point at);
    // Two links meeting end to end.
    int joint(Point at);
    // Two-way straight link of `pieces` records each way; the arms follow from the direction between the nodes.
    void straight(int from, int to, int pieces = 1);
    // A one-way road built elsewhere that arrives at junction `node` by `arm`; with turnsOnly it never goes
    // straight across.
    void arriving(int node, int arm, int road, bool turnsOnly = false);
    // A one-way road built elsewhere that leaves junction `node` by `arm`.
    void leaving(int node, int arm, int road);

    // Successors of the road that arrives at `node` by `arm` (valid once everything is declared).
    std::array<int, 3> successorsAt(int node, int arm) const;
    // Where a road arriving at a junction by `arm` ends, and where one leaving by it starts.
    Point arrivalPoint(int node, int arm) const;
    Point departurePoint(int node, int arm) const;

    // Builds the junctions and the links; junction light groups are numbered from firstGroup in declaration order.
    // Returns the next free road number.
    int build(int lightsMode, int firstGroup);
    int groupsUsed() const { return groups; }
    // The first road number after the links declared so far.
    int nextFree() const { return nextRoad; }

private:
    enum class Kind { Junction, Edge, Joint };
    struct Node {
        Kind kind;
        Point at;
        int base = 0;
        Lamps lamps = Lamps::main;
        std::array<int, 4> arrive{-1, -1, -1, -1};
        std::array<int, 4> depart{-1, -1, -1, -1};
        std::array<bool, 4> turnsOnly{};
    };
    struct Link {
        int from, to, fromArm, toArm, pieces;
        int out, back; // first road of each direction
    };
    int addNode(Node n);
    int offsetUnits() const;
    void buildJunction(const Node& n, int group, int mode);
    void buildLink(const Link& l);

    Builder& b;
    LocalRoadShape shape;
    int nextRoad;
    int groups = 0;
    std::vector<Node> nodes;
    std::vector<Link> links;
};

} // namespace jamlog
