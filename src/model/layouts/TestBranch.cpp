// Layout 22 "T: Branch Test": a double-track line between two tunnels with three single-track branches north off the
// eastbound track, each to a terminus where trains reverse, worked by tokens in both directions. The middle branch
// has a one-track single line, the others one of two tracks, so that sections of three and of four roads are seen.
#include <vector>

#include "model/TrainLaying.h"
#include "model/layouts/BranchLine.h"
#include "model/layouts/Layouts.h"
#include "model/layouts/RailLayoutParts.h"

namespace jamlog {

namespace {

constexpr int testTracks = 66;
constexpr int width = 36000, height = 13000;
constexpr int yMain = 11500;
constexpr int eastLegs = 16, westLegs = 16;

struct Branch {
    int x;
    branchline::Profile profile;
};
const Branch branches[] = {
    {8000, {.singles = {{1100, 1100}}}},
    {18000, {.singles = {{2200}}}},
    {28000, {.singles = {{1100, 1100}}}},
};

} // namespace

void buildTestBranch(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "T: Branch Test";
    a.contentFlags = contentTracks | contentTrainOption;
    m.trackCount = testTracks;
    setExtent(m, {.minX = 0, .minY = 0, .maxX = width, .maxY = height});

    std::vector<branchline::Leg> eastFixed;
    for (const Branch& br : branches)
        eastFixed.push_back(branchline::junctionLeg(br.profile, br.x, 1));
    const branchline::MainLine east{branchline::planLegs(eastFixed, 0, width, eastLegs), yMain - branchline::side,
                                    firstTrack};
    const branchline::MainLine west{branchline::planLegs({}, width, 0, westLegs), yMain + branchline::side,
                                    east.last() + 1};
    branchline::buildMainLine(b, east, west.first);
    branchline::buildMainLine(b, west, east.first);
    m.boundaryTracks[0] = east.last();
    m.boundaryTracks[1] = west.last();
    int next = west.last() + 1;
    for (const Branch& br : branches)
        next = branchline::buildOff(b, br.profile, east, br.x, 1, next);

    const int mouth = underpassHalf(0, a.carLength);
    for (int t : {east.first, west.first})
        raillayout::hideMouth(m, t, mouth, true);
    for (int t : {east.last(), west.last()})
        raillayout::hideMouth(m, t, mouth, false);
}

} // namespace jamlog
