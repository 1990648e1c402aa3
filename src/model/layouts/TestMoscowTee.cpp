// Layout 26 "T:Moscow TJ": three-lane avenues meeting at one big T junction with lights, the wide avenues of
// Moscow Jam on their own. Here traffic keeps left, unlike in that layout: this one shows the light phases, and
// with turning on red the nearside turners would go through the red phases and blur them. Every driver but the
// pushy ones waits for the green of his own arm.
#include "model/layouts/AvenuePlan.h"
#include "model/layouts/Layouts.h"
#include "model/layouts/StreetPlan.h"
#include "model/layouts/TestTeeParts.h"

namespace jamlog {

namespace {

constexpr int moscowTeeRoads = 41;
constexpr int carDivisor = 2;
constexpr int32_t minX = 0, minY = 1000, maxX = 10000, maxY = 10000;

constexpr AvenueShape avenue{.topLanes = 2, .offset = 3, .boxHalf = 700};
constexpr int junctionCell = 502;              // (teeX, avenueY)
constexpr int32_t teeX = 5000, avenueY = 2000; // the junction's cell point
// The avenues run in pieces between joints.
constexpr int32_t majorPiece = 1000, sidePiece = 2000;
constexpr int majorPieces = 5, sidePieces = 4;

// A run of pieces from `from` in steps of (dx, dy), ending at an edge.
void avenueTo(AvenuePlan& p, int from, int32_t x, int32_t y, int32_t dx, int32_t dy, int pieces) {
    for (int k = 1; k < pieces; ++k) {
        const int joint = p.joint(x + k * dx, y + k * dy);
        p.straight(from, joint);
        from = joint;
    }
    p.straight(from, p.edge(x + pieces * dx, y + pieces * dy));
}

} // namespace

void buildTestMoscowTee(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "T:Moscow TJ";
    a.contentFlags = contentRoads;
    a.cars /= carDivisor;
    m.roadCount = moscowTeeRoads;
    setExtent(m, {.minX = minX, .minY = minY, .maxX = maxX, .maxY = maxY});

    AvenuePlan p(b, avenue, testTee::avenueTeeFirstLink);
    const int tee = p.junction(junctionCell, testTee::avenueTeeBase);
    avenueTo(p, tee, teeX, avenueY, -majorPiece, 0, majorPieces);
    avenueTo(p, tee, teeX, avenueY, majorPiece, 0, majorPieces);
    avenueTo(p, tee, teeX, avenueY, 0, sidePiece, sidePieces);
    p.build(a.lights, 0);
    testTee::closeAvenueTee(b, p, tee, avenue, junctionCell);
}

} // namespace jamlog
