// Town street networks described as nodes and two-way links of one-lane roads. The plan numbers the roads,
// works out every successor from what meets at each node (light junction, roundabout arm, layout edge or a
// plain joint), and then builds the records through the builder's primitives and assemblies.
#pragma once
#include <array>
#include <vector>

#include "model/Assemblies.h"
#include "model/Primitives.h"

namespace jamlog {

// Directions in which a link leaves a node, in the arm order of the light junctions and roundabouts.
enum Compass { north = 0, east = 1, south = 2, west = 3 };

constexpr int streetOffset = 1;        // one lane each way, 0.56 lane widths to its own side of the centre line
constexpr int streetBoxHalfSize = 300; // half size of a light junction's box on one-lane streets
constexpr int pelicanTrim = 100;       // the gap that a pelican crossing leaves between its two roads
constexpr int roundaboutArmLength = 2000; // the four-arm roundabout template reaches two cells from its centre

class StreetPlan {
public:
    explicit StreetPlan(Builder& b, int firstLinkRoad) : b(b), nextRoad(firstLinkRoad) {}

    // Light junction of half size streetBoxHalfSize about a cell point, on roads base..base+11.
    int junction(int centreCell, int base, Lamps lamps = Lamps::main);
    // Four-arm roundabout about a cell point on roads base..base+11; returns the arm nodes north, east, south, west.
    std::array<int, 4> roundabout(int number, int centreCell, int radius, int ringLanes, int base);
    // Where a link leaves the layout: the road that arrives here becomes a boundary road.
    int edge(int32_t x, int32_t y);
    // Two links meeting end to end; a pelican joint stops both directions at a crossing.
    int joint(int32_t x, int32_t y, bool pelican = false);

    // Two-way straight link; the arms follow from the direction between the two nodes.
    void straight(int from, int to);
    // Two-way arc about a raw centre leaving node `from` by fromArm and arriving at node `to` by toArm; cw is the
    // turning sense of the road from `from` to `to` (1 = clockwise on the screen).
    struct ArcLink {
        int from = 0, fromArm = north;
        int to = 0, toArm = north;
        Point centre{};
        int cw = 0;
    };
    void arc(const ArcLink& a);
    void arc(int from, int fromArm, int to, int toArm, int32_t cx, int32_t cy, int cwOut);
    // Two-way straight link whose outbound direction has a one-way loop on its nearside between the
    // distances loopFrom and loopTo from `from`, bulging `bulge` units away from the street. The loop gives
    // way to the street where it rejoins it.
    struct LoopLink {
        int from = 0, to = 0;
        int loopFrom = 0, loopTo = 0;
        int bulge = 0;
    };
    void straightWithLoop(const LoopLink& l);
    void straightWithLoop(int from, int to, int loopFrom, int loopTo, int bulge);

    // Builds everything declared; junction light groups are numbered from 0 in declaration order (at most 25
    // junctions), pelican groups follow them when pelicans are on. Returns the next free road number.
    int build(int lightsMode, bool pelicans);

    int arriving(int node, int arm) const { return nodes[static_cast<size_t>(node)].arrive[arm]; }
    int leaving(int node, int arm) const { return nodes[static_cast<size_t>(node)].depart[arm]; }
    int loopRoad() const { return loop; }
    int lightGroupsUsed() const { return groupsUsed; }

private:
    enum class Kind { Junction, RoundaboutArm, Edge, Joint };
    struct Node {
        Kind kind;
        int32_t x, y;
        int cell = 0; // junction centre, or roundabout centre for an arm
        int base = 0; // first road of the junction or roundabout
        int arm = 0;  // compass arm of a roundabout arm node
        bool pelican = false;
        Lamps lamps = Lamps::main;
        std::array<int, 4> arrive{-1, -1, -1, -1};
        std::array<int, 4> depart{-1, -1, -1, -1};
    };
    struct Roundabout {
        int number, cell, radius, ringLanes, base;
        std::array<int, 4> arms;
    };
    enum class LinkKind { Straight, Arc, Loop };
    struct Link {
        LinkKind kind;
        int from, to, fromArm, toArm;
        int out, back;          // outbound and return roads (for a loop: the last outbound piece)
        int32_t cx = 0, cy = 0; // arc centre
        int cwOut = 0;
        int loopFrom = 0, loopTo = 0, bulge = 0;
        int first = 0, middle = 0, loop = 0; // loop link pieces: first, middle, loop road; `out` is the last
    };

    int addNode(Node n);
    int take() { return nextRoad++; }
    int trimAt(int node) const;
    std::array<int, 3> successorsAt(int node, int arm) const;
    void buildRoundabout(const Roundabout& r);
    void buildJunction(const Node& n, int group, int mode);
    void buildStraight(int road, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int trim1, int trim2,
                       std::array<int, 3> next);
    void buildLink(const Link& l);
    void addBoundary(int road);

    Builder& b;
    int nextRoad;
    int loop = -1;
    int groupsUsed = 0;
    std::vector<Node> nodes;
    std::vector<Roundabout> roundabouts;
    std::vector<Link> links;
};

// The first arm other than `arm` by which a road arrives, or `arm` itself when there is none.
int otherArm(const std::array<int, 4>& arrive, int arm);

// The compass arm by which a straight from (x1, y1) towards (x2, y2) leaves its start.
int armToward(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// Fine point number (XXXYYY, 100 units) of a world point on the 100-unit grid.
constexpr int fineOf(int32_t x, int32_t y) {
    return (x / 100) * 1000 + y / 100;
}

} // namespace jamlog
