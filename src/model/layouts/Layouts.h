// The layout routines, one file each (or one per family) in this folder.
#pragma once
#include "model/LayoutRoutine.h"

namespace jamlog {

// A layout's extent in model units, named field by field.
struct Extent {
    int32_t minX, minY, maxX, maxY;
};
inline void setExtent(NetworkModel& m, const Extent& e) {
    m.extentMinX = e.minX;
    m.extentMinY = e.minY;
    m.extentMaxX = e.maxX;
    m.extentMaxY = e.maxY;
}

void buildClassicLayout(Builder& b, LayoutArgs& a);    // 0
void buildJamlogUsa(Builder& b, LayoutArgs& a);        // 1
void buildMwayMadness(Builder& b, LayoutArgs& a);       // 2
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

} // namespace jamlog
