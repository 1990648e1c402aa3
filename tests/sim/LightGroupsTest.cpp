// Light groups: the phase tables tick by tick, the tailback rule's choices and the mode switches.
#include <gtest/gtest.h>

#include <string>

#include "SimFixture.h"
#include "sim/LightGroups.h"

using namespace jamlog;

namespace {

struct LightGroupsTest : SimFixture {
    void SetUp() override {
        SimFixture::SetUp();
        for (int k = 0; k < 4; ++k)
            b.straightRoad(k, 101 + 2 * k, 501 + 2 * k, 0, k, k, k, -1); // 4000 long
        LightGroup& g = m->lightGroups[0];
        g.arms[0] = 0, g.arms[1] = 1, g.arms[2] = 2, g.arms[3] = 3;
        g.hasLights = 1;
    }
    LightGroup& group() { return m->lightGroups[0]; }
    int state(int arm) { return m->road(arm).signalState; }
    // One character per arm for each tick of a cycle: R red, A red and amber, G green, a amber, f flashing amber,
    // x lights dead.
    std::string cycle(int mode, int ticks) {
        group().mode = mode;
        group().phase = 1;
        std::string out;
        for (int t = 0; t < ticks; ++t) {
            stepLightGroup(*m, 0);
            for (int k = 0; k < 4; ++k)
                out += symbol(state(k));
            out += ' ';
        }
        return out;
    }
    static char symbol(int s) {
        switch (s) {
        case 1:
            return 'R';
        case 2:
            return 'A';
        case 0:
            return 'G';
        case -1:
            return 'a';
        case -4:
            return 'f';
        case -3:
            return 'x';
        default:
            return '?';
        }
    }
    void fill(int arm, int percent) {
        RoadRecord& r = m->road(arm);
        markRange(r.lanes[0], r.length - 1000, r.length - 1000 + percent * 10);
    }
};

TEST_F(LightGroupsTest, FourPhasesWithClearanceGiveTwoAllRedTicks) {
    const std::string c = cycle(lightsFourPhase, 29);
    EXPECT_EQ(c.substr(0, 35), "RRRR RRRR ARRR GRRR GRRR GRRR aRRR ");
    EXPECT_EQ(c.substr(35, 35), "RRRR RRRR RARR RGRR RGRR RGRR RaRR ");
    EXPECT_EQ(c.substr(5 * 27, 4), "RRRa"); // tick 28, then the counter restarts at 1
    EXPECT_EQ(c.substr(5 * 28, 5), "RRRR ");
    EXPECT_EQ(group().phase, 2);
}

TEST_F(LightGroupsTest, FourPhasesWithoutClearanceFollowAmberAtOnce) {
    const std::string c = cycle(lightsFourPhaseNoClearance, 9);
    EXPECT_EQ(c, "ARRR GRRR GRRR GRRR GRRR GRRR aRRR RARR RGRR ");
}

TEST_F(LightGroupsTest, TwoPhaseModesPairOppositeArms) {
    const std::string three = cycle(lightsTwoPhase, 21);
    EXPECT_EQ(three.substr(0, 15), "RRRR RARA RGRG ");
    EXPECT_EQ(three.substr(5 * 9, 15), "RaRa RRRR ARAR ");
    EXPECT_EQ(three.substr(5 * 19, 10), "aRaR RRRR "); // tick 20, then tick 1 again
    EXPECT_EQ(cycle(lightsPartTimeOn, 3), "RRRR RARA RGRG ");
    const std::string four = cycle(lightsTwoPhaseNoRedAmber, 12);
    EXPECT_EQ(four, "RGRG RGRG RGRG RGRG RGRG RGRG RGRG RGRG RGRG RaRa GRGR GRGR ");
}

TEST_F(LightGroupsTest, LightsOffShowGreenAndPelicanStopsForTicksSixteenToTwentyThree) {
    EXPECT_EQ(cycle(lightsOff, 3), "GGGG GGGG GGGG ");
    EXPECT_EQ(group().phase, 1);
    const std::string p = cycle(lightsPelican, 29);
    for (int t = 1; t <= 28; ++t) {
        const char want = t < 15 ? 'G' : t == 15 ? 'a' : t <= 23 ? 'R' : 'f';
        EXPECT_EQ(p[static_cast<size_t>(5 * (t - 1))], want) << "tick " << t;
    }
    EXPECT_EQ(p[5 * 28], 'G');
}

TEST_F(LightGroupsTest, PartTimeLightsOffAndUnusedGroupsAreLeftAlone) {
    for (int k = 0; k < 4; ++k)
        m->road(k).signalState = 7;
    EXPECT_EQ(cycle(lightsPartTimeOff, 2), "???? ???? ");
    EXPECT_EQ(group().phase, 1);
}

TEST_F(LightGroupsTest, TailbackBothDirectionsCongestedChangesNothing) {
    group().mode = lightsFourPhase;
    group().phase = 12;
    fill(0, 60);
    fill(1, 60);
    tailbackRule(*m, 0);
    EXPECT_EQ(group().phase, 12);
    EXPECT_EQ(group().tailback, 0); // the counter is not even touched
}

TEST_F(LightGroupsTest, TailbackGivesTheTurnToAQueueingRedArm) {
    group().mode = lightsFourPhase;
    cycle(lightsFourPhase, 5); // arm 1 green, counter 6
    fill(2, 40);               // arm 3 red and the only queue
    tailbackRule(*m, 0);
    EXPECT_EQ(group().phase, 7); // q = 0 is not arm 2: jump to the end of arm 1's slot
    group().phase = 15;          // q = 2 = arm 3's slot start 15? no: slot start is 7q + 1 = 15
    tailbackRule(*m, 0);
    EXPECT_EQ(group().phase, 7 * 2 - 2 + 5); // red and amber of arm 3 in mode 1
}

TEST_F(LightGroupsTest, TailbackExtendsAGreenArmInFourPhaseModes) {
    group().mode = lightsFourPhaseNoClearance;
    group().phase = 9;
    stepLightGroup(*m, 0); // tick 9: arm 2 green
    fill(1, 40);
    fill(2, 40); // arm 3 red and as busy, but not more than half of the total
    tailbackRule(*m, 0);
    EXPECT_EQ(group().phase, 11); // arm 2 green again from its first mode-1 green tick
}

TEST_F(LightGroupsTest, TailbackActsInFiveOfNineCalls) {
    group().mode = lightsTwoPhase;
    int acted = 0;
    for (int call = 0; call < 9; ++call) {
        group().phase = 5; // arms 2 and 4 green
        m->road(0).signalState = 1;
        m->road(1).signalState = 0;
        fill(0, 40);
        tailbackRule(*m, 0);
        acted += group().phase == 10;
    }
    EXPECT_EQ(acted, 5);
}

TEST_F(LightGroupsTest, TwoPhaseTailbackRules) {
    group().mode = lightsTwoPhase;
    struct Case {
        int p1, p2, arm1, arm2, want;
    };
    const Case cases[] = {
        {40, 0, 1, 0, 10},  // A > 2B, arm 1 red, arm 2 green: arms 2 and 4 go to amber
        {0, 40, 0, 1, 20},  // B > 2A, arm 2 red, arm 1 green
        {30, 20, 0, 1, 13}, // 2A > B and arm 1 green: keep it green
        {20, 30, 1, 0, 3},  // 2B > A and arm 2 green
        {0, 0, 0, 1, 8},    // no queues: unchanged
    };
    for (const Case& c : cases) {
        for (int k = 0; k < 4; ++k)
            clearRange(m->road(k).lanes[0], 0, 4000);
        fill(0, c.p1);
        fill(1, c.p2);
        m->road(0).signalState = c.arm1;
        m->road(1).signalState = c.arm2;
        group().phase = 8;
        group().tailback = 0;
        tailbackRule(*m, 0);
        EXPECT_EQ(group().phase, c.want) << c.p1 << " " << c.p2;
    }
}

TEST_F(LightGroupsTest, ModeSwitches) {
    group().mode = lightsTwoPhase;
    m->lightGroups[1] = {lightsPartTimeOn, {0, 1, 2, 3}, 9, 0, 0};
    setLightsMode(*m, lightsOff);
    EXPECT_EQ(group().mode, lightsOff);
    EXPECT_EQ(group().phase, 1);
    EXPECT_EQ(m->lightGroups[1].mode, lightsPartTimeOn); // part-time groups keep their mode
    setPeakLights(*m, lightsPartTimeOff);
    EXPECT_EQ(m->lightGroups[1].mode, lightsPartTimeOff);
    EXPECT_EQ(state(2), signalLightsDead);
    setPeakLights(*m, lightsPartTimeOn);
    EXPECT_EQ(state(2), signalRed);
}

TEST_F(LightGroupsTest, RunStartPutsPartTimeGroupsOffAndGivesTheLightsMode) {
    group().mode = lightsFourPhase;
    m->lightGroups[1] = {lightsPartTimeOn, {0, 1, 2, 3}, 9, 0, 0};
    startLightGroups(*m, lightsTwoPhaseNoRedAmber, false);
    EXPECT_EQ(group().mode, lightsTwoPhaseNoRedAmber);
    EXPECT_EQ(m->lightGroups[1].mode, lightsPartTimeOff);
    EXPECT_EQ(group().phase, 1); // stepped once from the build's counter 0
    startLightGroups(*m, lightsTwoPhase, true);
    EXPECT_EQ(group().mode, 0);
}

// A rail signal group keeps its mode, counter and lamps through every lights operation, even one built with the
// has-lights flag among the road groups: only the railway tick writes its tracks' states.
TEST_F(LightGroupsTest, RailSignalGroupsAreLeftToTheRailway) {
    for (int k = 4; k < 8; ++k) {
        b.straightRoad(k, 101 + 2 * k, 501 + 2 * k, 0, k, k, k, -1);
        m->road(k).signalState = k == 5 ? signalRed : signalGreen;
    }
    group().mode = lightsFourPhase;
    for (int mode : {railSignals, railSignalsMarked}) {
        m->lightGroups[1] = {mode, {4, 5, 6, 7}, 0, 0, 1};
        startLightGroups(*m, lightsTwoPhase, false);
        for (int t = 0; t < 30; ++t)
            stepAllLightGroups(*m, true);
        setLightsMode(*m, lightsOff);
        setPeakLights(*m, lightsPartTimeOn);
        setLightsMode(*m, lightsTwoPhase);
        const LightGroup& rail = m->lightGroups[1];
        EXPECT_EQ(rail.mode, mode);
        EXPECT_EQ(rail.phase, 0);
        EXPECT_EQ(rail.tailback, 0);
        for (int k = 4; k < 8; ++k)
            EXPECT_EQ(state(k), k == 5 ? signalRed : signalGreen) << "track " << k << " mode " << mode;
        EXPECT_EQ(group().mode, lightsTwoPhase) << "the road group beside it is switched";
    }
}

} // namespace
