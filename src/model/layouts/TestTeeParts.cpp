// The test T junctions' shared pieces: the closed arm of a light junction and the mirror to keep right.
#include "model/layouts/TestTeeParts.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "model/layouts/StreetPlan.h"

namespace jamlog {

namespace testTee {

namespace {

// Movement m of arm a leads out by arm a + 2 (straight on), a + 3 (offside turn) or a + 1 (nearside turn).
constexpr std::array<int, junctionMovements> exitArmOffset{2, 3, 1};

int road(int base, int arm, int movement) {
    return base + arm + 4 * movement;
}

Point boxPoint(int centre, Point rel, int arm) {
    for (int i = 0; i < arm; ++i)
        rel = {-rel.y, rel.x};
    const Point c = cellPoint(centre);
    return {c.x + rel.x, c.y + rel.y};
}

// Builds a crossing of the box anew between two points, keeping its lanes, links and box codes, and shows it.
void rebuildCrossing(Builder& b, int r, Point from, Point to) {
    const RoadRecord old = b.model().road(r);
    b.straightRaw(r, {.from = from,
                      .to = to,
                      .topLanes = old.topLane,
                      .next = {old.next[0], old.next[1], old.next[2]},
                      .box = old.boxCode,
                      .style = crossingStyle,
                      .ctl = old.control});
}

// Builds a turn of the box anew from its own fields with the lanes of its approach. The assembly builds one-lane
// turns; on the side road every lane turns one way or the other.
void widenTurn(Builder& b, int r, int topLanes) {
    const RoadRecord old = b.model().road(r);
    SegmentArgs a{.x1 = old.startX,
                  .y1 = old.startY,
                  .x2 = old.endX(),
                  .y2 = old.endY(),
                  .viaX = old.centreX,
                  .viaY = old.centreY,
                  .topLanes = topLanes,
                  .next0 = old.next[0],
                  .next1 = old.next[1],
                  .next2 = old.next[2],
                  .cw = old.clockwise,
                  .box = old.boxCode,
                  .style = old.edgeStyle,
                  .startTaper = centreMarker,
                  .endTaper = centreMarker,
                  .ctl = old.control};
    std::copy(std::begin(old.outline), std::end(old.outline), a.p);
    b.segment(r, a);
    b.model().road(r).indicator = old.indicator;
}

} // namespace

void closeArm(Builder& b, const ClosedArm& c) {
    NetworkModel& m = b.model();
    const int o = static_cast<int>(0.56 * m.laneWidth * c.offset), s = c.halfSize;
    for (int mv = 1; mv < junctionMovements; ++mv)
        m.road(road(c.base, c.absent, mv)).edgeStyle = hiddenStyle;
    for (int arm = 0; arm < 4; ++arm) {
        if (arm == c.absent)
            continue;
        std::vector<int> open;
        for (int mv = 0; mv < junctionMovements; ++mv) {
            const int r = road(c.base, arm, mv);
            if ((arm + exitArmOffset[static_cast<size_t>(mv)]) % 4 == c.absent) {
                RoadRecord& towards = m.road(r);
                if (mv > 0)
                    towards.edgeStyle = hiddenStyle;
                std::fill(std::begin(towards.next), std::end(towards.next), c.sink);
            } else {
                open.push_back(r);
            }
        }
        // Successors in the order straight on, nearside, offside as the plans give them; the first open one stands
        // in for the closed movement.
        RoadRecord& approach = m.road(c.approaches[static_cast<size_t>(arm)]);
        for (int32_t& n : approach.next)
            if (std::find(open.begin(), open.end(), n) == open.end())
                n = open.front();
    }
    // The two crossings on the line of the absent arm cover the box between the major road and the side road,
    // which the turns alone leave open; they stop at the major road's far edge instead of running on to the box's.
    const int opposite = (c.absent + 2) % 4;
    rebuildCrossing(b, road(c.base, c.absent, 0), boxPoint(c.centre, {o, -c.roadEdge}, c.absent),
                    boxPoint(c.centre, {o, s}, c.absent));
    rebuildCrossing(b, road(c.base, opposite, 0), boxPoint(c.centre, {o, -s}, opposite),
                    boxPoint(c.centre, {o, c.roadEdge}, opposite));
    const int sideLanes = m.road(c.approaches[static_cast<size_t>(opposite)]).topLane;
    for (int mv = 1; mv < junctionMovements; ++mv)
        widenTurn(b, road(c.base, opposite, mv), sideLanes);
    // The sink runs half way between the box's edge and the major road's, within a join of every road at either.
    const int sinkLine = (s + c.roadEdge) / 2;
    b.straightRaw(c.sink, {.from = boxPoint(c.centre, {-o, -sinkLine}, c.absent),
                           .to = boxPoint(c.centre, {o, -sinkLine}, c.absent),
                           .next = road(c.base, c.absent, 0),
                           .style = hiddenStyle});
}

void mirrorRun(NetworkModel& m, int first, int count, int32_t axisSum) {
    for (int n = first; n < first + count; ++n) {
        RoadRecord& r = m.road(n);
        const bool straight = r.centreX == 0;
        int32_t outline[8];
        std::copy(std::begin(r.outline), std::end(r.outline), outline);
        flipSegment(r, 1, -1, axisSum, 0);
        if (!straight)
            continue;
        r.centreX = r.centreY = 0;
        std::copy(std::begin(outline), std::end(outline), r.outline);
    }
}

void closeAvenueTee(Builder& b, const AvenuePlan& p, int tee, const AvenueShape& shape, int centre) {
    closeArm(b, {.base = avenueTeeBase,
                 .absent = north,
                 .sink = avenueTeeSink,
                 .approaches = {-1, p.arriving(tee, east), p.arriving(tee, south), p.arriving(tee, west)},
                 .offset = shape.offset,
                 .halfSize = shape.boxHalf,
                 .roadEdge = avenueTeeEdge,
                 .centre = centre});
}

} // namespace testTee

} // namespace jamlog
