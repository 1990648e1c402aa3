// Layout 27 "T:DC TJ": a two-lane avenue from the west edge to the east edge with a side avenue meeting it from
// the south at a T junction with lights. Traffic keeps right, as in the city it is named after, because that is
// what lets drivers turn on red: the nearside turns (right from the side avenue, and right into it from the west)
// go through a red light when the box is clear, while the traffic going straight on and the offside turners wait.
// The junction is built keeping left and then mirrored, which puts the traffic on the right.
#include "model/layouts/AvenuePlan.h"
#include "model/layouts/Layouts.h"
#include "model/layouts/StreetPlan.h"
#include "model/layouts/TestTeeParts.h"

namespace jamlog {

namespace {

constexpr int dcRoads = 25;
constexpr int carDivisor = 3;
constexpr int32_t minX = 0, minY = 1000, maxX = 10000, maxY = 8000;

constexpr AvenueShape avenue{.topLanes = 1, .offset = 3, .boxHalf = 500};
constexpr int junctionCell = 504;
constexpr int32_t avenueY = 4000, sideX = 5000;
constexpr int32_t westJoint = 2000, eastJoint = 8000, southJoint = 6500; // where each arm's approach begins

} // namespace

void buildTestDcTee(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "T:DC TJ";
    a.contentFlags = contentRoads;
    a.cars /= carDivisor;
    m.roadCount = dcRoads;
    setExtent(m, {.minX = minX, .minY = minY, .maxX = maxX, .maxY = maxY});

    AvenuePlan p(b, avenue, testTee::avenueTeeFirstLink);
    const int tee = p.junction(junctionCell, testTee::avenueTeeBase);
    const int w = p.joint(westJoint, avenueY), e = p.joint(eastJoint, avenueY), s = p.joint(sideX, southJoint);
    p.straight(p.edge(minX, avenueY), w);
    p.straight(w, tee);
    p.straight(tee, e);
    p.straight(e, p.edge(maxX, avenueY));
    p.straight(tee, s);
    p.straight(s, p.edge(sideX, maxY));
    p.build(a.lights, 0);
    testTee::closeAvenueTee(b, p, tee, avenue, junctionCell);
    testTee::mirrorRun(m, 0, dcRoads, minX + maxX);
    m.driveOnLeft = 0;
}

} // namespace jamlog
