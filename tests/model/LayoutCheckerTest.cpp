// The layout checker on small hand-made networks, sound and broken.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "support/ModelFixture.h"

#include "model/LayoutChecker.h"
#include "model/Primitives.h"

using namespace jamlog;

namespace {
struct Net : ModelFixture {
    void SetUp() override {
        ModelFixture::SetUp();
        b.straightRoad(roadStub, {.from = 9899, .to = 9999, .next = 599});
        b.straightRoad(trackStub, {.from = 9899, .to = 9999, .next = 599});
        b.straightRoad(riverStub, {.from = 9899, .to = 9999, .next = 699});
        // A loop 0 -> 1 -> 2 with 1 also leaving by the boundary road 3.
        b.straightRoad(0, {.from = 1010, .to = 2010, .next = 1});
        b.straightRoad(1, {.from = 2010, .to = 2020, .next = {2, 2, 3}});
        b.straightRoad(2, {.from = 2020, .to = 1010, .next = 0});
        b.straightRoad(3, {.from = 2020, .to = 3020, .next = 499});
        m->roadCount = 4;
        m->boundaryRoads[0] = 3;
        m->extentMinX = m->extentMinY = 0;
        m->extentMaxX = m->extentMaxY = 100000;
    }
    int errorsAbout(int road) {
        int n = 0;
        for (const auto& p : checkLayout(*m))
            n += p.road == road && p.severity == Severity::Error;
        return n;
    }
};
} // namespace

TEST_F(Net, SoundNetworkPasses) {
    auto problems = checkLayout(*m);
    EXPECT_TRUE(problems.empty()) << layoutReport(*m, problems);
}

TEST_F(Net, SuccessorFaults) {
    m->road(0).next[2] = 7;                                           // never built
    m->road(2).next[0] = m->road(2).next[1] = m->road(2).next[2] = 3; // starts 10000 units away
    auto problems = checkLayout(*m);
    std::string report = layoutReport(*m, problems);
    EXPECT_NE(report.find("record 0: successor 7 is never built"), std::string::npos) << report;
    EXPECT_NE(report.find("record 2: successor 3 starts 14142 units from this end"), std::string::npos) << report;
    m->road(0).next[2] = 800;
    EXPECT_NE(layoutReport(*m, checkLayout(*m)).find("successor 800 out of range"), std::string::npos);
    // Off the picture the same jump is an unseen link, but only when both of its ends lie beyond the extent.
    m->road(0).next[2] = 1;
    m->extentMaxY = 15000; // 2 ends at (10000, 10000), inside; 3 starts at (20000, 20000), beyond
    EXPECT_EQ(errorsAbout(2), 1);
    m->extentMinX = 25000; // now both lie beyond
    EXPECT_EQ(errorsAbout(2), 0) << layoutReport(*m, checkLayout(*m));
}

TEST_F(Net, TrappedRoadsAndTables) {
    m->road(1).next[2] = 2; // the exit is gone: the loop traps everything but the boundary road
    EXPECT_EQ(errorsAbout(0), 1);
    EXPECT_EQ(errorsAbout(1), 1);
    EXPECT_EQ(errorsAbout(3), 0);
    m->road(1).next[2] = 3;
    m->boundaryRoads[1] = 42;
    m->lightGroups[0] = {1, {0, 1, 99, 2}, 0, 0, 0};
    std::string report = layoutReport(*m, checkLayout(*m));
    EXPECT_NE(report.find("boundary road entry 42 names no built record"), std::string::npos) << report;
    EXPECT_NE(report.find("light group 0 arm 99"), std::string::npos) << report;
}

TEST_F(Net, BadGeometryAndExtent) {
    m->road(2).dirX = std::nan("");
    m->extentMaxX = 15000; // road 1 and 3 now leave the extent: a warning only
    auto problems = checkLayout(*m);
    EXPECT_EQ(errorsAbout(2), 1);
    int warnings = 0;
    for (const auto& p : problems)
        warnings += p.severity == Severity::Warning;
    EXPECT_GE(warnings, 2);
}

// Vehicles leave at a boundary record's end and enter on its successors: those links are entries, not joins,
// but only for a boundary of the record's own kind.
TEST_F(Net, BoundarySuccessorsAreEntriesNotJoins) {
    m->road(3).next[0] = m->road(3).next[1] = m->road(3).next[2] = 0; // 0 starts 22360 units from 3's end
    EXPECT_EQ(errorsAbout(3), 0) << layoutReport(*m, checkLayout(*m));
    m->road(2).next[0] = m->road(2).next[1] = m->road(2).next[2] = 3;
    m->boundaryTracks[0] = 2; // a road in the track list is no boundary of roads
    EXPECT_EQ(errorsAbout(2), 1);
    // Tracks: the boundary track's entry lies far off, the other track must still join.
    b.straightRoad(500, {.from = 1050, .to = 2050, .next = 501});
    b.straightRoad(501, {.from = 3060, .to = 2060, .next = 500});
    m->trackCount = 2;
    m->boundaryTracks[0] = 500;
    EXPECT_EQ(errorsAbout(500), 0) << layoutReport(*m, checkLayout(*m));
    EXPECT_EQ(errorsAbout(501), 1); // 501 ends at (20000, 60000), 500 starts at (10000, 50000)
}

// The stub numbers are stubs only while the layout does not count them among its records, and a track that leads
// only to itself ends the line as the railway sees it: no join into it is judged and nothing behind it is trapped.
TEST_F(Net, StubsAndDeadEndsFollowTheRailway) {
    b.straightRoad(500, {.from = 1050, .to = 2050, .next = 599}); // runs into the stub, far from it
    m->trackCount = 1;
    EXPECT_EQ(errorsAbout(500), 0) << layoutReport(*m, checkLayout(*m));
    // More than 99 tracks: 599 is an ordinary track, so the join into it, its own join and its place are judged.
    m->road(trackStub).next[0] = m->road(trackStub).next[1] = m->road(trackStub).next[2] = 500;
    m->trackCount = 100;
    const std::string report = layoutReport(*m, checkLayout(*m));
    EXPECT_NE(report.find("record 500: successor 599 starts"), std::string::npos) << report;
    EXPECT_NE(report.find("record 599: successor 500 starts"), std::string::npos);
    EXPECT_NE(report.find("record 599: no boundary can be reached"), std::string::npos);
    m->extentMaxX = 90000;
    bool warned = false;
    for (const auto& p : checkLayout(*m))
        warned |= p.road == trackStub && p.severity == Severity::Warning;
    EXPECT_TRUE(warned);

    // A counted track that leads only to itself is a buffer stop: the siding into it is not trapped.
    m->extentMaxX = 100000;
    m->trackCount = 3;
    b.straightRoad(501, {.from = 2050, .to = 3050, .next = 502});
    b.straightRoad(502, {.from = 7070, .to = 8070, .next = 502});
    m->road(500).next[0] = m->road(500).next[1] = 501;
    EXPECT_EQ(errorsAbout(501), 0) << layoutReport(*m, checkLayout(*m));
    EXPECT_EQ(errorsAbout(502), 0);
    m->road(502).next[2] = 501; // no longer a dead end: the joins into it and out of it, and the trap, are faults
    EXPECT_EQ(errorsAbout(501), 2);
    EXPECT_EQ(errorsAbout(502), 3);
}

TEST_F(Net, CarParkRoadsOverTheStubNumbersAreOrdinaryRoads) {
    m->road(3).next[0] = m->road(3).next[1] = m->road(3).next[2] = roadStub; // far off, but the stub
    m->boundaryRoads[0] = 1;
    EXPECT_EQ(errorsAbout(3), 0) << layoutReport(*m, checkLayout(*m));
    m->roadCount = 600; // roads run past 499 and 599: the join into 499 and the loop behind it are faults
    EXPECT_EQ(errorsAbout(3), 2);
    EXPECT_NE(layoutReport(*m, checkLayout(*m)).find("record 3: successor 499 starts"), std::string::npos);
}
