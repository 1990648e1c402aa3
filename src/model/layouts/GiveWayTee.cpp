// The give-way T junction's four turns and its priorities.
#include "model/layouts/GiveWayTee.h"

namespace jamlog {

namespace {

constexpr int nearsideIndicator = 4, offsideIndicator = 8;

void setNext(RoadRecord& r, int a, int b, int c) {
    r.next[0] = a;
    r.next[1] = b;
    r.next[2] = c;
}

} // namespace

void buildGiveWayTee(Builder& b, const TeeRoads& t, const TeeTurns& turns) {
    NetworkModel& m = b.model();
    setNext(m.road(t.minorIn), turns.nearsideOut, turns.nearsideOut, turns.offsideOut);
    b.linkRoads(turns.nearsideOut, {.next = t.nearOn, .fromRoad = t.minorIn, .toRoad = t.nearOn});
    b.linkRoads(turns.offsideOut, {.next = t.farOn, .fromRoad = t.minorIn, .toRoad = t.farOn});
    b.linkRoads(turns.nearsideIn, {.next = t.minorOut, .fromRoad = t.nearIn, .toRoad = t.minorOut});
    b.linkRoads(turns.offsideIn, {.next = t.minorOut, .fromRoad = t.farIn, .toRoad = t.minorOut});
    // The minor road and both offside turns give way to the near direction, which passes closest.
    m.road(t.minorIn).control = t.nearIn;
    m.road(turns.offsideOut).control = t.nearIn;
    m.road(turns.offsideIn).control = t.nearIn;
    m.road(turns.nearsideOut).indicator = m.road(turns.nearsideIn).indicator = nearsideIndicator;
    m.road(turns.offsideOut).indicator = m.road(turns.offsideIn).indicator = offsideIndicator;
    setNext(m.road(t.nearIn), t.nearOn, t.nearOn, turns.nearsideIn);
    setNext(m.road(t.farIn), t.farOn, t.farOn, turns.offsideIn);
}

} // namespace jamlog
