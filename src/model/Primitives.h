// Building primitives: compact point numbers in, road records out, each through buildSegment.
// Cell points are XXYY (1000 units), fine points XXXYYY (100 units), raw points plain units.
#pragma once
#include "model/RoadBuilder.h"

namespace jamlog {

struct Point {
    int32_t x, y;
};

constexpr Point cellPoint(int n) {
    return {(n / 100) * 1000, (n - 100 * (n / 100)) * 1000};
}
constexpr Point finePoint(int n) {
    return {(n / 1000) * 100, (n - 1000 * (n / 1000)) * 100};
}

// Four outline corners given as cell or fine points.
struct Outline {
    int q1 = 0, q2 = 0, q3 = 0, q4 = 0;
};

class Builder {
public:
    explicit Builder(NetworkModel& model) : m(model) {}
    NetworkModel& model() { return m; }

    int segment(int road, const SegmentArgs& a) { return buildSegment(m.road(road), a, m.laneWidth); }
    Point startOf(int road) const { return {m.road(road).startX, m.road(road).startY}; }
    Point endOf(int road) const { return {m.road(road).endX(), m.road(road).endY()}; }

    // Builds the segment with an outline fitted to it: p1 left of the start, p2 right of it, p3 right of the end
    // and p4 left of it (left and right of the direction of travel on the screen). A start taper then moves the
    // start forwards, an end taper below 91 moves the end back and one from 91 moves it to the left; an arc's
    // outline lies on its radii through the ends, from a quarter radius off the centre to `reach` beyond the
    // circle, so that the clip to it keeps the whole surface. The arc's centre comes from a first build without
    // the tapers.
    int segmentInOutline(int road, SegmentArgs a, int reach);

    int straightRoad(int road, int start, int end, int topLanes, int next0, int next1, int next2, int ctl);
    int straightRoadEx(int road, int start, int end, int topLanes, int next0, int next1, int next2, int style,
                       int trimStart, int trimEnd, int offset, int ctl);
    int straightRoadFine(int road, int start, int end, int topLanes, int next0, int next1, int next2, int box,
                         int style, int trimStart, int trimEnd, int offset, int ctl);
    int straightRaw(int road, int x1, int y1, int x2, int y2, int topLanes, int next, int box, int style, int offset,
                    int ctl);
    int gridStreet(int road, int start, int end, int base, int trimStart);
    int linkRoads(int road, int start, int end, int next0, int next1, int next2, int offset, int fromRoad, int toRoad);
    int offsetStraight(int road, int p1, int p2, int next, int style, int startSteps, int endSteps);
    int arcRoad(int road, int start, int end, int viaX, int viaY, Outline o, int topLanes, int next0, int next1,
                int next2, int cw, int style, int startTaper, int endTaper, int offset, int ctl);
    int arcRoadFine(int road, int start, int end, int viaX, int viaY, Outline o, int topLanes, int next0, int next1,
                    int next2, int cw, int style, int startTaper, int endTaper, int offset, int ctl);
    int arcRaw(int road, int x1, int y1, int x2, int y2, int cx, int cy, int left, int top, int right, int bottom,
               int topLanes, int next0, int next1, int next2, int cw, int box, int style, int offset, int ctl);
    int arcAboutCentre(int road, int x1, int y1, int x2, int y2, int cx, int cy, Outline o, int next, int cw,
                       int offset);
    int linkArc(int road, int start, int end, int viaX, int viaY, Outline o, int topLanes, int next0, int next1,
                int next2, int cw, int offset, int fromRoad, int toRoad);
    int joinRoads(int road, int viaX, int viaY, int topLanes, int next, int cw, int fromRoad, int toRoad);
    int filletRoads(int road, int topLanes, int next0, int next1, int next2, int cw, int fromRoad, int toRoad);
    int roundaboutArc(int roundabout, int quarter, int road, int topLanes, int next0, int next1, int next2, int style,
                      int ctl);
    int twoWay(int roadA, int roadB, int p1, int p2, int topLanes, int nextA, int nextB, int style, int trim1,
               int trim2, int offset);
    int twoWayFine(int roadA, int roadB, int p1, int p2, int topLanes, int nextA, int nextB, int style, int trim1,
                   int offset);
    int dualCarriageway(int roadA, int roadB, int p1, int p2, int nextA, int nextB, int trim1, int trim2, int ctlA,
                        int ctlB);
    int dualCarriagewayFine(int roadA, int roadB, int p1, int p2, int nextA, int nextB, int trim1, int trim2, int ctlA,
                            int ctlB);
    int twoWayArc(int roadA, int roadB, int p1, int p2, int viaX, int viaY, Outline q, int topLanes, int nextA,
                  int nextB, int cwA, int style, int taper1, int taper2, int offset);
    int twoWayArcFine(int roadA, int roadB, int p1, int p2, int viaX, int viaY, Outline q, int topLanes, int nextA,
                      int nextB, int cwA, int taper1, int taper2, int offset);
    int dualCarriagewayArc(int roadA, int roadB, int p1, int p2, int cx, int cy, Outline q, int nextA, int nextB,
                           int cwA, int ctlA, int ctlB);
    void roundaboutShape(int roundabout, int centre, int radius);

private:
    using PointOf = Point (*)(int);
    static void setOutline(SegmentArgs& a, Outline o, PointOf conv);
    int arcGeneral(PointOf conv, int road, int start, int end, int viaX, int viaY, Outline o, int topLanes, int next0,
                   int next1, int next2, int cw, int style, int startTaper, int endTaper, int offset, int ctl);
    int twoWayGeneral(PointOf conv, int roadA, int roadB, int p1, int p2, int topLanes, int nextA, int nextB, int style,
                      int trim1, int trim2, int offset, int ctlA, int ctlB);
    NetworkModel& m;
};

} // namespace jamlog
