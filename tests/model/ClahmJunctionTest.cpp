// "Clahm Junction": the worked example through the dispatcher: counts, extent, boundary tracks, signal groups,
// tunnel-mouth hidden cells, platforms, the joins of tracks 614 and 619 and a clean check.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>

#include "model/BuildLayout.h"
#include "model/LayoutChecker.h"
#include "model/LayoutRoutine.h"

using namespace jamlog;

namespace {

struct Clahm : ::testing::Test {
    std::unique_ptr<NetworkModel> m = std::make_unique<NetworkModel>();
    BuildResult r;
    void build(int carLen = 200) {
        clearModel(*m);
        BuildParams p;
        p.layout = 17;
        p.carLen = carLen;
        Rng rng(7);
        r = buildLayout(*m, rng, p);
    }
    double gap(int from, int to) const {
        const RoadRecord &f = m->road(from), &t = m->road(to);
        return std::hypot(double(f.endX()) - t.startX, double(f.endY()) - t.startY);
    }
    int hidden(int t) const { return countCells(m->road(t).hiddenBits, 0, cellBits - 1); }
};

} // namespace

TEST_F(Clahm, CountsExtentAndContent) {
    build();
    EXPECT_EQ(r.name, "Clahm Junction");
    EXPECT_EQ(r.layout, 17);
    EXPECT_EQ(m->trackCount, 120);
    EXPECT_EQ(m->roadCount, 0);
    EXPECT_EQ(m->riverCount, 0);
    EXPECT_EQ(r.countedTracks, 120);
    EXPECT_EQ(r.contentFlags, contentTracks); // whatever the user chose
    EXPECT_EQ(m->extentMinX, 3000);
    EXPECT_EQ(m->extentMinY, 2000);
    EXPECT_EQ(m->extentMaxX, 30000);
    EXPECT_EQ(m->extentMaxY, 20000);
    EXPECT_GT(r.trainsEnd, firstCarriage);
    EXPECT_EQ(r.boatsEnd, firstBoat);
}

TEST_F(Clahm, BoundaryTracksAndSignalGroups) {
    build();
    const std::array<int32_t, 10> boundary = {509, 504, 529, 524, 549, 544, 569, 564, 589, 584};
    EXPECT_EQ(m->boundaryTracks, boundary);
    for (int g = 0; g < 25; ++g)
        EXPECT_EQ(m->lightGroups[size_t(g)].mode, 0);
    for (int i = 0; i < 6; ++i) {
        const LightGroup& a = m->lightGroups[size_t(25 + i)];
        const int v = 507 + 20 * i;
        EXPECT_EQ(a.mode, 6);
        EXPECT_EQ(a.arms[0], v - 5);
        EXPECT_EQ(a.arms[1], v);
        EXPECT_EQ(a.arms[2], v + 5);
        EXPECT_EQ(a.arms[3], v + 10);
        EXPECT_EQ(a.phase, 0);
        const LightGroup& b = m->lightGroups[size_t(31 + i)];
        const int w = 510 + 20 * i;
        EXPECT_EQ(b.mode, 6);
        EXPECT_EQ(b.arms[0], w - 10);
        EXPECT_EQ(b.arms[1], w);
        EXPECT_EQ(b.arms[2], w - 5);
        EXPECT_EQ(b.arms[3], w + 5);
    }
    EXPECT_EQ(m->lightGroups[37].mode, 0);
    EXPECT_EQ(m->lightGroups[36].arms[0], 600);
    EXPECT_EQ(m->lightGroups[30].arms[3], 617);
}

TEST_F(Clahm, TunnelMouthsHideTheFirstCarLengthOfBothDirections) {
    build();
    for (int t = 500; t < 620; t += 10) {
        for (int u : {t, t + 5}) {
            EXPECT_EQ(hidden(u), std::min(20, m->road(u).length / 10)) << "track " << u;
            EXPECT_TRUE(cellSet(m->road(u).hiddenBits, 0));
            EXPECT_FALSE(cellSet(m->road(u).hiddenBits, 20));
        }
        EXPECT_EQ(hidden(t + 1), 0) << "track " << t + 1;
        EXPECT_EQ(hidden(t + 6), 0) << "track " << t + 6;
    }
    build(400);
    EXPECT_EQ(hidden(500), std::min(40, m->road(500).length / 10));
}

TEST_F(Clahm, PlatformsAndCopiedRecords) {
    build();
    for (int t : {502, 517, 522, 527}) {
        EXPECT_EQ(m->road(t).edgeStyle, 1) << t;
        EXPECT_EQ(m->road(t + 30).edgeStyle, 1) << t + 30; // the copies carry their platforms
        EXPECT_EQ(m->road(t + 60).edgeStyle, 1) << t + 60;
        EXPECT_EQ(m->road(t + 90).edgeStyle, 1) << t + 90;
    }
    EXPECT_EQ(m->road(501).edgeStyle, 0);
    EXPECT_EQ(m->road(512).edgeStyle, 0);
    for (int t = 500; t < 620; ++t) {
        EXPECT_EQ(m->road(t).topLane, 0) << t;
        EXPECT_EQ(m->road(t).length, m->road(500 + (t - 500) % 10).length) << t;
    }
    // Renumbered successors of the copies.
    EXPECT_EQ(m->road(510).next[0], 511);
    EXPECT_EQ(m->road(519).next[0], 520);
    EXPECT_EQ(m->road(530).next[0], 531);
    EXPECT_EQ(m->road(504).next[0], 515);
}

TEST_F(Clahm, TurnedCopyJoinsTheFirstGroup) {
    build();
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(m->road(614).next[k], 500);
        EXPECT_EQ(m->road(619).next[k], 505);
    }
    EXPECT_LT(gap(500, 501), 3);
    EXPECT_LT(gap(502, 503), 3);
    EXPECT_LT(gap(505, 506), 3);
}

// The figures of the junction leave the last track of every piece that is no boundary track (numbers ending in 4
// and 9) far from the successor it names in another piece: 14 links, each from an end beyond the display extent
// to a start beyond it, so trains vanish off one edge and come back off another. The checker takes such unseen
// links as sound, so the whole junction passes without errors; a link that came into view would not.
TEST_F(Clahm, OffScreenLinksPassTheChecker) {
    build();
    const std::set<int> links = {514, 519, 534, 539, 554, 559, 574, 579, 594, 599, 604, 609, 614, 619};
    auto outside = [&](int x, int y) {
        return x < m->extentMinX || x > m->extentMaxX || y < m->extentMinY || y > m->extentMaxY;
    };
    for (const LayoutProblem& p : checkLayout(*m))
        EXPECT_NE(p.severity, Severity::Error) << "record " << p.road << ": " << p.text;
    for (int t : links) {
        const RoadRecord &r = m->road(t), &s = m->road(r.next[0]);
        EXPECT_GT(gap(t, r.next[0]), 300) << t;
        EXPECT_TRUE(outside(r.endX(), r.endY())) << t;
        EXPECT_TRUE(outside(s.startX, s.startY)) << t;
    }
    EXPECT_NEAR(gap(614, 500), 8158, 1);
    EXPECT_NEAR(gap(619, 505), 6604, 1);
    m->extentMaxX += 40000; // the same links in view are faults
    m->extentMinX -= 40000;
    m->extentMaxY += 40000;
    m->extentMinY -= 40000;
    std::set<int> found;
    for (const LayoutProblem& p : checkLayout(*m))
        if (p.severity == Severity::Error && p.text.find("successor") != std::string::npos)
            found.insert(p.road);
    EXPECT_EQ(found, links);
}

// With 120 tracks, 599 is an ordinary track, not the end stub: the join into it from 598 is judged (and meets
// exactly), its own link to 600 is one of the 14 off-screen links, and like the other jumping tracks it is warned of for running
// beyond the extent. The road stub 499 still names 599 as its successor, which as a stub's link is not judged.
TEST_F(Clahm, TrackFiveNinetyNineIsCheckedAsAnOrdinaryTrack) {
    build();
    ASSERT_EQ(m->road(598).next[0], 599);
    EXPECT_EQ(gap(598, 599), 0);
    ASSERT_EQ(m->road(roadStub).next[0], trackStub);
    int warnings599 = 0;
    for (const LayoutProblem& p : checkLayout(*m)) {
        EXPECT_FALSE(p.road == roadStub || p.road == 598) << p.road << ": " << p.text;
        warnings599 += p.road == trackStub && p.severity == Severity::Warning;
    }
    EXPECT_EQ(warnings599, 1);
    m->road(599).startX += 1000; // a join into 599 that misses is now a fault
    bool reported = false;
    for (const LayoutProblem& p : checkLayout(*m))
        reported |= p.road == 598 && p.text.find("successor 599 starts") != std::string::npos;
    EXPECT_TRUE(reported);
}
