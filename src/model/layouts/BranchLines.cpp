// "Branch Lines": a double-track main line across the middle of the table between two tunnels, with six branches
// north off the eastbound track and four south off the westbound one. Every branch is single track worked by
// tokens; the northern ones have a passing loop halfway, the southern ones run straight to their terminus. Trains
// reverse at a branch terminus and come back onto the main line beyond their junction, in the direction they
// left it, so no track crosses another. The main line has a station in the middle.
#include <vector>

#include "model/TrainLaying.h"
#include "model/layouts/BranchLine.h"
#include "model/layouts/Layouts.h"
#include "model/layouts/RailLayoutParts.h"

namespace jamlog {

namespace {

constexpr int branchTracks = 199;
constexpr int branchTrackAdjust = 12;
constexpr int trainDivisor = 2;
constexpr int width = 36000, height = 27000;

constexpr int yMain = 16300;
constexpr int yEast = yMain - branchline::side; // eastbound keeps left, to the north
constexpr int yWest = yMain + branchline::side;
constexpr int eastLegs = 21, westLegs = 22;
constexpr int stationFrom = 16345, stationTo = 19655; // the main line's platforms, between two junctions

const int northBranches[] = {3000, 9000, 15000, 21000, 27000, 33000};
const int southBranches[] = {6000, 12000, 24000, 30000};

const branchline::Profile northProfile{.singles = {{1100}, {1200}}}; // a passing loop halfway
const branchline::Profile southProfile{.singles = {{1100, 1100}}};

} // namespace

void buildBranchLines(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "Branch Lines";
    a.contentFlags = contentTracks | contentDrawFlag | contentTrainOption;
    a.trains /= trainDivisor;
    m.trackCount = branchTracks;
    m.trackAdjust = branchTrackAdjust;
    setExtent(m, {.minX = 0, .minY = 0, .maxX = width, .maxY = height});

    using branchline::Leg;
    std::vector<Leg> eastFixed{{stationFrom, stationTo, true, edgeStylePlatform}};
    std::vector<Leg> westFixed{{stationTo, stationFrom, true, edgeStylePlatform}};
    for (int x : northBranches)
        eastFixed.push_back(branchline::junctionLeg(northProfile, x, 1));
    for (int x : southBranches)
        westFixed.push_back(branchline::junctionLeg(southProfile, x, -1));
    const branchline::MainLine east{branchline::planLegs(eastFixed, 0, width, eastLegs), yEast, firstTrack};
    const branchline::MainLine west{branchline::planLegs(westFixed, width, 0, westLegs), yWest, east.last() + 1};
    // Trains leave at the end of either line and come back on the other.
    branchline::buildMainLine(b, east, west.first);
    branchline::buildMainLine(b, west, east.first);
    m.boundaryTracks[0] = east.last();
    m.boundaryTracks[1] = west.last();

    int next = west.last() + 1;
    for (int x : northBranches)
        next = branchline::buildOff(b, northProfile, east, x, 1, next);
    for (int x : southBranches)
        next = branchline::buildOff(b, southProfile, west, x, -1, next);

    const int mouth = underpassHalf(0, a.carLength);
    for (int t : {east.first, west.first})
        raillayout::hideMouth(m, t, mouth, true);
    for (int t : {east.last(), west.last()})
        raillayout::hideMouth(m, t, mouth, false);
}

} // namespace jamlog
