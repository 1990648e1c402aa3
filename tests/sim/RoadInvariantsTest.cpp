// Invariants of road traffic on hand-built networks, over thousands of steps and several seeds.
#include "RoadInvariants.h"

#include "SimFixture.h"
#include "model/Assemblies.h"

using namespace jamlog;

namespace {

struct RoadInvariantsTest : SimFixture, ::testing::WithParamInterface<uint32_t> {
    void giveVehicles(int cars, int options = 0) {
        Rng init(GetParam());
        giveRoadVehicles(init, cars, options & 2);
        rng.seed(GetParam());
    }

    // A light junction about cell point 1010 with approaches and exits of 3000 units on all four arms; the exits
    // are boundary roads whose successors are the approaches of the same arm.
    void buildLightJunction(int mode) {
        const int base = 10, group = 0;
        std::array<int, 4> approaches{0, 1, 2, 3}, exits{4, 5, 6, 7};
        lightJunction(b, group, mode, base, 1010, approaches, exits, 0, 1, 400);
        for (int k = 0; k < 4; ++k) {
            const RoadRecord& across = m->road(base + k);
            const int dx = (across.endX() - across.startX) * 3000 / std::max(1, across.length);
            const int dy = (across.endY() - across.startY) * 3000 / std::max(1, across.length);
            b.straightRaw(k, across.startX - dx, across.startY - dy, across.startX, across.startY, 0, base + k, 0, 0, 0,
                          -1);
            RoadRecord& a = m->road(k);
            a.next[0] = base + k;
            a.next[1] = base + 4 + k;
            a.next[2] = base + 8 + k;
        }
        for (int j = 0; j < 4; ++j) {
            const RoadRecord& in = m->road(base + (j + 2) % 4);
            const int dx = (in.endX() - in.startX) * 3000 / std::max(1, in.length);
            const int dy = (in.endY() - in.startY) * 3000 / std::max(1, in.length);
            b.straightRaw(4 + j, in.endX(), in.endY(), in.endX() + dx, in.endY() + dy, 0, j, 0, 0, 0, -1);
            m->boundaryRoads[static_cast<size_t>(j)] = 4 + j;
        }
        m->roadCount = base + 12;
        startLightGroups(*m, 3, false);
    }
};

TEST_P(RoadInvariantsTest, LineOfTwoLaneRoads) {
    buildLine();
    giveVehicles(60);
    invariants::Counts counts;
    const std::string e = invariants::runChecked(*m, rng, *draw, 60, firstBoat, 3000, counts, {}, 0, 4);
    EXPECT_EQ(e, "");
    EXPECT_GT(counts.entered, 60); // vehicles go round: they leave and enter again
    EXPECT_GT(counts.left, 0);
    EXPECT_EQ(counts.entered - counts.left, counts.inside); // inside + outside = all
}

TEST_P(RoadInvariantsTest, LineWithBreakdownsAndQueues) {
    buildLine(2);
    m->road(1).speedLimit = 300;
    giveVehicles(120);
    invariants::Counts counts;
    std::string e;
    for (int round = 0; round < 8 && e.empty(); ++round) {
        veh(round * 7).topSpeed = 0; // broken down where it stands
        e = invariants::runChecked(*m, rng, *draw, 120, firstBoat, 400, counts, {}, 0, 5);
    }
    EXPECT_EQ(e, "");
}

TEST_P(RoadInvariantsTest, LightJunctionKeepsVehiclesApart) {
    buildLightJunction(16 + 3);
    giveVehicles(80);
    invariants::Counts counts;
    const std::string e = invariants::runChecked(*m, rng, *draw, 80, firstBoat, 5000, counts, {}, 120, 3);
    EXPECT_EQ(e, "");
    EXPECT_GT(counts.left, 20);
}

TEST_P(RoadInvariantsTest, UnsignalledJunctionWithPushyDrivers) {
    buildLightJunction(0); // no lights: only the junction-box test
    giveVehicles(80, 2);
    invariants::Counts counts;
    const std::string e = invariants::runChecked(*m, rng, *draw, 80, firstBoat, 3000, counts, {}, 0, 3);
    EXPECT_EQ(e, "");
    EXPECT_GT(counts.left, 20);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RoadInvariantsTest, ::testing::Values(1u, 77u, 4242u));

} // namespace
