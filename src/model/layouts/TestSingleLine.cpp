// Layout 24 "T: Single Line": a double-track line between two tunnel mouths that narrows twice to a single line,
// with a passing loop in the middle that holds the longest train. Both directions of each single line are worked by
// train tokens; at either end, facing points send trains to one of two parallel platforms.
#include "model/TrainLaying.h"
#include "model/layouts/Layouts.h"
#include "model/layouts/RailLayoutParts.h"

namespace jamlog {

namespace {

using namespace raillayout;

constexpr int yC = 4000;      // the single lines
constexpr int yE = yC - 145;  // eastbound double track (keeps left)
constexpr int yW = yC + 145;  // westbound double track
constexpr int yE2 = yE - 400; // the second eastbound platform at the west station, clear of the first one's band
constexpr int yW2 = yW + 400; // the second westbound platform at the east station

// x of the facing points off the tunnel approach, of the platform starts (where the turnout has reached the second
// platform, so that no platform band lies beside a turnout), of the platform ends and of the single line's end.
// Every track is at least 1000 long: a carriage straddles at most two tracks.
constexpr int westPoints = 2000, westPlatforms = 3000, westLine = 5600, westSingle = 6600;
constexpr int eastPoints = 19000, eastPlatforms = 18000, eastLine = 15400, eastSingle = 14400;

void buildSingleLineTracks(Builder& b) {
    buildTracks(b, {
                       // eastbound, in running order
                       {500, 1000, yE, westPoints, yE, 501},
                       {501, westPoints, yE, westPlatforms, yE, 502},
                       {502, westPlatforms, yE, westLine, yE, 505, -1, -1, 1},
                       {503, westPoints, yE, westPlatforms, yE2, 504},
                       {504, westPlatforms, yE2, westLine, yE2, 506, -1, -1, 1},
                       {505, westLine, yE, westSingle, yC, 507},
                       {506, westLine, yE2, westSingle, yC, 507},
                       {507, westSingle, yC, 7600, yC, 508},
                       {508, 7600, yC, 8600, yE, 509},
                       {509, 8600, yE, 12400, yE, 510, -1, -1, 1},
                       {510, 12400, yE, 13400, yC, 511},
                       {511, 13400, yC, eastSingle, yC, 512},
                       {512, eastSingle, yC, eastLine, yE, 513},
                       {513, eastLine, yE, eastPlatforms, yE, 514, -1, -1, 1},
                       {514, eastPlatforms, yE, 20000, yE, 515},
                       // westbound, in running order
                       {515, 20000, yW, eastPoints, yW, 516},
                       {516, eastPoints, yW, eastPlatforms, yW, 517},
                       {517, eastPlatforms, yW, eastLine, yW, 520, -1, -1, 1},
                       {518, eastPoints, yW, eastPlatforms, yW2, 519},
                       {519, eastPlatforms, yW2, eastLine, yW2, 521, -1, -1, 1},
                       {520, eastLine, yW, eastSingle, yC, 522},
                       {521, eastLine, yW2, eastSingle, yC, 522},
                       {522, eastSingle, yC, 13400, yC, 523},
                       {523, 13400, yC, 12400, yW, 524},
                       {524, 12400, yW, 8600, yW, 525, -1, -1, 1},
                       {525, 8600, yW, 7600, yC, 526},
                       {526, 7600, yC, westSingle, yC, 527},
                       {527, westSingle, yC, westLine, yW, 528},
                       {528, westLine, yW, westPlatforms, yW, 529, -1, -1, 1},
                       {529, westPlatforms, yW, 1000, yW, 500},
                   });
}

void buildSingleLineSignalling(NetworkModel& m) {
    // Sections: entry road, then the roads over the single line in running order.
    addRecord(m.trainTableB, {3, 502, 505, 507, 508});
    addRecord(m.trainTableB, {3, 504, 506, 507, 508});
    addRecord(m.trainTableB, {3, 509, 510, 511, 512});
    addRecord(m.trainTableB, {3, 517, 520, 522, 523});
    addRecord(m.trainTableB, {3, 519, 521, 522, 523});
    addRecord(m.trainTableB, {3, 524, 525, 526, 527});
    // The two directions of each single line lie on one another, and the tracks that meet them at its ends come
    // close enough to foul them.
    const int twins[][2] = {{505, 527}, {506, 527}, {507, 526}, {508, 525},
                            {510, 523}, {511, 522}, {512, 520}, {512, 521}};
    for (const auto& t : twins)
        addTwins(m, t[0], t[1]);
    // The way from the points to a platform counts as occupied with the platform: a train is only sent to a free
    // platform, never left waiting in front of it across the points behind it.
    const int platformWays[][2] = {{501, 502}, {503, 504}, {516, 517}, {518, 519}};
    for (const auto& t : platformWays)
        addTwins(m, t[0], t[1]);
    // Facing points in front of the two-platform stations, a route drawn for every train. The tracks in front of
    // them are built with one successor: carriages follow a successor of their track, so a train that entered
    // before the first route was drawn would otherwise part at the points.
    addPoints(m, {1, 2, 500, 501, 503});
    addPoints(m, {1, 2, 515, 516, 518});
}

} // namespace

void buildTestSingleLine(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "T: Single Line";
    a.contentFlags = contentTracks | contentTrainOption;
    a.trains = 8;
    m.trackCount = 30;
    m.trackAdjust = 1;
    setExtent(m, {.minX = 1000, .minY = 0, .maxX = 20000, .maxY = 8000});
    buildSingleLineTracks(b);
    buildSingleLineSignalling(m);
    m.boundaryTracks[0] = 514;
    m.boundaryTracks[1] = 529;
    // A carriage is hidden while its middle is on a hidden cell: hiding half a carriage at each mouth shows it
    // only once it is wholly out of the tunnel.
    const int mouth = underpassHalf(0, a.carLength);
    for (int t : {500, 515})
        hideMouth(m, t, mouth, true);
    for (int t : {514, 529})
        hideMouth(m, t, mouth, false);
}

} // namespace jamlog
