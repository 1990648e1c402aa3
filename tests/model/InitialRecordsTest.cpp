// Initial records of road vehicles and boats: speed bounds, length classes, drivers, headways and the options.
#include <gtest/gtest.h>

#include <set>

#include "model/InitialRecords.h"
#include "support/ModelFixture.h"

using namespace jamlog;

namespace {
constexpr int base = 1120, carLen = 200;
struct InitialRecords : ModelFixture {
    Rng rng{12345};
    const VehicleRecord& v(int n) const { return m->vehicles[static_cast<size_t>(n)]; }
};
} // namespace

TEST_F(InitialRecords, TopSpeedsStayWithinHalfToThreeHalvesOfTheBaseSpeed) {
    initialiseRoadVehicles(*m, rng, 2000, base, carLen, 0, 0, 0);
    int minSeen = 1 << 30;
    for (int i = 0; i < 2000; ++i) {
        EXPECT_GE(v(i).topSpeed, base / 2);
        EXPECT_LE(v(i).topSpeed, base * 3 / 2);
        minSeen = std::min(minSeen, v(i).topSpeed);
    }
    EXPECT_EQ(minSeen, base / 2); // the raise to half the base speed is met often
}

TEST_F(InitialRecords, VerySlowDriversMayFallBelowHalfTheBaseSpeed) {
    initialiseRoadVehicles(*m, rng, 2000, base, carLen, 1, 0, 0);
    int below = 0;
    for (int i = 0; i < 2000; ++i) {
        EXPECT_LE(v(i).topSpeed, base * 3 / 2);
        EXPECT_GE(v(i).topSpeed, 0);
        below += v(i).topSpeed < base / 2;
    }
    EXPECT_GT(below, 0);
}

TEST_F(InitialRecords, LengthClassesLongVehiclesAndHeadways) {
    initialiseRoadVehicles(*m, rng, 2000, base, carLen, 0, 0, 0);
    std::set<int> lengths;
    for (int i = 0; i < 2000; ++i) {
        lengths.insert(v(i).length);
        EXPECT_EQ(v(i).kindFlags & 1, v(i).length > carLen ? 1 : 0);
        EXPECT_EQ(v(i).headway, v(i).length / 2); // Driver 0: (0 + 1) × length / 2
        EXPECT_GE(v(i).driver, 0);
        EXPECT_LE(v(i).driver, 3);
        EXPECT_EQ(v(i).state, vehicleOutside);
    }
    EXPECT_EQ(lengths, (std::set<int>{150, 200, 300, 400}));
}

TEST_F(InitialRecords, DriverSettingFixesTheClassAndScalesTheHeadway) {
    initialiseRoadVehicles(*m, rng, 100, base, carLen, 0, 3, 0);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(v(i).driver, 3);
        EXPECT_EQ(v(i).headway, 4 * v(i).length / 2);
    }
}

TEST_F(InitialRecords, EmergencyOptionGivesEveryFiftiethDriverZero) {
    initialiseRoadVehicles(*m, rng, 400, base, carLen, 0, 2, optionFire);
    for (int i = 0; i < 400; ++i)
        EXPECT_EQ(v(i).driver, i % 50 == 0 ? 0 : 2) << "vehicle " << i;
}

TEST_F(InitialRecords, CarParkOptionShortensLongVehiclesAndSendsEveryoneToThePark) {
    initialiseRoadVehicles(*m, rng, 2000, base, carLen, 0, 0, optionCarPark);
    std::set<int> lengths;
    for (int i = 0; i < 2000; ++i) {
        lengths.insert(v(i).length);
        EXPECT_EQ(v(i).state, 5);
    }
    EXPECT_EQ(lengths, (std::set<int>{150, 200, 250}));
}

TEST_F(InitialRecords, RecordsBeyondTheCountAndBeyondTheRoadRangeAreUntouched) {
    initialiseRoadVehicles(*m, rng, 5000, base, carLen, 0, 0, optionCarPark);
    EXPECT_EQ(v(firstCarriage).state, vehicleOutside);
    EXPECT_EQ(v(firstCarriage).length, 0);
    clearModel(*m);
    resetModel(*m);
    initialiseRoadVehicles(*m, rng, 10, base, carLen, 0, 0, 0);
    EXPECT_GT(v(9).length, 0);
    EXPECT_EQ(v(10).length, 0);
    EXPECT_EQ(v(10).driver, 2);
}

TEST_F(InitialRecords, BoatsSpeedsLengthsAndDriver) {
    const int b = base * 35 / 100; // 392
    initialiseBoats(*m, rng, 100, b, carLen, 2);
    for (int i = firstBoat; i < vehicleCapacity; ++i) {
        EXPECT_EQ(v(i).driver, 4);
        EXPECT_GE(v(i).topSpeed, b / 4);
        EXPECT_LE(v(i).topSpeed, b / 4 + 32767 * b / 8192);
        EXPECT_EQ(v(i).length, (b / v(i).topSpeed + 2) * carLen); // unusually fast boats: no division by ten
    }
    EXPECT_EQ(v(firstBoat - 1).driver, 2); // the last carriage record is not a boat
}

TEST_F(InitialRecords, BoatSpeedsAreDividedByTenNormallyAndNeverDivideByZero) {
    initialiseBoats(*m, rng, 20, 392, carLen, 0);
    for (int i = firstBoat; i < firstBoat + 20; ++i) {
        EXPECT_GE(v(i).topSpeed, 392 / 4 / 10);
        EXPECT_LE(v(i).topSpeed, (392 / 4 + 32767 * 392 / 8192) / 10);
        EXPECT_GE(v(i).length, 2 * carLen);
        EXPECT_LE(v(i).length, 6 * carLen);
    }
    initialiseBoats(*m, rng, 20, 0, carLen, 0); // a zero boat speed must not fault
    EXPECT_EQ(v(firstBoat).length, 2 * carLen);
    EXPECT_EQ(v(firstBoat + 20).length, 0);
}
