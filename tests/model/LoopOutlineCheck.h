// The clip outline of a one-way loop beside its street: a simple quadrilateral that holds the loop's surface
// wherever it lies outside the street's near edge line, and keeps off the street's other carriageway.
#pragma once
#include <cmath>
#include <sstream>
#include <string>

#include "model/NetworkModel.h"

namespace loopcheck {

struct P {
    double x, y;
};

inline double cross(P o, P a, P b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

inline bool edgesCross(P a, P b, P c, P d) {
    return cross(c, d, a) * cross(c, d, b) < 0 && cross(a, b, c) * cross(a, b, d) < 0;
}

inline bool inside(P p, const P (&q)[4]) {
    bool in = false;
    for (int i = 0; i < 4; ++i) {
        P a = q[i], b = q[(i + 1) % 4];
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y))
            in = !in;
    }
    return in;
}

// Empty when the outline of `loop` is sound; otherwise what is wrong. `street` is the piece the loop gives way to,
// on the same line as the loop's ends.
inline std::string outlineFault(const jamlog::RoadRecord& loop, const jamlog::RoadRecord& street, int laneWidth) {
    const double pi = std::acos(-1.0);
    std::ostringstream out;
    P q[4];
    for (int i = 0; i < 4; ++i)
        q[i] = {double(loop.outline[2 * i]), double(loop.outline[2 * i + 1])};
    if (edgesCross(q[0], q[1], q[2], q[3]) || edgesCross(q[1], q[2], q[3], q[0]))
        out << "the outline crosses itself; ";
    // The street's line and its unit normal towards the loop's crown.
    const P s{double(street.startX), double(street.startY)};
    const double len = std::hypot(double(street.backX), double(street.backY));
    const P u{-street.backX / len, -street.backY / len};
    P n{u.y, -u.x};
    const double cx = loop.centreX, cy = loop.centreY, r = loop.radius;
    const double a1 = std::atan2(loop.startY - cy, loop.startX - cx),
                 a2 = std::atan2(loop.endY() - cy, loop.endX() - cx);
    // Clockwise on the screen (y down) the angle grows.
    const double sweep = loop.clockwise ? std::fmod(a2 - a1 + 4 * pi, 2 * pi) : -std::fmod(a1 - a2 + 4 * pi, 2 * pi);
    auto at = [&](double t, double radial) {
        return P{cx + (r + radial) * std::cos(t), cy + (r + radial) * std::sin(t)};
    };
    auto height = [&](P p) { return (p.x - s.x) * n.x + (p.y - s.y) * n.y; };
    if (height(at(a1 + sweep / 2, 0)) < 0)
        n = {-n.x, -n.y};
    const double halfWidth = 0.9 * laneWidth, nearEdge = 0.5 * laneWidth;
    int missed = 0, samples = 0;
    for (int k = 0; k <= 60; ++k)
        for (double radial : {-halfWidth, 0.0, halfWidth}) {
            const P p = at(a1 + sweep * k / 60, radial);
            if (height(p) < nearEdge)
                continue; // on the street, which draws itself there
            ++samples;
            if (!inside(p, q))
                ++missed;
        }
    if (missed > 0)
        out << missed << " of " << samples << " points of the loop's surface fall outside the outline; ";
    // The other carriageway, two offset steps beyond the street's line, stays outside along the loop's whole span.
    const double along1 = (loop.startX - s.x) * u.x + (loop.startY - s.y) * u.y;
    const double along2 = (loop.endX() - s.x) * u.x + (loop.endY() - s.y) * u.y;
    for (int k = -4; k <= 14; ++k) {
        const double t = along1 + (along2 - along1) * k / 10;
        const double h = -2 * 0.56 * laneWidth;
        if (inside({s.x + t * u.x + h * n.x, s.y + t * u.y + h * n.y}, q)) {
            out << "the outline reaches the other carriageway; ";
            break;
        }
    }
    return out.str();
}

} // namespace loopcheck
