// Branches laid along their own axis: c across it (positive to the right of the way out), a along it from the
// main line. The way out keeps to the left at -side, the way back at +side, and both share the single lines at
// c = 0; every track of the way back lies on a track of the way out, run backwards.
#include "model/layouts/BranchLine.h"

#include <algorithm>

#include "model/layouts/RailLayoutParts.h"
#include "model/layouts/RailPlan.h"

namespace jamlog::branchline {

namespace {

constexpr int facingKind = 2; // a route drawn for every other railway tick while the points are clear
constexpr int mergeKind = 8;

struct Piece {
    int c1, a1, c2, a2;
    int style = 0;
};

// One single line and what follows it: a passing loop, or the terminus. Indices into the way out.
struct Stage {
    int first, last; // the turnout onto the single line, and the turnout off it or the terminus platform
    bool terminal;
};

struct Plan {
    std::vector<Piece> out;
    std::vector<Stage> stages;
};

Plan plan(const Profile& p) {
    Plan r;
    int a = p.radius;
    r.out.push_back({-side, a, -side, a + p.wait});
    a += p.wait;
    for (size_t s = 0; s < p.singles.size(); ++s) {
        const bool terminal = s + 1 == p.singles.size();
        const int first = static_cast<int>(r.out.size());
        r.out.push_back({-side, a, 0, a + p.kink});
        a += p.kink;
        for (int len : p.singles[s]) {
            r.out.push_back({0, a, 0, a + len});
            a += len;
        }
        if (terminal) {
            r.out.push_back({0, a, 0, a + p.terminus, edgeStylePlatform});
            a += p.terminus;
        } else {
            r.out.push_back({0, a, -side, a + p.kink});
            a += p.kink;
        }
        r.stages.push_back({first, static_cast<int>(r.out.size()) - 1, terminal});
        if (!terminal) {
            r.out.push_back({-side, a, -side, a + p.loop, edgeStylePlatform});
            a += p.loop;
        }
    }
    return r;
}

} // namespace

int trackCount(const Profile& p) {
    return 2 * static_cast<int>(plan(p).out.size()) + 2;
}

int junctionHalf(const Profile& p) {
    return side + p.radius;
}

int reach(const Profile& p) {
    const Plan r = plan(p);
    return r.out.back().a2;
}

namespace {

// Record numbers of a branch: the way out from `first`, then the way back, with a curve before and after them when
// the branch leaves a main line.
Built numberBranch(int n, int first, bool curves) {
    Built w;
    const int out = curves ? first + 1 : first;
    w.curveOut = curves ? first : -1;
    for (int i = 0; i < n; ++i)
        w.out.push_back(out + i);
    for (int i = 0; i < n; ++i)
        w.in.push_back(out + n + i);
    w.curveIn = curves ? out + 2 * n : -1;
    w.end = out + 2 * n + (curves ? 1 : 0);
    return w;
}

// Lays the tracks of both ways and works each single line as a section each way; the way back runs on into
// `backNext`.
void layBranch(Builder& b, const Plan& pl, const Junction& j, const Built& w, int backNext) {
    NetworkModel& m = b.model();
    const int n = static_cast<int>(pl.out.size());
    auto mirror = [&](int i) { return w.in[static_cast<size_t>(n - 1 - i)]; }; // the way back over out[i]
    auto outRec = [&](int i) { return w.out[static_cast<size_t>(i)]; };

    auto lay = [&](int road, Piece q, int next) {
        const int x1 = j.x + j.sense * q.c1, y1 = j.y - j.sense * q.a1;
        const int x2 = j.x + j.sense * q.c2, y2 = j.y - j.sense * q.a2;
        raillayout::buildTrack(b, {road, x1, y1, x2, y2, next, -1, -1, q.style});
    };
    for (int i = 0; i < n; ++i) {
        const Piece& q = pl.out[static_cast<size_t>(i)];
        lay(outRec(i), q, i + 1 < n ? outRec(i + 1) : riverStub);
        lay(mirror(i), {-q.c2, q.a2, -q.c1, q.a1, q.style}, i > 0 ? mirror(i - 1) : backNext);
    }
    m.road(outRec(n - 1)).control = mirror(n - 1); // the terminus: trains reverse onto the way back

    // Each single line is a section each way, entered from the track before it; a train is admitted only while no
    // track of the other way over the same line holds a carriage or a reservation.
    for (const Stage& s : pl.stages) {
        std::vector<int> outRoads, inRoads;
        for (int i = s.first; i <= s.last; ++i)
            outRoads.push_back(outRec(i));
        for (int i = s.terminal ? s.last - 1 : s.last; i >= s.first; --i)
            inRoads.push_back(mirror(i));
        const int outEntry = outRec(s.first - 1);
        const int inEntry = s.terminal ? mirror(s.last) : mirror(s.last + 1);
        Table10 rec{};
        rec[0] = static_cast<int>(outRoads.size());
        rec[1] = outEntry;
        for (size_t k = 0; k < outRoads.size(); ++k)
            rec[2 + k] = outRoads[k];
        raillayout::addRecord(m.trainTableB, rec);
        rec.fill(0);
        rec[0] = static_cast<int>(inRoads.size());
        rec[1] = inEntry;
        for (size_t k = 0; k < inRoads.size(); ++k)
            rec[2 + k] = inRoads[k];
        raillayout::addRecord(m.trainTableB, rec);
        // One record per way: its first track counts as occupied with every track of the other way.
        std::vector<int> otherIn = inRoads, otherOut = outRoads;
        if (s.terminal)
            otherIn.push_back(inEntry);
        for (int pass = 0; pass < 2; ++pass) {
            const std::vector<int>& others = pass == 0 ? otherIn : otherOut;
            rec.fill(0);
            rec[0] = 1;
            rec[1] = pass == 0 ? outRoads.front() : inRoads.front();
            for (size_t k = 0; k < others.size() && k + 2 < rec.size(); ++k)
                rec[2 + k] = others[k];
            raillayout::addRecord(m.trainTableC, rec);
        }
    }
}

} // namespace

Built build(Builder& b, const Profile& p, const Junction& j, int first) {
    NetworkModel& m = b.model();
    const Plan pl = plan(p);
    const int n = static_cast<int>(pl.out.size());
    const Built w = numberBranch(n, first, true);
    layBranch(b, pl, j, w, w.curveIn);
    railplan::bend(b, w.curveOut, j.points, w.out.front());
    railplan::bend(b, w.curveIn, w.in.back(), j.rejoin);
    raillayout::addPoints(m, {1, facingKind, j.points, j.through, w.curveOut});
    raillayout::addPoints(m, {1, mergeKind, j.rejoin, j.through, w.curveIn});
    return w;
}

Built buildFromEdge(Builder& b, const Profile& p, int x, int y, int first) {
    const Plan pl = plan(p);
    const Built w = numberBranch(static_cast<int>(pl.out.size()), first, false);
    layBranch(b, pl, {.x = x, .y = y + p.radius, .sense = 1}, w, w.out.front());
    return w;
}

std::vector<Leg> planLegs(std::vector<Leg> fixedLegs, int start, int end, int wanted) {
    const int dir = end > start ? 1 : -1;
    std::sort(fixedLegs.begin(), fixedLegs.end(),
              [&](const Leg& a, const Leg& b) { return dir * a.from < dir * b.from; });
    std::vector<Leg> order;
    int at = start;
    for (const Leg& f : fixedLegs) {
        if (f.from != at)
            order.push_back({at, f.from});
        order.push_back(f);
        at = f.to;
    }
    if (at != end)
        order.push_back({at, end});
    std::vector<int> parts(order.size(), 1);
    for (int count = static_cast<int>(order.size()); count < wanted; ++count) {
        size_t best = order.size();
        int bestLength = 0;
        for (size_t i = 0; i < order.size(); ++i) {
            const int piece = dir * (order[i].to - order[i].from) / (parts[i] + 1);
            if (!order[i].fixed && piece > bestLength) {
                bestLength = piece;
                best = i;
            }
        }
        if (best == order.size())
            break;
        ++parts[best];
    }
    std::vector<Leg> legs;
    for (size_t i = 0; i < order.size(); ++i) {
        const Leg& o = order[i];
        const int span = o.to - o.from;
        for (int k = 0; k < parts[i]; ++k)
            legs.push_back({o.from + span * k / parts[i], o.from + span * (k + 1) / parts[i], o.fixed, o.style});
    }
    return legs;
}

Leg junctionLeg(const Profile& p, int x, int sense) {
    return {x - sense * junctionHalf(p), x + sense * junctionHalf(p), true};
}

void buildMainLine(Builder& b, const MainLine& line, int after) {
    for (size_t i = 0; i < line.legs.size(); ++i) {
        const Leg& l = line.legs[i];
        const int road = line.first + static_cast<int>(i);
        const int next = road < line.last() ? road + 1 : after;
        raillayout::buildTrack(b, {road, l.from, line.y, l.to, line.y, next, -1, -1, l.style});
    }
}

int buildOff(Builder& b, const Profile& p, const MainLine& line, int x, int sense, int first) {
    auto legEndingAt = [&](int at) {
        for (size_t i = 0; i < line.legs.size(); ++i)
            if (line.legs[i].to == at)
                return line.first + static_cast<int>(i);
        return -1;
    };
    const int points = legEndingAt(x - sense * junctionHalf(p));
    const int rejoin = legEndingAt(x + sense * junctionHalf(p)) + 1;
    const Junction j{.x = x, .y = line.y, .sense = sense, .points = points, .through = points + 1, .rejoin = rejoin};
    return build(b, p, j, first).end;
}

} // namespace jamlog::branchline
