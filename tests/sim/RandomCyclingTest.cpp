// The random-settings draw, the background colours and the choice of the next layout.
#include <gtest/gtest.h>

#include <set>

#include "sim/RandomCycling.h"
#include "sim/SimSettings.h"

using namespace jamlog;

namespace {

// The families of the catalogue, as listed with the layouts.
int catalogueFamily(int n) {
    static constexpr int families[20] = {1, 1, 1, 1, 1, 2, 2, 2, 6, 6, 6, 3, 2, 6, 4, 2, 6, 3, 6, 5};
    return families[n];
}

} // namespace

TEST(RandomCyclingTest, NeverPicksALayoutOfTheCurrentFamily) {
    Rng rng(2024);
    const int all = 0x1FFFFF;
    for (int current = 0; current < 20; ++current)
        for (int i = 0; i < 200; ++i) {
            const int n = drawNextLayout(current, all, false, rng, catalogueFamily);
            ASSERT_NE(catalogueFamily(n), catalogueFamily(current)) << current << " -> " << n;
            ASSERT_GE(n, 0);
            ASSERT_LT(n, 20);
        }
}

TEST(RandomCyclingTest, OnlyLayoutsOfTheMask) {
    Rng rng(5);
    const int mask = 1 | (1 << (3 + 1)) | (1 << (19 + 1)); // layouts 3 and 19
    std::set<int> seen;
    for (int i = 0; i < 100; ++i)
        seen.insert(drawNextLayout(14, mask, false, rng, catalogueFamily));
    EXPECT_EQ(seen, (std::set<int>{3, 19}));
    // Only the current family enabled: the current layout stays.
    EXPECT_EQ(drawNextLayout(0, 1 | (1 << 2) | (1 << 3), false, rng, catalogueFamily), 0);
}

TEST(RandomCyclingTest, InTurnWrapsAfterTheLastLayout) {
    Rng rng(1);
    EXPECT_EQ(drawNextLayout(4, 0, true, rng, catalogueFamily), 5);
    EXPECT_EQ(drawNextLayout(19, 0, true, rng, catalogueFamily), 0);
    EXPECT_EQ(rng.next(), Rng(1).next()); // no draw taken
}

TEST(RandomCyclingTest, LayoutsNotBuiltArePassedOver) {
    auto built = [](int n) { return n == 0 || n == 5 || n == 19; };
    Rng rng(3);
    EXPECT_EQ(drawNextBuiltLayout(0, 0, true, rng, catalogueFamily, built), 5);
    EXPECT_EQ(drawNextBuiltLayout(5, 0, true, rng, catalogueFamily, built), 19);
    EXPECT_EQ(drawNextBuiltLayout(19, 0, true, rng, catalogueFamily, built), 0);
    std::set<int> seen;
    for (int i = 0; i < 100; ++i)
        seen.insert(drawNextBuiltLayout(1, 0x1FFFFF, false, rng, catalogueFamily, built));
    EXPECT_EQ(seen, (std::set<int>{5, 19})); // 0 is of the current family
    EXPECT_EQ(drawNextBuiltLayout(0, 1 | (1 << 4), false, rng, catalogueFamily, built), 0); // only 3: not built
}

TEST(RandomCyclingTest, BackgroundOnlyFromEnabledColours) {
    Rng rng(77);
    EXPECT_EQ(drawBackground(0x07, rng), -1); // not varying
    for (int i = 0; i < 300; ++i) {
        const int r = drawBackground(rndBackVary | (1 << 2) | (1 << 5), rng);
        ASSERT_TRUE(r == 2 || r == 5) << r;
    }
}

TEST(RandomCyclingTest, NothingEnabledChangesNothing) {
    SimSettings s, before;
    s.rndSettings = 0;
    RandomDrawn d;
    Rng rng(3);
    drawRandomSettings(s, d, rng);
    EXPECT_EQ(rng.next(), Rng(3).next());
    EXPECT_EQ(s.driver, before.driver);
    EXPECT_EQ(d.flip, 0);
    // Without "Vary Effects Settings" only flips and surfaces are drawn.
    s.rndSettings = 0x7FFFE;
    Rng a(11), b(11);
    drawRandomSettings(s, d, a);
    EXPECT_EQ(d.flip, b.next() >= 16384 ? 1 : 0);
    EXPECT_EQ(s.tarmac, (b.next() - 8192) / 8192);
    EXPECT_EQ(s.rails, b.next() / 10923);
    EXPECT_EQ(a.next(), b.next());
    EXPECT_EQ(s.weather, before.weather);
}

TEST(RandomCyclingTest, EachValueTakesAFreshDrawInOrder) {
    SimSettings s;
    s.rndSettings = rndEffects | rndDriving | rndWeather | rndSnow | rndSlowVehicles;
    RandomDrawn d;
    Rng a(4242), b(4242);
    drawRandomSettings(s, d, a);
    EXPECT_EQ(s.driver, b.next() / 6554);
    EXPECT_EQ(s.weather, (b.next() - 4096) / 8192);
    EXPECT_EQ(s.vSlow, b.next() / 8192);
    EXPECT_EQ(a.next(), b.next());
}

TEST(RandomCyclingTest, WeatherWithoutSnowIsACoinAndCamerasNeedSpeedLimits) {
    for (uint32_t seed = 1; seed < 60; ++seed) {
        SimSettings s;
        s.rndSettings = rndEffects | rndWeather | rndCameras;
        s.gatso = 7; // marks "not drawn"
        RandomDrawn d;
        Rng rng(seed);
        drawRandomSettings(s, d, rng);
        ASSERT_TRUE(s.weather == 0 || s.weather == 1);
        ASSERT_EQ(s.gatso, 7);
    }
}

TEST(RandomCyclingTest, DaylightOffMayBringNight) {
    int nights = 0;
    for (uint32_t seed = 1; seed < 400; ++seed) {
        SimSettings s;
        s.rndSettings = rndEffects | rndDaylight;
        RandomDrawn d;
        Rng rng(seed);
        drawRandomSettings(s, d, rng);
        if (s.dayLight) {
            ASSERT_EQ(s.night, 0);
        }
        nights += s.night;
    }
    EXPECT_GT(nights, 0);
}
