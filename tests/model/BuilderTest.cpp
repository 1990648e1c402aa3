// Worked figures of the segment builder, the cell bitmaps and the model record layout.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "model/NetworkModel.h"
#include "model/RoadBuilder.h"
#include "model/Rng.h"

using namespace jamlog;

namespace {
std::unique_ptr<NetworkModel> newModel() {
    auto m = std::make_unique<NetworkModel>();
    clearModel(*m);
    m->laneWidth = 130;
    return m;
}
SegmentArgs eastStraight(int topLanes, int offset) {
    SegmentArgs a;
    a.x1 = 18000; a.y1 = 12000; a.x2 = 20000; a.y2 = 12000;
    a.topLanes = topLanes; a.next0 = a.next1 = a.next2 = 3; a.offset = offset;
    return a;
}
// A clockwise quarter of radius 5000 about (10000, 10000), from north to east.
RoadRecord quarterArcAboutCentre(int topLanes = 0, int endTaper = 999) {
    RoadRecord r{};
    SegmentArgs a;
    a.x1 = 10000; a.y1 = 5000; a.x2 = 15000; a.y2 = 10000; a.viaX = 10000; a.viaY = 10000;
    a.startTaper = 999; a.endTaper = endTaper; a.cw = 1; a.topLanes = topLanes;
    buildSegment(r, a, 130);
    return r;
}
} // namespace

TEST(Builder, StraightWorkedExample) {
    auto m = newModel();
    RoadRecord& r = m->road(0);
    buildSegment(r, eastStraight(1, 0), 130);
    EXPECT_EQ(r.startX, 18000); EXPECT_EQ(r.startY, 12000);
    EXPECT_EQ(r.backX, -2000); EXPECT_EQ(r.backY, 0);
    EXPECT_EQ(r.length, 2000);
    EXPECT_DOUBLE_EQ(r.dirX, 130); EXPECT_DOUBLE_EQ(r.dirY, 0);
    EXPECT_EQ(r.centreX, 0); EXPECT_EQ(r.radius, 0); EXPECT_EQ(r.arcBox[0], 0); EXPECT_EQ(r.angle, 0);
    EXPECT_EQ(r.lanes[1].laneLength, 2000);
}

TEST(Builder, OffsetCodesMoveChosenEnds) {
    RoadRecord r{};
    buildSegment(r, eastStraight(0, 2), 130);
    EXPECT_EQ(r.startY, 12000 - 145); EXPECT_EQ(r.endY(), 12000 - 145);
    buildSegment(r, eastStraight(0, 82), 130);
    EXPECT_EQ(r.startY, 12000); EXPECT_EQ(r.endY(), 12000 - 145);
    buildSegment(r, eastStraight(0, 92), 130);
    EXPECT_EQ(r.startY, 12000 - 145); EXPECT_EQ(r.endY(), 12000);
}

TEST(Builder, LongRoadLaneStripsStopAt7999AndNextKeptAbove999) {
    RoadRecord r{};
    SegmentArgs a = eastStraight(4, 0);
    a.x2 = 30000;
    buildSegment(r, a, 130);
    EXPECT_EQ(r.length, 12000);
    for (int l = 0; l < 5; ++l) EXPECT_EQ(r.lanes[l].laneLength, 7999);
    a.next0 = 999; a.next1 = 5; a.next2 = 6;
    buildSegment(r, a, 130);
    EXPECT_EQ(r.next[0], 3); EXPECT_EQ(r.next[2], 3);
}

TEST(Builder, ArcAboutCentreWithoutOffsetKeepsEnds) {
    RoadRecord r = quarterArcAboutCentre();
    EXPECT_EQ(r.startX, 10000); EXPECT_EQ(r.endX(), 15000); EXPECT_EQ(r.endY(), 10000);
    EXPECT_EQ(r.radius, 5000); EXPECT_EQ(r.centreX, 10000);
    double C = std::sqrt(2.0) * 5000;
    EXPECT_EQ(r.length, static_cast<int>(2 * std::asin(C / 2 / 5000) * 5000));
    EXPECT_EQ(r.arcBox[0], 5000); EXPECT_EQ(r.arcBox[3], 15000);
}

TEST(Builder, OnlyARealEndTaperClosesLaneOne) {
    // The centre marker is no taper: every lane of a multi-lane arc about a centre stays open to its end.
    for (int topLanes : {1, 2, 4}) {
        const RoadRecord r = quarterArcAboutCentre(topLanes);
        for (int lane = 0; lane <= topLanes; ++lane)
            EXPECT_FALSE(anyCellSet(r.lanes[lane].occupancy, 0, 799)) << topLanes << " lanes, lane " << lane;
    }
    // End tapers across either edge close the last 3 W of lane 1.
    for (int endTaper : {2, 92}) {
        RoadRecord r{};
        SegmentArgs a = eastStraight(1, 0);
        a.x2 = 25000;
        const int p[8] = {18000, 11800, 18000, 12200, 25000, 12200, 25000, 11800};
        std::copy(p, p + 8, a.p);
        a.endTaper = endTaper;
        buildSegment(r, a, 130);
        const int end = r.length / 10 - 1;
        EXPECT_EQ(countCells(r.lanes[1].occupancy, 0, 799), end - (r.length - 3 * 130) / 10 + 1) << endTaper;
        EXPECT_TRUE(cellSet(r.lanes[1].occupancy, end)) << endTaper;
        EXPECT_FALSE(anyCellSet(r.lanes[0].occupancy, 0, 799)) << endTaper;
    }
}

TEST(Builder, ThreePointArcFindsCircumcentre) {
    RoadRecord r{};
    SegmentArgs a;
    a.x1 = 5000; a.y1 = 10000; a.x2 = 15000; a.y2 = 10000; a.viaX = 10000 + 3000; a.viaY = 6000;
    buildSegment(r, a, 130);
    EXPECT_NEAR(r.centreX, 10000, 2); EXPECT_NEAR(r.centreY, 10000, 2); EXPECT_NEAR(r.radius, 5000, 2);
}

TEST(Builder, TaperOnOneLaneRoadMarksNothing) {
    RoadRecord r{};
    SegmentArgs a = eastStraight(0, 0);
    int p[8] = {18000, 11800, 18000, 12200, 20000, 12200, 20000, 11800};
    std::copy(p, p + 8, a.p);
    a.startTaper = 2;
    buildSegment(r, a, 130);
    EXPECT_EQ(r.startX, 18000 + 104); // 2 steps of 0.4 W across the edge p1-p2
    EXPECT_EQ(r.laneCap, 0);
    EXPECT_FALSE(anyCellSet(r.lanes[0].occupancy, 0, 799));
    a.topLanes = 1;
    buildSegment(r, a, 130);
    EXPECT_EQ(r.laneCap, 0);
    EXPECT_TRUE(cellSet(r.lanes[1].occupancy, 0));
    EXPECT_TRUE(cellSet(r.lanes[1].occupancy, 3 * 130 / 10 - 1));
    EXPECT_FALSE(cellSet(r.lanes[1].occupancy, 3 * 130 / 10));
}

TEST(Transforms, DoubleHalfTurnRestoresIntegers) {
    RoadRecord r = quarterArcAboutCentre();
    r.indicator = 4;
    RoadRecord before = r;
    flipSegment(r, -1, -1, 30000, 20000);
    EXPECT_EQ(r.startX, 20000); EXPECT_EQ(r.backX, -before.backX);
    flipSegment(r, -1, -1, 30000, 20000);
    EXPECT_EQ(r.startX, before.startX); EXPECT_EQ(r.startY, before.startY);
    EXPECT_EQ(r.centreX, before.centreX); EXPECT_EQ(r.backY, before.backY);
    EXPECT_EQ(r.clockwise, before.clockwise); EXPECT_EQ(r.indicator, 4);
    EXPECT_NEAR(r.angle, before.angle + 2 * 3.14159266, 1e-6);
    flipSegment(r, 1, -1, 0, 0);
    EXPECT_EQ(r.indicator, 8); EXPECT_EQ(r.clockwise, 1 - before.clockwise);
}

TEST(Transforms, HalfTurnKeepsAStraightStraight) {
    RoadRecord r{};
    buildSegment(r, eastStraight(0, 0), 130);
    ASSERT_FALSE(r.arc());
    flipSegment(r, -1, -1, 28000, 23000);
    EXPECT_FALSE(r.arc()) << "centre moved to " << r.centreX;
    EXPECT_EQ(r.startX, 10000); EXPECT_EQ(r.startY, 11000);
    EXPECT_EQ(r.endX(), 8000); EXPECT_EQ(r.endY(), 11000);
}

TEST(Transforms, CopyRunShiftsLinksAndHandlesOverlap) {
    auto m = newModel();
    for (int i = 0; i < 3; ++i) {
        SegmentArgs a = eastStraight(0, 0);
        a.x1 += i * 2000; a.x2 += i * 2000;
        a.next0 = a.next1 = a.next2 = i + 1;
        a.ctl = i == 1 ? 0 : -1;
        a.box = i == 2 ? -1 : 0;
        buildSegment(m->road(i), a, 130);
    }
    copyRun(*m, 0, 0, 0, 0, 0);
    EXPECT_EQ(m->road(0).next[0], 1);
    copyRun(*m, 1, 3, 0, 0, 1000); // overlaps its own template
    EXPECT_EQ(m->road(1).next[0], 2); EXPECT_EQ(m->road(3).next[0], 4);
    EXPECT_EQ(m->road(2).control, 1); EXPECT_EQ(m->road(3).boxCode, -2);
    EXPECT_EQ(m->road(3).startX, 22000); EXPECT_EQ(m->road(3).startY, 13000);
    rotateSegment(m->road(0), 90, 0, 0, 130);
    EXPECT_EQ(m->road(0).startX, -12000); EXPECT_NEAR(m->road(0).dirY, 130, 1e-6);
}

TEST(Bitmap, RangesAcrossWords) {
    uint32_t bits[cellWords] = {};
    setCells(bits, 30, 70, true);
    EXPECT_EQ(countCells(bits, 0, 799), 41);
    EXPECT_TRUE(anyCellSet(bits, 70, 900));
    EXPECT_FALSE(anyCellSet(bits, 71, 799));
    EXPECT_FALSE(anyCellSet(bits, 0, 29));
    setCells(bits, 31, 69, false);
    EXPECT_EQ(countCells(bits, 0, 799), 2);
    setCells(bits, -5, 900, true);
    EXPECT_EQ(countCells(bits, -10, 2000), 800);
}

TEST(Model, ResetAndGenerator) {
    auto m = newModel();
    m->roadCount = 7; m->lightGroups[3].mode = 2; m->vehicles[5].speed = 9;
    resetModel(*m);
    EXPECT_EQ(m->roadCount, 0); EXPECT_EQ(m->driveOnLeft, 1); EXPECT_EQ(m->boundaryRoads[19], -1);
    EXPECT_EQ(m->lightGroups[3].mode, 0); EXPECT_EQ(m->vehicles[5].speed, 0);
    EXPECT_EQ(m->vehicles[5].state, 1); EXPECT_EQ(m->vehicles[5].driver, 2);
    Rng g(0);
    EXPECT_EQ(g.next(), 38); // (0 * 214013 + 2531011) >> 16 & 0x7FFF
    EXPECT_EQ(g.next(), 7719);
}
