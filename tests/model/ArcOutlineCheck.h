// The renderer clips an arc to its outline: how many sampled points of an arc's band fall outside it.
#pragma once
#include <cmath>
#include <utility>

#include "model/NetworkModel.h"

namespace arccheck {

// Crossing-number test of a point against a road's four outline corners.
inline bool insideOutline(const jamlog::RoadRecord& r, double x, double y) {
    bool in = false;
    for (int i = 0, j = 3; i < 4; j = i++) {
        const double xi = r.outline[2 * i], yi = r.outline[2 * i + 1];
        const double xj = r.outline[2 * j], yj = r.outline[2 * j + 1];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
            in = !in;
    }
    return in;
}

// Whether the outline's opposite edges cross (a bow-tie, which the clip's alternate fill rule cuts apart).
inline bool outlineCrossesItself(const jamlog::RoadRecord& r) {
    auto at = [&](int i) { return std::pair<double, double>(r.outline[2 * (i % 4)], r.outline[2 * (i % 4) + 1]); };
    auto side = [](std::pair<double, double> o, std::pair<double, double> a, std::pair<double, double> b) {
        return (a.first - o.first) * (b.second - o.second) - (a.second - o.second) * (b.first - o.first);
    };
    for (int i = 0; i < 2; ++i) {
        const auto a = at(i), b = at(i + 1), c = at(i + 2), d = at(i + 3);
        if (side(c, d, a) * side(c, d, b) < 0 && side(a, b, c) * side(a, b, d) < 0)
            return true;
    }
    return false;
}

// Points along the arc from end to end, `halfBand` either side of its circle, that lie outside its outline.
inline int pointsOutsideOutline(const jamlog::RoadRecord& r, double halfBand) {
    const double pi = std::acos(-1.0);
    const double a0 = std::atan2(double(r.startY) - r.centreY, double(r.startX) - r.centreX);
    double a1 = std::atan2(double(r.endY()) - r.centreY, double(r.endX()) - r.centreX);
    // Screen angles grow clockwise (y down).
    if (r.clockwise && a1 < a0)
        a1 += 2 * pi;
    if (!r.clockwise && a1 > a0)
        a1 -= 2 * pi;
    int outside = 0;
    for (int step = 1; step < 20; ++step) {
        const double t = a0 + (a1 - a0) * step / 20;
        for (double radius : {r.radius - halfBand, r.radius + halfBand})
            outside += !insideOutline(r, r.centreX + radius * std::cos(t), r.centreY + radius * std::sin(t));
    }
    return outside;
}

} // namespace arccheck
