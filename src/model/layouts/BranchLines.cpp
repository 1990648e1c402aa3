// "Branch Lines": a double-track main line across the middle of the table between two tunnels, with six branches
// north off the eastbound track and four south off the westbound one. Every branch is single track worked by
// tokens; the northern ones have a passing loop halfway, the southern ones run straight to their terminus. Trains
// reverse at a branch terminus and come back onto the main line beyond their junction, in the direction they
// left it, so no track crosses another. The main line has a station in the middle.
#include <algorithm>
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

// A run of main-line track from x to x.
struct Leg {
    int from, to;
    bool fixed; // a junction's through track or the station: never split
};

// The legs of one direction between the fixed joints, the longest free ones split until there are `wanted`.
std::vector<Leg> planLegs(std::vector<Leg> fixedLegs, int start, int end, int wanted) {
    const int dir = end > start ? 1 : -1;
    std::sort(fixedLegs.begin(), fixedLegs.end(),
              [&](const Leg& a, const Leg& b) { return dir * a.from < dir * b.from; });
    std::vector<Leg> order;
    int at = start;
    for (const Leg& f : fixedLegs) {
        if (f.from != at)
            order.push_back({at, f.from, false});
        order.push_back(f);
        at = f.to;
    }
    if (at != end)
        order.push_back({at, end, false});
    std::vector<int> parts(order.size(), 1);
    int count = static_cast<int>(order.size());
    while (count < wanted) {
        size_t best = order.size();
        int bestLength = 0;
        for (size_t i = 0; i < order.size(); ++i) {
            const int piece = dir * (order[i].to - order[i].from) / (parts[i] + 1);
            if (!order[i].fixed && piece > bestLength) {
                bestLength = piece;
                best = i;
            }
        }
        if (best == order.size())
            break;
        ++parts[best];
        ++count;
    }
    std::vector<Leg> legs;
    for (size_t i = 0; i < order.size(); ++i)
        for (int k = 0; k < parts[i]; ++k) {
            const Leg& o = order[i];
            const int span = o.to - o.from;
            legs.push_back({o.from + span * k / parts[i], o.from + span * (k + 1) / parts[i], o.fixed});
        }
    return legs;
}

// The main line's tracks of one direction from record `first`, in running order; the last one leads to `after`.
void buildLegs(Builder& b, const std::vector<Leg>& legs, int y, int first, int after) {
    for (size_t i = 0; i < legs.size(); ++i) {
        const int road = first + static_cast<int>(i);
        const bool station = std::min(legs[i].from, legs[i].to) == stationFrom;
        const int next = i + 1 < legs.size() ? road + 1 : after;
        raillayout::buildTrack(b,
                               {road, legs[i].from, y, legs[i].to, y, next, -1, -1, station ? edgeStylePlatform : 0});
    }
}

int legEndingAt(const std::vector<Leg>& legs, int first, int x) {
    for (size_t i = 0; i < legs.size(); ++i)
        if (legs[i].to == x)
            return first + static_cast<int>(i);
    return -1;
}

} // namespace

void buildBranchLines(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "Branch Lines";
    a.contentFlags = contentTracks | contentDrawFlag | contentTrainOption;
    a.trains /= trainDivisor;
    m.trackCount = branchTracks;
    m.trackAdjust = branchTrackAdjust;
    m.extentMinX = 0;
    m.extentMinY = 0;
    m.extentMaxX = width;
    m.extentMaxY = height;

    const int northHalf = branchline::junctionHalf(northProfile), southHalf = branchline::junctionHalf(southProfile);
    std::vector<Leg> eastFixed{{stationFrom, stationTo, true}}, westFixed{{stationTo, stationFrom, true}};
    for (int x : northBranches)
        eastFixed.push_back({x - northHalf, x + northHalf, true});
    for (int x : southBranches)
        westFixed.push_back({x + southHalf, x - southHalf, true});
    const std::vector<Leg> east = planLegs(eastFixed, 0, width, eastLegs);
    const std::vector<Leg> west = planLegs(westFixed, width, 0, westLegs);
    const int eastFirst = firstTrack, westFirst = firstTrack + eastLegs;
    const int eastLast = westFirst - 1, westLast = westFirst + westLegs - 1;
    // Trains leave at the end of either line and come back on the other.
    buildLegs(b, east, yEast, eastFirst, westFirst);
    buildLegs(b, west, yWest, westFirst, eastFirst);
    m.boundaryTracks[0] = eastLast;
    m.boundaryTracks[1] = westLast;

    int next = westLast + 1;
    auto branch = [&](const branchline::Profile& p, int x, int sense, const std::vector<Leg>& legs, int first) {
        const int half = branchline::junctionHalf(p);
        const int points = legEndingAt(legs, first, x - sense * half);
        const int rejoin = legEndingAt(legs, first, x + sense * half) + 1;
        next = branchline::build(b, p,
                                 {.x = x,
                                  .y = sense > 0 ? yEast : yWest,
                                  .sense = sense,
                                  .points = points,
                                  .through = points + 1,
                                  .rejoin = rejoin},
                                 next)
                   .end;
    };
    for (int x : northBranches)
        branch(northProfile, x, 1, east, eastFirst);
    for (int x : southBranches)
        branch(southProfile, x, -1, west, westFirst);

    const int mouth = underpassHalf(0, a.carLength);
    for (int t : {eastFirst, westFirst})
        raillayout::hideMouth(m, t, mouth, true);
    for (int t : {eastLast, westLast})
        raillayout::hideMouth(m, t, mouth, false);
}

} // namespace jamlog
