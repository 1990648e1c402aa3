// Carriageway chains: lane drops and gains from the lane counts of neighbouring pieces.
#include "model/layouts/MotorwayPlan.h"

#include <algorithm>
#include <cmath>

#include "model/Bitmap.h"

namespace jamlog {

void buildChain(Builder& b, const Chain& c) {
    const int n = static_cast<int>(std::min(c.pieces.size(), c.roads.size()));
    for (int i = 0; i < n; ++i) {
        const Piece& p = c.pieces[static_cast<size_t>(i)];
        const bool arc = p.centre.x != 0;
        const int road = c.roads[static_cast<size_t>(i)];
        const int following = i + 1 < n ? c.roads[static_cast<size_t>(i + 1)] : 0;
        const std::array<int, 3> next = i + 1 < n ? std::array<int, 3>{following, following, following} : c.then;
        SegmentArgs a{.x1 = p.from.x,
                      .y1 = p.from.y,
                      .x2 = p.to.x,
                      .y2 = p.to.y,
                      .viaX = arc ? p.centre.x : 0,
                      .viaY = arc ? p.centre.y : 0,
                      .topLanes = p.topLane,
                      .next0 = next[0],
                      .next1 = next[1],
                      .next2 = next[2],
                      .cw = p.cw,
                      .offset = c.offset};
        if (arc) {
            a.startTaper = a.endTaper = centreMarker;
        } else {
            const int before = i > 0 ? c.pieces[static_cast<size_t>(i - 1)].topLane : p.topLane;
            const int after = i + 1 < n ? c.pieces[static_cast<size_t>(i + 1)].topLane : p.topLane;
            if (p.topLane > before)
                a.startTaper = laneGainTaper;
            if (p.topLane > after)
                a.endTaper = laneDropTaper;
        }
        b.segmentInOutline(road, a, chainOutlineReach);
        // The builder reads an arc's centre marker as an end taper too and closes lane 1 before the arc's end;
        // a chain's bends keep all their lanes.
        if (arc && p.topLane >= 1) {
            LaneStrip& lane = b.model().road(road).lanes[1];
            setCells(lane.occupancy, 0, lane.laneLength / 10, false);
        }
    }
}

void slipArc(Builder& b, int road, const SlipArc& s) {
    const double radius = std::hypot(double(s.from.x) - s.centre.x, double(s.from.y) - s.centre.y);
    const int32_t d = static_cast<int32_t>(radius * 0.70710678);
    const int32_t sx = (s.from.x + s.to.x) / 2 > s.centre.x ? 1 : -1,
                  sy = (s.from.y + s.to.y) / 2 > s.centre.y ? 1 : -1;
    SegmentArgs a{.x1 = s.from.x,
                  .y1 = s.from.y,
                  .x2 = s.to.x,
                  .y2 = s.to.y,
                  .viaX = s.centre.x + sx * d,
                  .viaY = s.centre.y + sy * d,
                  .next0 = s.next,
                  .next1 = s.next,
                  .next2 = s.next,
                  .startTaper = s.startTaper,
                  .endTaper = s.endTaper,
                  .ctl = s.giveWayTo};
    b.segmentInOutline(road, a, slipArcReach);
    b.model().road(road).indicator = slipIndicator;
}

std::vector<int> numbered(int first, int count) {
    std::vector<int> out(static_cast<size_t>(std::max(count, 0)));
    for (int k = 0; k < count; ++k)
        out[static_cast<size_t>(k)] = first + k;
    return out;
}

void appendStraight(std::vector<Piece>& out, Point from, Point to, int count, int topLane) {
    for (int k = 0; k < count; ++k) {
        const Point s{from.x + (to.x - from.x) * k / count, from.y + (to.y - from.y) * k / count};
        const Point e{from.x + (to.x - from.x) * (k + 1) / count, from.y + (to.y - from.y) * (k + 1) / count};
        out.push_back({s, e, {}, 0, topLane});
    }
}

void appendArc(std::vector<Piece>& out, Point from, Point to, Point centre, int cw, int topLane) {
    out.push_back({from, to, centre, cw, topLane});
}

std::vector<Piece> reversed(std::span<const Piece> pieces) {
    std::vector<Piece> out(pieces.rbegin(), pieces.rend());
    for (Piece& p : out) {
        std::swap(p.from, p.to);
        p.cw = 1 - p.cw;
    }
    return out;
}

} // namespace jamlog
