// Layout checks: links, joins, geometry, extent, light and boundary tables, and trapped records.
#include "model/LayoutChecker.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace jamlog {

namespace {

constexpr int absurdCoordinate = 10000000; // ten thousand grid cells

std::string fmt(const char* f, long a = 0, long b = 0, long c = 0) {
    char buf[160];
    std::snprintf(buf, sizeof buf, f, a, b, c);
    return buf;
}

// Roads fill 0..roadCount (which may pass 500 in a car park); tracks and rivers have their own ranges.
bool roadsOverflow(const NetworkModel& m) {
    return m.roadCount > firstTrack;
}

// The end stubs every build starts from, unless the layout counts the number among its own records: a layout of
// more than 99 tracks builds 599 as an ordinary track, and a car park's roads may run over 499 and 599.
bool isStub(const NetworkModel& m, int n) {
    if (n == riverStub)
        return true;
    if (n == roadStub)
        return m.roadCount <= roadStub;
    if (n == trackStub)
        return m.roadCount <= trackStub && firstTrack + m.trackCount <= trackStub;
    return false;
}

// Where a train's line ends, as the railway sees it: a stub, or a track that leads only to itself. No train runs
// onto it, so no join into it is judged, and a train that reaches it turns back rather than being trapped.
bool endsTheLine(const NetworkModel& m, int n) {
    if (isStub(m, n))
        return true;
    if (roadsOverflow(m) || n < firstTrack || n >= firstRiver)
        return false;
    const int32_t* next = m.road(n).next;
    return next[0] == n && next[1] == n && next[2] == n;
}

bool outsideExtent(const NetworkModel& m, double x, double y) {
    return x < m.extentMinX || x > m.extentMaxX || y < m.extentMinY || y > m.extentMaxY;
}

void checkGeometry(const NetworkModel& m, int n, std::vector<LayoutProblem>& out) {
    const RoadRecord& r = m.road(n);
    if (!std::isfinite(r.dirX) || !std::isfinite(r.dirY) || !std::isfinite(r.angle))
        out.push_back({n, Severity::Error, "non-finite direction or angle"});
    if (r.length <= 0 || r.length > absurdCoordinate)
        out.push_back({n, Severity::Error, fmt("absurd length %ld", r.length)});
    if (std::abs(r.startX) > absurdCoordinate || std::abs(r.startY) > absurdCoordinate ||
        std::abs(r.endX()) > absurdCoordinate || std::abs(r.endY()) > absurdCoordinate)
        out.push_back({n, Severity::Error, "coordinates beyond any layout"});
    if (r.topLane < 0 || r.topLane >= maxLanes || r.laneCap < 0 || r.laneCap > r.topLane)
        out.push_back({n, Severity::Error, fmt("lanes out of range: topLane %ld laneCap %ld", r.topLane, r.laneCap)});
    if (r.arc() && r.radius <= 0)
        out.push_back({n, Severity::Error, "arc with no radius"});
    if (!isStub(m, n) && (outsideExtent(m, r.startX, r.startY) || outsideExtent(m, r.endX(), r.endY())))
        out.push_back({n, Severity::Warning, "lies partly outside the layout extent"});
}

// A car leaving a parking bay joins its next road at a place set by the bay's code and the car-park words
// (first bay road - code + 890 pitches, less one lane width per space), not at the next road's start: each
// space's end must lie within the join distance of that place.
bool isParkingBay(const NetworkModel& m, const RoadRecord& r) {
    return r.control >= 811 && r.control <= 898 && m.carPark[3] > 0;
}

void checkBayExit(const NetworkModel& m, int n, std::vector<LayoutProblem>& out) {
    const RoadRecord& r = m.road(n);
    const int s = r.next[0];
    const RoadRecord& t = m.road(s);
    const double W = m.laneWidth;
    for (int k = 0; k < m.carPark[2] && k <= r.topLane; ++k) {
        const long at = static_cast<long>(m.carPark[1] - r.control + 890) * m.carPark[3] - m.laneWidth * k;
        if (at < 0 || at > t.length || t.arc()) {
            out.push_back({n, Severity::Error, fmt("space %ld leaves onto %ld at %ld, off that road", k, s, at)});
            continue;
        }
        double jx = t.startX + at * t.dirX / W, jy = t.startY + at * t.dirY / W;
        double ex = r.endX() - k * r.dirY, ey = r.endY() + k * r.dirX;
        double gap = std::hypot(jx - ex, jy - ey);
        if (gap > maxJoinGap)
            out.push_back({n, Severity::Error, fmt("space %ld joins %ld %ld units from its end", k, s, long(gap))});
    }
}

// A vehicle leaves the layout at the end of a boundary record of its kind and enters on one of its successors,
// so a boundary record's successors are entry roads, never driven onto from its end.
bool isBoundaryOfItsKind(const NetworkModel& m, int n) {
    auto listed = [n](const auto& list) { return std::find(list.begin(), list.end(), n) != list.end(); };
    if (n < firstTrack || roadsOverflow(m))
        return listed(m.boundaryRoads);
    return n < firstRiver ? listed(m.boundaryTracks) : listed(m.boundaryRivers);
}

void checkSuccessors(const NetworkModel& m, int n, std::vector<LayoutProblem>& out) {
    const RoadRecord& r = m.road(n);
    const bool entryLinks = isBoundaryOfItsKind(m, n);
    if (isParkingBay(m, r) && r.next[0] >= 0 && r.next[0] < roadCapacity && isBuilt(m, r.next[0]) &&
        r.next[1] == r.next[0] && r.next[2] == r.next[0]) {
        checkBayExit(m, n, out);
        return;
    }
    for (int i = 0; i < 3; ++i) {
        int s = r.next[i];
        if (i > 0 && s == r.next[i - 1])
            continue;
        if (s < 0 || s >= roadCapacity) {
            out.push_back({n, Severity::Error, fmt("successor %ld out of range", s)});
            continue;
        }
        if (!isBuilt(m, s)) {
            out.push_back({n, Severity::Error, fmt("successor %ld is never built", s)});
            continue;
        }
        if (endsTheLine(m, s) || entryLinks || isStub(m, n))
            continue; // sidings and dead ends run into a stub by design; a stub's own links lead nowhere
        const RoadRecord& t = m.road(s);
        // A link from an end beyond the display extent to a start beyond it is never seen: the vehicle leaves at
        // one edge and comes back at another, as a railway's lines do where they run off the picture.
        if (outsideExtent(m, r.endX(), r.endY()) && outsideExtent(m, t.startX, t.startY))
            continue;
        double gap = std::hypot(double(t.startX) - r.endX(), double(t.startY) - r.endY());
        if (gap > maxJoinGap)
            out.push_back({n, Severity::Error, fmt("successor %ld starts %ld units from this end", s, long(gap))});
    }
}

// Marks every built record of [lo, hi) from which one of the given exits can be reached, or a record marked
// before (of another range). Walks the links backwards from every marked record, once each: linear in the records.
void markReachable(const NetworkModel& m, int lo, int hi, const int32_t* exits, int exitCount,
                   std::vector<char>& reach) {
    for (int e = 0; e < exitCount; ++e)
        if (exits[e] >= lo && exits[e] < hi)
            reach[static_cast<size_t>(exits[e])] = 1;
    for (int n = lo; n < hi; ++n)
        if (isBuilt(m, n) && endsTheLine(m, n))
            reach[static_cast<size_t>(n)] = 1;
    // The built records of the range that lead into each record, as a list per record: first[s] heads the list of
    // the records leading into s, link[n] the record after n in the list it is on.
    std::vector<int> first(roadCapacity, -1), link(3 * static_cast<size_t>(roadCapacity), -1), from(link.size());
    size_t links = 0;
    for (int n = lo; n < hi; ++n) {
        if (reach[static_cast<size_t>(n)] || !isBuilt(m, n))
            continue;
        for (int s : m.road(n).next)
            if (s >= 0 && s < roadCapacity) {
                from[links] = n;
                link[links] = first[static_cast<size_t>(s)];
                first[static_cast<size_t>(s)] = static_cast<int>(links++);
            }
    }
    std::vector<int> todo;
    for (int n = 0; n < roadCapacity; ++n)
        if (reach[static_cast<size_t>(n)])
            todo.push_back(n);
    while (!todo.empty()) {
        const int s = todo.back();
        todo.pop_back();
        for (int l = first[static_cast<size_t>(s)]; l >= 0; l = link[static_cast<size_t>(l)]) {
            const int n = from[static_cast<size_t>(l)];
            if (!reach[static_cast<size_t>(n)]) {
                reach[static_cast<size_t>(n)] = 1;
                todo.push_back(n);
            }
        }
    }
}

template <size_t N>
void checkBoundaryList(const NetworkModel& m, const std::array<int32_t, N>& list, const char* what,
                       std::vector<LayoutProblem>& out) {
    for (int32_t b : list)
        if (b != -1 && (b < 0 || b >= roadCapacity || !isBuilt(m, b)))
            out.push_back({-1, Severity::Error, std::string(what) + fmt(" entry %ld names no built record", b)});
}

} // namespace

bool isBuilt(const NetworkModel& m, int n) {
    if (n < 0 || n >= roadCapacity)
        return false;
    if (isStub(m, n) || n < m.roadCount)
        return true;
    if (n >= firstTrack && n < firstTrack + m.trackCount)
        return true;
    return n >= firstRiver && n < firstRiver + m.riverCount;
}

std::vector<LayoutProblem> checkLayout(const NetworkModel& m) {
    std::vector<LayoutProblem> out;
    for (int n = 0; n < roadCapacity; ++n) {
        if (!isBuilt(m, n))
            continue;
        checkGeometry(m, n, out);
        checkSuccessors(m, n, out);
    }
    checkBoundaryList(m, m.boundaryRoads, "boundary road", out);
    checkBoundaryList(m, m.boundaryTracks, "boundary track", out);
    checkBoundaryList(m, m.boundaryRivers, "boundary river", out);
    for (int g = 0; g < static_cast<int>(m.lightGroups.size()); ++g) {
        const LightGroup& lg = m.lightGroups[static_cast<size_t>(g)];
        if (lg.mode == 0)
            continue;
        for (int32_t arm : lg.arms)
            if (arm != -1 && arm != 0 && !isBuilt(m, arm))
                out.push_back({-1, Severity::Error, fmt("light group %ld arm %ld names no built record", g, arm)});
    }

    std::vector<char> reach(roadCapacity, 0);
    markReachable(m, 0, roadsOverflow(m) ? roadCapacity : firstTrack, m.boundaryRoads.data(), 20, reach);
    if (!roadsOverflow(m)) {
        markReachable(m, firstTrack, firstRiver, m.boundaryTracks.data(), 10, reach);
        markReachable(m, firstRiver, roadCapacity, m.boundaryRivers.data(), 10, reach);
    }
    for (int n = 0; n < roadCapacity; ++n)
        if (isBuilt(m, n) && !reach[static_cast<size_t>(n)])
            out.push_back({n, Severity::Error, "no boundary can be reached from here: vehicles would be trapped"});
    return out;
}

std::string layoutReport(const NetworkModel& m, const std::vector<LayoutProblem>& problems) {
    long errors = 0, warnings = 0;
    for (const auto& p : problems)
        (p.severity == Severity::Error ? errors : warnings)++;
    std::string s = fmt("%ld roads, %ld tracks, %ld rivers", m.roadCount, m.trackCount, m.riverCount) +
                    fmt(": %ld errors, %ld warnings\n", errors, warnings);
    for (const auto& p : problems) {
        s += p.severity == Severity::Error ? "  error   " : "  warning ";
        s += p.road >= 0 ? fmt("record %ld: ", p.road) : std::string("tables: ");
        s += p.text + "\n";
    }
    return s;
}

} // namespace jamlog
