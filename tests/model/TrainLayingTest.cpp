// Train laying: runs of carriage records, head and tail bits, numbering from the tail, caps and the 2199 limit.
#include <gtest/gtest.h>

#include "model/InitialRecords.h"
#include "model/TrainLaying.h"
#include "support/ModelFixture.h"

using namespace jamlog;

struct TrainLaying : ModelFixture {
    Rng rng{3};
    // Lengths of the laid trains in order, read back from the head bits.
    std::vector<int> lengths() {
        std::vector<int> out;
        for (int n = firstCarriage; n < trainsEnd(*m); ++n) {
            const VehicleRecord& v = m->vehicles[static_cast<size_t>(n)];
            if (v.kindFlags & carriageHead)
                out.push_back(v.routeLaneCap);
        }
        return out;
    }
};

TEST_F(TrainLaying, FixedTrainsAreRunsWithHeadAndTailBits) {
    initialiseTrains(*m, rng, 3, 1344, 200, 4, 4, 0);
    EXPECT_EQ(trainsEnd(*m), 2012);
    for (int n = 2000; n < 2012; ++n) {
        const VehicleRecord& v = m->vehicles[static_cast<size_t>(n)];
        const int i = (n - 2000) % 4;
        EXPECT_EQ(v.routeLaneCap, 4 - i);
        EXPECT_EQ(v.kindFlags, (i == 0 ? carriageHead : 0) | (i == 3 ? carriageLast : 0));
        EXPECT_EQ(v.length, 800);
        EXPECT_EQ(v.topSpeed, 1344);
        EXPECT_EQ(v.driver, 4);
        EXPECT_EQ(v.lane, 0);
        EXPECT_TRUE(v.state & vehicleOutside);
    }
    EXPECT_EQ(m->vehicles[2012].kindFlags, 0);
}

TEST_F(TrainLaying, ShortTrainOptionCapsAtThreeCarriages) {
    initialiseTrains(*m, rng, 5, 1000, 200, 8, 2, trainOptionShort);
    EXPECT_EQ(lengths(), std::vector<int>(5, 3));
    EXPECT_EQ(m->vehicles[2000].driver, 2);
}

TEST_F(TrainLaying, LastTrainIsCutToEndAt2199) {
    initialiseTrains(*m, rng, 40, 1000, 200, 7, 4, 0);
    const auto l = lengths();
    ASSERT_EQ(l.size(), 29u); // 28 full trains fill 196 records, the 29th keeps 4
    EXPECT_EQ(l.back(), 4);
    EXPECT_EQ(trainsEnd(*m), carriageEnd);
    EXPECT_TRUE(m->vehicles[2199].kindFlags & carriageLast);
}

TEST_F(TrainLaying, VariedLengthsStayWithinTheFormulaRange) {
    initialiseTrains(*m, rng, 30, 1000, 200, 4, 4, optionLongTrains);
    const auto l = lengths();
    ASSERT_EQ(l.size(), 30u);
    bool differ = false;
    for (int n : l) {
        EXPECT_GE(n, 2); // 4 - 20/9 for k = 9
        EXPECT_LE(n, 5); // 4 + 16/9 for k = 0
        differ |= n != 4;
    }
    EXPECT_TRUE(differ);
    // With the short-train cap the base is 3, so a varied train has 2 to 4 carriages.
    clearModel(*m);
    resetModel(*m);
    initialiseTrains(*m, rng, 40, 1000, 200, 6, 4, optionLongTrains | trainOptionShort);
    for (int n : lengths()) {
        EXPECT_GE(n, 2);
        EXPECT_LE(n, 4);
    }
}
