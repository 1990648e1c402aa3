// The layout catalogue: fallbacks for unknown and unbuilt numbers, the offered lists, families, content rules and
// the scaling of the requested counts.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/LayoutCatalogue.h"

using namespace jamlog;

namespace {
bool contains(const std::vector<int>& v, int n) {
    return std::find(v.begin(), v.end(), n) != v.end();
}
} // namespace

TEST(LayoutCatalogue, NumbersOutsideTheTableAndUnbuiltLayoutsResolveToLayoutZero) {
    EXPECT_EQ(resolveLayout(30), 0);
    EXPECT_EQ(resolveLayout(-1), 0);
    EXPECT_EQ(resolveLayout(0), 0);
    EXPECT_EQ(resolveLayout(17), 17);
    EXPECT_EQ(layoutEntry(-1).name, "Classic Layout");
    EXPECT_EQ(layoutEntry(30).name, "Classic Layout");
    for (int n = 1; n < layoutNumbers; ++n)
        EXPECT_EQ(resolveLayout(n), layoutIsBuilt(n) ? n : 0) << "layout " << n;
}

TEST(LayoutCatalogue, OfferedListsHoldOnlyBuiltLayoutsOfTheirRange) {
    const std::vector<int> normal = offeredLayouts(false, true);
    const std::vector<int> proOnly = offeredLayouts(true, false);
    const std::vector<int> all = offeredLayouts(true, true);
    EXPECT_EQ(normal, proOnly); // test layouts need both designer mode and TestLayouts
    for (int n : normal) {
        EXPECT_LT(n, catalogueLayoutCount);
        EXPECT_TRUE(layoutIsBuilt(n));
    }
    EXPECT_TRUE(contains(normal, 0));
    EXPECT_TRUE(contains(normal, 17));
    EXPECT_FALSE(contains(normal, 29));
    EXPECT_TRUE(contains(all, 29));
    EXPECT_EQ(all, builtLayouts());
    EXPECT_FALSE(layoutIsBuilt(30));
    EXPECT_FALSE(layoutIsBuilt(-1));
}

TEST(LayoutCatalogue, FamiliesFollowTheRandomCyclingGroups) {
    const int families[layoutNumbers] = {1, 1, 1, 1, 1, 2, 2, 2, 6, 6, 6, 3, 2, 6, 4,
                                         2, 6, 3, 6, 5, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6};
    for (int n = 0; n < layoutNumbers; ++n)
        EXPECT_EQ(layoutFamily(n), families[n]) << "layout " << n;
    EXPECT_EQ(layoutFamily(42), 1);
}

TEST(LayoutCatalogue, ContentRulesKeepOrDropTheUsersChoice) {
    const int R = contentRoads, T = contentTracks, V = contentRivers, L = contentPelican;
    // Junction 13: rivers kept, tracks dropped.
    EXPECT_EQ(layoutEntry(10).content.expected(R | T | V), R | V);
    EXPECT_EQ(layoutEntry(10).content.expected(R | T), R);
    EXPECT_EQ(layoutEntry(10).content.expected(0), R);
    // Classic: roads always, tracks and pelican as chosen, rivers never.
    EXPECT_EQ(layoutEntry(0).content.expected(T | V | L), R | T | L);
    // Little Train Set: roads and the pelican only when roads are chosen.
    EXPECT_EQ(layoutEntry(5).content.expected(L), T | 8 | 16);
    EXPECT_EQ(layoutEntry(5).content.expected(R | L), R | T | 8 | 16 | L);
    // City Bridges: roads when neither roads nor tracks, bit 5 with tracks.
    EXPECT_EQ(layoutEntry(14).content.expected(0), R | 8);
    EXPECT_EQ(layoutEntry(14).content.expected(T | V), T | V | 8 | 32);
    // Home Train Set: roads bring the car park.
    EXPECT_EQ(layoutEntry(15).content.expected(R), R | T | 8 | 16 | 32 | 64);
    EXPECT_EQ(layoutEntry(17).content.expected(R | T | V | L), T);
}

TEST(LayoutCatalogue, CountScalingAndConditionalFigures) {
    EXPECT_EQ(layoutEntry(0).cars.apply(200), 1000);
    EXPECT_EQ(layoutEntry(0).trains.apply(40), 5);
    EXPECT_EQ(layoutEntry(5).cars.apply(39), 1); // truncating division
    EXPECT_EQ(layoutEntry(9).trains.apply(40), 2);
    EXPECT_EQ(layoutEntry(9).boats.apply(50), 5);
    EXPECT_EQ(layoutEntry(24).trains.apply(1), 8);
    EXPECT_EQ(layoutEntry(29).cars.apply(200), 600);
    EXPECT_EQ(layoutEntry(17).cars.apply(200), 200);

    EXPECT_EQ(expectedRoads(layoutEntry(14), contentRoads), 330);
    EXPECT_EQ(expectedRoads(layoutEntry(14), contentRoads | contentTracks), 310);
    EXPECT_EQ(expectedTrackAdjust(layoutEntry(9), contentRoads), 0);
    EXPECT_EQ(expectedTrackAdjust(layoutEntry(9), contentRoads | contentTracks), 2);
    EXPECT_EQ(expectedTrackAdjust(layoutEntry(7), contentTracks), 3);
    EXPECT_EQ(expectedTrackAdjust(layoutEntry(11), contentTracks), 12);
    EXPECT_EQ(layoutEntry(1).driveOnLeft, 0);
    EXPECT_EQ(layoutEntry(13).driveOnLeft, 0);
    EXPECT_EQ(layoutEntry(11).minX, anyExtent);

    EXPECT_TRUE(countMatches(8, 0, false));
    EXPECT_FALSE(countMatches(8, 0, true));
    EXPECT_FALSE(countMatches(8, 7, false));
}
