// buildSegment: derives a road record's geometry, offsets, tapers and lane strips from its end points;
// and the rotate, flip, transform and copy operations on built records.
#include "model/RoadBuilder.h"

#include <cmath>
#include <cstring>

namespace jamlog {

namespace {

constexpr double halfTurn = 3.1415926;
constexpr double offsetStep = 0.56; // lateral offset step, in lane widths
constexpr double taperStep = 0.4;   // taper step, in lane widths

int32_t trunc(double v) { return static_cast<int32_t>(v); }

void rebuildArcBox(RoadRecord& r) {
    if (r.centreX == 0) return;
    r.arcBox[0] = r.centreX - r.radius;
    r.arcBox[1] = r.centreY - r.radius;
    r.arcBox[2] = r.centreX + r.radius;
    r.arcBox[3] = r.centreY + r.radius;
}

} // namespace

double angleAbout(int32_t px, int32_t py, int32_t cx, int32_t cy) {
    double a = std::atan((static_cast<double>(cy) - py + 1) / ((static_cast<double>(px) - cx) + 1e-6));
    return px < cx ? a + halfTurn : a;
}

int buildSegment(RoadRecord& r, const SegmentArgs& a, int32_t W) {
    int32_t x1 = a.x1, y1 = a.y1, x2 = a.x2, y2 = a.y2, viaX = a.viaX, viaY = a.viaY;
    int32_t p[8];
    std::memcpy(p, a.p, sizeof p);

    // 1-2: arc mode and the start angle about the centre.
    r.nearsideGain = 0;
    r.angle = 0;
    const bool arcMode = a.endTaper >= centreMarker;
    r.isArc = arcMode ? 1 : 0;
    if (arcMode) r.angle = angleAbout(x1, y1, viaX, viaY);

    // 3: trims along the chord, with dx, dy taken before any change.
    if (a.trimStart != 0 || a.trimEnd != 0) {
        int32_t dx = x2 - x1, dy = y2 - y1;
        int32_t L = trunc(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy));
        x1 += dx * a.trimStart / L;
        y1 += dy * a.trimStart / L;
        x2 -= dx * a.trimEnd / L;
        y2 -= dy * a.trimEnd / L;
    }

    // 4: chord of the trimmed segment.
    double cdx = static_cast<double>(x2) - x1, cdy = static_cast<double>(y2) - y1;
    double C = std::sqrt(cdx * cdx + cdy * cdy);

    // 5: lateral or radial offset.
    const int32_t k = a.offset % 10;
    const int32_t t = std::abs(a.offset / 10);
    if (!arcMode && a.offset != 0) {
        int32_t ox = trunc(offsetStep * W * k * cdy / C);
        int32_t oy = trunc(-offsetStep * W * k * cdx / C);
        if (t != 8) { x1 += ox; y1 += oy; }
        if (t != 9) { x2 += ox; y2 += oy; }
        if (viaX != 0) { viaX += ox; viaY += oy; }
    } else if (arcMode) {
        double rr = std::sqrt(static_cast<double>(y1 - viaY) * (y1 - viaY) + static_cast<double>(x1 - viaX) * (x1 - viaX));
        double off = offsetStep * W * a.offset * (2 * a.cw - 1);
        r.length = trunc(2 * std::asin(C / 2 / rr) * (off + rr));
        double sweep = (r.length / rr) * (1 - 2 * a.cw);
        x1 += trunc(std::cos(r.angle) * off);
        y1 -= trunc(std::sin(r.angle) * off);
        x2 += trunc(std::cos(r.angle + sweep) * off);
        y2 -= trunc(std::sin(r.angle + sweep) * off);
    }

    // 6: start taper across the edge p1-p2.
    const bool startTapered = a.startTaper >= 1 && a.startTaper <= 998;
    if (startTapered) {
        double ex = static_cast<double>(p[3]) - p[1], ey = static_cast<double>(p[0]) - p[2];
        double E = std::sqrt(ex * ex + ey * ey);
        double d = taperStep * W * a.startTaper;
        int32_t sx = trunc(ex * d / E), sy = trunc(ey * d / E);
        x1 += sx; y1 += sy;
        p[0] += sx / 2; p[1] += sy / 2;
        p[2] += sx / 2; p[3] += sy / 2;
    }

    // 7: end taper across p3-p4 (1..90) or across the side edge p2-p3 (91..998, less 90).
    int32_t endSteps = a.endTaper > 90 ? a.endTaper - 90 : a.endTaper;
    const bool endTapered = a.endTaper >= 1 && a.endTaper <= 998;
    if (endTapered) {
        double ex, ey;
        if (a.endTaper < 91) {
            ex = static_cast<double>(p[7]) - p[5];
            ey = static_cast<double>(p[4]) - p[6];
        } else {
            ex = static_cast<double>(p[5]) - p[3];
            ey = static_cast<double>(p[2]) - p[4];
        }
        double E = std::sqrt(ex * ex + ey * ey);
        double d = taperStep * W * endSteps;
        int32_t gx = trunc(ex * d / E), gy = trunc(ey * d / E);
        x2 += gx; y2 += gy;
        p[4] += gx / 2; p[5] += gy / 2;
        if (a.endTaper < 91) { p[6] += gx; p[7] += gy; }
        else { p[2] += gx; p[3] += gy; }
    }

    // 8: back vector and scaled direction.
    r.backX = x1 - x2;
    r.backY = y1 - y2;
    double C2 = std::sqrt(static_cast<double>(r.backX) * r.backX + static_cast<double>(r.backY) * r.backY);
    r.dirX = (static_cast<double>(x2) - x1) * W / C2;
    r.dirY = (static_cast<double>(y2) - y1) * W / C2;
    r.dirXi = trunc(r.dirX);
    r.dirYi = trunc(r.dirY);

    if (viaX == 0) {
        // 9: straight.
        std::memset(r.arcBox, 0, sizeof r.arcBox);
        r.length = trunc(C2);
        r.radius = 0;
        r.centreX = r.centreY = 0;
        r.outline[0] = r.outline[1] = 0;
        r.outline[2] = r.outline[3] = 20000;
    } else {
        // 10: arc through three points, or about the given centre.
        int32_t cx, cy;
        if (a.startTaper < centreMarker) {
            double vx = viaX, vy = viaY, X1 = x1, Y1 = y1, X2 = x2, Y2 = y2;
            cy = trunc(((vy * vy - X2 * X2 - Y2 * Y2 + vx * vx) / (vx - X2) +
                        (Y1 * Y1 - vy * vy - vx * vx + X1 * X1) / (vx - X1)) *
                       0.5 / ((vy - Y2) / (vx - X2) + (vy - Y1) / (X1 - vx)));
            cx = trunc((2.0 * cy * (vy - Y1) - vy * vy - vx * vx + Y1 * Y1 + X1 * X1) / (2 * (X1 - vx)));
        } else {
            cx = viaX;
            cy = viaY;
        }
        r.centreX = cx;
        r.centreY = cy;
        r.radius = trunc(std::sqrt(static_cast<double>(x1 - cx) * (x1 - cx) + static_cast<double>(y1 - cy) * (y1 - cy)));
        rebuildArcBox(r);
        if (p[0] == 0 && p[2] == 0) {
            double s = 9.0 * W / r.radius;
            int32_t oa = trunc((x1 - viaX) * s), ob = trunc((y1 - viaY) * s);
            int32_t oc = trunc((x2 - viaX) * s), oe = trunc((y2 - viaY) * s);
            int32_t fx = r.dirXi / 5, fy = r.dirYi / 5;
            int32_t made[8] = {x1 + oa - fx, y1 + ob - fy, x1 - oa - fx, y1 - ob - fy,
                               x2 - oc + fx, y2 - oe + fy, x2 + oc + fx, y2 + oe + fy};
            std::memcpy(p, made, sizeof p);
        }
        if (p[5] == 0) {
            int32_t rect[8] = {p[0], p[1], p[2], p[1], p[2], p[3], p[0], p[3]};
            std::memcpy(r.outline, rect, sizeof rect);
        } else {
            std::memcpy(r.outline, p, sizeof p);
        }
        if (!arcMode) {
            r.length = trunc(2 * std::asin(C2 / 2 / r.radius) * (k * offsetStep * W * (2 * a.cw - 1) + r.radius));
            r.angle = angleAbout(x1, y1, cx, cy);
        }
    }

    // 11: hidden cells and lane strips.
    std::memset(r.hiddenBits, 0, sizeof r.hiddenBits);
    for (int lane = 0; lane <= a.topLanes; ++lane) {
        LaneStrip& s = r.lanes[lane];
        s.laneLength = r.length > maxLaneLength ? maxLaneLength : (r.length < -1 ? 0 : r.length);
        std::memset(s.occupancy, 0, static_cast<size_t>(s.laneLength / 80 + 1));
    }

    // 12: stored arguments.
    r.edgeStyle = a.style;
    r.startX = x1;
    r.startY = y1;
    r.boxCode = a.box;
    r.clockwise = a.cw;
    r.laneCap = r.topLane = a.topLanes;
    if (a.next0 < noSuccessor) {
        r.next[0] = a.next0;
        r.next[1] = a.next1;
        r.next[2] = a.next2;
    }
    r.signalState = 0;
    r.speedLimit = noSpeedLimit;
    r.control = a.ctl;
    r.flow = 0;
    r.kind = a.kindArg;
    r.indicator = 0;
    if (a.kindArg < 1 && a.topLanes > 1) r.kind = 2;

    // 13-14: a lane that opens after a start taper, and one that closes before an end taper.
    if (startTapered && a.topLanes != 0) {
        r.laneCap = 0;
        setCells(r.lanes[1].occupancy, 0, 3 * W / 10 - 1, true);
    }
    // Only a real end taper closes the lane: the centre marker (999 and above) is no taper, although less 90 it
    // would fall in the taper range.
    if (endTapered && a.topLanes != 0)
        setCells(r.lanes[1].occupancy, (r.length - 3 * W) / 10, r.length / 10 - 1, true);
    return 1;
}

void rotateSegment(RoadRecord& r, double degrees, int32_t dx, int32_t dy, int32_t W) {
    const double a = degrees * 3.14159267 / 180;
    const double ca = std::cos(a), sa = std::sin(a);
    auto turn = [&](int32_t& x, int32_t& y) {
        int32_t nx = trunc(x * ca - y * sa) + dx;
        int32_t ny = trunc(x * sa + y * ca) + dy;
        x = nx;
        y = ny;
    };
    if (r.centreX != 0) {
        turn(r.centreX, r.centreY);
        for (int i = 0; i < 8; i += 2) turn(r.outline[i], r.outline[i + 1]);
        rebuildArcBox(r);
        r.angle -= a;
    }
    double oldBack = std::sqrt(static_cast<double>(r.backX) * r.backX + static_cast<double>(r.backY) * r.backY);
    int32_t sx = r.startX, sy = r.startY, ex = r.endX(), ey = r.endY();
    turn(sx, sy);
    turn(ex, ey);
    r.startX = sx;
    r.startY = sy;
    r.backX = sx - ex;
    r.backY = sy - ey;
    r.dirX = (static_cast<double>(ex) - sx) * W / oldBack;
    r.dirY = (static_cast<double>(ey) - sy) * W / oldBack;
    r.dirXi = trunc(r.dirX);
    r.dirYi = trunc(r.dirY);
}

void flipSegment(RoadRecord& r, int ySign, int xSign, int32_t xShift, int32_t yShift) {
    auto fx = [&](int32_t& x) { x = xSign * x + xShift; };
    auto fy = [&](int32_t& y) { y = ySign * y + yShift; };
    fx(r.startX);
    fy(r.startY);
    // A straight keeps its zero centre: a moved centre would make it read as an arc of radius 0.
    if (r.arc()) {
        fx(r.centreX);
        fy(r.centreY);
        rebuildArcBox(r);
    }
    for (int i = 0; i < 8; i += 2) {
        fx(r.outline[i]);
        fy(r.outline[i + 1]);
    }
    r.dirX *= xSign;
    r.dirXi *= xSign;
    r.backX *= xSign;
    r.dirY *= ySign;
    r.dirYi *= ySign;
    r.backY *= ySign;
    const int p = xSign * ySign;
    if (p < 0) {
        if (r.indicator != 0) r.indicator = (r.indicator & 4) ? 8 : 4; // left and right swap
        r.clockwise = 1 - r.clockwise;
    }
    r.angle = p * r.angle + (1 - xSign) * 1.57079633;
}

void transformRun(NetworkModel& m, int first, int count, double degrees, int32_t dx, int32_t dy) {
    for (int i = 0; i < count; ++i) rotateSegment(m.road(first + i), degrees, dx, dy, m.laneWidth);
}

void copyRun(NetworkModel& m, int first, int count, double degrees, int32_t dx, int32_t dy) {
    const int base = first < firstTrack ? 0 : firstTrack;
    const int shift = first - base;
    for (int i = count - 1; i >= 0; --i) {
        RoadRecord& r = m.road(first + i);
        r = m.road(base + i);
        for (int32_t& n : r.next) n += shift;
        if (r.control >= 0) r.control += shift;
        if (r.boxCode < 0) r.boxCode -= shift;
        rotateSegment(r, degrees, dx, dy, m.laneWidth);
    }
}

} // namespace jamlog
