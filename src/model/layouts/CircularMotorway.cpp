// "Circular Motorway": an orbital motorway of four-lane carriageways round a town, a rounded rectangle with a
// roundabout interchange in the middle of each side (the interchange template at roads 0-27 and turned copies at
// 28-111). Each interchange's cross road runs out to the edge of the layout and in along a radial road to the
// light junction at the centre of the town. The clockwise carriageway runs outside, the anticlockwise inside.
#include <array>
#include <cmath>
#include <vector>

#include "model/Assemblies.h"
#include "model/RoundaboutInterchange.h"
#include "model/layouts/Layouts.h"
#include "model/layouts/MotorwayPlan.h"
#include "model/layouts/StreetPlan.h"

namespace jamlog {

namespace {

constexpr int orbitalRoads = 182;
constexpr int carScale = 4;
constexpr int motorwayLanes = 3;
constexpr int radialLanes = 1;
constexpr int radialOffset = 3; // the interchange's cross road offset, kept along the radials
constexpr int boxHalfSize = 500;

// The orbital's centre line (half way between its carriageways): a rectangle of half sizes halfWidth and
// halfHeight about the town centre, its corners rounded to cornerRadius.
struct OrbitalPlan {
    Point centre;
    int32_t halfWidth, halfHeight, cornerRadius;
    int32_t carriagewayHalfGap; // each carriageway's nearside line from the centre line
    int32_t coreHalfLength;     // the interchange's own motorway either side of its cross road
    int32_t crossCore;          // the cross road's own stretch either side of the motorway
};
constexpr OrbitalPlan plan{{17000, 15000}, 11500, 8000, 3000, 500, 3000, 3500};
constexpr int townJunctionCell = 1715;

// Records per stretch: the corner arcs, the motorway between corner and interchange on a long (top, bottom) and
// a short side, the radial roads by side (top, right, bottom, left).
constexpr int cornerPieces = 3;
constexpr int longSidePieces = 3;
constexpr int shortSidePieces = 1;
constexpr std::array<int, 4> radialPieces{2, 5, 2, 4};
// How far each side's cross road runs out beyond the interchange to the layout's edge.
constexpr std::array<int32_t, 4> outerArmReach{4500, 4500, 5000, 4500};

// Template roads of the interchange (see RoundaboutInterchange.cpp).
constexpr int eastIn = 0, eastCore = 1, eastOut = 2, westIn = 3, westCore = 4, westOut = 5;
constexpr int crossIn = 6, crossOut = 11, townOut = 8, townIn = 9;
constexpr int eastExitSlip = 20, westExitSlip = 22, crossUnder = 7, crossBack = 10;
constexpr int crossUnderTurn = 24, crossBackTurn = 26;

constexpr int sides = 4;
constexpr int townJunction = sides * interchangeRoads; // 112
constexpr int firstExtra = townJunction + 12;          // 124
constexpr int sideBase(int s) {
    return s * interchangeRoads;
}

// Quarter turns clockwise on the screen.
Point turned(Point p, int quarters) {
    for (int q = 0; q < quarters % 4; ++q)
        p = {-p.y, p.x};
    return p;
}
Point placed(Point local, int quarters) {
    const Point t = turned(local, quarters);
    return {plan.centre.x + t.x, plan.centre.y + t.y};
}
// The half size of the orbital across side s (top and bottom: the half height).
int32_t acrossHalf(int s) {
    return s % 2 == 0 ? plan.halfHeight : plan.halfWidth;
}
int sidePieces(int s) {
    return s % 2 == 0 ? longSidePieces : shortSidePieces;
}

class Numbers {
public:
    // `count` roads: the template road `first` (or none when -1), new roads, the template road `last` (or none).
    std::vector<int> take(int first, int count, int last) {
        std::vector<int> out;
        if (first >= 0)
            out.push_back(first);
        const int fresh = count - (first >= 0) - (last >= 0);
        for (int k = 0; k < fresh; ++k)
            out.push_back(next++);
        if (last >= 0)
            out.push_back(last);
        return out;
    }
    int used() const { return next; }

private:
    int next = firstExtra;
};

void arcPieces(std::vector<Piece>& out, Point c, int32_t r, double fromDeg, double toDeg, int cw, int quarters) {
    auto at = [&](double deg) {
        const double a = deg * 3.14159265358979 / 180;
        return placed({c.x + static_cast<int32_t>(std::lround(r * std::cos(a))),
                       c.y + static_cast<int32_t>(std::lround(r * std::sin(a)))},
                      quarters);
    };
    const Point centre = placed(c, quarters);
    for (int k = 0; k < cornerPieces; ++k)
        appendArc(out, at(fromDeg + (toDeg - fromDeg) * k / cornerPieces),
                  at(fromDeg + (toDeg - fromDeg) * (k + 1) / cornerPieces), centre, cw, motorwayLanes);
}

// Corner k joins side k to side k + 1 (clockwise: top, right, bottom, left). Drawn for the top right corner and
// turned: side k runs east at y = -hA from its interchange, side k + 1 south at x = hB towards its own.
void corner(Builder& b, Numbers& n, int k) {
    const int next = (k + 1) % sides, in = sideBase(k), out = sideBase(next);
    const int32_t hA = acrossHalf(k), hB = acrossHalf(next), R = plan.cornerRadius, g = plan.carriagewayHalfGap;
    const int32_t core = plan.coreHalfLength;
    const Point c{hB - R, -hA + R};
    std::vector<Piece> outer, inner;
    appendStraight(outer, placed({core, -hA - g}, k), placed({c.x, -hA - g}, k), sidePieces(k), motorwayLanes);
    arcPieces(outer, c, R + g, -90, 0, 1, k);
    appendStraight(outer, placed({hB + g, c.y}, k), placed({hB + g, -core}, k), sidePieces(next), motorwayLanes);
    appendStraight(inner, placed({hB - g, -core}, k), placed({hB - g, c.y}, k), sidePieces(next), motorwayLanes);
    arcPieces(inner, c, R - g, 0, -90, 0, k);
    appendStraight(inner, placed({c.x, -hA + g}, k), placed({core, -hA + g}, k), sidePieces(k), motorwayLanes);
    const int count = static_cast<int>(outer.size());
    const std::vector<int> outerRoads = n.take(in + eastOut, count, out + eastIn);
    const std::vector<int> innerRoads = n.take(out + westOut, count, in + westIn);
    buildChain(b, {.roads = outerRoads,
                   .pieces = outer,
                   .offset = 0,
                   .then = {out + eastCore, out + eastCore, out + eastExitSlip}});
    buildChain(
        b,
        {.roads = innerRoads, .pieces = inner, .offset = 0, .then = {in + westCore, in + westCore, in + westExitSlip}});
}

// The cross road of side s out to the edge of the layout, and its radial road in to the town junction; returns the
// radial's last road towards the junction and its first road back.
std::array<int, 2> crossRoad(Builder& b, Numbers& n, int s) {
    const int base = sideBase(s);
    const int32_t motorwayY = -acrossHalf(s);
    const Point edge{0, motorwayY - outerArmReach[static_cast<size_t>(s)]};
    const Point outerCore{0, motorwayY - plan.crossCore}, innerCore{0, motorwayY + plan.crossCore};
    const Point box{0, -boxHalfSize};
    std::vector<Piece> fromEdge, townward;
    appendStraight(fromEdge, placed(edge, s), placed(outerCore, s), 1, radialLanes);
    appendStraight(townward, placed(innerCore, s), placed(box, s), radialPieces[static_cast<size_t>(s)], radialLanes);
    const std::vector<Piece> toEdge = reversed(fromEdge), back = reversed(townward);
    const std::array<int, 1> inRoad{base + crossIn}, outRoad{base + crossOut};
    const int count = static_cast<int>(townward.size());
    const std::vector<int> townRoads = n.take(base + townOut, count, -1), backRoads = n.take(-1, count, base + townIn);
    const int arm = s; // the sides and the junction's arms both count clockwise from the north
    // From the edge most vehicles take the interchange onto the motorway; the rest go straight on into town.
    buildChain(b, {.roads = inRoad,
                   .pieces = fromEdge,
                   .offset = radialOffset,
                   .then = {base + crossUnderTurn, base + crossUnderTurn, base + crossUnder}});
    // Vehicles leave at the edge and come in on the other direction.
    buildChain(b,
               {.roads = outRoad, .pieces = toEdge, .offset = radialOffset, .then = {inRoad[0], inRoad[0], inRoad[0]}});
    buildChain(b, {.roads = townRoads,
                   .pieces = townward,
                   .offset = radialOffset,
                   .then = {townJunction + arm, townJunction + 8 + arm, townJunction + 4 + arm}});
    buildChain(b, {.roads = backRoads,
                   .pieces = back,
                   .offset = radialOffset,
                   .then = {base + crossBack, base + crossBack, base + crossBackTurn}});
    b.model().boundaryRoads[static_cast<size_t>(s)] = outRoad[0];
    return {townRoads.back(), backRoads.front()};
}

// The interchange template at roads 0-27 and its copies, turned to their sides.
void interchanges(Builder& b) {
    NetworkModel& m = b.model();
    roundaboutInterchange(b, {0, 0, 0, 0}); // the successors out of each interchange are set by the plan
    constexpr Point templateCentre{7000, 6500};
    auto shift = [&](int s) {
        const Point t = turned({-templateCentre.x, -acrossHalf(s) - templateCentre.y}, s);
        return Point{plan.centre.x + t.x, plan.centre.y + t.y};
    };
    for (int s = sides - 1; s >= 1; --s) {
        const Point d = shift(s);
        copyRun(m, sideBase(s), interchangeRoads, 90.0 * s, d.x, d.y);
    }
    const Point d = shift(0);
    transformRun(m, 0, interchangeRoads, 0, d.x, d.y);
}

} // namespace

void buildCircularMotorway(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "Circular Motorway";
    a.contentFlags = contentRoads;
    a.cars *= carScale;
    m.roadCount = orbitalRoads;
    m.trackCount = 0;
    m.riverCount = 0;
    setExtent(m, {.minX = 1000, .minY = 2500, .maxX = 33000, .maxY = 28000});

    interchanges(b);
    Numbers numbers;
    for (int k = 0; k < sides; ++k)
        corner(b, numbers, k);
    std::array<int, 4> approaches{}, exits{};
    for (int s = 0; s < sides; ++s) {
        const std::array<int, 2> ends = crossRoad(b, numbers, s);
        approaches[static_cast<size_t>(s)] = ends[0];
        exits[static_cast<size_t>(s)] = ends[1];
    }
    lightJunction(b, 0, junctionMode(a.lights, Lamps::main), townJunction, townJunctionCell, approaches, exits,
                  radialLanes, radialOffset, boxHalfSize);
}

} // namespace jamlog
