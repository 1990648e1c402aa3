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

// Successors of a record's end; one road given stands for all three. noSuccessor leaves them as they were.
struct Next {
    int n0 = noSuccessor, n1 = noSuccessor, n2 = noSuccessor;
    constexpr Next() = default;
    constexpr Next(int all) : n0(all), n1(all), n2(all) {}
    constexpr Next(int a, int b, int c) : n0(a), n1(b), n2(c) {}
};

constexpr int noControl = -1; // a record that gives way to nothing

// Axis-parallel rectangle in raw units, the outline of an arc in raw units.
struct Bounds {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

class Builder {
public:
    // Arguments of the primitives, given with designated initialisers so that a call names every number.
    // Points are cell points for the plain primitives and fine points for the ...Fine ones; `from` and `to` are
    // the two ends. Fields left out take the values most segments need: no lanes beyond lane 0, no box, style,
    // trim, taper or offset, and no control.

    // A straight; `box` is stored as the record's box code.
    struct Straight {
        int from = 0, to = 0;
        int topLanes = 0;
        Next next;
        int box = 0, style = 0;
        int trimStart = 0, trimEnd = 0;
        int offset = 0;
        int ctl = noControl;
    };
    // A straight between raw points.
    struct RawStraight {
        Point from{}, to{};
        int topLanes = 0;
        Next next;
        int box = 0, style = 0;
        int offset = 0;
        int ctl = noControl;
    };
    // A one-lane straight from the end of fromRoad (or the point `from` when fromRoad is -1) to the start of toRoad
    // (or `to`).
    struct Link {
        int from = 0, to = 0;
        Next next;
        int offset = 0;
        int fromRoad = -1, toRoad = -1;
    };
    // The line from-to moved sideways by startSteps x 0.56 W at its start and endSteps at its end (a crossover).
    struct OffsetStraight {
        int from = 0, to = 0;
        Next next;
        int style = 0;
        int startSteps = 0, endSteps = 0;
    };
    // An arc through `via` (raw units), or about `centre` (raw units) when centre is given: that sets both tapers
    // to centreMarker. `outline` corners are points of the same kind as from and to.
    struct Arc {
        int from = 0, to = 0;
        Point via{}, centre{};
        Outline outline{};
        int topLanes = 0;
        Next next;
        int cw = 0;
        int style = 0;
        int startTaper = 0, endTaper = 0;
        int offset = 0;
        int ctl = noControl;
    };
    // An arc about a centre between raw points, whose outline is the rectangle `bounds` (a zero bottom asks for
    // the rectangle spanned by its two corners).
    struct RawArc {
        Point from{}, to{}, centre{};
        Bounds bounds{};
        int topLanes = 0;
        Next next;
        int cw = 0;
        int box = 0, style = 0;
        int offset = 0;
        int ctl = noControl;
    };
    // A two-lane arc about a centre between raw points, with a cell-point outline.
    struct CentreArc {
        Point from{}, to{}, centre{};
        Outline outline{};
        Next next;
        int cw = 0;
        int offset = 0;
    };
    // A three-point arc from the end of fromRoad (or `from`) to the start of toRoad (or `to`) through `via`.
    struct LinkArc {
        int from = 0, to = 0;
        Point via{};
        Outline outline{};
        int topLanes = 0;
        Next next;
        int cw = 0;
        int offset = 0;
        int fromRoad = -1, toRoad = -1;
    };
    // From the end of fromRoad to the start of toRoad through `via` (straight when via.x is 0).
    struct Join {
        Point via{};
        int topLanes = 0;
        Next next;
        int cw = 0;
        int fromRoad = 0, toRoad = 0;
    };
    // An arc from the end of fromRoad to the start of toRoad about the crossing of their normals there.
    struct Fillet {
        int topLanes = 0;
        Next next;
        int cw = 0;
        int fromRoad = 0, toRoad = 0;
    };
    // Quarter q of a roundabout's ring, from its compass point q to q + 1.
    struct Quarter {
        int roundabout = 0, quarter = 0;
        int topLanes = 0;
        Next next;
        int style = 0;
        int ctl = noControl;
    };
    // Two roads of one street: A from `from` to `to`, B back; each trim applies at its own end of the street.
    struct TwoWay {
        int from = 0, to = 0;
        int topLanes = 0;
        Next nextA, nextB;
        int style = 0;
        int trimFrom = 0, trimTo = 0;
        int offset = 0;
        int ctlA = noControl, ctlB = noControl;
    };
    // Two two-lane carriageways three offset steps either side of the line from-to.
    struct DualCarriageway {
        int from = 0, to = 0;
        Next nextA, nextB;
        int trimFrom = 0, trimTo = 0;
        int ctlA = noControl, ctlB = noControl;
    };
    // Two arcs of one street: A from `from` to `to` turning as cw, B back turning the other way. taperFrom is A's
    // start taper and B's end taper, taperTo the other way round; `centre` as for Arc.
    struct TwoWayArc {
        int from = 0, to = 0;
        Point via{}, centre{};
        Outline outline{};
        int topLanes = 0;
        Next nextA, nextB;
        int cw = 0;
        int style = 0;
        int taperFrom = 0, taperTo = 0;
        int offset = 0;
    };
    // Two two-lane arcs about a centre three offset steps either side of the arc from-to (fine points).
    struct DualCarriagewayArc {
        int from = 0, to = 0;
        Point centre{};
        Outline outline{};
        Next nextA, nextB;
        int cw = 0;
        int ctlA = noControl, ctlB = noControl;
    };

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

    int straightRoad(int road, const Straight& a);
    int straightRoadFine(int road, const Straight& a);
    int straightRaw(int road, const RawStraight& a);
    int linkRoads(int road, const Link& a);
    int offsetStraight(int road, const OffsetStraight& a);
    int arcRoad(int road, const Arc& a);
    int arcRoadFine(int road, const Arc& a);
    int arcRaw(int road, const RawArc& a);
    int arcAboutCentre(int road, const CentreArc& a);
    int linkArc(int road, const LinkArc& a);
    int joinRoads(int road, const Join& a);
    int filletRoads(int road, const Fillet& a);
    int roundaboutArc(int road, const Quarter& a);
    int twoWay(int roadA, int roadB, const TwoWay& a);
    int twoWayFine(int roadA, int roadB, const TwoWay& a);
    int dualCarriageway(int roadA, int roadB, const DualCarriageway& a);
    int dualCarriagewayFine(int roadA, int roadB, const DualCarriageway& a);
    int twoWayArc(int roadA, int roadB, const TwoWayArc& a);
    int twoWayArcFine(int roadA, int roadB, const TwoWayArc& a);
    int dualCarriagewayArc(int roadA, int roadB, const DualCarriagewayArc& a);
    // One-lane street whose successors follow the grid numbering of the city layouts from `base`.
    int gridStreet(int road, int from, int to, int base, int trimStart);
    void roundaboutShape(int roundabout, int centre, int radius);

    // The positional forms, kept while callers move to the argument structs.
    int straightRoad(int road, int start, int end, int topLanes, int next0, int next1, int next2, int ctl);
    int straightRoadEx(int road, int start, int end, int topLanes, int next0, int next1, int next2, int style,
                       int trimStart, int trimEnd, int offset, int ctl);
    int straightRoadFine(int road, int start, int end, int topLanes, int next0, int next1, int next2, int box,
                         int style, int trimStart, int trimEnd, int offset, int ctl);
    int straightRaw(int road, int x1, int y1, int x2, int y2, int topLanes, int next, int box, int style, int offset,
                    int ctl);
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

private:
    using PointOf = Point (*)(int);
    static void setOutline(SegmentArgs& a, Outline o, PointOf conv);
    int straightGeneral(PointOf conv, int road, const Straight& a);
    int arcGeneral(PointOf conv, int road, const Arc& a);
    int twoWayGeneral(PointOf conv, int roadA, int roadB, const TwoWay& a);
    int twoWayArcGeneral(PointOf conv, int roadA, int roadB, const TwoWayArc& a);
    NetworkModel& m;
};

} // namespace jamlog
