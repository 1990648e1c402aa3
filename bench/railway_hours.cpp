// Long headless runs of the railways: each layout for some simulated hours and seeds, as the saver steps it (every
// carriage each 25 ms tick, the railway signals every tenth), with relief off or decided by the tick's figures.
// Per run it prints the longest time any train stood, the trains that moved in an average hour and the station
// calls per hour, and it fails (exit 1) on a train standing 30 minutes, two carriages on one cell or a train
// whose carriages went different ways.
//   railway_hours [--relief] [--hours H] [--seeds N] LAYOUT...
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/BuildLayout.h"
#include "model/InitialRecords.h"
#include "model/LayoutRoutine.h"
#include "model/TrainLaying.h"
#include "sim/RailwaySignals.h"
#include "sim/Relief.h"
#include "sim/TrainFigures.h"

using namespace jamlog;

namespace {

constexpr long ticksPerMinute = 2400;
constexpr long ticksPerHour = 60 * ticksPerMinute;
constexpr long standLimit = 30 * ticksPerMinute;
constexpr int checkEvery = 20; // ticks between the cell and coupling checks
constexpr int carriages = carriageEnd - firstCarriage;
constexpr int history = 6; // roads a carriage remembers, for the carriage behind it
constexpr int reliefSetting = 1, reliefThreshold = 70;

struct Carriage {
    int road = -1, pos = -1;
    std::array<int, history> roads{};
    long standing = 0;
    int waitCount = 0; // the station wait counter after the last tick
};

struct Run {
    NetworkModel& m;
    int trainsEnd;
    std::array<Carriage, carriages> c{};
    long longestStand = 0, calls = 0, reliefTicks = 0;
    std::vector<int> movedThisHour;
    long movedSum = 0;
    std::string fault;

    Carriage& at(int n) { return c[static_cast<size_t>(n - firstCarriage)]; }
    const VehicleRecord& v(int n) const { return m.vehicles[static_cast<size_t>(n)]; }
    bool inside(int n) const { return !(v(n).state & vehicleOutside); }
    bool head(int n) const { return (v(n).kindFlags & carriageHead) != 0; }

    void note(long t) {
        for (int n = firstCarriage; n < trainsEnd; ++n) {
            Carriage& k = at(n);
            const VehicleRecord& r = v(n);
            if (!inside(n)) {
                k = Carriage{};
                continue;
            }
            if (r.road != k.road) {
                if (k.road >= 0 && !head(n) && inside(n - 1) && !followed(n, r.road) && fault.empty())
                    fault = "carriage " + std::to_string(n) + " went onto " + std::to_string(r.road) +
                            ", not the way of the carriage in front, at minute " + std::to_string(t / ticksPerMinute);
                std::rotate(k.roads.rbegin(), k.roads.rbegin() + 1, k.roads.rend());
                k.roads[0] = r.road;
            }
            const bool moved = r.road != k.road || r.pos != k.pos;
            k.road = r.road;
            k.pos = r.pos;
            if (!head(n))
                continue;
            k.standing = moved ? 0 : k.standing + 1;
            longestStand = std::max(longestStand, k.standing);
            if (moved)
                movedThisHour[static_cast<size_t>(n - firstCarriage)] = 1;
            // A station call starts when the wait counter first counts up from 1 at a platform.
            if (k.waitCount == 1 && r.laneTicks >= 2)
                ++calls;
            k.waitCount = r.laneTicks;
        }
    }

    // The carriage in front has been on this road lately (or a reversal moved the whole train onto it).
    bool followed(int n, int road) {
        const Carriage& f = at(n - 1);
        return std::find(f.roads.begin(), f.roads.end(), road) != f.roads.end();
    }

    void checkCells() {
        struct Span {
            int road, from, to, n;
        };
        std::vector<Span> spans;
        for (int n = firstCarriage; n < trainsEnd; ++n)
            if (inside(n) && v(n).pos >= 10) // a carriage marks cells [(pos - length) / 10, pos / 10)
                spans.push_back({v(n).road, std::max(0, v(n).pos - v(n).length) / 10, v(n).pos / 10, n});
        std::sort(spans.begin(), spans.end(),
                  [](const Span& a, const Span& b) { return a.road != b.road ? a.road < b.road : a.from < b.from; });
        for (size_t i = 1; i < spans.size() && fault.empty(); ++i)
            if (spans[i].road == spans[i - 1].road && spans[i].from < spans[i - 1].to)
                fault = "carriages " + std::to_string(spans[i - 1].n) + " and " + std::to_string(spans[i].n) +
                        " on one cell of " + std::to_string(spans[i].road) + " (cells " +
                        std::to_string(spans[i - 1].from) + "-" + std::to_string(spans[i - 1].to) + " and " +
                        std::to_string(spans[i].from) + "-" + std::to_string(spans[i].to) + ")";
    }
};

int runOne(int layout, uint32_t seed, double hours, bool relief) {
    auto m = std::make_unique<NetworkModel>();
    clearModel(*m);
    Rng rng(seed);
    BuildParams p;
    p.layout = layout;
    p.contentFlags = contentTracks;
    const BuildResult r = buildLayout(*m, rng, p);
    RailwayState rail;
    rail.tokens = layoutUsesTokens(*m, r.contentFlags);
    Run run{*m, r.trainsEnd};
    run.movedThisHour.assign(carriages, 0);
    TrainTickArgs a;
    a.trainsEnd = a.activeTrainsEnd = r.trainsEnd;
    const long ticks = static_cast<long>(hours * ticksPerHour);
    int reliefActive = 0;
    for (long t = 0; t < ticks; ++t) {
        if (t % 10 == 0)
            workRailwaySignals(*m, rng, rail, reliefActive != 0);
        a.reliefActive = reliefActive != 0;
        TickCounts counts;
        counts.trains = stepTrains(*m, rng, a);
        if (rail.tokens)
            upkeepTokens(*m);
        if (relief)
            reliefActive = decideRelief(reliefSetting, reliefThreshold, false, counts);
        run.reliefTicks += reliefActive;
        run.note(t);
        if (t % checkEvery == 0)
            run.checkCells();
        if ((t + 1) % ticksPerHour == 0) {
            for (int& moved : run.movedThisHour)
                run.movedSum += std::exchange(moved, 0);
        }
        if (!run.fault.empty() || (!relief && run.longestStand >= standLimit))
            break;
    }
    const double h = double(ticks) / ticksPerHour;
    std::printf("layout %2d %-16s seed %3u%s: longest stand %5.1f min, trains moving per hour %5.1f, station calls "
                "per hour %6.1f, relief %5.1f %% of ticks\n",
                layout, r.name.c_str(), seed, relief ? " relief" : "", double(run.longestStand) / ticksPerMinute,
                double(run.movedSum) / std::max(1.0, std::floor(h)), double(run.calls) / h,
                100.0 * double(run.reliefTicks) / double(ticks));
    if (!run.fault.empty()) {
        std::printf("  FAULT: %s\n", run.fault.c_str());
        return 1;
    }
    if (!relief && run.longestStand >= standLimit) {
        std::printf("  FAULT: a train stood 30 minutes:");
        for (int n = firstCarriage; n < r.trainsEnd; ++n)
            if (run.inside(n) && run.head(n))
                std::printf(" head %d on %d at %d (signal %d)", n, run.v(n).road, run.v(n).pos,
                            m->road(run.v(n).road).signalState);
        std::printf("\n");
        return 1;
    }
    if (relief && run.movedSum == 0) {
        std::printf("  FAULT: no train moved\n");
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    bool relief = false;
    double hours = 24;
    int seeds = 3;
    std::vector<int> layouts;
    for (int i = 1; i < argc; ++i) {
        const std::string s = argv[i];
        if (s == "--relief")
            relief = true;
        else if (s == "--hours" && i + 1 < argc)
            hours = std::atof(argv[++i]);
        else if (s == "--seeds" && i + 1 < argc)
            seeds = std::atoi(argv[++i]);
        else
            layouts.push_back(std::atoi(s.c_str()));
    }
    int failures = 0;
    for (int layout : layouts)
        for (int s = 0; s < seeds; ++s)
            failures += runOne(layout, static_cast<uint32_t>(101 + 37 * s), hours, relief);
    return failures == 0 ? 0 : 1;
}
