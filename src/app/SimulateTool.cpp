// --simulate N --minutes M [--seed S] [--cars C]: builds layout N and runs its traffic on a virtual clock, printing
// one line of figures per minute of running time and a summary line.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/Tools.h"
#include "model/BuildLayout.h"
#include "model/LayoutCatalogue.h"
#include "sim/BodyColours.h"
#include "sim/HeadlessRun.h"
#include "sim/LightGroups.h"
#include "sim/RailwaySignals.h"

namespace jamlog {

namespace {

constexpr int layoutSlots = 30;
constexpr int maxMinutes = 100000;
constexpr int maxCars = 2000;
constexpr int defaultBreakdownSlots = 2; // BkDownNo

struct Options {
    int layout = 0;
    int minutes = 1;
    long long seed = 1;
    int cars = -1; // -1: the layout's own count
};

bool parseInt(const std::string& s, long long lo, long long hi, long long& out) {
    if (s.empty())
        return false;
    char* end = nullptr;
    const long long v = std::strtoll(s.c_str(), &end, 10);
    if (*end != '\0' || v < lo || v > hi)
        return false;
    out = v;
    return true;
}

int fail(const std::string& what) {
    std::fprintf(stderr, "jamlog: --simulate: %s\n", what.c_str());
    return 2;
}

// Returns 0 when the arguments are sound, else the exit status after the message.
int parse(const ToolArgs& args, Options& o) {
    if (args.empty())
        return fail("missing layout number");
    long long v = 0;
    if (!parseInt(args[0], -1000000000LL, 1000000000LL, v))
        return fail("bad layout number '" + args[0] + "'");
    o.layout = v >= 0 && v < layoutSlots ? static_cast<int>(v) : 0; // outside 0-29: the classic layout
    bool minutesGiven = false;
    for (size_t i = 1; i < args.size(); i += 2) {
        const std::string& key = args[i];
        if (i + 1 >= args.size())
            return fail("missing value for '" + key + "'");
        const std::string& val = args[i + 1];
        if (key == "--minutes") {
            if (!parseInt(val, 1, maxMinutes, v))
                return fail("bad value for --minutes '" + val + "'");
            o.minutes = static_cast<int>(v);
            minutesGiven = true;
        } else if (key == "--seed") {
            if (!parseInt(val, 0, 4294967295LL, v))
                return fail("bad value for --seed '" + val + "'");
            o.seed = v;
        } else if (key == "--cars") {
            if (!parseInt(val, 1, maxCars, v))
                return fail("bad value for --cars '" + val + "'");
            o.cars = static_cast<int>(v);
        } else {
            return fail("unknown argument '" + key + "'");
        }
    }
    if (!minutesGiven)
        return fail("missing --minutes");
    if (!layoutIsBuilt(o.layout))
        return fail("layout " + std::to_string(o.layout) + " is not built yet");
    return 0;
}

void printFigures(const HeadlessFigures& f, bool summary) {
    std::printf("%sminute=%d carsNow=%d carsStuck=%d jams=%d relief=%s boatsNow=%d trainsNow=%d",
                summary ? "summary " : "", f.minute, f.carsNow, f.carsStuck, f.jams, f.relief, f.boatsNow, f.trainsNow);
    if (summary)
        std::printf(" entered=%ld left=%ld", f.entered, f.left);
    std::printf("\n");
}

} // namespace

int runSimulate(const ToolArgs& args) {
    Options o;
    if (const int status = parse(args, o))
        return status;
    auto model = std::make_unique<NetworkModel>();
    auto draw = std::make_unique<VehicleDrawTable>();
    clearModel(*model);
    Rng rng(static_cast<uint32_t>(o.seed));
    BuildParams p;
    p.layout = o.layout;
    if (o.cars > 0)
        p.cars = o.cars;
    HeadlessConfig cfg;
    auto build = [&] {
        const BuildResult r = buildLayout(*model, rng, p);
        startLightGroups(*model, p.lights, false);
        *draw = VehicleDrawTable{};
        cfg.traffic.configuredCars = cfg.traffic.activeCars = std::max(r.cars, 1);
        cfg.traffic.releaseCounter = 0;
        cfg.traffic.boatsEnd = r.boatsEnd;
        cfg.roads = (r.contentFlags & contentRoads) != 0;
        cfg.tracks = (r.contentFlags & contentTracks) != 0;
        cfg.rivers = (r.contentFlags & contentRivers) != 0;
        cfg.tokens = layoutUsesTokens(*model, r.contentFlags);
        drawBodyColours(*draw, rng, cfg.traffic.activeCars, (p.options & 4) != 0);
        return r.trainsEnd;
    };
    cfg.minutes = o.minutes;
    cfg.traffic.breakdowns = makeBreakdownRing(defaultBreakdownSlots);
    cfg.trainsEnd = cfg.activeTrainsEnd = build();
    HeadlessFigures last;
    runHeadless(*model, rng, *draw, cfg, build, [&](const HeadlessFigures& f) {
        printFigures(f, false);
        last = f;
    });
    printFigures(last, true);
    return 0;
}

} // namespace jamlog
