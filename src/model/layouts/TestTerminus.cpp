// Layout 25 "T: Terminus": a double-track main line from a western tunnel and a branch from a northern tunnel
// meet and run into a four-platform terminus, where trains reverse. Admission to a platform is by token, the
// branch joins by a trailing junction, departures merge by another, and facing points send them west or north;
// the northbound branch dives under the eastbound main line.
#include "model/layouts/Layouts.h"
#include "model/layouts/RailLayoutParts.h"

namespace jamlog {

namespace {

using namespace raillayout;

constexpr int yE = 11855; // eastbound main line
constexpr int yW = 12145; // westbound main line
constexpr int xS = 15145; // southbound branch
constexpr int xN = 14855; // northbound branch
constexpr int throat = 22000;
constexpr int platformFrom = 24500, platformTo = 29500;
constexpr int platformY[4] = {10400, 11600, 12800, 14000};
constexpr int fan = 512, arrive = 516, depart = 520, leave = 524; // first of four tracks each

void buildMainAndBranch(Builder& b) {
    buildTracks(b, {
                       {500, 0, yE, 3000, yE, 501},
                       {501, 3000, yE, 6000, yE, 502},
                       {502, 6000, yE, 9000, yE, 503},
                       {503, 9000, yE, 13000, yE, 504, -1, -1, 1},
                       {504, 13000, yE, 17000, yE, 505},
                       {505, 17000, yE, throat, yE, fan, fan + 1, fan + 2},
                       {506, throat, yW, 17000, yW, 507, 534},
                       {507, 17000, yW, 13000, yW, 508},
                       {508, 13000, yW, 9000, yW, 509, -1, -1, 1},
                       {509, 9000, yW, 6000, yW, 510},
                       {510, 6000, yW, 3000, yW, 511},
                       {511, 3000, yW, 0, yW, 500},
                       {528, xS, 0, xS, 3000, 529},
                       {529, xS, 3000, xS, 6000, 530, -1, -1, 1},
                       {530, xS, 6000, xS, 8500, 531},
                       {531, xS, 8500, 17000, yE, 505},
                       {534, 17000, yW, xN, 8500, 535},
                       {535, xN, 8500, xN, 6000, 532},
                       {532, xN, 6000, xN, 3000, 533, -1, -1, 1},
                       {533, xN, 3000, xN, 0, 528},
                   });
}

void buildTerminus(Builder& b) {
    NetworkModel& m = b.model();
    for (int k = 0; k < 4; ++k) {
        const int y = platformY[k];
        buildTracks(b, {
                           {fan + k, throat, yE, platformFrom, y, arrive + k},
                           {arrive + k, platformFrom, y, platformTo, y, riverStub, -1, -1, 1},
                           {depart + k, platformTo, y, platformFrom, y, leave + k, -1, -1, 1},
                           {leave + k, platformFrom, y, throat, yW, 506},
                       });
        m.road(arrive + k).control = depart + k; // the way back out of the terminus
        addTwins(m, fan + k, leave + k);
        addTwins(m, arrive + k, depart + k);
        addRecord(m.trainTableB, {2, 505, fan + k, arrive + k, 0, 0, 505, fan + k});
    }
}

} // namespace

void buildTestTerminus(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "T: Terminus";
    a.contentFlags = contentTracks | contentTrainOption;
    a.trains = 8;
    m.trackCount = 36;
    m.extentMinX = 0;
    m.extentMinY = 0;
    m.extentMaxX = 32000;
    m.extentMaxY = 25000;
    buildMainAndBranch(b);
    buildTerminus(b);
    addPoints(m, {1, 8, 505, 504, 531});                               // the branch joins the eastbound main line
    addPoints(m, {1, 8, 506, leave, leave + 1, leave + 2, leave + 3}); // departures merge
    addPoints(m, {1, 2, 506, 507, 534});                               // west or north
    m.boundaryTracks[0] = 511;
    m.boundaryTracks[1] = 533;
    for (int t : {500, 528})
        hideMouth(m, t, a.carLength, true);
    for (int t : {511, 533})
        hideMouth(m, t, a.carLength, false);
    hideMouth(m, 534, 700, true); // under the eastbound main line
}

} // namespace jamlog
