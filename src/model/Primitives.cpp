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
void setNext(SegmentArgs& a, Next n) {
    a.next0 = n.n0;
    a.next1 = n.n1;
    a.next2 = n.n2;
}
// A given centre makes the arc one about that centre; otherwise `via` is a point on it (or 0 for a straight).
void setVia(SegmentArgs& a, Point via, Point centre) {
    if (centre.x != 0) {
        a.viaX = centre.x;
        a.viaY = centre.y;
        a.startTaper = a.endTaper = centreMarker;
    } else {
        a.viaX = via.x;
        a.viaY = via.y;
    }
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

int Builder::straightGeneral(PointOf conv, int road, const Straight& s) {
    SegmentArgs a;
    setEnds(a, conv(s.from), conv(s.to));
    setNext(a, s.next);
    a.topLanes = s.topLanes;
    a.box = s.box;
    a.style = s.style;
    a.trimStart = s.trimStart;
    a.trimEnd = s.trimEnd;
    a.offset = s.offset;
    a.ctl = s.ctl;
    return segment(road, a);
}

int Builder::straightRoad(int road, const Straight& s) {
    return straightGeneral(cellPoint, road, s);
}

int Builder::straightRoadFine(int road, const Straight& s) {
    return straightGeneral(finePoint, road, s);
}

int Builder::straightRaw(int road, const RawStraight& s) {
    SegmentArgs a;
    setEnds(a, s.from, s.to);
    setNext(a, s.next);
    a.topLanes = s.topLanes;
    a.box = s.box;
    a.style = s.style;
    a.offset = s.offset;
    a.ctl = s.ctl;
    return segment(road, a);
}

int Builder::gridStreet(int road, int from, int to, int base, int trimStart) {
    return straightRoad(road, {.from = from,
                               .to = to,
                               .next = {base + 8, base, base + 4},
                               .trimStart = trimStart,
                               .trimEnd = 250,
                               .offset = 1});
}

int Builder::linkRoads(int road, const Link& l) {
    SegmentArgs a;
    setEnds(a, l.fromRoad >= 0 ? endOf(l.fromRoad) : cellPoint(l.from),
            l.toRoad >= 0 ? startOf(l.toRoad) : cellPoint(l.to));
    setNext(a, l.next);
    a.offset = l.offset;
    return segment(road, a);
}

int Builder::offsetStraight(int road, const OffsetStraight& o) {
    Point s = cellPoint(o.from), e = cellPoint(o.to);
    double dx = e.x - s.x, dy = e.y - s.y, d = std::sqrt(dx * dx + dy * dy);
    double step = 0.56 * m.laneWidth;
    SegmentArgs a;
    a.x1 = s.x + static_cast<int32_t>(dy / d * step * o.startSteps);
    a.y1 = s.y + static_cast<int32_t>(-dx / d * step * o.startSteps);
    a.x2 = e.x + static_cast<int32_t>(dy / d * step * o.endSteps);
    a.y2 = e.y + static_cast<int32_t>(-dx / d * step * o.endSteps);
    setNext(a, o.next);
    a.style = o.style;
    return segment(road, a);
}

int Builder::arcGeneral(PointOf conv, int road, const Arc& c) {
    SegmentArgs a;
    setEnds(a, conv(c.from), conv(c.to));
    setVia(a, c.via, c.centre);
    setOutline(a, c.outline, conv);
    setNext(a, c.next);
    a.topLanes = c.topLanes;
    a.cw = c.cw;
    a.style = c.style;
    if (c.centre.x == 0) {
        a.startTaper = c.startTaper;
        a.endTaper = c.endTaper;
    }
    a.offset = c.offset;
    a.ctl = c.ctl;
    return segment(road, a);
}

int Builder::arcRoad(int road, const Arc& a) {
    return arcGeneral(cellPoint, road, a);
}

int Builder::arcRoadFine(int road, const Arc& a) {
    return arcGeneral(finePoint, road, a);
}

int Builder::arcRaw(int road, const RawArc& c) {
    SegmentArgs a;
    setEnds(a, c.from, c.to);
    a.viaX = c.centre.x;
    a.viaY = c.centre.y;
    a.startTaper = a.endTaper = centreMarker;
    // A zero third corner asks buildSegment for the rectangle spanned by the first two.
    a.p[0] = c.bounds.left;
    a.p[1] = c.bounds.top;
    a.p[2] = c.bounds.right;
    a.p[3] = c.bounds.bottom;
    setNext(a, c.next);
    a.topLanes = c.topLanes;
    a.cw = c.cw;
    a.box = c.box;
    a.style = c.style;
    a.offset = c.offset;
    a.ctl = c.ctl;
    return segment(road, a);
}

int Builder::arcAboutCentre(int road, const CentreArc& c) {
    SegmentArgs a;
    setEnds(a, c.from, c.to);
    a.viaX = c.centre.x;
    a.viaY = c.centre.y;
    a.startTaper = a.endTaper = centreMarker;
    setOutline(a, c.outline, cellPoint);
    setNext(a, c.next);
    a.topLanes = 1;
    a.cw = c.cw;
    a.offset = c.offset;
    return segment(road, a);
}

int Builder::linkArc(int road, const LinkArc& l) {
    SegmentArgs a;
    setEnds(a, l.fromRoad >= 0 ? endOf(l.fromRoad) : cellPoint(l.from),
            l.toRoad >= 0 ? startOf(l.toRoad) : cellPoint(l.to));
    setVia(a, l.via, {});
    setOutline(a, l.outline, cellPoint);
    setNext(a, l.next);
    a.topLanes = l.topLanes;
    a.cw = l.cw;
    a.offset = l.offset;
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

int Builder::joinRoads(int road, const Join& j) {
    const RoadRecord& f = m.road(j.fromRoad);
    const RoadRecord& t = m.road(j.toRoad);
    SegmentArgs a;
    setEnds(a, {f.endX(), f.endY()}, {t.startX, t.startY});
    setVia(a, j.via, {});
    int32_t ends[8] = {f.endX() + 20 * f.dirYi, f.endY() - 20 * f.dirXi, f.endX() - 20 * f.dirYi,
                       f.endY() + 20 * f.dirXi, t.startX - 20 * t.dirYi, t.startY + 20 * t.dirXi,
                       t.startX + 20 * t.dirYi, t.startY - 20 * t.dirXi};
    std::copy(ends, ends + 8, a.p);
    setNext(a, j.next);
    a.topLanes = j.topLanes;
    a.cw = j.cw;
    return segment(road, a);
}

int Builder::filletRoads(int road, const Fillet& l) {
    const RoadRecord& f = m.road(l.fromRoad);
    const RoadRecord& t = m.road(l.toRoad);
    // Normals (-dirY, dirX) at fromRoad's end and toRoad's start; their crossing is the arc's centre.
    double px = f.endX(), py = f.endY(), qx = t.startX, qy = t.startY;
    double ux = -f.dirY, uy = f.dirX, vx = -t.dirY, vy = t.dirX;
    double den = ux * vy - uy * vx;
    double s = den != 0 ? ((qx - px) * vy - (qy - py) * vx) / den : 0;
    SegmentArgs a;
    setEnds(a, {f.endX(), f.endY()}, {t.startX, t.startY});
    a.viaX = static_cast<int32_t>(px + s * ux);
    a.viaY = static_cast<int32_t>(py + s * uy);
    setNext(a, l.next);
    a.topLanes = l.topLanes;
    a.cw = l.cw;
    a.startTaper = centreMarker; // the via point is the centre, but the arc keeps its chord-based length
    return segment(road, a);
}

int Builder::roundaboutArc(int road, const Quarter& q) {
    const RoundaboutShape& s = m.roundabouts[static_cast<size_t>(q.roundabout)];
    const int r = s.radius;
    const int k = q.quarter;
    const int32_t* c = &s.corners[2 * k];
    SegmentArgs a;
    setEnds(a, {s.compass[2 * k], s.compass[2 * k + 1]}, {s.compass[2 * k + 2], s.compass[2 * k + 3]});
    a.viaX = (s.compass[0] + s.compass[4]) / 2;
    a.viaY = (s.compass[3] + s.compass[7]) / 2;
    // The square of half side r about the bounding corner covers the whole quadrant of the quarter, so that the
    // clip to the outline keeps every lane of the ring.
    int32_t sq[8] = {c[0] - r, c[1] - r, c[0] + r, c[1] - r, c[0] + r, c[1] + r, c[0] - r, c[1] + r};
    std::copy(sq, sq + 8, a.p);
    setNext(a, q.next);
    a.topLanes = q.topLanes;
    a.cw = 1;
    a.style = q.style;
    a.startTaper = a.endTaper = centreMarker;
    a.ctl = q.ctl;
    a.kindArg = 1;
    return segment(road, a);
}

int Builder::twoWayGeneral(PointOf conv, int roadA, int roadB, const TwoWay& t) {
    SegmentArgs a;
    setEnds(a, conv(t.from), conv(t.to));
    setNext(a, t.nextA);
    a.topLanes = t.topLanes;
    a.style = t.style;
    a.trimStart = t.trimFrom;
    a.trimEnd = t.trimTo;
    a.offset = t.offset;
    a.ctl = t.ctlA;
    segment(roadA, a);
    SegmentArgs b = a;
    setEnds(b, conv(t.to), conv(t.from));
    setNext(b, t.nextB);
    b.trimStart = t.trimTo;
    b.trimEnd = t.trimFrom;
    b.ctl = t.ctlB;
    return segment(roadB, b);
}

int Builder::twoWay(int roadA, int roadB, const TwoWay& t) {
    return twoWayGeneral(cellPoint, roadA, roadB, t);
}

int Builder::twoWayFine(int roadA, int roadB, const TwoWay& t) {
    return twoWayGeneral(finePoint, roadA, roadB, t);
}

namespace {
Builder::TwoWay carriageways(const Builder::DualCarriageway& d) {
    return {.from = d.from,
            .to = d.to,
            .topLanes = 1,
            .nextA = d.nextA,
            .nextB = d.nextB,
            .trimFrom = d.trimFrom,
            .trimTo = d.trimTo,
            .offset = 3,
            .ctlA = d.ctlA,
            .ctlB = d.ctlB};
}
} // namespace

int Builder::dualCarriageway(int roadA, int roadB, const DualCarriageway& d) {
    return twoWay(roadA, roadB, carriageways(d));
}

int Builder::dualCarriagewayFine(int roadA, int roadB, const DualCarriageway& d) {
    return twoWayFine(roadA, roadB, carriageways(d));
}

int Builder::twoWayArcGeneral(PointOf conv, int roadA, int roadB, const TwoWayArc& t) {
    Arc a{.from = t.from,
          .to = t.to,
          .via = t.via,
          .centre = t.centre,
          .outline = t.outline,
          .topLanes = t.topLanes,
          .next = t.nextA,
          .cw = t.cw,
          .style = t.style,
          .startTaper = t.taperFrom,
          .endTaper = t.taperTo,
          .offset = t.offset};
    arcGeneral(conv, roadA, a);
    std::swap(a.from, a.to);
    std::swap(a.startTaper, a.endTaper);
    a.next = t.nextB;
    a.cw = 1 - t.cw;
    return arcGeneral(conv, roadB, a);
}

int Builder::twoWayArc(int roadA, int roadB, const TwoWayArc& t) {
    return twoWayArcGeneral(cellPoint, roadA, roadB, t);
}

int Builder::twoWayArcFine(int roadA, int roadB, const TwoWayArc& t) {
    return twoWayArcGeneral(finePoint, roadA, roadB, t);
}

int Builder::dualCarriagewayArc(int roadA, int roadB, const DualCarriagewayArc& d) {
    Arc a{.from = d.from,
          .to = d.to,
          .centre = d.centre,
          .outline = d.outline,
          .topLanes = 1,
          .next = d.nextA,
          .cw = d.cw,
          .offset = 3,
          .ctl = d.ctlA};
    arcRoadFine(roadA, a);
    std::swap(a.from, a.to);
    a.next = d.nextB;
    a.cw = 1 - d.cw;
    a.ctl = d.ctlB;
    return arcRoadFine(roadB, a);
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

// The positional forms.

int Builder::straightRoad(int road, int start, int end, int topLanes, int next0, int next1, int next2, int ctl) {
    return straightRoad(road,
                        {.from = start, .to = end, .topLanes = topLanes, .next = {next0, next1, next2}, .ctl = ctl});
}

int Builder::straightRoadEx(int road, int start, int end, int topLanes, int next0, int next1, int next2, int style,
                            int trimStart, int trimEnd, int offset, int ctl) {
    return straightRoad(road, {.from = start,
                               .to = end,
                               .topLanes = topLanes,
                               .next = {next0, next1, next2},
                               .style = style,
                               .trimStart = trimStart,
                               .trimEnd = trimEnd,
                               .offset = offset,
                               .ctl = ctl});
}

int Builder::straightRoadFine(int road, int start, int end, int topLanes, int next0, int next1, int next2, int box,
                              int style, int trimStart, int trimEnd, int offset, int ctl) {
    return straightRoadFine(road, {.from = start,
                                   .to = end,
                                   .topLanes = topLanes,
                                   .next = {next0, next1, next2},
                                   .box = box,
                                   .style = style,
                                   .trimStart = trimStart,
                                   .trimEnd = trimEnd,
                                   .offset = offset,
                                   .ctl = ctl});
}

int Builder::straightRaw(int road, int x1, int y1, int x2, int y2, int topLanes, int next, int box, int style,
                         int offset, int ctl) {
    return straightRaw(road, {.from = {x1, y1},
                              .to = {x2, y2},
                              .topLanes = topLanes,
                              .next = next,
                              .box = box,
                              .style = style,
                              .offset = offset,
                              .ctl = ctl});
}

int Builder::linkRoads(int road, int start, int end, int next0, int next1, int next2, int offset, int fromRoad,
                       int toRoad) {
    return linkRoads(road, {.from = start,
                            .to = end,
                            .next = {next0, next1, next2},
                            .offset = offset,
                            .fromRoad = fromRoad,
                            .toRoad = toRoad});
}

int Builder::offsetStraight(int road, int p1, int p2, int next, int style, int startSteps, int endSteps) {
    return offsetStraight(
        road, {.from = p1, .to = p2, .next = next, .style = style, .startSteps = startSteps, .endSteps = endSteps});
}

namespace {
Builder::Arc positionalArc(int start, int end, int viaX, int viaY, Outline o, int topLanes, int next0, int next1,
                           int next2, int cw, int style, int startTaper, int endTaper, int offset, int ctl) {
    return {.from = start,
            .to = end,
            .via = {viaX, viaY},
            .outline = o,
            .topLanes = topLanes,
            .next = {next0, next1, next2},
            .cw = cw,
            .style = style,
            .startTaper = startTaper,
            .endTaper = endTaper,
            .offset = offset,
            .ctl = ctl};
}
} // namespace

int Builder::arcRoad(int road, int start, int end, int viaX, int viaY, Outline o, int topLanes, int next0, int next1,
                     int next2, int cw, int style, int startTaper, int endTaper, int offset, int ctl) {
    return arcRoad(road, positionalArc(start, end, viaX, viaY, o, topLanes, next0, next1, next2, cw, style, startTaper,
                                       endTaper, offset, ctl));
}

int Builder::arcRoadFine(int road, int start, int end, int viaX, int viaY, Outline o, int topLanes, int next0,
                         int next1, int next2, int cw, int style, int startTaper, int endTaper, int offset, int ctl) {
    return arcRoadFine(road, positionalArc(start, end, viaX, viaY, o, topLanes, next0, next1, next2, cw, style,
                                           startTaper, endTaper, offset, ctl));
}

int Builder::arcRaw(int road, int x1, int y1, int x2, int y2, int cx, int cy, int left, int top, int right, int bottom,
                    int topLanes, int next0, int next1, int next2, int cw, int box, int style, int offset, int ctl) {
    return arcRaw(road, {.from = {x1, y1},
                         .to = {x2, y2},
                         .centre = {cx, cy},
                         .bounds = {left, top, right, bottom},
                         .topLanes = topLanes,
                         .next = {next0, next1, next2},
                         .cw = cw,
                         .box = box,
                         .style = style,
                         .offset = offset,
                         .ctl = ctl});
}

int Builder::arcAboutCentre(int road, int x1, int y1, int x2, int y2, int cx, int cy, Outline o, int next, int cw,
                            int offset) {
    return arcAboutCentre(
        road,
        {.from = {x1, y1}, .to = {x2, y2}, .centre = {cx, cy}, .outline = o, .next = next, .cw = cw, .offset = offset});
}

int Builder::linkArc(int road, int start, int end, int viaX, int viaY, Outline o, int topLanes, int next0, int next1,
                     int next2, int cw, int offset, int fromRoad, int toRoad) {
    return linkArc(road, {.from = start,
                          .to = end,
                          .via = {viaX, viaY},
                          .outline = o,
                          .topLanes = topLanes,
                          .next = {next0, next1, next2},
                          .cw = cw,
                          .offset = offset,
                          .fromRoad = fromRoad,
                          .toRoad = toRoad});
}

int Builder::joinRoads(int road, int viaX, int viaY, int topLanes, int next, int cw, int fromRoad, int toRoad) {
    return joinRoads(
        road,
        {.via = {viaX, viaY}, .topLanes = topLanes, .next = next, .cw = cw, .fromRoad = fromRoad, .toRoad = toRoad});
}

int Builder::filletRoads(int road, int topLanes, int next0, int next1, int next2, int cw, int fromRoad, int toRoad) {
    return filletRoads(
        road, {.topLanes = topLanes, .next = {next0, next1, next2}, .cw = cw, .fromRoad = fromRoad, .toRoad = toRoad});
}

int Builder::roundaboutArc(int roundabout, int quarter, int road, int topLanes, int next0, int next1, int next2,
                           int style, int ctl) {
    return roundaboutArc(road, {.roundabout = roundabout,
                                .quarter = quarter,
                                .topLanes = topLanes,
                                .next = {next0, next1, next2},
                                .style = style,
                                .ctl = ctl});
}

int Builder::twoWay(int roadA, int roadB, int p1, int p2, int topLanes, int nextA, int nextB, int style, int trim1,
                    int trim2, int offset) {
    return twoWay(roadA, roadB,
                  {.from = p1,
                   .to = p2,
                   .topLanes = topLanes,
                   .nextA = nextA,
                   .nextB = nextB,
                   .style = style,
                   .trimFrom = trim1,
                   .trimTo = trim2,
                   .offset = offset});
}

int Builder::twoWayFine(int roadA, int roadB, int p1, int p2, int topLanes, int nextA, int nextB, int style, int trim1,
                        int offset) {
    return twoWayFine(roadA, roadB,
                      {.from = p1,
                       .to = p2,
                       .topLanes = topLanes,
                       .nextA = nextA,
                       .nextB = nextB,
                       .style = style,
                       .trimFrom = trim1,
                       .offset = offset});
}

int Builder::dualCarriageway(int roadA, int roadB, int p1, int p2, int nextA, int nextB, int trim1, int trim2, int ctlA,
                             int ctlB) {
    return dualCarriageway(roadA, roadB,
                           {.from = p1,
                            .to = p2,
                            .nextA = nextA,
                            .nextB = nextB,
                            .trimFrom = trim1,
                            .trimTo = trim2,
                            .ctlA = ctlA,
                            .ctlB = ctlB});
}

int Builder::dualCarriagewayFine(int roadA, int roadB, int p1, int p2, int nextA, int nextB, int trim1, int trim2,
                                 int ctlA, int ctlB) {
    return dualCarriagewayFine(roadA, roadB,
                               {.from = p1,
                                .to = p2,
                                .nextA = nextA,
                                .nextB = nextB,
                                .trimFrom = trim1,
                                .trimTo = trim2,
                                .ctlA = ctlA,
                                .ctlB = ctlB});
}

int Builder::twoWayArc(int roadA, int roadB, int p1, int p2, int viaX, int viaY, Outline q, int topLanes, int nextA,
                       int nextB, int cwA, int style, int taper1, int taper2, int offset) {
    return twoWayArc(roadA, roadB,
                     {.from = p1,
                      .to = p2,
                      .via = {viaX, viaY},
                      .outline = q,
                      .topLanes = topLanes,
                      .nextA = nextA,
                      .nextB = nextB,
                      .cw = cwA,
                      .style = style,
                      .taperFrom = taper1,
                      .taperTo = taper2,
                      .offset = offset});
}

int Builder::twoWayArcFine(int roadA, int roadB, int p1, int p2, int viaX, int viaY, Outline q, int topLanes, int nextA,
                           int nextB, int cwA, int taper1, int taper2, int offset) {
    return twoWayArcFine(roadA, roadB,
                         {.from = p1,
                          .to = p2,
                          .via = {viaX, viaY},
                          .outline = q,
                          .topLanes = topLanes,
                          .nextA = nextA,
                          .nextB = nextB,
                          .cw = cwA,
                          .taperFrom = taper1,
                          .taperTo = taper2,
                          .offset = offset});
}

int Builder::dualCarriagewayArc(int roadA, int roadB, int p1, int p2, int cx, int cy, Outline q, int nextA, int nextB,
                                int cwA, int ctlA, int ctlB) {
    return dualCarriagewayArc(roadA, roadB,
                              {.from = p1,
                               .to = p2,
                               .centre = {cx, cy},
                               .outline = q,
                               .nextA = nextA,
                               .nextB = nextB,
                               .cw = cwA,
                               .ctlA = ctlA,
                               .ctlB = ctlB});
}

} // namespace jamlog
