// The roundabout interchange template. Motorway east along row 6 (roads 0-2) and west along row 7 (3-5); cross
// road south along column 7 (6-8) and north (9-11), ducking under the ring and the motorway; ring about
// (7000, 6500) of straights 12, 14, 16, 18 and corner arcs 13, 15, 17, 19, turning clockwise; slips 20-23;
// links 24-27 between the cross road and the ring.
#include "model/RoundaboutInterchange.h"

namespace jamlog {

namespace {

constexpr int motorwayLanes = 3;
constexpr int crossLanes = 1;
constexpr int ringLanes = 1;

struct Hidden {
    int road, from, to;
};
// Cells where a road passes under another level of the junction.
constexpr Hidden hiddenCells[] = {
    {1, 185, 224}, {1, 265, 334}, {1, 375, 409}, {4, 185, 224},  {4, 265, 334},  {4, 375, 409},
    {7, 137, 163}, {7, 274, 426}, {7, 537, 563}, {10, 137, 163}, {10, 274, 426}, {10, 537, 563},
};

struct RingPiece {
    int road, start, end, viaX, viaY, next0, next1, next2;
};
// Fine points; arcs turn about the centres (7500, 5000), (7500, 8000), (6500, 8000) and (6500, 5000), radius 500.
constexpr RingPiece ring[] = {
    {12, 65045, 75045, 0, 0, 13, 13, 13}, {13, 75045, 80050, 7854, 4646, 21, 21, 14},
    {14, 80050, 80080, 0, 0, 15, 15, 15}, {15, 80080, 75085, 7854, 8354, 27, 27, 16},
    {16, 75085, 65085, 0, 0, 17, 17, 17}, {17, 65085, 60080, 6146, 8354, 23, 23, 18},
    {18, 60080, 60050, 0, 0, 19, 19, 19}, {19, 60050, 65045, 6146, 4646, 25, 25, 12},
};

// Tapers in steps of 0.4 lane widths. An exit slip starts a little way along the diverging lane and ends one step
// to its left; an entry slip ends two steps to its left, at the edge of the carriageway it merges into; the links
// are cut back one step at both ends.
struct Taper {
    int start, end;
};
constexpr Taper exitTaper{2, 91}, entryTaper{1, 92}, linkTaper{1, 1};

struct Slip {
    int road, fromRoad, toRoad, viaX, viaY, cw, next, giveWayTo;
    Taper taper;
};
constexpr Slip slips[] = {
    {20, 0, 19, 5200, 5700, 0, 19, 18, exitTaper}, // eastbound exit onto the ring's west side
    {21, 13, 2, 9000, 5300, 1, 2, 1, entryTaper},  // eastbound entry from the ring
    {22, 3, 15, 8800, 7300, 0, 15, 14, exitTaper}, // westbound exit onto the ring's east side
    {23, 17, 5, 5000, 7700, 1, 5, 4, entryTaper},  // westbound entry from the ring
};

struct Link {
    int road, fromRoad, toRoad, next, giveWayTo;
};
constexpr Link links[] = {
    {24, 6, 13, 13, 12},
    {25, 19, 11, 11, -1},
    {26, 9, 17, 17, 16},
    {27, 15, 8, 8, -1},
};

// How far an outline reaches out from the road, world units.
constexpr int outlineReach = 1200;

// One road of the junction from the end of one road to the start of another, in an outline fitted to it.
void joinInOutline(Builder& b, int road, int fromRoad, int toRoad, SegmentArgs a) {
    const Point s = b.endOf(fromRoad), e = b.startOf(toRoad);
    a.x1 = s.x;
    a.y1 = s.y;
    a.x2 = e.x;
    a.y2 = e.y;
    b.segmentInOutline(road, a, outlineReach);
}

} // namespace

void roundaboutInterchange(Builder& b, const std::array<int, 4>& outward) {
    NetworkModel& m = b.model();
    b.straightRoad(0, {.from = 6, .to = 406, .topLanes = motorwayLanes, .next = {1, 1, 20}});
    b.straightRoad(1, {.from = 406, .to = 1006, .topLanes = motorwayLanes, .next = 2, .ctl = 1021});
    b.straightRoad(2, {.from = 1006, .to = 1406, .topLanes = motorwayLanes, .next = outward[0]});
    b.straightRoad(3, {.from = 1407, .to = 1007, .topLanes = motorwayLanes, .next = {4, 4, 22}});
    b.straightRoad(4, {.from = 1007, .to = 407, .topLanes = motorwayLanes, .next = 5, .ctl = 1023});
    b.straightRoad(5, {.from = 407, .to = 7, .topLanes = motorwayLanes, .next = outward[1]});

    b.straightRoad(6, {.from = 700, .to = 703, .topLanes = crossLanes, .next = {7, 7, 24}, .offset = 3});
    b.straightRoad(7, {.from = 703, .to = 710, .topLanes = crossLanes, .next = 8, .offset = 3});
    b.straightRoad(8, {.from = 710, .to = 713, .topLanes = crossLanes, .next = outward[2], .offset = 3});
    b.straightRoad(9, {.from = 713, .to = 710, .topLanes = crossLanes, .next = {10, 10, 26}, .offset = 3});
    b.straightRoad(10, {.from = 710, .to = 703, .topLanes = crossLanes, .next = 11, .offset = 3});
    b.straightRoad(11, {.from = 703, .to = 700, .topLanes = crossLanes, .next = outward[3], .offset = 3});

    for (const RingPiece& p : ring) {
        SegmentArgs a;
        const Point from = finePoint(p.start), to = finePoint(p.end);
        a.x1 = from.x;
        a.y1 = from.y;
        a.x2 = to.x;
        a.y2 = to.y;
        a.viaX = p.viaX;
        a.viaY = p.viaY;
        a.topLanes = ringLanes;
        a.cw = p.viaX != 0 ? 1 : 0;
        a.style = edgeStyleLink;
        a.kindArg = 1;
        a.next0 = p.next0;
        a.next1 = p.next1;
        a.next2 = p.next2;
        b.segmentInOutline(p.road, a, outlineReach);
    }
    for (const Slip& s : slips) {
        SegmentArgs a;
        a.viaX = s.viaX;
        a.viaY = s.viaY;
        a.cw = s.cw;
        a.ctl = s.giveWayTo;
        a.next0 = a.next1 = a.next2 = s.next;
        a.startTaper = s.taper.start;
        a.endTaper = s.taper.end;
        joinInOutline(b, s.road, s.fromRoad, s.toRoad, a);
    }
    for (const Link& l : links) {
        SegmentArgs a;
        a.style = edgeStyleLink;
        a.ctl = l.giveWayTo;
        a.next0 = a.next1 = a.next2 = l.next;
        a.startTaper = linkTaper.start;
        a.endTaper = linkTaper.end;
        joinInOutline(b, l.road, l.fromRoad, l.toRoad, a);
    }
    for (int r = 20; r <= 27; ++r)
        m.road(r).indicator = 4;
    for (const Hidden& h : hiddenCells)
        setCells(m.road(h.road).hiddenBits, h.from, h.to, true);
}

} // namespace jamlog
