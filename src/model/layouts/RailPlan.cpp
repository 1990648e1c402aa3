// Centre lines laid as tracks. Each leg is shifted to the left of its direction of travel; at a rounded corner the
// two shifted legs are cut back by the bend's tangent length, R' tan(turn / 2), where R' is the corner's radius
// less the shift on the inside of the turn and plus it on the outside, so that both directions' bends share the
// corner's centre.
#include "model/layouts/RailPlan.h"

#include <algorithm>
#include <cmath>

#include "model/Bitmap.h"
#include "model/layouts/RailLayoutParts.h"

namespace jamlog::railplan {

namespace {

struct Vec {
    double x, y;
};
Vec operator+(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y};
}
Vec operator-(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y};
}
Vec operator*(double k, Vec a) {
    return {k * a.x, k * a.y};
}
double cross(Vec a, Vec b) {
    return a.x * b.y - a.y * b.x;
}
double dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y;
}
Vec unit(Vec a) {
    const double l = std::hypot(a.x, a.y);
    return {a.x / l, a.y / l};
}
Vec leftOf(Vec d) { // left of the direction of travel on the screen, y downwards
    return {d.y, -d.x};
}
int round(double v) {
    return static_cast<int>(std::lround(v));
}

// Tangent length of the bend at a corner between unit directions a and b, for the centre line's radius shifted
// by `side` to the left of travel.
double tangentLength(Vec a, Vec b, int radius, int side) {
    if (radius <= 0)
        return 0;
    const double turn = std::atan2(cross(a, b), dot(a, b)); // negative: a left turn on the screen
    const double r = turn < 0 ? radius - side : radius + side;
    return r * std::tan(std::abs(turn) / 2);
}

// The straight from p to q with one successor.
void straight(Builder& b, int road, Vec p, Vec q, int next) {
    b.straightRaw(road, round(p.x), round(p.y), round(q.x), round(q.y), 0, next, 0, 0, 0, -1);
}

int bendSense(const RoadRecord& from, const RoadRecord& to) {
    return cross({from.dirX, from.dirY}, {to.dirX, to.dirY}) > 0 ? 1 : 0; // 1: clockwise on the screen
}

constexpr double clipInside = 0.25; // the clip wedge starts this fraction of the radius off the centre
constexpr double clipMargin = 1.4;  // and its outer corners stand this far beyond the circle at mid-bend

} // namespace

void bend(Builder& b, int road, int from, int to) {
    b.filletRoads(road, 0, to, to, to, bendSense(b.model().road(from), b.model().road(to)), from, to);
    RoadRecord& r = b.model().road(road);
    const Vec c{double(r.centreX), double(r.centreY)};
    const Vec s = Vec{double(r.startX), double(r.startY)} - c, e = Vec{double(r.endX()), double(r.endY())} - c;
    const double half = std::acos(std::clamp(dot(unit(s), unit(e)), -1.0, 1.0)) / 2;
    const double out = clipMargin / std::max(std::cos(half), 0.2);
    const Vec q[4] = {c + clipInside * s, c + out * s, c + out * e, c + clipInside * e};
    for (int i = 0; i < 4; ++i) {
        r.outline[2 * i] = round(q[i].x);
        r.outline[2 * i + 1] = round(q[i].y);
    }
}

LaidLine layLine(Builder& b, const LineSpec& spec) {
    const std::vector<Vertex>& v = *spec.vertices;
    const int n = static_cast<int>(v.size());
    const int legs = spec.closed ? n : n - 1;
    // Running order: vertex k of the run is vertex at(k) of the centre line, leg k of the run is legOf(k).
    auto at = [&](int k) {
        k = ((k % n) + n) % n;
        return spec.reversed ? (spec.closed ? (n - k) % n : n - 1 - k) : k;
    };
    auto legOf = [&](int k) { return spec.reversed ? (spec.closed ? (n - k - 1 + n) % n : n - 2 - k) : k; };
    auto point = [&](int k) { return Vec{double(v[size_t(at(k))].x), double(v[size_t(at(k))].y)}; };
    auto dir = [&](int k) { return unit(point(k + 1) - point(k)); };
    auto rounded = [&](int k) { return (spec.closed || (k > 0 && k < n - 1)) && v[size_t(at(k))].radius > 0; };
    // The shifted corner: where the shifted legs either side of it meet.
    auto corner = [&](int k) {
        const bool hasIn = spec.closed || k > 0, hasOut = spec.closed || k < n - 1;
        if (!hasIn)
            return point(k) + double(spec.side) * leftOf(dir(k));
        if (!hasOut)
            return point(k) + double(spec.side) * leftOf(dir(k - 1));
        const Vec a = dir(k - 1), c = dir(k);
        const double s = 1 + dot(a, c); // the bisector's shift grows as 1 / cos(turn / 2)
        return point(k) + (double(spec.side) / s) * (leftOf(a) + leftOf(c));
    };
    auto cut = [&](int k) {
        return rounded(k) ? tangentLength(dir(k - 1), dir(k), v[size_t(at(k))].radius, spec.side) : 0.0;
    };

    LaidLine out;
    out.leg.assign(size_t(legs), -1);
    out.bend.assign(size_t(n), -1);
    int road = spec.first;
    std::vector<int> runLeg(static_cast<size_t>(legs)), runBend(static_cast<size_t>(legs), -1); // bend after run leg k
    for (int k = 0; k < legs; ++k) {
        runLeg[size_t(k)] = (legOf(k) == spec.asideLeg && spec.asideRoad >= 0) ? spec.asideRoad : road++;
        if (rounded(k + 1) && (spec.closed || k + 1 < n - 1))
            runBend[size_t(k)] = road++;
    }
    out.end = road;
    for (int k = 0; k < legs; ++k) {
        const int after = runBend[size_t(k)] >= 0 ? runBend[size_t(k)] : (k + 1 < legs ? runLeg[size_t(k) + 1] : -1);
        const int next = after >= 0 ? after : (spec.closed ? runLeg[0] : spec.endNext);
        const Vec d = dir(k);
        straight(b, runLeg[size_t(k)], corner(k) + cut(k) * d, corner(k + 1) - cut(k + 1) * d, next);
        out.leg[size_t(legOf(k))] = runLeg[size_t(k)];
    }
    for (int k = 0; k < legs; ++k) {
        const int bend = runBend[size_t(k)];
        if (bend < 0)
            continue;
        const int from = runLeg[size_t(k)], to = runLeg[size_t((k + 1) % legs)];
        railplan::bend(b, bend, from, to);
        out.bend[size_t(at(k + 1))] = bend;
    }
    return out;
}

void spurOnto(Builder& b, const Spur& s) {
    const RoadRecord& t = b.model().road(s.track);
    const Vec start{double(t.startX), double(t.startY)}, d = unit({t.dirX, t.dirY});
    const Vec edge{double(s.edgeX), double(s.edgeY)};
    // The corner lies back along the track; the straight heads for it from the edge.
    Vec c = start - double(s.radius) * d;
    const Vec u = unit(c - edge);
    const double cutBack = tangentLength(u, d, s.radius, 0);
    c = start - cutBack * d;
    straight(b, s.straight, edge, c - cutBack * u, s.bend);
    bend(b, s.bend, s.straight, s.track);
}

void spurOff(Builder& b, const Spur& s, int straightNext) {
    const RoadRecord& t = b.model().road(s.track);
    const Vec end{double(t.endX()), double(t.endY())}, d = unit({t.dirX, t.dirY});
    const Vec edge{double(s.edgeX), double(s.edgeY)};
    Vec c = end + double(s.radius) * d;
    const Vec u = unit(edge - c);
    const double cutBack = tangentLength(d, u, s.radius, 0);
    c = end + cutBack * d;
    straight(b, s.straight, c + cutBack * u, edge, straightNext);
    bend(b, s.bend, s.track, s.straight);
}

int lineIn(Builder& b, Counter& c, const EdgeLine& l) {
    const int straight = c.take(), curve = c.take();
    spurOnto(b, {.straight = straight,
                 .bend = curve,
                 .edgeX = l.edgeX,
                 .edgeY = l.edgeY,
                 .track = l.track,
                 .radius = l.radius});
    raillayout::addPoints(b.model(), {1, mergePointsKind, l.track, l.neighbour, curve});
    return straight;
}

int lineOut(Builder& b, Counter& c, const EdgeLine& l, int entry) {
    const int straight = c.take(), curve = c.take();
    spurOff(
        b,
        {.straight = straight, .bend = curve, .edgeX = l.edgeX, .edgeY = l.edgeY, .track = l.track, .radius = l.radius},
        entry);
    b.model().road(l.track).next[2] = curve;
    raillayout::addPoints(b.model(), {1, facingPointsKind, l.track, l.neighbour, curve});
    return straight;
}

void crossover(Builder& b, const Crossover& c) {
    NetworkModel& m = b.model();
    const RoadRecord &from = m.road(c.leaves), &to = m.road(c.joins);
    raillayout::buildTrack(
        b, {.road = c.road, .x1 = from.endX(), .y1 = from.endY(), .x2 = to.startX, .y2 = to.startY, .next0 = c.joins});
    m.road(c.leaves).next[2] = c.road; // the way over, until the points draw the first route
    raillayout::addPoints(m, {1, facingPointsKind, c.leaves, c.leavesOn, c.road});
    raillayout::addPoints(m, {1, mergePointsKind, c.joins, c.joinsFeeder, c.road});
}

void hideUnderPoint(RoadRecord& r, int x, int y, int half) {
    const Vec start{double(r.startX), double(r.startY)}, d = unit({r.dirX, r.dirY});
    const int along = round(dot(Vec{double(x), double(y)} - start, d));
    if (along < -half || along > r.length + half)
        return;
    setCells(r.hiddenBits, std::max(0, along - half) / 10, std::min(r.length, along + half) / 10, true);
}

bool findCrossing(const RoadRecord& lower, const RoadRecord& upper, Crossing& at) {
    const Vec from{double(upper.startX), double(upper.startY)}, to{double(upper.endX()), double(upper.endY())};
    const Vec d = unit(to - from), n = leftOf(d);
    const double reach = std::hypot(to.x - from.x, to.y - from.y);
    // Points along the lower track, by the fraction of its length run.
    const Vec s{double(lower.startX), double(lower.startY)}, e{double(lower.endX()), double(lower.endY())};
    auto pointAt = [&](double f) {
        if (lower.centreX == 0)
            return s + f * (e - s);
        const Vec c{double(lower.centreX), double(lower.centreY)};
        const double a0 = std::atan2(c.y - s.y, s.x - c.x), a1 = std::atan2(c.y - e.y, e.x - c.x);
        const double turn = std::remainder(a1 - a0, 2 * M_PI), r = std::hypot(s.x - c.x, s.y - c.y);
        const double a = a0 + f * turn;
        return Vec{c.x + r * std::cos(a), c.y - r * std::sin(a)};
    };
    constexpr int steps = 400;
    double before = dot(pointAt(0) - from, n);
    for (int i = 1; i <= steps; ++i) {
        const double f = double(i) / steps;
        const Vec p = pointAt(f);
        const double now = dot(p - from, n), along = dot(p - from, d);
        if ((before < 0) != (now < 0) && along >= 0 && along <= reach) {
            at = {round(p.x), round(p.y), round(f * lower.length)};
            return true;
        }
        before = now;
    }
    return false;
}

void hideUnderTrack(RoadRecord& lower, const RoadRecord& upper, int half) {
    Crossing c;
    if (findCrossing(lower, upper, c))
        setCells(lower.hiddenBits, std::max(0, c.along - half) / 10, std::min(lower.length, c.along + half) / 10, true);
}

void addBridgeWalls(NetworkModel& m, int x, int y, double dx, double dy, int halfLength, int halfWidth) {
    const Vec d = unit({dx, dy}), side = double(halfWidth) * leftOf(d), along = double(halfLength) * d;
    for (double s : {1.0, -1.0})
        for (SceneryItem& item : m.scenery)
            if (item[0] == 0) {
                item = {2, round(x + s * side.x), round(y + s * side.y), round(along.x), round(along.y)};
                break;
            }
}

} // namespace jamlog::railplan
