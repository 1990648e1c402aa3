// Layout 25 "T: Terminus": a double-track main line from a western tunnel and a branch from a northern tunnel
// meet at a flat junction and run into a four-platform terminus, where trains reverse. Arrivals, and departures over
// the crossings of the throat, go by token; departures merge by a trailing junction, and facing points send them
// west or north. The northbound branch leaves the westbound main line and crosses the eastbound one on the level,
// guarded so that one train at a time passes over the crossing; the southbound branch joins the eastbound main
// line beyond it.
#include "model/TrainLaying.h"
#include "model/layouts/Layouts.h"
#include "model/layouts/RailLayoutParts.h"

namespace jamlog {

namespace {

using namespace raillayout;

constexpr int yE = 11855; // eastbound main line
constexpr int yW = 12145; // westbound main line
constexpr int throat = 22000;
constexpr int platformFrom = 24500, platformTo = 29500;
constexpr int platformY[4] = {10400, 11600, 12800, 14000};
constexpr int fan = 512, arrive = 516, depart = 520, leave = 524; // first of four tracks each

// The branch runs north from the junction on two parallel diagonals (3 across to 5 up), as far apart as the main
// lines. The northbound one leaves the westbound main line at xDiverge and crosses the eastbound one 174 further
// west; the southbound one joins the eastbound main line at xJoin. The eastbound main line ends a block at
// xGuard, short of the crossing by more than the crossing track's half width, where trains wait for it.
constexpr int xDiverge = 17900, xJoin = 18064, xGuard = 17000;
constexpr int xS = 14503, yBendS = 5920;      // southbound branch, straight down to its bend
constexpr int xN = 14213, yBendN = 6000;      // northbound branch
constexpr int xClear = 17360, yClear = 11245; // the northbound branch beyond the crossing, clear of both main lines

constexpr int crossing = 530; // the eastbound main line over the crossing, up to the junction of the branch

void buildMainAndBranch(Builder& b) {
    buildTracks(b, {
                       {500, 0, yE, 3000, yE, 501},
                       {501, 3000, yE, 6000, yE, 502},
                       {502, 6000, yE, 9000, yE, 503},
                       {503, 9000, yE, 13000, yE, 504, -1, -1, 1},
                       {504, 13000, yE, xGuard, yE, crossing},
                       {crossing, xGuard, yE, xJoin, yE, 505},
                       {505, xJoin, yE, throat, yE, fan},    // admission to a platform sets the route
                       {506, throat, yW, xDiverge, yW, 507}, // the facing points set the route
                       {507, xDiverge, yW, 13000, yW, 508},
                       {508, 13000, yW, 9000, yW, 509, -1, -1, 1},
                       {509, 9000, yW, 6000, yW, 510},
                       {510, 6000, yW, 3000, yW, 511},
                       {511, 3000, yW, 0, yW, 500},
                       {528, xS, 0, xS, 3000, 529},
                       {529, xS, 3000, xS, yBendS, 531, -1, -1, 1},
                       {531, xS, yBendS, xJoin, yE, 505},
                       {534, xDiverge, yW, xClear, yClear, 535},
                       {535, xClear, yClear, xN, yBendN, 532},
                       {532, xN, yBendN, xN, 3000, 533, -1, -1, 1},
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
        addTwins(m, arrive + k, depart + k);
        addRecord(m.trainTableB, {2, 505, fan + k, arrive + k, 0, 0, 505, fan + k});
    }
}

// In the throat the way in to a platform crosses the ways out of every platform north of it. Arrivals and the
// departures that cross them both take tokens, so that the one upkeep admits either an arrival or a departure over
// a crossing, never both: the way in counts as occupied with the ways out that it crosses and with the way out of
// its own platform, which it meets at the platform end; a way out counts as occupied with the ways in that cross
// it, but not with its own platform's, so that a train waiting to arrive there never holds up the departure that
// it waits for. The southernmost platform's way out crosses nothing and needs no token.
void buildThroat(NetworkModel& m) {
    addRecord(m.trainTableC, {1, fan + 0, leave + 0});
    addRecord(m.trainTableC, {1, fan + 1, leave + 1, leave + 0});
    addRecord(m.trainTableC, {1, fan + 2, leave + 2, leave + 0, leave + 1});
    addRecord(m.trainTableC, {1, fan + 3, leave + 3, leave + 0, leave + 1, leave + 2});
    addRecord(m.trainTableC, {1, leave + 0, fan + 1, fan + 2, fan + 3});
    addRecord(m.trainTableC, {1, leave + 1, fan + 2, fan + 3});
    addRecord(m.trainTableC, {1, leave + 2, fan + 3});
    for (int j = 0; j < 3; ++j)
        addRecord(m.trainTableB, {1, depart + j, leave + j});
}

// The flat junction. Westbound trains are only sent north while the crossing and the whole way to the branch
// platform are free, so that none ever stands across the main lines. Eastbound trains wait at the end of 504 unless
// the crossing, the northbound track over it, the way on to the throat and the last 1000 units before the
// divergence are all empty: a train about to turn north has the crossing first. The two eastbound feeders take the
// way to the throat one at a time, and the branch waits while the crossing is occupied.
void buildJunction(NetworkModel& m) {
    addTwins(m, 534, crossing);
    addTwins(m, 534, 535);
    addPoints(m, {1, 0, crossing, 505, 0, 504, 534, 506}); // 504 waits for the crossing, 505, 534 and 506's end
    addPoints(m, {1, 0, crossing, 0, 0, 531});             // the branch waits for the crossing
    addPoints(m, {1, 8, 505, 504, 531});                   // one feeder at a time
    addPoints(m, {1, 2, 506, 507, 534});                   // west or north
}

} // namespace

void buildTestTerminus(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "T: Terminus";
    a.contentFlags = contentTracks | contentTrainOption;
    a.trains = 8;
    m.trackCount = 36;
    setExtent(m, {.minX = 0, .minY = 0, .maxX = 32000, .maxY = 25000});
    buildMainAndBranch(b);
    buildTerminus(b);
    buildThroat(m);
    buildJunction(m);
    addPoints(m, {1, 8, 506, leave, leave + 1, leave + 2, leave + 3}); // departures merge
    m.boundaryTracks[0] = 511;
    m.boundaryTracks[1] = 533;
    // A carriage is hidden while its middle is on a hidden cell: hiding half a carriage at each mouth shows it
    // only once it is wholly out of the tunnel.
    const int mouth = underpassHalf(0, a.carLength);
    for (int t : {500, 528})
        hideMouth(m, t, mouth, true);
    for (int t : {511, 533})
        hideMouth(m, t, mouth, false);
}

} // namespace jamlog
