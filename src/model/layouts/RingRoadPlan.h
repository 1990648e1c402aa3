// Networks of two-way roads between turned nodes: light junctions and roundabouts set at any angle, layout edges
// and joints, linked by straights or by arcs about a centre (ring roads). Each node's arm k points along its angle
// turned by a quarter (a roundabout: by its own share of a turn) per arm, clockwise on the screen; a road arriving
// by an arm ends, and one leaving by it starts, at that arm's lane lines. The plan numbers the links, works out
// every successor and builds the records through the light-junction assembly and the carriageway chains.
#pragma once
#include <array>
#include <vector>

#include "model/Assemblies.h"
#include "model/Primitives.h"

namespace jamlog {

struct RingRoadShape {
    int topLanes;        // highest lane index of every road, roundabout ring and junction crossing
    int offset;          // lateral offset code of each direction from its centre line
    int boxHalf;         // half size of a junction box
    int32_t splitLength; // links longer than this are built in two records each way
};

class RingRoadPlan {
public:
    RingRoadPlan(Builder& b, RingRoadShape shape, int firstLinkRoad) : b(b), shape(shape), nextRoad(firstLinkRoad) {}

    // Light junction about `at` on roads base..base+11 (base at least 1), its north arm turned by `degrees`.
    int junction(Point at, double degrees, int base, Lamps lamps = Lamps::main);
    // Roundabout of `arms` arms on roads base..base+3*arms-1: the ring arcs first, then entry and exit of each arm.
    struct Roundabout {
        Point centre{};
        double degrees = 0; // direction of arm 0, clockwise from north
        int arms = 4;
        int32_t ringRadius = 0, armLength = 0;
        int base = 0;
    };
    int roundabout(const Roundabout& r);
    int edge(Point at);
    int joint(Point at);

    // Two-way straight link from `from` by fromArm to `to` by toArm (edges and joints take the link's direction).
    void straight(int from, int fromArm, int to, int toArm);
    // Two-way arc about `centre`; cw is the turning sense of the road from `from` to `to`.
    void arc(int from, int fromArm, int to, int toArm, Point centre, int cw);

    // Builds everything; junction light groups are numbered from firstGroup. Returns the next free road number.
    int build(int lightsMode, int firstGroup);

private:
    enum class Kind { Junction, Roundabout, Edge, Joint };
    struct Node {
        Kind kind;
        Point at;
        double degrees = 0;
        int arms = 4;
        int32_t ringRadius = 0, reach = 0; // reach: from the centre to where the links meet the arms
        int base = 0;
        std::vector<int> arrive, depart;
        std::vector<double> armDegrees; // edges and joints: the direction of each arm's link
        Lamps lamps = Lamps::main;
    };
    struct Link {
        int from, fromArm, to, toArm;
        bool arc;
        Point centre;
        int cw;
        int pieces;
        int out, back;
    };
    int addNode(Node n);
    double armAngle(const Node& n, int arm) const;
    Point armPoint(const Node& n, int arm, bool arriving) const;
    std::array<int, 3> successorsAt(int node, int arm) const;
    void buildJunction(const Node& n, int group, int mode);
    void buildRoundabout(const Node& n);
    void buildDirection(const Link& l, bool out);
    void link(int from, int fromArm, int to, int toArm, bool isArc, Point centre, int cw);

    Builder& b;
    RingRoadShape shape;
    int nextRoad;
    int groups = 0;
    std::vector<Node> nodes;
    std::vector<Link> links;
};

} // namespace jamlog
