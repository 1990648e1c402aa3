// Hours of every built railway with relief off: no lock-up that only a reset could clear. A layout is locked when
// trains are inside and none of their heads has moved for ten simulated minutes; a train is locked when its head
// has stood for thirty (station stops and reversals last a few minutes at most). Longer runs with
// JAMLOG_TRAIN_HOURS=<factor>, of one layout with JAMLOG_TRAIN_LAYOUT=<number>.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

#include "model/BuildLayout.h"
#include "model/LayoutCatalogue.h"
#include "sim/TrainFixture.h"

using namespace jamlog;

namespace {

constexpr long ticksPerMinute = 2400; // 25 ms movement ticks
constexpr long layoutLockTicks = 10 * ticksPerMinute;
constexpr long trainLockTicks = 30 * ticksPerMinute;

// Simulated hours per layout, sized so that the whole test stays near twenty seconds under the sanitizers; the
// test railways are cheap, "Clahm Junction" steps 160 carriages. "Loopy Train Set" runs long enough for its trains
// to fill the cycles through its reversing loops and crossovers, were they let.
double hoursFor(int layout) {
    static const std::map<int, double> hours{{5, 1.5}, {12, 1.5}, {17, 0.25}, {24, 1.0}, {25, 1.0}};
    const char* f = std::getenv("JAMLOG_TRAIN_HOURS");
    const double factor = f ? std::atof(f) : 1.0;
    const auto it = hours.find(layout);
    return factor * (it == hours.end() ? 0.25 : it->second);
}

struct Deadlock : TrainFixture {
    static constexpr int carriages = carriageEnd - firstCarriage;
    std::array<long, carriages> standing{}; // per head: ticks without moving while inside
    std::array<std::pair<int, int>, carriages> last{};
    long allStanding = 0, longestAll = 0, longestTrain = 0;

    bool inside(int n) const { return !(car(n).state & vehicleOutside); }

    // Notes which heads moved in the tick; true when a head inside moved or one entered or left.
    bool noteHeads() {
        bool anyMoved = false;
        for (int n = firstCarriage; n < trainsEnd; ++n) {
            const VehicleRecord& v = car(n);
            if (!(v.kindFlags & carriageHead))
                continue;
            const size_t i = static_cast<size_t>(n - firstCarriage);
            const std::pair<int, int> at = inside(n) ? std::make_pair(v.road, v.pos) : std::make_pair(-1, -1);
            const bool moved = last[i] != at;
            last[i] = at;
            anyMoved |= moved;
            standing[i] = (moved || !inside(n)) ? 0 : standing[i] + 1;
            longestTrain = std::max(longestTrain, standing[i]);
        }
        return anyMoved;
    }

    std::string describeStanding(long atLeast) {
        std::ostringstream out;
        for (size_t i = 0; i < standing.size(); ++i)
            if (const long ticks = standing[i]; ticks >= atLeast) {
                const int head = firstCarriage + static_cast<int>(i);
                const VehicleRecord& v = car(head);
                out << " head " << head << " on " << v.road << " at " << v.pos << " (signal "
                    << m->road(v.road).signalState << ", " << ticks / ticksPerMinute << " min)";
            }
        return out.str();
    }

    // Runs the railway as the saver does with relief off: carriages every tick, the token upkeep after every
    // movement tick, the railway signals every tenth.
    void runHours(int layout, const std::string& name, double hours) {
        const long ticks = static_cast<long>(hours * 60 * ticksPerMinute);
        for (long t = 0; t < ticks; ++t) {
            const TrainFigures f = tick(t, false);
            if (rail.tokens)
                upkeepTokens(*m);
            const bool moved = noteHeads();
            allStanding = (f.counted > 0 && !moved) ? allStanding + 1 : 0;
            longestAll = std::max(longestAll, allStanding);
            ASSERT_LT(allStanding, layoutLockTicks)
                << name << " locked at " << t / ticksPerMinute << " min:" << describeStanding(layoutLockTicks / 2);
            ASSERT_LT(longestTrain, trainLockTicks)
                << name << ": a train locked at " << t / ticksPerMinute << " min:" << describeStanding(trainLockTicks);
        }
        std::printf("layout %d %s: %.2f h, longest standstill of all trains %.1f min, of one train %.1f min\n", layout,
                    name.c_str(), hours, double(longestAll) / ticksPerMinute, double(longestTrain) / ticksPerMinute);
    }
};

} // namespace

TEST_F(Deadlock, EveryRailwayRunsForHoursWithReliefOff) {
    int railways = 0;
    const char* only = std::getenv("JAMLOG_TRAIN_LAYOUT"); // one layout only, for the long runs of bench/
    for (int layout : builtLayouts()) {
        if (only && layout != std::atoi(only))
            continue;
        BuildParams p;
        p.layout = layout;
        p.contentFlags = contentTracks;
        rng = Rng{static_cast<uint32_t>(11 + layout)};
        const BuildResult r = buildLayout(*m, rng, p);
        if (r.layout != layout || r.trackCount == 0 || r.trainsEnd == firstCarriage)
            continue;
        trainsEnd = r.trainsEnd;
        rail = RailwayState{};
        rail.tokens = layoutUsesTokens(*m, r.contentFlags);
        standing.fill(0);
        last.fill({-2, -2});
        allStanding = longestAll = longestTrain = 0;
        runHours(layout, r.name, hoursFor(layout));
        if (HasFatalFailure())
            return;
        ++railways;
    }
    if (!only) {
        EXPECT_GE(railways, 4);
    } // at least "Little Train Set", "Clahm Junction" and the two test railways
}
