// Edge turnarounds, the river of "Junction 13", and the hidden cells where it passes under the roads.
#include "model/layouts/Junction13Parts.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace jamlog {

namespace {

struct RiverReach {
    int down, up; // downstream record and the upstream record that runs it back
    int x1, y1, x2, y2;
    int cx, cy; // 0 for a straight reach
    int cwDown;
};
// Straight down the middle of the layout, then an S-bend of two 45-degree arcs of radius 7071 to the south edge.
constexpr RiverReach reaches[] = {
    {700, 707, 15500, 1000, 15500, 8000, 0, 0, 0},
    {701, 706, 15500, 8000, 15500, 15000, 0, 0, 0},
    {702, 705, 15500, 15000, 17571, 20000, 22571, 15000, 0},
    {703, 704, 17571, 20000, 19642, 25000, 12571, 25000, 1},
};

// How far the clip outline of a bend reaches either side of the centre line: past the beds of both directions
// (each 4.4 lane widths beside its line) even at the middle of the 45-degree bend, where the outline's straight
// sides come closest to the curve.
constexpr int bendClipLanes = 12;

void reach(Builder& b, int road, int x1, int y1, int x2, int y2, int cx, int cy, int cw, int next, int offset) {
    if (cx == 0) {
        b.straightRaw(road, {.from = {x1, y1}, .to = {x2, y2}, .next = next, .offset = offset});
        return;
    }
    // The outline runs along the radii through both ends, so that consecutive bends of the S meet along their
    // common normal and the straight above along the horizontal: their beds join without a step.
    const double r = std::hypot(x1 - cx, y1 - cy), margin = bendClipLanes * b.model().laneWidth;
    auto radial = [&](int x, int y, double k) {
        const double f = (r + k * margin) / r;
        return Point{cx + static_cast<int>(std::lround((x - cx) * f)),
                     cy + static_cast<int>(std::lround((y - cy) * f))};
    };
    const Point corners[4] = {radial(x1, y1, 1), radial(x1, y1, -1), radial(x2, y2, -1), radial(x2, y2, 1)};
    SegmentArgs a;
    a.x1 = x1, a.y1 = y1, a.x2 = x2, a.y2 = y2;
    a.viaX = cx, a.viaY = cy;
    for (int i = 0; i < 4; ++i)
        a.p[2 * i] = corners[i].x, a.p[2 * i + 1] = corners[i].y;
    a.next0 = a.next1 = a.next2 = next;
    a.cw = cw;
    a.startTaper = a.endTaper = centreMarker;
    a.offset = offset;
    b.segment(road, a);
}

// Half of a chord, rounded away from zero, so that the radius is never shorter than half the chord.
int halfUp(int d) {
    return d / 2 + d % 2;
}

} // namespace

void edgeTurnaround(Builder& b, int road, int from, int to) {
    const NetworkModel& m = b.model();
    const RoadRecord &f = m.road(from), &t = m.road(to);
    const int x1 = f.endX(), y1 = f.endY(), x2 = t.startX, y2 = t.startY, W = m.laneWidth;
    const int cx = x1 + halfUp(x2 - x1), cy = y1 + halfUp(y2 - y1);
    const int r = static_cast<int>(std::ceil(std::hypot(x2 - x1, y2 - y1) / 2)) + W;
    int left = cx - r, top = cy - r, right = cx + r, bottom = cy + r;
    // The turn lies beyond the edge: cut the outline where the carriageways end.
    if (f.dirXi > 0)
        left = cx;
    if (f.dirXi < 0)
        right = cx;
    if (f.dirYi > 0)
        top = cy;
    if (f.dirYi < 0)
        bottom = cy;
    b.arcRaw(road, {.from = {x1, y1},
                    .to = {x2, y2},
                    .centre = {cx, cy},
                    .bounds = {left, top, right, bottom},
                    .next = to,
                    .cw = 1});
}

void buildJunction13River(Builder& b, int offset) {
    constexpr int last = sizeof reaches / sizeof reaches[0] - 1;
    for (int i = 0; i <= last; ++i) {
        const RiverReach& q = reaches[i];
        const int downNext = i < last ? reaches[i + 1].down : reaches[last].up;
        const int upNext = i > 0 ? reaches[i - 1].up : reaches[0].down;
        reach(b, q.down, q.x1, q.y1, q.x2, q.y2, q.cx, q.cy, q.cwDown, downNext, offset);
        reach(b, q.up, q.x2, q.y2, q.x1, q.y1, q.cx, q.cy, 1 - q.cwDown, upNext, offset);
    }
}

WorldPoint pointAlong(const RoadRecord& r, double d) {
    if (!r.arc()) {
        const double len = std::hypot(r.backX, r.backY);
        return {r.startX - r.backX * d / len, r.startY - r.backY * d / len};
    }
    const double sigma = r.clockwise ? -1 : 1;
    const double theta = r.angle + sigma * d / r.radius;
    return {r.centreX + r.radius * std::cos(theta), r.centreY - r.radius * std::sin(theta)};
}

bool underStraight(const RoadRecord& road, WorldPoint p, int laneWidth) {
    if (road.arc() || road.length <= 0)
        return false;
    const double W = laneWidth, dx = p.x - road.startX, dy = p.y - road.startY;
    const double along = (dx * road.dirX + dy * road.dirY) / W;
    const double side = (-dx * road.dirY + dy * road.dirX) / W; // lanes lie to the right of the line
    return along >= 0 && along <= road.length && side >= -W / 2 && side <= road.topLane * W + W / 2;
}

CellMiddles::CellMiddles(const RoadRecord& low, int cells) {
    points.reserve(static_cast<size_t>(std::max(cells, 0)));
    for (int c = 0; c < cells; ++c)
        points.push_back(pointAlong(low, 10.0 * c + 5));
    for (size_t first = 0; first < points.size(); first += runCells) {
        Run r{points[first].x, points[first].y, points[first].x, points[first].y, true};
        for (size_t c = first; c < std::min(points.size(), first + runCells); ++c) {
            const WorldPoint p = points[c];
            r.finite = r.finite && std::isfinite(p.x) && std::isfinite(p.y);
            r.left = std::min(r.left, p.x);
            r.right = std::max(r.right, p.x);
            r.top = std::min(r.top, p.y);
            r.bottom = std::max(r.bottom, p.y);
        }
        runs.push_back(r);
    }
}

namespace {

// Whether a run's box can hold a point of the cover's surface: along and across the cover are linear in the point,
// so over the box they range between their values at its corners. The bounds are widened so that rounding loses no
// point; a box or a record that is not finite is always tested.
bool mayMeet(const CellMiddles::Run& r, const RoadRecord& cover, double W) {
    if (!r.finite)
        return true;
    double alongLo = INFINITY, alongHi = -INFINITY, sideLo = INFINITY, sideHi = -INFINITY;
    for (double x : {r.left, r.right})
        for (double y : {r.top, r.bottom}) {
            const double dx = x - cover.startX, dy = y - cover.startY;
            const double along = (dx * cover.dirX + dy * cover.dirY) / W, side = (-dx * cover.dirY + dy * cover.dirX) / W;
            alongLo = std::min(alongLo, along);
            alongHi = std::max(alongHi, along);
            sideLo = std::min(sideLo, side);
            sideHi = std::max(sideHi, side);
        }
    if (!std::isfinite(alongLo) || !std::isfinite(alongHi) || !std::isfinite(sideLo) || !std::isfinite(sideHi))
        return true;
    const double sideTop = cover.topLane * W + W / 2;
    const double slack = 1 + 1e-6 * (std::abs(alongLo) + std::abs(alongHi) + std::abs(sideLo) + std::abs(sideHi) +
                                     cover.length + std::abs(sideTop));
    return alongHi >= -slack && alongLo <= cover.length + slack && sideHi >= -W / 2 - slack &&
           sideLo <= sideTop + slack;
}

} // namespace

void markCellsUnder(const CellMiddles& low, const RoadRecord& cover, int laneWidth, std::vector<char>& under) {
    if (cover.arc() || cover.length <= 0)
        return;
    const size_t cells = std::min(under.size(), low.points.size());
    for (size_t k = 0; k < low.runs.size(); ++k) {
        if (!mayMeet(low.runs[k], cover, laneWidth))
            continue;
        for (size_t c = k * CellMiddles::runCells; c < std::min(cells, (k + 1) * CellMiddles::runCells); ++c)
            if (!under[c] && underStraight(cover, low.points[c], laneWidth))
                under[c] = 1;
    }
}

void markUnderpasses(NetworkModel& m, int first, int count, int roads, int reach) {
    const int end = first + count, spread = reach / 10;
    std::vector<std::vector<int>> under(static_cast<size_t>(count));
    for (int n = first; n < end; ++n) {
        const RoadRecord& river = m.road(n);
        const CellMiddles middles(river, std::min(river.length, maxLaneLength) / 10);
        std::vector<char> covered(middles.points.size(), 0);
        for (int k = 0; k < roads; ++k)
            markCellsUnder(middles, m.road(k), m.laneWidth, covered);
        for (size_t c = 0; c < covered.size(); ++c)
            if (covered[c])
                under[static_cast<size_t>(n - first)].push_back(static_cast<int>(c));
    }
    auto inRange = [&](int n) { return n >= first && n < end; };
    auto cellsOf = [&](int n) { return std::min(m.road(n).length, maxLaneLength) / 10; };
    for (int n = first; n < end; ++n) {
        const int cells = cellsOf(n);
        const int next = m.road(n).next[0];
        int previous = -1;
        for (int p = first; p < end; ++p)
            if (m.road(p).next[0] == n)
                previous = p;
        for (int c : under[static_cast<size_t>(n - first)]) {
            setCells(m.road(n).hiddenBits, c - spread, c + spread, true);
            if (c - spread < 0 && inRange(previous))
                setCells(m.road(previous).hiddenBits, cellsOf(previous) + c - spread, cellsOf(previous) - 1, true);
            if (c + spread >= cells && inRange(next))
                setCells(m.road(next).hiddenBits, 0, c + spread - cells, true);
        }
    }
}

} // namespace jamlog
