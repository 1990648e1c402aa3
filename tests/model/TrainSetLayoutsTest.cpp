// The train sets laid from centre lines: every track holds a carriage and fits one lane strip, and where two
// tracks cross, trains on the lower one are hidden over the whole width of the bridge and half a carriage beyond.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "model/Bitmap.h"
#include "model/BuildLayout.h"
#include "model/InitialRecords.h"
#include "model/LayoutChecker.h"
#include "model/LayoutRoutine.h"
#include "model/TrainLaying.h"
#include "support/ModelFixture.h"

using namespace jamlog;

namespace {

constexpr int bridgeHalfWidth = 260; // a double track's bed either side of its centre line
constexpr int shortestTrack = 1000;  // a carriage straddles at most two tracks
constexpr int longestLane = 7999;

struct TrainSets : ModelFixture, ::testing::WithParamInterface<int> {
    void build(bool flip = false) {
        BuildParams p;
        p.layout = GetParam();
        p.contentFlags = contentTracks;
        if (flip)
            p.options |= optionFlip;
        Rng rng(3);
        ASSERT_EQ(buildLayout(*m, rng, p).layout, GetParam());
    }
};

// Where the straight tracks t and u cross away from their ends: the distance along t.
bool crossing(const RoadRecord& t, const RoadRecord& u, double& along) {
    if (t.centreX != 0 || u.centreX != 0)
        return false;
    const double ax = -t.backX / double(t.length), ay = -t.backY / double(t.length);
    const double bx = -u.backX / double(u.length), by = -u.backY / double(u.length);
    const double det = ax * by - ay * bx;
    if (std::fabs(det) < 1e-6)
        return false;
    const double ex = u.startX - t.startX, ey = u.startY - t.startY;
    along = (ex * by - ey * bx) / det;
    const double alongU = (ex * ay - ey * ax) / det;
    return along > 1 && along < t.length - 1 && alongU > 1 && alongU < u.length - 1;
}

bool hiddenOver(const RoadRecord& r, int from, int to) {
    for (int c = std::max(from, 0) / 10; c <= std::min(to, r.length - 1) / 10; ++c)
        if (!cellSet(r.hiddenBits, c))
            return false;
    return true;
}

} // namespace

TEST_P(TrainSets, TracksHoldACarriageAndFitALane) {
    build();
    for (int t = firstTrack; t < firstTrack + m->trackCount; ++t) {
        EXPECT_GE(m->road(t).length, shortestTrack) << t;
        EXPECT_LE(m->road(t).length, longestLane) << t;
    }
}

TEST_P(TrainSets, CrossingTracksPassWhollyHiddenUnderABridge) {
    build();
    const int half = underpassHalf(bridgeHalfWidth, 200);

    for (int t = firstTrack; t < firstTrack + m->trackCount; ++t)
        for (int u = firstTrack; u < firstTrack + m->trackCount; ++u) {
            double alongT = 0, alongU = 0;
            if (t >= u || !crossing(m->road(t), m->road(u), alongT) || !crossing(m->road(u), m->road(t), alongU))
                continue;

            const bool tUnder = hiddenOver(m->road(t), int(alongT) - half, int(alongT) + half);
            const bool uUnder = hiddenOver(m->road(u), int(alongU) - half, int(alongU) + half);
            EXPECT_TRUE(tUnder || uUnder) << "tracks " << t << " and " << u << " cross without a bridge";
            EXPECT_GT(tUnder ? u : t, tUnder ? t : u) << "the upper track is drawn after the lower one";
        }
}

TEST_P(TrainSets, CheckCleanAsBuiltAndTurnedHalfRound) {
    for (bool flip : {false, true}) {
        build(flip);
        int errors = 0;
        const auto problems = checkLayout(*m);
        for (const LayoutProblem& p : problems)
            errors += p.severity == Severity::Error ? 1 : 0;
        EXPECT_EQ(errors, 0) << (flip ? "flipped\n" : "as built\n") << layoutReport(*m, problems);
    }
}

INSTANTIATE_TEST_SUITE_P(Laid, TrainSets, ::testing::Values(6, 7, 11, 12, 15, 20, 22));
