// The two test railways: catalogue figures, a clean layout check, the tables that make tokens and reversal work,
// platforms clear of other tracks, crossings that are either wholly hidden or guarded, and tracks that hold a carriage.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "model/Bitmap.h"
#include "model/BuildLayout.h"
#include "model/LayoutCatalogue.h"
#include "model/LayoutChecker.h"
#include "model/TrainLaying.h"
#include "model/layouts/Layouts.h"
#include "model/layouts/RailLayoutParts.h"
#include "support/ModelFixture.h"

using namespace jamlog;

namespace {
struct TestRailLayouts : ModelFixture {
    LayoutArgs a;
    void build(LayoutRoutine routine) {
        buildEndStubs(b);
        a.contentFlags = contentRoads | contentTracks | contentRivers;
        a.trains = 40;
        routine(b, a);
    }
    void expectClean() {
        const auto problems = checkLayout(*m);
        if (!problems.empty())
            ADD_FAILURE() << layoutReport(*m, problems);
    }
    bool twinned(int t, int u) const {
        for (const auto& c : m->trainTableC) {
            if (c[0] == 0)
                break;
            if (c[1] == t && std::find(c.begin() + 2, c.end(), u) != c.end())
                return true;
        }
        return false;
    }
};

struct Line {
    double x0, y0, dx, dy; // start and direction, unit length
    double length;
};

Line lineOf(const RoadRecord& r) {
    const double dx = r.endX() - r.startX, dy = r.endY() - r.startY;
    const double len = std::hypot(dx, dy);
    return {double(r.startX), double(r.startY), dx / len, dy / len, len};
}

// True when the segment from (u0, v0) to (u1, v1) passes through the open box u0..u1 x v0..v1 (Liang-Barsky).
bool segmentEntersBox(double u0, double v0, double u1, double v1, double uMin, double uMax, double vMin, double vMax) {
    double t0 = 0, t1 = 1;
    const double p[4] = {-(u1 - u0), u1 - u0, -(v1 - v0), v1 - v0};
    const double q[4] = {u0 - uMin, uMax - u0, v0 - vMin, vMax - v0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] <= 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    return t0 < t1;
}

// Where the centre lines of two tracks cross inside both (not at a shared end): the distances along each.
bool crossingOf(const Line& a, const Line& b, double& alongA, double& alongB) {
    const double det = a.dx * b.dy - a.dy * b.dx;
    if (std::fabs(det) < 1e-9)
        return false;
    const double ex = b.x0 - a.x0, ey = b.y0 - a.y0;
    alongA = (ex * b.dy - ey * b.dx) / det;
    alongB = (ex * a.dy - ey * a.dx) / det;
    constexpr double end = 1.0;
    return alongA > end && alongA < a.length - end && alongB > end && alongB < b.length - end;
}

int hiddenCellsWithin(const RoadRecord& r, int from, int to) {
    int n = 0;
    for (int c = std::max(from, 0) / 10; c <= std::min(to, r.length - 1) / 10; ++c)
        n += cellSet(r.hiddenBits, c) ? 1 : 0;
    return n;
}
} // namespace

TEST_F(TestRailLayouts, SingleLineMatchesItsCatalogueRow) {
    build(layoutEntry(24).routine);
    EXPECT_EQ(a.name, "T: Single Line");
    EXPECT_EQ(a.contentFlags, contentTracks | contentTrainOption);
    EXPECT_EQ(a.trains, 8);
    EXPECT_EQ(m->trackCount, 30);
    EXPECT_EQ(m->trackAdjust, 1);
    EXPECT_EQ(m->roadCount, 0);
    EXPECT_EQ(m->extentMinX, 1000);
    EXPECT_EQ(m->extentMinY, 0);
    EXPECT_EQ(m->extentMaxX, 20000);
    EXPECT_EQ(m->extentMaxY, 8000);
    expectClean();
    // Six single-line sections, each of three roads that all exist, entered from the road before them.
    int sections = 0;
    for (const auto& s : m->trainTableB) {
        if (s[0] == 0)
            break;
        ++sections;
        EXPECT_EQ(s[0], 3);
        for (int k = 1; k <= 1 + s[0]; ++k)
            EXPECT_TRUE(isBuilt(*m, s[static_cast<size_t>(k)]));
        EXPECT_EQ(m->road(s[1]).next[0], s[2]) << "the section starts at the end of its entry road";
    }
    EXPECT_EQ(sections, 6);
    // A train waiting at a section's stop signal (three lane widths short of the end) must not foul the section
    // it came from: the passing loop's platforms hold the longest train, four carriages of 800 one gap apart.
    for (int loop : {509, 524})
        EXPECT_GE(m->road(loop).length, 3 * 130 + 4 * 800 + 3 * 130 / 3) << loop;
    EXPECT_NE(m->trainTableC[0][0], 0);
}

TEST_F(TestRailLayouts, TerminusMatchesItsCatalogueRowAndReversesIntoItsPairs) {
    build(layoutEntry(25).routine);
    EXPECT_EQ(a.name, "T: Terminus");
    EXPECT_EQ(a.contentFlags, contentTracks | contentTrainOption);
    EXPECT_EQ(a.trains, 8);
    EXPECT_EQ(m->trackCount, 36);
    EXPECT_EQ(m->extentMaxX, 32000);
    EXPECT_EQ(m->extentMaxY, 25000);
    expectClean();
    int termini = 0;
    for (int t = firstTrack; t < firstTrack + m->trackCount; ++t) {
        const RoadRecord& r = m->road(t);
        if (r.next[0] != riverStub)
            continue;
        ++termini;
        // The way back starts where the arrival ends and is long enough for four carriages of 800.
        const RoadRecord& back = m->road(r.control);
        EXPECT_EQ(back.startX, r.endX());
        EXPECT_EQ(back.startY, r.endY());
        EXPECT_GE(back.length, 4 * 800 + 130 + 3 * 130 / 3);
        EXPECT_GE(r.length, 130 + 3 * 843 + 800) << "every carriage of a train can stand more than its length in";
    }
    EXPECT_EQ(termini, 4);
}

// A platform is drawn on the nearside of its track, from 0.7 to 2.2 lane widths off its centre line; no other
// track's rails (0.3 lane widths either side of its centre line) may run over it, as a turnout or a diagonal
// platform beside it would.
TEST_F(TestRailLayouts, NoTrackRunsOverAPlatform) {
    for (LayoutRoutine routine : {layoutEntry(24).routine, layoutEntry(25).routine}) {
        SetUp();
        build(routine);
        const double w = m->laneWidth;
        for (int p = firstTrack; p < firstTrack + m->trackCount; ++p) {
            if (m->road(p).edgeStyle != 1)
                continue;
            const Line pl = lineOf(m->road(p));
            const double nx = pl.dy, ny = -pl.dx; // the nearside of a railway that keeps left
            for (int t = firstTrack; t < firstTrack + m->trackCount; ++t) {
                const RoadRecord& r = m->road(t);
                auto u = [&](double x, double y) { return (x - pl.x0) * pl.dx + (y - pl.y0) * pl.dy; };
                auto v = [&](double x, double y) { return (x - pl.x0) * nx + (y - pl.y0) * ny; };
                EXPECT_FALSE(segmentEntersBox(u(r.startX, r.startY), v(r.startX, r.startY), u(r.endX(), r.endY()),
                                              v(r.endX(), r.endY()), 0, pl.length, 0.4 * w, 2.5 * w))
                    << a.name << ": track " << t << " runs over the platform of track " << p;
            }
        }
    }
}

// Where two tracks cross, either trains pass under one of them, hidden over the crossing and half a carriage
// beyond the covering track's half width, or they cross on the level with no hidden cell near, and then each
// track counts as occupied with the other so that no two trains meet on the crossing.
TEST_F(TestRailLayouts, CrossingsAreWhollyHiddenOrGuardedOnTheLevel) {
    for (LayoutRoutine routine : {layoutEntry(24).routine, layoutEntry(25).routine}) {
        SetUp();
        build(routine);
        const int half = underpassHalf(m->laneWidth, a.carLength);
        int crossings = 0;
        for (int t = firstTrack; t < firstTrack + m->trackCount; ++t)
            for (int u = t + 1; u < firstTrack + m->trackCount; ++u) {
                double alongT = 0, alongU = 0;
                if (!crossingOf(lineOf(m->road(t)), lineOf(m->road(u)), alongT, alongU))
                    continue;
                ++crossings;
                auto hidden = [&](int n, double along) {
                    return hiddenCellsWithin(m->road(n), int(along) - half, int(along) + half);
                };
                auto whollyHidden = [&](int n, double along) {
                    const int from = std::max(int(along) - half, 0),
                              to = std::min(int(along) + half, m->road(n).length - 1);
                    return hidden(n, along) == to / 10 - from / 10 + 1;
                };
                const bool under = whollyHidden(t, alongT) || whollyHidden(u, alongU);
                const bool level = hidden(t, alongT) == 0 && hidden(u, alongU) == 0;
                EXPECT_TRUE(under || level) << a.name << ": tracks " << t << " and " << u << " cross half hidden";
                if (level) {
                    EXPECT_TRUE(twinned(t, u)) << a.name << ": level crossing of " << t << " and " << u;
                    EXPECT_TRUE(twinned(u, t)) << a.name << ": level crossing of " << u << " and " << t;
                }
            }
        if (routine == layoutEntry(25).routine)
            EXPECT_EQ(crossings, 7) << "the junction and the six crossings of the throat";
        else
            EXPECT_EQ(crossings, 0);
    }
}

// A carriage straddles at most two tracks, so no track may be shorter than a carriage: one on a shorter track
// would reach back past the track behind it, where its cells are not marked.
TEST_F(TestRailLayouts, NoTrackIsShorterThanACarriage) {
    for (LayoutRoutine routine : {layoutEntry(24).routine, layoutEntry(25).routine}) {
        SetUp();
        build(routine);
        for (int t = firstTrack; t < firstTrack + m->trackCount; ++t)
            EXPECT_GE(m->road(t).length, carriageLengthFactor * a.carLength) << a.name << ": track " << t;
    }
}

// Trains come out of and go into tunnels at the boundary tracks and their successors: a carriage shows only once it
// is wholly out, so the mouths hide half a carriage.
TEST_F(TestRailLayouts, TunnelMouthsHideHalfACarriage) {
    for (LayoutRoutine routine : {layoutEntry(24).routine, layoutEntry(25).routine}) {
        SetUp();
        build(routine);
        const int half = carriageLengthFactor * a.carLength / 2;
        for (int exit : m->boundaryTracks) {
            if (exit < firstTrack)
                continue;
            const RoadRecord& out = m->road(exit);
            const RoadRecord& in = m->road(out.next[0]);
            EXPECT_EQ(hiddenCellsWithin(out, out.length - half, out.length - 1), half / 10) << a.name << " " << exit;
            EXPECT_EQ(hiddenCellsWithin(in, 0, half - 1), half / 10) << a.name << " " << out.next[0];
        }
    }
}

// A track may lie on more tracks than one table record holds: the twins beyond go to a further record.
TEST_F(TestRailLayouts, TwinsBeyondOneRecordAreKept) {
    for (int u = 510; u < 520; ++u)
        raillayout::addTwins(*m, 500, u);
    for (int u = 510; u < 520; ++u) {
        EXPECT_TRUE(twinned(500, u)) << u;
        EXPECT_TRUE(twinned(u, 500)) << u;
    }
}
