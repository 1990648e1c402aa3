// "Bunching Cars": three long two-way roads, each running across the layout and back round a hairpin bend, whose
// lanes come and go: two-lane stretches where the queues behind slow vehicles break up, single-lane stretches
// where they form again, with a lane drop at the start of every single-lane stretch and a lane gain at its end.
// The middle road is turned half round, so that it opens to the east and bends at the west.
#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "model/layouts/Layouts.h"
#include "model/layouts/MotorwayPlan.h"

namespace jamlog {

namespace {

constexpr int bunchingRoads = 160;
constexpr int carScale = 3;
constexpr int extentMinX = 0, extentMinY = 1000, extentMaxX = 22000, extentMaxY = 19000;

constexpr int oneLane = 0, twoLanes = 1; // top lane index
constexpr int roadOffset = 3;            // each direction 1.7 lane widths to its own side of the centre line
constexpr int maxPieceLength = 2000;     // a stretch is cut into records of at most this length
constexpr int32_t openEndX = 0;          // where the roads leave the layout
constexpr int32_t bendStartX = 20000;    // where the hairpin begins
constexpr int32_t rowSpacing = 3000;     // between the two rows of one road; the bend's radius is half of it

// A stretch of road with one lane count, measured along the row from the open end towards the bend.
struct Stretch {
    int32_t length;
    int topLane;
};

// A road out along its first row (y) and back along the row below; the stretches of each row from the open end.
struct HairpinRoad {
    int32_t y;
    std::span<const Stretch> out, back;
    bool turned; // half-turned about its own centre
};

// Alternating narrows and overtaking stretches of similar length.
constexpr Stretch narrowsOut[] = {
    {3000, twoLanes}, {4500, oneLane}, {2500, twoLanes}, {4000, oneLane}, {6000, twoLanes}};
constexpr Stretch narrowsBack[] = {
    {2500, twoLanes}, {5000, oneLane}, {4000, twoLanes}, {3000, oneLane}, {5500, twoLanes}};
// Mostly one lane with short passing stretches: the longest queues.
constexpr Stretch singleOut[] = {{1500, oneLane},  {2500, twoLanes}, {5000, oneLane},
                                 {2000, twoLanes}, {5000, oneLane},  {4000, twoLanes}};
constexpr Stretch singleBack[] = {{4500, oneLane},  {2000, twoLanes}, {6000, oneLane},
                                  {2500, twoLanes}, {2000, oneLane},  {3000, twoLanes}};
// Mostly two lanes with short pinch points, where the lane drop itself bunches the traffic.
constexpr Stretch pinchOut[] = {{4000, twoLanes}, {2500, oneLane}, {4500, twoLanes}, {2500, oneLane}, {6500, twoLanes}};
constexpr Stretch pinchBack[] = {
    {5000, twoLanes}, {3500, oneLane}, {4500, twoLanes}, {2500, oneLane}, {4500, twoLanes}};

constexpr std::array<HairpinRoad, 3> roads{{
    {2500, narrowsOut, narrowsBack, false},
    {8500, singleOut, singleBack, true},
    {14500, pinchOut, pinchBack, false},
}};

// One row from the open end to the bend, west to east.
std::vector<Piece> row(int32_t y, std::span<const Stretch> stretches) {
    std::vector<Piece> pieces;
    int32_t x = openEndX;
    for (const Stretch& s : stretches) {
        const int count = (s.length + maxPieceLength - 1) / maxPieceLength;
        appendStraight(pieces, {x, y}, {x + s.length, y}, count, s.topLane);
        x += s.length;
    }
    return pieces;
}

template <typename... Runs> std::vector<Piece> joined(const Runs&... runs) {
    std::vector<Piece> out;
    (out.insert(out.end(), runs.begin(), runs.end()), ...);
    return out;
}

// Builds one road from `first`; returns the next free road.
int hairpin(Builder& b, const HairpinRoad& h, int first) {
    NetworkModel& m = b.model();
    const int32_t r = rowSpacing / 2, yBack = h.y + rowSpacing;
    const Point centre{bendStartX, h.y + r};
    std::vector<Piece> bend;
    appendArc(bend, {bendStartX, h.y}, {bendStartX + r, h.y + r}, centre, 1, twoLanes);
    appendArc(bend, {bendStartX + r, h.y + r}, {bendStartX, yBack}, centre, 1, twoLanes);
    const std::vector<Piece> out = row(h.y, h.out), back = row(yBack, h.back);
    const std::vector<Piece> inbound = joined(out, bend, reversed(back));
    const std::vector<Piece> returning = joined(back, reversed(bend), reversed(out));
    const int firstReturning = first + static_cast<int>(inbound.size());
    const int end = firstReturning + static_cast<int>(returning.size());
    // Each direction leaves at the open end; vehicles come in on the other.
    const std::vector<int> inboundRoads = numbered(first, firstReturning - first);
    const std::vector<int> returningRoads = numbered(firstReturning, end - firstReturning);
    buildChain(b, {.roads = inboundRoads,
                   .pieces = inbound,
                   .offset = roadOffset,
                   .then = {firstReturning, firstReturning, firstReturning}});
    buildChain(b, {.roads = returningRoads, .pieces = returning, .offset = roadOffset, .then = {first, first, first}});
    if (h.turned)
        for (int n = first; n < end; ++n)
            flipSegment(m.road(n), -1, -1, extentMinX + extentMaxX, h.y + yBack);
    auto slot = std::find(m.boundaryRoads.begin(), m.boundaryRoads.end(), -1);
    *slot++ = firstReturning - 1;
    *slot = end - 1;
    return end;
}

} // namespace

void buildBunchingCars(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "Bunching Cars";
    a.contentFlags = contentRoads;
    a.cars *= carScale;
    m.roadCount = bunchingRoads;
    m.trackCount = 0;
    m.riverCount = 0;
    setExtent(m, {.minX = extentMinX, .minY = extentMinY, .maxX = extentMaxX, .maxY = extentMaxY});
    int next = 0;
    for (const HairpinRoad& h : roads)
        next = hairpin(b, h, next);
}

} // namespace jamlog
