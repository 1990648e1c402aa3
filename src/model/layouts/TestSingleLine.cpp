// Layout 24 "T: Single Line": a double-track line between two tunnel mouths that narrows twice to a single line,
// with a passing loop in the middle that holds the longest train. Both directions of each single line are worked by
// train tokens; facing points at either end send trains to one of two platforms.
#include "model/layouts/Layouts.h"
#include "model/layouts/RailLayoutParts.h"

namespace jamlog {

namespace {

using namespace raillayout;

constexpr int yC = 4000;      // the single lines
constexpr int yE = yC - 145;  // eastbound double track (keeps left)
constexpr int yW = yC + 145;  // westbound double track
constexpr int yE2 = yE - 400; // the second eastbound platform at the west station
constexpr int yW2 = yW + 400; // the second westbound platform at the east station

void buildSingleLineTracks(Builder& b) {
    buildTracks(b, {
                       // eastbound, in running order
                       {500, 1000, yE, 2000, yE, 501, 502},
                       {501, 2000, yE, 4600, yE, 503, -1, -1, 1},
                       {502, 2000, yE, 4600, yE2, 504, -1, -1, 1},
                       {503, 4600, yE, 5600, yC, 505},
                       {504, 4600, yE2, 5600, yC, 505},
                       {505, 5600, yC, 6600, yC, 506},
                       {506, 6600, yC, 7600, yC, 507},
                       {507, 7600, yC, 8600, yE, 508},
                       {508, 8600, yE, 12400, yE, 509, -1, -1, 1},
                       {509, 12400, yE, 13400, yC, 510},
                       {510, 13400, yC, 14400, yC, 511},
                       {511, 14400, yC, 15400, yC, 512},
                       {512, 15400, yC, 16400, yE, 513},
                       {513, 16400, yE, 19000, yE, 514, -1, -1, 1},
                       {514, 19000, yE, 20000, yE, 515},
                       // westbound, in running order
                       {515, 20000, yW, 19000, yW, 516, 528},
                       {516, 19000, yW, 16400, yW, 517, -1, -1, 1},
                       {528, 19000, yW, 16400, yW2, 529, -1, -1, 1},
                       {517, 16400, yW, 15400, yC, 518},
                       {529, 16400, yW2, 15400, yC, 518},
                       {518, 15400, yC, 14400, yC, 519},
                       {519, 14400, yC, 13400, yC, 520},
                       {520, 13400, yC, 12400, yW, 521},
                       {521, 12400, yW, 8600, yW, 522, -1, -1, 1},
                       {522, 8600, yW, 7600, yC, 523},
                       {523, 7600, yC, 6600, yC, 524},
                       {524, 6600, yC, 5600, yC, 525},
                       {525, 5600, yC, 4600, yW, 526},
                       {526, 4600, yW, 2000, yW, 527, -1, -1, 1},
                       {527, 2000, yW, 1000, yW, 500},
                   });
}

void buildSingleLineSignalling(NetworkModel& m) {
    // Sections: entry road, then the roads over the single line in running order.
    addRecord(m.trainTableB, {4, 501, 503, 505, 506, 507});
    addRecord(m.trainTableB, {4, 502, 504, 505, 506, 507});
    addRecord(m.trainTableB, {4, 508, 509, 510, 511, 512});
    addRecord(m.trainTableB, {4, 516, 517, 518, 519, 520});
    addRecord(m.trainTableB, {4, 528, 529, 518, 519, 520});
    addRecord(m.trainTableB, {4, 521, 522, 523, 524, 525});
    // The two directions of each single line lie on one another.
    const int twins[][2] = {{503, 525}, {504, 525}, {505, 524}, {506, 523}, {507, 522},
                            {509, 520}, {510, 519}, {511, 518}, {512, 517}, {512, 529}};
    for (const auto& t : twins)
        addTwins(m, t[0], t[1]);
    // Facing points in front of the two-platform stations, a route drawn for every train.
    addPoints(m, {1, 2, 500, 501, 502});
    addPoints(m, {1, 2, 515, 516, 528});
}

} // namespace

void buildTestSingleLine(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "T: Single Line";
    a.contentFlags = contentTracks | contentTrainOption;
    a.trains = 8;
    m.trackCount = 30;
    m.trackAdjust = 1;
    m.extentMinX = 1000;
    m.extentMinY = 0;
    m.extentMaxX = 20000;
    m.extentMaxY = 8000;
    buildSingleLineTracks(b);
    buildSingleLineSignalling(m);
    m.boundaryTracks[0] = 514;
    m.boundaryTracks[1] = 527;
    for (int t : {500, 515})
        hideMouth(m, t, a.carLength, true);
    for (int t : {514, 527})
        hideMouth(m, t, a.carLength, false);
}

} // namespace jamlog
