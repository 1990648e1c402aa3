// The building primitives: each converts its points and fixes the arguments its kind of segment needs.
#include "model/Primitives.h"

#include <cmath>

namespace jamlog {

namespace {
void setEnds(SegmentArgs& a, Point s, Point e) {
    a.x1 = s.x;
    a.y1 = s.y;
    a.x2 = e.x;
    a.y2 = e.y;
}
void setNext(SegmentArgs& a, int n0, int n1, int n2) {
    a.next0 = n0;
    a.next1 = n1;
    a.next2 = n2;
}
} // namespace

void Builder::setOutline(SegmentArgs& a, Outline o, PointOf conv) {
    if (o.q1 == 0 && o.q2 == 0 && o.q3 == 0 && o.q4 == 0)
        return;
    const int q[4] = {o.q1, o.q2, o.q3, o.q4};
    for (int i = 0; i < 4; ++i) {
        Point p = conv(q[i]);
        a.p[2 * i] = p.x;
        a.p[2 * i + 1] = p.y;
    }
}

int Builder::straightRoad(int road, int start, int end, int topLanes, int next0, int next1, int next2, int ctl) {
    return straightRoadEx(road, start, end, topLanes, next0, next1, next2, 0, 0, 0, 0, ctl);
}

int Builder::straightRoadEx(int road, int start, int end, int topLanes, int next0, int next1, int next2, int style,
                            int trimStart, int trimEnd, int offset, int ctl) {
    SegmentArgs a;
    setEnds(a, cellPoint(start), cellPoint(end));
    setNext(a, next0, next1, next2);
    a.topLanes = topLanes;
    a.style = style;
    a.trimStart = trimStart;
    a.trimEnd = trimEnd;
    a.offset = offset;
    a.ctl = ctl;
    return segment(road, a);
}

int Builder::straightRoadFine(int road, int start, int end, int topLanes, int next0, int next1, int next2, int box,
                              int style, int trimStart, int trimEnd, int offset, int ctl) {
    SegmentArgs a;
    setEnds(a, finePoint(start), finePoint(end));
    setNext(a, next0, next1, next2);
    a.topLanes = topLanes;
    a.box = box;
    a.style = style;
    a.trimStart = trimStart;
    a.trimEnd = trimEnd;
    a.offset = offset;
    a.ctl = ctl;
    return segment(road, a);
}

int Builder::straightRaw(int road, int x1, int y1, int x2, int y2, int topLanes, int next, int box, int style,
                         int offset, int ctl) {
    SegmentArgs a;
    setEnds(a, {x1, y1}, {x2, y2});
    setNext(a, next, next, next);
    a.topLanes = topLanes;
    a.box = box;
    a.style = style;
    a.offset = offset;
    a.ctl = ctl;
    return segment(road, a);
}

int Builder::gridStreet(int road, int start, int end, int base, int trimStart) {
    return straightRoadEx(road, start, end, 0, base + 8, base, base + 4, 0, trimStart, 250, 1, -1);
}

int Builder::linkRoads(int road, int start, int end, int next0, int next1, int next2, int offset, int fromRoad,
                       int toRoad) {
    Point s = fromRoad >= 0 ? endOf(fromRoad) : cellPoint(start);
    Point e = toRoad >= 0 ? startOf(toRoad) : cellPoint(end);
    SegmentArgs a;
    setEnds(a, s, e);
    setNext(a, next0, next1, next2);
    a.offset = offset;
    return segment(road, a);
}

int Builder::offsetStraight(int road, int p1, int p2, int next, int style, int startSteps, int endSteps) {
    Point s = cellPoint(p1), e = cellPoint(p2);
    double dx = e.x - s.x, dy = e.y - s.y, d = std::sqrt(dx * dx + dy * dy);
    double step = 0.56 * m.laneWidth;
    SegmentArgs a;
    a.x1 = s.x + static_cast<int32_t>(dy / d * step * startSteps);
    a.y1 = s.y + static_cast<int32_t>(-dx / d * step * startSteps);
    a.x2 = e.x + static_cast<int32_t>(dy / d * step * endSteps);
    a.y2 = e.y + static_cast<int32_t>(-dx / d * step * endSteps);
    setNext(a, next, next, next);
    a.style = style;
    return segment(road, a);
}

int Builder::arcGeneral(PointOf conv, int road, int start, int end, int viaX, int viaY, Outline o, int topLanes,
                        int next0, int next1, int next2, int cw, int style, int startTaper, int endTaper, int offset,
                        int ctl) {
    SegmentArgs a;
    setEnds(a, conv(start), conv(end));
    a.viaX = viaX;
    a.viaY = viaY;
    setOutline(a, o, conv);
    setNext(a, next0, next1, next2);
    a.topLanes = topLanes;
    a.cw = cw;
    a.style = style;
    a.startTaper = startTaper;
    a.endTaper = endTaper;
    a.offset = offset;
    a.ctl = ctl;
    return segment(road, a);
}

int Builder::arcRoad(int road, int start, int end, int viaX, int viaY, Outline o, int topLanes, int next0, int next1,
                     int next2, int cw, int style, int startTaper, int endTaper, int offset, int ctl) {
    return arcGeneral(cellPoint, road, start, end, viaX, viaY, o, topLanes, next0, next1, next2, cw, style, startTaper,
                      endTaper, offset, ctl);
}

int Builder::arcRoadFine(int road, int start, int end, int viaX, int viaY, Outline o, int topLanes, int next0,
                         int next1, int next2, int cw, int style, int startTaper, int endTaper, int offset, int ctl) {
    return arcGeneral(finePoint, road, start, end, viaX, viaY, o, topLanes, next0, next1, next2, cw, style, startTaper,
                      endTaper, offset, ctl);
}

int Builder::arcRaw(int road, int x1, int y1, int x2, int y2, int cx, int cy, int left, int top, int right, int bottom,
                    int topLanes, int next0, int next1, int next2, int cw, int box, int style, int offset, int ctl) {
    SegmentArgs a;
    setEnds(a, {x1, y1}, {x2, y2});
    a.viaX = cx;
    a.viaY = cy;
    // p3.y of 0 asks buildSegment for the rectangle spanned by p1 and p2.
    a.p[0] = left;
    a.p[1] = top;
    a.p[2] = right;
    a.p[3] = bottom;
    setNext(a, next0, next1, next2);
    a.topLanes = topLanes;
    a.cw = cw;
    a.box = box;
    a.style = style;
    a.startTaper = a.endTaper = centreMarker;
    a.offset = offset;
    a.ctl = ctl;
    return segment(road, a);
}

int Builder::arcAboutCentre(int road, int x1, int y1, int x2, int y2, int cx, int cy, Outline o, int next, int cw,
                            int offset) {
    SegmentArgs a;
    setEnds(a, {x1, y1}, {x2, y2});
    a.viaX = cx;
    a.viaY = cy;
    setOutline(a, o, cellPoint);
    setNext(a, next, next, next);
    a.topLanes = 1;
    a.cw = cw;
    a.startTaper = a.endTaper = centreMarker;
    a.offset = offset;
    return segment(road, a);
}

int Builder::linkArc(int road, int start, int end, int viaX, int viaY, Outline o, int topLanes, int next0, int next1,
                     int next2, int cw, int offset, int fromRoad, int toRoad) {
    Point s = fromRoad >= 0 ? endOf(fromRoad) : cellPoint(start);
    Point e = toRoad >= 0 ? startOf(toRoad) : cellPoint(end);
    SegmentArgs a;
    setEnds(a, s, e);
    a.viaX = viaX;
    a.viaY = viaY;
    setOutline(a, o, cellPoint);
    setNext(a, next0, next1, next2);
    a.topLanes = topLanes;
    a.cw = cw;
    a.offset = offset;
    return segment(road, a);
}

int Builder::segmentInOutline(int road, SegmentArgs a, int reach) {
    SegmentArgs plain = a;
    plain.startTaper = plain.startTaper >= centreMarker ? plain.startTaper : 0;
    plain.endTaper = plain.endTaper >= centreMarker ? plain.endTaper : 0;
    segment(road, plain);
    const RoadRecord& r = m.road(road);
    const Point s = startOf(road), e = endOf(road);
    Point left[2], right[2];
    if (r.arc()) {
        const double R = r.radius;
        const Point ends[2] = {s, e};
        for (int i = 0; i < 2; ++i) {
            const double ux = (ends[i].x - r.centreX) / R, uy = (ends[i].y - r.centreY) / R;
            const Point outer{static_cast<int32_t>(ends[i].x + ux * reach),
                              static_cast<int32_t>(ends[i].y + uy * reach)};
            const Point inner{static_cast<int32_t>(r.centreX + ux * R / 4),
                              static_cast<int32_t>(r.centreY + uy * R / 4)};
            // Turning clockwise on the screen the centre lies to the right.
            left[i] = r.clockwise ? outer : inner;
            right[i] = r.clockwise ? inner : outer;
        }
    } else {
        const double dx = e.x - s.x, dy = e.y - s.y, d = std::sqrt(dx * dx + dy * dy);
        const int32_t lx = static_cast<int32_t>(dy / d * reach), ly = static_cast<int32_t>(-dx / d * reach);
        left[0] = {s.x + lx, s.y + ly};
        right[0] = {s.x - lx, s.y - ly};
        left[1] = {e.x + lx, e.y + ly};
        right[1] = {e.x - lx, e.y - ly};
    }
    const Point corners[4] = {left[0], right[0], right[1], left[1]};
    for (int i = 0; i < 4; ++i) {
        a.p[2 * i] = corners[i].x;
        a.p[2 * i + 1] = corners[i].y;
    }
    // Zeros there would ask buildSegment for a made-up outline or a rectangle.
    if (a.p[0] == 0 && a.p[2] == 0)
        a.p[0] = 1;
    if (a.p[5] == 0)
        a.p[5] = 1;
    return segment(road, a);
}

int Builder::joinRoads(int road, int viaX, int viaY, int topLanes, int next, int cw, int fromRoad, int toRoad) {
    const RoadRecord& f = m.road(fromRoad);
    const RoadRecord& t = m.road(toRoad);
    SegmentArgs a;
    setEnds(a, {f.endX(), f.endY()}, {t.startX, t.startY});
    a.viaX = viaX;
    a.viaY = viaY;
    int32_t ends[8] = {f.endX() + 20 * f.dirYi, f.endY() - 20 * f.dirXi, f.endX() - 20 * f.dirYi,
                       f.endY() + 20 * f.dirXi, t.startX - 20 * t.dirYi, t.startY + 20 * t.dirXi,
                       t.startX + 20 * t.dirYi, t.startY - 20 * t.dirXi};
    std::copy(ends, ends + 8, a.p);
    setNext(a, next, next, next);
    a.topLanes = topLanes;
    a.cw = cw;
    return segment(road, a);
}

int Builder::filletRoads(int road, int topLanes, int next0, int next1, int next2, int cw, int fromRoad, int toRoad) {
    const RoadRecord& f = m.road(fromRoad);
    const RoadRecord& t = m.road(toRoad);
    // Normals (-dirY, dirX) at fromRoad's end and toRoad's start; their crossing is the arc's centre.
    double px = f.endX(), py = f.endY(), qx = t.startX, qy = t.startY;
    double ux = -f.dirY, uy = f.dirX, vx = -t.dirY, vy = t.dirX;
    double den = ux * vy - uy * vx;
    double s = den != 0 ? ((qx - px) * vy - (qy - py) * vx) / den : 0;
    SegmentArgs a;
    setEnds(a, {f.endX(), f.endY()}, {t.startX, t.startY});
    a.viaX = static_cast<int32_t>(px + s * ux);
    a.viaY = static_cast<int32_t>(py + s * uy);
    setNext(a, next0, next1, next2);
    a.topLanes = topLanes;
    a.cw = cw;
    a.startTaper = centreMarker;
    return segment(road, a);
}

int Builder::roundaboutArc(int roundabout, int quarter, int road, int topLanes, int next0, int next1, int next2,
                           int style, int ctl) {
    const RoundaboutShape& s = m.roundabouts[static_cast<size_t>(roundabout)];
    const int r = s.radius;
    const int32_t* c = &s.corners[2 * quarter];
    SegmentArgs a;
    setEnds(a, {s.compass[2 * quarter], s.compass[2 * quarter + 1]},
            {s.compass[2 * quarter + 2], s.compass[2 * quarter + 3]});
    a.viaX = (s.compass[0] + s.compass[4]) / 2;
    a.viaY = (s.compass[3] + s.compass[7]) / 2;
    // The square of half side r about the bounding corner covers the whole quadrant of the quarter, so that the
    // clip to the outline keeps every lane of the ring.
    int32_t sq[8] = {c[0] - r, c[1] - r, c[0] + r, c[1] - r, c[0] + r, c[1] + r, c[0] - r, c[1] + r};
    std::copy(sq, sq + 8, a.p);
    setNext(a, next0, next1, next2);
    a.topLanes = topLanes;
    a.cw = 1;
    a.style = style;
    a.startTaper = a.endTaper = centreMarker;
    a.ctl = ctl;
    a.kindArg = 1;
    return segment(road, a);
}

int Builder::twoWayGeneral(PointOf conv, int roadA, int roadB, int p1, int p2, int topLanes, int nextA, int nextB,
                           int style, int trim1, int trim2, int offset, int ctlA, int ctlB) {
    SegmentArgs a;
    setEnds(a, conv(p1), conv(p2));
    setNext(a, nextA, nextA, nextA);
    a.topLanes = topLanes;
    a.style = style;
    a.trimStart = trim1;
    a.trimEnd = trim2;
    a.offset = offset;
    a.ctl = ctlA;
    segment(roadA, a);
    SegmentArgs b = a;
    setEnds(b, conv(p2), conv(p1));
    setNext(b, nextB, nextB, nextB);
    b.trimStart = trim2;
    b.trimEnd = trim1;
    b.ctl = ctlB;
    return segment(roadB, b);
}

int Builder::twoWay(int roadA, int roadB, int p1, int p2, int topLanes, int nextA, int nextB, int style, int trim1,
                    int trim2, int offset) {
    return twoWayGeneral(cellPoint, roadA, roadB, p1, p2, topLanes, nextA, nextB, style, trim1, trim2, offset, -1, -1);
}

int Builder::twoWayFine(int roadA, int roadB, int p1, int p2, int topLanes, int nextA, int nextB, int style, int trim1,
                        int offset) {
    return twoWayGeneral(finePoint, roadA, roadB, p1, p2, topLanes, nextA, nextB, style, trim1, 0, offset, -1, -1);
}

int Builder::dualCarriageway(int roadA, int roadB, int p1, int p2, int nextA, int nextB, int trim1, int trim2, int ctlA,
                             int ctlB) {
    return twoWayGeneral(cellPoint, roadA, roadB, p1, p2, 1, nextA, nextB, 0, trim1, trim2, 3, ctlA, ctlB);
}

int Builder::dualCarriagewayFine(int roadA, int roadB, int p1, int p2, int nextA, int nextB, int trim1, int trim2,
                                 int ctlA, int ctlB) {
    return twoWayGeneral(finePoint, roadA, roadB, p1, p2, 1, nextA, nextB, 0, trim1, trim2, 3, ctlA, ctlB);
}

int Builder::twoWayArc(int roadA, int roadB, int p1, int p2, int viaX, int viaY, Outline q, int topLanes, int nextA,
                       int nextB, int cwA, int style, int taper1, int taper2, int offset) {
    arcRoad(roadA, p1, p2, viaX, viaY, q, topLanes, nextA, nextA, nextA, cwA, style, taper1, taper2, offset, -1);
    return arcRoad(roadB, p2, p1, viaX, viaY, q, topLanes, nextB, nextB, nextB, 1 - cwA, style, taper2, taper1, offset,
                   -1);
}

int Builder::twoWayArcFine(int roadA, int roadB, int p1, int p2, int viaX, int viaY, Outline q, int topLanes, int nextA,
                           int nextB, int cwA, int taper1, int taper2, int offset) {
    arcRoadFine(roadA, p1, p2, viaX, viaY, q, topLanes, nextA, nextA, nextA, cwA, 0, taper1, taper2, offset, -1);
    return arcRoadFine(roadB, p2, p1, viaX, viaY, q, topLanes, nextB, nextB, nextB, 1 - cwA, 0, taper2, taper1, offset,
                       -1);
}

int Builder::dualCarriagewayArc(int roadA, int roadB, int p1, int p2, int cx, int cy, Outline q, int nextA, int nextB,
                                int cwA, int ctlA, int ctlB) {
    arcRoadFine(roadA, p1, p2, cx, cy, q, 1, nextA, nextA, nextA, cwA, 0, centreMarker, centreMarker, 3, ctlA);
    return arcRoadFine(roadB, p2, p1, cx, cy, q, 1, nextB, nextB, nextB, 1 - cwA, 0, centreMarker, centreMarker, 3,
                       ctlB);
}

void Builder::roundaboutShape(int roundabout, int centre, int radius) {
    Point c = cellPoint(centre);
    RoundaboutShape& s = m.roundabouts[static_cast<size_t>(roundabout)];
    const int32_t compass[10] = {c.x - radius, c.y, c.x,          c.y - radius, c.x + radius,
                                 c.y,          c.x, c.y + radius, c.x - radius, c.y};
    const int32_t corners[8] = {c.x - radius, c.y - radius, c.x + radius, c.y - radius,
                                c.x + radius, c.y + radius, c.x - radius, c.y + radius};
    std::copy(compass, compass + 10, s.compass);
    std::copy(corners, corners + 8, s.corners);
    s.radius = radius;
}

} // namespace jamlog
