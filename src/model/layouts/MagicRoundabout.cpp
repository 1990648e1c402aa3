// "Magic Roundabout": four mini roundabouts, one on each side of a central ring. Neighbouring minis are joined
// both ways by curved links, so traffic can circle the central ring either way; each mini also has an arm into
// the central ring and one out to the edge of the layout.
#include <array>

#include "model/Assemblies.h"
#include "model/layouts/Layouts.h"

namespace jamlog {

namespace {

constexpr int magicRoads = 80;
constexpr int carDivisor = 2;

// Minis in compass order north, east, south, west; a mini's arm k points the same way (0 north ... 3 west).
constexpr int miniCount = 4;
constexpr int miniRoads = 12; // the four-arm roundabout template: quarters 0-3, entries 4+2k, exits 5+2k
constexpr int miniRadius = 300;
constexpr int templateCentreX = 2000, templateCentreY = 2000; // the template is built about cell point (2, 2)
constexpr std::array<Point, miniCount> miniCentre{{{10000, 7000}, {14000, 11000}, {10000, 15000}, {6000, 11000}}};
constexpr std::array<int, miniCount> miniCell{1007, 1411, 1015, 611};

// The central ring and its arms, which reach out to the inner arms of the minis.
constexpr int centralRing = 48; // quarters 48-51
constexpr int centralShape = 4;
constexpr int centralCell = 1011;
constexpr int centralRadius = 800;
constexpr std::array<int, miniCount> innerArmCell{1009, 1211, 1013, 811};

constexpr int outerLink = 52;   // 52 + 2i clockwise from mini i to mini i+1, 53 + 2i back
constexpr int centralLink = 60; // 60 + 2i into the central ring from mini i, 61 + 2i out to it
constexpr int approach = 68;    // 68 + 2i in from the edge, 69 + 2i out to the edge (the boundary road)
constexpr int splitPiece = 76;  // the long east and west approaches in two pieces: inner in, inner out

// Approaches from the edge to a mini's outer arm, in cell points; the east and west ones have a joint.
struct Approach {
    int edge, joint, arm;
};
constexpr std::array<Approach, miniCount> approaches{
    {{1004, 0, 1005}, {1911, 1811, 1611}, {1018, 0, 1017}, {111, 211, 411}}};

constexpr int streetOffset = 1;

int entryOf(int mini, int arm) {
    return miniRoads * mini + 4 + 2 * arm;
}
int exitOf(int mini, int arm) {
    return miniRoads * mini + 5 + 2 * arm;
}

void setNext(NetworkModel& m, int road, int next) {
    for (int32_t& n : m.road(road).next)
        n = next;
}

void buildMinis(Builder& b) {
    NetworkModel& m = b.model();
    fourArmRoundabout(b, {.radius = miniRadius}); // exits are patched below
    for (int i = miniCount - 1; i >= 0; --i) {
        const Point c = miniCentre[static_cast<size_t>(i)];
        const int dx = c.x - templateCentreX, dy = c.y - templateCentreY;
        if (i > 0)
            copyRun(m, miniRoads * i, miniRoads, 0, dx, dy);
        else
            transformRun(m, 0, miniRoads, 0, dx, dy);
    }
    for (int i = 0; i < miniCount; ++i)
        b.roundaboutShape(i, miniCell[static_cast<size_t>(i)], miniRadius);
}

void buildCentralRing(Builder& b) {
    b.roundaboutShape(centralShape, centralCell, centralRadius);
    for (int k = 0; k < miniCount; ++k) {
        const int out = centralLink + 1 + 2 * k, on = centralRing + (k + 1) % miniCount;
        b.roundaboutArc(centralRing + k,
                        {.roundabout = centralShape, .quarter = k, .next = {out, out, on}, .style = edgeStyleLink});
        const int arm = innerArmCell[static_cast<size_t>(k)];
        const int trim = centralRadius + 50;
        // In: gives way to the quarter arriving at its compass point and joins the next one.
        b.straightRoad(centralLink + 2 * k, {.from = arm,
                                             .to = centralCell,
                                             .next = on,
                                             .trimEnd = trim,
                                             .offset = streetOffset,
                                             .ctl = centralRing + k});
        const int back = entryOf(k, (k + 2) % miniCount);
        b.straightRoad(out, {.from = centralCell, .to = arm, .next = back, .trimStart = trim, .offset = streetOffset});
        b.model().road(out).indicator = 4;
    }
}

// Curved links between mini i's arm towards mini j = i + 1 and mini j's arm towards mini i.
void buildOuterLinks(Builder& b) {
    for (int i = 0; i < miniCount; ++i) {
        const int j = (i + 1) % miniCount;
        const int armI = j, armJ = i; // mini i's arm j points at mini j, and mini j's arm i back at mini i
        b.filletRoads(outerLink + 2 * i,
                      {.next = entryOf(j, armJ), .cw = 1, .fromRoad = exitOf(i, armI), .toRoad = entryOf(j, armJ)});
        b.filletRoads(outerLink + 1 + 2 * i,
                      {.next = entryOf(i, armI), .fromRoad = exitOf(j, armJ), .toRoad = entryOf(i, armI)});
    }
}

void buildApproaches(Builder& b) {
    NetworkModel& m = b.model();
    int boundary = 0, piece = splitPiece;
    for (int i = 0; i < miniCount; ++i) {
        const Approach& a = approaches[static_cast<size_t>(i)];
        const int in = approach + 2 * i, out = in + 1, entry = entryOf(i, i);
        if (a.joint == 0) {
            b.straightRoad(in, {.from = a.edge, .to = a.arm, .next = entry, .offset = streetOffset});
            b.straightRoad(out, {.from = a.arm, .to = a.edge, .next = in, .offset = streetOffset});
            setNext(m, exitOf(i, i), out);
        } else {
            const int innerIn = piece++, innerOut = piece++;
            b.straightRoad(in, {.from = a.edge, .to = a.joint, .next = innerIn, .offset = streetOffset});
            b.straightRoad(innerIn, {.from = a.joint, .to = a.arm, .next = entry, .offset = streetOffset});
            b.straightRoad(innerOut, {.from = a.arm, .to = a.joint, .next = out, .offset = streetOffset});
            b.straightRoad(out, {.from = a.joint, .to = a.edge, .next = in, .offset = streetOffset});
            setNext(m, exitOf(i, i), innerOut);
        }
        m.boundaryRoads[static_cast<size_t>(boundary++)] = out; // vehicles leave at its end, enter on `in`
    }
}

// Every mini exit leads out to the edge (set with the approaches), into the centre or to a neighbour.
void patchMiniExits(NetworkModel& m) {
    for (int i = 0; i < miniCount; ++i) {
        const int prev = (i + miniCount - 1) % miniCount;
        setNext(m, exitOf(i, (i + 2) % miniCount), centralLink + 2 * i);
        setNext(m, exitOf(i, (i + 1) % miniCount), outerLink + 2 * i);
        setNext(m, exitOf(i, prev), outerLink + 1 + 2 * prev);
    }
}

} // namespace

void buildMagicRoundabout(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "Magic Roundabout";
    m.roadCount = magicRoads;
    setExtent(m, {.minX = 1000, .minY = 4000, .maxX = 19000, .maxY = 18000});
    a.contentFlags = contentRoads;
    a.cars /= carDivisor;
    buildMinis(b);
    patchMiniExits(m); // before the links: the fillets start from the exits' ends, which are already placed
    buildCentralRing(b);
    buildOuterLinks(b);
    buildApproaches(b);
}

} // namespace jamlog
