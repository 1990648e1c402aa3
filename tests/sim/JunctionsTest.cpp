// Junction boxes: the movement tables of the conflict test, signals with turning on red, priority roads.
#include <gtest/gtest.h>

#include "SimFixture.h"
#include "sim/Junctions.h"
#include "sim/LightGroups.h"

using namespace jamlog;

namespace {

// Roads base + 1 .. base + 12 are the junction roads of one group: arm a, movement m is base + 1 + a + 4m.
struct JunctionsTest : SimFixture {
    static constexpr int base = 20;
    void SetUp() override {
        SimFixture::SetUp();
        for (int a = 0; a < 4; ++a)
            for (int mv = 0; mv < 3; ++mv) {
                const int road = at(a, mv);
                b.straightRoad(road, 101 + a, 301 + a, mv == 0 ? 1 : 0, road, road, road, -1);
                m->road(road).boxCode = a + 1;
                m->road(road).control = base;
            }
        b.straightRoad(1, 101, 501, 0, at(0, 2), at(0, 2), at(0, 2), -1); // an approach
    }
    static int at(int a, int mv) { return base + 1 + a % 4 + 4 * mv; }
    void occupy(int road, int laneNo = 0) { markRange(lane(road, laneNo), 500, 700); }
    void clearAll() {
        for (int r = base + 1; r <= base + 12; ++r)
            for (int k = 0; k < 2; ++k)
                clearRange(lane(r, k), 0, 4000);
    }
};

TEST_F(JunctionsTest, MovementsFollowTheRoadNumbers) {
    EXPECT_EQ(junctionMovement(*m, at(2, 0)), 0);
    EXPECT_EQ(junctionMovement(*m, at(3, 1)), 1);
    EXPECT_EQ(junctionMovement(*m, at(1, 2)), 2);
    EXPECT_EQ(junctionMovement(*m, 1), -1); // not inside a junction box
}

TEST_F(JunctionsTest, EachMovementWaitsForExactlyItsConflicts) {
    struct Case {
        int movement;
        std::vector<std::pair<int, int>> conflicts; // (arm offset, movement)
    };
    const Case cases[] = {
        {0, {{3, 0}, {1, 2}, {2, 1}, {0, 1}, {1, 0}, {1, 1}, {3, 1}, {0, 2}}},
        {1, {{3, 0}, {0, 0}, {2, 0}, {2, 2}, {1, 0}, {1, 1}, {3, 1}, {0, 2}}},
        {2, {{3, 0}, {0, 0}, {2, 1}, {0, 1}}},
    };
    const int arm = 1;
    for (const Case& c : cases) {
        const int road = at(arm, c.movement);
        for (int a = 0; a < 4; ++a)
            for (int mv = 0; mv < 3; ++mv) {
                if (at(a, mv) == road)
                    continue;
                clearAll();
                occupy(at(a, mv));
                const bool listed = std::find(c.conflicts.begin(), c.conflicts.end(),
                                              std::pair{(a - arm + 4) % 4, mv}) != c.conflicts.end();
                EXPECT_EQ(junctionClear(*m, road, false), !listed)
                    << "movement " << c.movement << " with arm " << a << " movement " << mv << " occupied";
            }
    }
}

TEST_F(JunctionsTest, MultiLaneTestReadsEveryLaneAndTheExtraOffsideConflict) {
    const int road = at(0, 1);
    occupy(at(2, 0), 1); // lane 1 of a conflicting crossing
    EXPECT_TRUE(junctionClear(*m, road, false));
    EXPECT_FALSE(junctionClear(*m, road, true));
    clearAll();
    occupy(at(1, 2));
    EXPECT_TRUE(junctionClear(*m, road, false));
    EXPECT_FALSE(junctionClear(*m, road, true));
    // A listed road without a junction-box code counts as empty in the multi-lane test.
    m->road(at(1, 2)).boxCode = 0;
    EXPECT_TRUE(junctionClear(*m, road, true));
}

TEST_F(JunctionsTest, RedStopsClassesOneToThreeUnlessTurningOnRed) {
    for (int state : {signalRed, signalRedAmber}) {
        m->road(1).signalState = state;
        EXPECT_TRUE(signalLetsPass(*m, 1, at(0, 2), 0)); // a pushy driver goes
        for (int driver = 1; driver <= 3; ++driver) {
            m->turnOnRed = 0;
            EXPECT_FALSE(signalLetsPass(*m, 1, at(0, 2), driver));
            m->turnOnRed = 1;
            EXPECT_TRUE(signalLetsPass(*m, 1, at(0, 2), driver));  // the nearside turn
            EXPECT_FALSE(signalLetsPass(*m, 1, at(0, 1), driver)); // not the offside turn
            EXPECT_FALSE(signalLetsPass(*m, 1, at(0, 0), driver));
        }
    }
    for (int state : {signalGreen, signalAmber, signalLightsDead, signalFlashingAmber}) {
        m->road(1).signalState = state;
        EXPECT_TRUE(signalLetsPass(*m, 1, at(0, 0), 3));
    }
    m->road(1).signalState = 3; // stop for every driver
    EXPECT_FALSE(signalLetsPass(*m, 1, at(0, 2), 0));
}

TEST_F(JunctionsTest, PriorityRoadBusyNeedsTrafficAndFlow) {
    b.straightRoad(2, 601, 1001, 0, 2, 2, 2, -1); // 4000 long
    markRange(lane(2, 0), 3300, 3500);
    m->road(2).flow = 6;
    EXPECT_TRUE(priorityRoadBusy(*m, 2, 800, 5));  // the last 800 units hold a vehicle
    EXPECT_FALSE(priorityRoadBusy(*m, 2, 400, 5)); // the last 400 are clear
    m->road(2).flow = 5;
    EXPECT_FALSE(priorityRoadBusy(*m, 2, 800, 5)); // a crawling priority road can be entered
    EXPECT_TRUE(priorityRoadBusy(*m, 2, 800, 0));
}

} // namespace
