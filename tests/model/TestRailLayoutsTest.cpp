// The two test railways: catalogue figures, a clean layout check, and the tables that make tokens and reversal work.
#include <gtest/gtest.h>

#include "model/BuildLayout.h"
#include "model/LayoutChecker.h"
#include "model/layouts/Layouts.h"
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
};
} // namespace

TEST_F(TestRailLayouts, SingleLineMatchesItsCatalogueRow) {
    build(buildTestSingleLine);
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
    // Six single-line sections, each of four roads that all exist, and both directions twinned.
    int sections = 0;
    for (const auto& s : m->trainTableB) {
        if (s[0] == 0)
            break;
        ++sections;
        EXPECT_EQ(s[0], 4);
        for (int k = 1; k <= 5; ++k)
            EXPECT_TRUE(isBuilt(*m, s[static_cast<size_t>(k)]));
        EXPECT_EQ(m->road(s[1]).next[0], s[2]) << "the section starts at the end of its entry road";
    }
    EXPECT_EQ(sections, 6);
    // A train waiting at a section's stop signal (three lane widths short of the end) must not foul the section
    // it came from: the passing loop's platforms hold the longest train, four carriages of 800 one gap apart.
    for (int loop : {508, 521})
        EXPECT_GE(m->road(loop).length, 3 * 130 + 4 * 800 + 3 * 130 / 3) << loop;
    EXPECT_NE(m->trainTableC[0][0], 0);
}

TEST_F(TestRailLayouts, TerminusMatchesItsCatalogueRowAndReversesIntoItsPairs) {
    build(buildTestTerminus);
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
