// Layout 20 "T: Crossover": four tracks between tunnels, a slow and a fast line each way, with crossovers between
// the two lines of each direction: facing points on the line a train leaves and a trailing junction on the line it
// joins. The crossovers alternate, fast to slow and slow to fast, so every line both sends and takes trains.
#include <algorithm>
#include <vector>

#include "model/TrainLaying.h"
#include "model/layouts/BranchLine.h"
#include "model/layouts/Layouts.h"
#include "model/layouts/RailLayoutParts.h"

namespace jamlog {

namespace {

constexpr int testTracks = 68;
constexpr int width = 36000, height = 24000;
constexpr int lineGap = 2 * branchline::side; // between neighbouring tracks
constexpr int yCentre = 12000;
constexpr int legsPerLine = 15;
constexpr int crossoverLength = 1500; // along the line, over one line gap
constexpr int facingKind = 2, mergeKind = 8;

enum Line { eastSlow, eastFast, westFast, westSlow, lines };
constexpr int lineY[lines] = {yCentre - 3 * lineGap / 2, yCentre - lineGap / 2, yCentre + lineGap / 2,
                              yCentre + 3 * lineGap / 2};
constexpr int lineSense[lines] = {1, 1, -1, -1};

struct Crossover {
    Line from, to;
    int x; // where it leaves its line
};
const Crossover crossovers[] = {
    {eastFast, eastSlow, 5000},  {eastSlow, eastFast, 12000}, {eastFast, eastSlow, 20000}, {eastSlow, eastFast, 27000},
    {westFast, westSlow, 31000}, {westSlow, westFast, 24000}, {westFast, westSlow, 16000}, {westSlow, westFast, 9000},
};

int endOf(const Crossover& c) {
    return c.x + lineSense[c.from] * crossoverLength;
}

// The leg of a line that ends at x.
int legEndingAt(const branchline::MainLine& l, int x) {
    for (size_t i = 0; i < l.legs.size(); ++i)
        if (l.legs[i].to == x)
            return l.first + static_cast<int>(i);
    return -1;
}

} // namespace

void buildTestCrossover(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "T: Crossover";
    a.contentFlags = contentTracks | contentTrainOption;
    m.trackCount = testTracks;
    setExtent(m, {.minX = 0, .minY = 0, .maxX = width, .maxY = height});

    // Every line has a joint where a crossover leaves it or joins it; the runs between are split into legs.
    branchline::MainLine line[lines];
    for (int k = 0; k < lines; ++k) {
        const int sense = lineSense[k], start = sense > 0 ? 0 : width, end = width - start;
        std::vector<int> joints{start};
        for (const Crossover& c : crossovers) {
            if (c.from == k)
                joints.push_back(c.x);
            if (c.to == k)
                joints.push_back(endOf(c));
        }
        std::sort(joints.begin(), joints.end(), [&](int p, int q) { return sense * p < sense * q; });
        joints.push_back(end);
        std::vector<branchline::Leg> runs;
        for (size_t i = 0; i + 1 < joints.size(); ++i)
            runs.push_back({joints[i], joints[i + 1]});
        line[k] = {branchline::planLegs(runs, start, end, legsPerLine), lineY[k], firstTrack + k * legsPerLine};
    }
    // Trains leave at the end of each line and come back on the line of the same speed the other way.
    const Line returns[lines] = {westSlow, westFast, eastFast, eastSlow};
    for (int k = 0; k < lines; ++k) {
        branchline::buildMainLine(b, line[k], line[returns[k]].first);
        m.boundaryTracks[static_cast<size_t>(k)] = line[k].last();
    }

    int road = firstTrack + lines * legsPerLine;
    for (const Crossover& c : crossovers) {
        const branchline::MainLine &from = line[c.from], &to = line[c.to];
        const int leaves = legEndingAt(from, c.x), joinsFeeder = legEndingAt(to, endOf(c));
        raillayout::buildTrack(b, {road, c.x, from.y, endOf(c), to.y, joinsFeeder + 1});
        raillayout::addPoints(m, {1, facingKind, leaves, leaves + 1, road});
        raillayout::addPoints(m, {1, mergeKind, joinsFeeder + 1, joinsFeeder, road});
        ++road;
    }

    const int mouth = underpassHalf(0, a.carLength);
    for (const branchline::MainLine& l : line) {
        raillayout::hideMouth(m, l.first, mouth, true);
        raillayout::hideMouth(m, l.last(), mouth, false);
    }
}

} // namespace jamlog
