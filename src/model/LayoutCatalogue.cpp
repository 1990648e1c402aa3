// The one catalogue table of the thirty layout numbers and the queries over it.
#include "model/LayoutCatalogue.h"

#include "model/LayoutRoutine.h"

namespace jamlog {

// The layout routines, one file each in model/layouts; adding a layout is its file, a line here and a row below.
void buildClassicLayout(Builder& b, LayoutArgs& a);    // 0
void buildJamlogUsa(Builder& b, LayoutArgs& a);        // 1
void buildMwayMadness(Builder& b, LayoutArgs& a);      // 2
void buildDiamondMax(Builder& b, LayoutArgs& a);       // 3
void buildCircularMotorway(Builder& b, LayoutArgs& a); // 4
void buildLittleTrainSet(Builder& b, LayoutArgs& a);   // 5
void buildBigTrainSet(Builder& b, LayoutArgs& a);      // 6
void buildFig8TrainSet(Builder& b, LayoutArgs& a);     // 7
void buildMagicRoundabout(Builder& b, LayoutArgs& a);  // 8
void buildRuralChaos(Builder& b, LayoutArgs& a);       // 9
void buildJunction13(Builder& b, LayoutArgs& a);       // 10
void buildBranchLines(Builder& b, LayoutArgs& a);      // 11
void buildLoopyTrainSet(Builder& b, LayoutArgs& a);    // 12
void buildMoscowJam(Builder& b, LayoutArgs& a);        // 13
void buildCityBridges(Builder& b, LayoutArgs& a);      // 14
void buildHomeTrainSet(Builder& b, LayoutArgs& a);     // 15
void buildRadialRoads(Builder& b, LayoutArgs& a);      // 16
void buildClahmJunction(Builder& b, LayoutArgs& a);    // 17
void buildBunchingCars(Builder& b, LayoutArgs& a);     // 18
void buildHugeCarPark(Builder& b, LayoutArgs& a);      // 19
void buildTestCrossover(Builder& b, LayoutArgs& a);    // 20
void buildTestDrawing(Builder& b, LayoutArgs& a);      // 21
void buildTestBranch(Builder& b, LayoutArgs& a);       // 22
void buildTestMagicRnd(Builder& b, LayoutArgs& a);     // 23
void buildTestSingleLine(Builder& b, LayoutArgs& a);   // 24
void buildTestTerminus(Builder& b, LayoutArgs& a);     // 25
void buildTestMoscowTee(Builder& b, LayoutArgs& a);    // 26
void buildTestDcTee(Builder& b, LayoutArgs& a);        // 27
void buildTestMwayJcts(Builder& b, LayoutArgs& a);     // 28
void buildTestJunctions(Builder& b, LayoutArgs& a);    // 29

namespace {

constexpr int R = contentRoads, T = contentTracks, V = contentRivers, D = contentDrawFlag, S = contentShortTrains,
              O = contentTrainOption, P = contentCarPark, L = contentPelican;
constexpr int A = anyExtent;
constexpr CountScale same{};
constexpr CountScale times(int k) {
    return {k, 1, 0};
}
constexpr CountScale over(int k) {
    return {1, k, 0};
}
constexpr CountScale setTo(int k) {
    return {1, 1, k};
}

// name, family, content {always, kept, withRoads, keptWithRoads, withTracks, roadsIfNone}, roads, tracks, rivers,
// roads with tracks, cars, trains, boats, extent, drive on left, trackAdjust, only with tracks, routine
const LayoutEntry table[layoutNumbers] = {
    {"Classic Layout",
     1,
     {R, T | L},
     149,
     14,
     0,
     0,
     times(5),
     over(8),
     same,
     1000,
     1000,
     27000,
     22000,
     1,
     0,
     0,
     buildClassicLayout},
    {"Jamlog USA", 1, {R}, 341, 0, 0, 0, same, same, same, 1250, 1250, 20750, 16750, 0, 0, 0, buildJamlogUsa},
    {"Mway Madness", 1, {R, T | L}, 499, 48, 0, 0, times(5), over(6), same, 1000, 1000, 48000, 36000, 1, 0, 0, buildMwayMadness},
    {"Diamond Max", 1, {R}, 444, 0, 0, 0, times(3), same, same, 2000, 2000, 30000, 18000, 1, 0, 0, buildDiamondMax},
    {"Circular Motorway", 1, {R}, 182, 0, 0, 0, times(4), same, same, 1000, 2500, 33000, 28000, 1, 0, 0, buildCircularMotorway},
    {"Little Train Set",
     2,
     {T | D | S, 0, R, L},
     26,
     35,
     0,
     0,
     over(20),
     over(4),
     same,
     1000,
     500,
     25000,
     19000,
     1,
     2,
     0,
     buildLittleTrainSet},
    {"Big Train Set", 2, {T | D | S}, 0, 77, 0, 0, same, same, same, -500, -500, 27500, 19500, 1, 2, 0,
     buildBigTrainSet},
    {"Fig 8 Train Set", 2, {T | D | S}, 0, 58, 0, 0, same, over(3), same, 1000, 1000, 24500, 15000, 1, 3, 0,
     buildFig8TrainSet},
    {"Magic Roundabout",
     6,
     {R},
     80,
     0,
     0,
     0,
     over(2),
     same,
     same,
     1000,
     4000,
     19000,
     18000,
     1,
     0,
     0,
     buildMagicRoundabout},
    {"Rural Chaos",
     6,
     {R | D, V | T | L, 0, 0, O},
     320,
     14,
     8,
     0,
     same,
     setTo(2),
     over(10),
     500,
     500,
     24000,
     18000,
     1,
     2,
     1,
     buildRuralChaos},
    {"Junction 13",
     6,
     {R, V},
     152,
     0,
     8,
     0,
     times(5),
     same,
     over(4),
     1000,
     1000,
     31000,
     25000,
     1,
     0,
     0,
     buildJunction13},
    {"Branch Lines", 3, {T | D | O}, 0, 199, 0, 0, same, over(2), same, A, A, 36000, 27000, 1, 12, 0,
     buildBranchLines},
    {"Loopy Train Set", 2, {T | D | S}, 0, 99, 0, 0, same, over(3), same, 0, 0, 24800, 18600, 1, 2, 0,
     buildLoopyTrainSet},
    {"Moscow Jam", 6, {R, V}, 164, 0, 8, 0, times(2), same, over(10), 0, 1000, 24000, 19000, 0, 0, 0, buildMoscowJam},
    {"City Bridges",
     4,
     {D, R | T | V, 0, 0, O, 1},
     330,
     188,
     22,
     310,
     times(3),
     same,
     same,
     1500,
     500,
     49500,
     36500,
     1,
     2,
     1,
     buildCityBridges},
    {"Home Train Set",
     2,
     {T | D | S | O, 0, R | P},
     40,
     42,
     0,
     0,
     over(5),
     over(2),
     same,
     0,
     0,
     24000,
     18000,
     1,
     0,
     0,
     buildHomeTrainSet},
    {"Radial Roads", 6, {R | D}, 490, 0, 0, 0, times(3), same, same, 1000, 1000, 25000, 25000, 1, 0, 0, buildRadialRoads},
    {"Clahm Junction", 3, {T}, 0, 120, 0, 0, same, same, same, 3000, 2000, 30000, 20000, 1, 0, 0, buildClahmJunction},
    {"Bunching Cars", 6, {R}, 160, 0, 0, 0, times(3), same, same, 0, 1000, 22000, 19000, 1, 0, 0, buildBunchingCars},
    {"Huge Car Park",
     5,
     {R | P},
     710,
     0,
     0,
     0,
     times(3),
     same,
     same,
     1000,
     2000,
     18000,
     14000,
     1,
     0,
     0,
     buildHugeCarPark},
    {"T: Crossover", testFamily, {T | O}, 0, 68, 0, 0, same, same, same, 0, 0, 36000, 24000, 1, 0, 0,
     buildTestCrossover},
    {"T: Test Drawing",
     testFamily,
     {R | P},
     54,
     0,
     0,
     0,
     over(2),
     same,
     same,
     1000,
     5000,
     19000,
     17000,
     1,
     0,
     0,
     buildTestDrawing},
    {"T: Branch Test", testFamily, {T | O}, 0, 66, 0, 0, same, same, same, 0, 0, 36000, 13000, 1, 0, 0,
     buildTestBranch},
    {"T: Magic Rnd", testFamily, {R}, 124, 0, 0, 0, same, same, same, 7000, 7000, 22500, 18500, 1, 0, 0, buildTestMagicRnd},
    {"T: Single Line",
     testFamily,
     {T | O},
     0,
     30,
     0,
     0,
     same,
     setTo(8),
     same,
     1000,
     0,
     20000,
     8000,
     1,
     1,
     0,
     buildTestSingleLine},
    {"T: Terminus",
     testFamily,
     {T | O},
     0,
     36,
     0,
     0,
     same,
     setTo(8),
     same,
     0,
     0,
     32000,
     25000,
     1,
     0,
     0,
     buildTestTerminus},
    {"T:Moscow TJ", testFamily, {R}, 41, 0, 0, 0, over(2), same, same, A, 1000, 10000, 10000, 1, 0, 0, buildTestMoscowTee},
    {"T:DC TJ", testFamily, {R}, 25, 0, 0, 0, over(3), same, same, 0, 1000, 10000, 8000, 0, 0, 0, buildTestDcTee},
    {"T: Mway Jcts", testFamily, {R}, 50, 0, 0, 0, times(2), same, same, 1500, 1000, 15000, 10000, 1, 0, 0, buildTestMwayJcts},
    {"T: Junctions",
     testFamily,
     {R},
     142,
     0,
     0,
     0,
     times(3),
     same,
     same,
     2000,
     2000,
     26000,
     18000,
     1,
     0,
     0,
     buildTestJunctions},
};

bool inRange(int layout) {
    return layout >= 1 && layout < layoutNumbers;
}

} // namespace

int ContentRule::expected(int user) const {
    int out = always | (user & kept);
    if (user & contentRoads)
        out |= withRoads | (user & keptWithRoads);
    if (user & contentTracks)
        out |= withTracks;
    if (roadsIfNone && !(user & (contentRoads | contentTracks)))
        out |= contentRoads;
    return out;
}

const LayoutEntry& layoutEntry(int layout) {
    return table[inRange(layout) ? layout : 0];
}

int resolveLayout(int layout) {
    return inRange(layout) && table[layout].routine ? layout : 0;
}

bool layoutIsBuilt(int layout) {
    return layout >= 0 && layout < layoutNumbers && table[layout].routine;
}

std::vector<int> builtLayouts() {
    std::vector<int> out;
    for (int n = 0; n < layoutNumbers; ++n)
        if (table[n].routine)
            out.push_back(n);
    return out;
}

std::vector<int> offeredLayouts(bool designer, bool testLayouts) {
    int end = designer && testLayouts ? layoutNumbers : catalogueLayoutCount;
    std::vector<int> out;
    for (int n = 0; n < end; ++n)
        if (table[n].routine)
            out.push_back(n);
    return out;
}

int layoutFamily(int layout) {
    return layoutEntry(layout).family;
}

int expectedRoads(const LayoutEntry& e, int contentOut) {
    return e.roadsWithTracks && (contentOut & contentTracks) ? e.roadsWithTracks : e.roads;
}

bool countMatches(int expected, int actual, bool present) {
    return actual == expected || (!present && actual == 0);
}

int expectedTrackAdjust(const LayoutEntry& e, int contentOut) {
    return e.trackAdjustNeedsTracks && !(contentOut & contentTracks) ? 0 : e.trackAdjust;
}

} // namespace jamlog
