// --snapshot FILE.png [--size WxH] [--time HH:MM] [--minutes M] [--seed S] [--flip] [RUN OPTIONS]: builds a layout
// headless with the default settings as the run options change them, pre-populates it, runs M simulated minutes of
// ticks with drawing and writes the view as a PNG. The same seed gives the same file, byte for byte.
#include "app/SnapshotView.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "app/RunOverrides.h"
#include "app/ToolValues.h"
#include "app/Tools.h"
#include "model/InitialRecords.h"
#include "model/LayoutCatalogue.h"
#include "settings/SettingsRecord.h"
#include "sim/CatalogueLayouts.h"
#include "sim/Clock.h"
#include "sim/RandomCycling.h"
#include "sim/VirtualClock.h"

namespace jamlog {

namespace {

constexpr int maxSide = 8192;
constexpr int maxMinutes = 24 * 60;

struct SnapshotOptions {
    std::string file;
    int layout = 14; // a fresh account's first layout, built as the dispatcher resolves it
    RunOverrides overrides;
    int width = 1920, height = 1080;
    int clock = clockAt(12, 0);
    int minutes = 1;
    uint32_t seed = 1;
    bool flip = false;
};

std::optional<SnapshotOptions> parse(const ToolArgs& args, std::string& bad) {
    SnapshotOptions o;
    if (args.empty() || args[0].size() < 5 || args[0].compare(args[0].size() - 4, 4, ".png") != 0) {
        bad = "missing FILE.png" + (args.empty() ? std::string() : ", not '" + args[0] + "'");
        return std::nullopt;
    }
    o.file = args[0];
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool hasValue = i + 1 < args.size();
        std::string v = hasValue ? args[i + 1] : "";
        long long n = 0;
        const int taken = parseRunOverride(args, i, o.overrides, bad);
        if (taken < 0)
            return std::nullopt;
        if (taken > 0) {
            i += static_cast<size_t>(taken) - 1;
            continue;
        }
        if (a == "--flip") {
            o.flip = true;
            continue;
        }
        if (a != "--size" && a != "--time" && a != "--minutes" && a != "--seed") {
            bad = "unknown argument '" + a + "'";
            return std::nullopt;
        }
        if (!hasValue) {
            bad = "missing value after '" + a + "'";
            return std::nullopt;
        }
        bad = "bad value '" + v + "' for '" + a + "'";
        if (a == "--size") {
            size_t x = v.find('x');
            long long w = 0, h = 0;
            if (x == std::string::npos || !parseNumber(v.substr(0, x), 50, maxSide, w) ||
                !parseNumber(v.substr(x + 1), 50, maxSide, h))
                return std::nullopt;
            o.width = static_cast<int>(w);
            o.height = static_cast<int>(h);
        } else if (a == "--time") {
            if (!parseClockTime(v, o.clock))
                return std::nullopt;
        } else if (a == "--minutes") {
            if (!parseNumber(v, 0, maxMinutes, n))
                return std::nullopt;
            o.minutes = static_cast<int>(n);
        } else {
            if (!parseNumber(v, 0, 0xFFFFFFFFL, n))
                return std::nullopt;
            o.seed = static_cast<uint32_t>(n);
        }
        ++i;
    }
    return o;
}

// The catalogue's layouts as the simulation asks for them; --flip forces the half turn on every build.
LayoutService layoutService(bool flip) {
    LayoutService s = catalogueLayouts();
    if (flip)
        s.build = [build = s.build](NetworkModel& m, Rng& rng, const LayoutRequest& q) {
            LayoutRequest flipped = q;
            flipped.options |= optionFlip;
            return build(m, rng, flipped);
        };
    return s;
}

// --layout random: one of the built layouts that random cycling passes over, drawn from the seed.
int randomBuiltLayout(uint32_t seed) {
    std::vector<int> cycled;
    for (int n : builtLayouts())
        if (n < cycledLayouts)
            cycled.push_back(n);
    Rng rng(seed);
    return cycled[static_cast<size_t>(rng.next()) % cycled.size()];
}

} // namespace

int runSnapshot(const ToolArgs& args) {
    std::string bad;
    std::optional<SnapshotOptions> o = parse(args, bad);
    if (!o) {
        std::fprintf(stderr, "jamlog: --snapshot: %s\n", bad.c_str());
        return 2;
    }
    if (o->overrides.layout)
        o->layout = *o->overrides.layout == randomLayout ? randomBuiltLayout(o->seed) : *o->overrides.layout;
    std::unique_ptr<QGuiApplication> app;
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "jamlog";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    // Defaults and the run options only, no cycling: the snapshot shows the chosen layout whatever the user's store
    // holds.
    MemoryProfileStore defaults;
    RunOverrides overrides = o->overrides;
    overrides.layout = o->layout;
    OverriddenStore store(defaults, overrides);
    SettingsRecord record = loadSettings(store);
    SimSettings settings = simSettingsFromRecord(record);
    settings.network = o->layout;
    settings.randomMask = 0;
    settings.rndSettings = 0;
    settings.pro = 1; // the test layouts too
    SnapshotView view(o->width, o->height, settings, layoutService(o->flip), o->seed);
    view.start(o->clock);
    VirtualClock clock(view.simulation());
    for (int i = 0; i < o->minutes; ++i)
        clock.runUntilFired(timerMinute);
    // A full repaint (a change of light level, say) clears the vehicles until the next movement tick draws them
    // again: end on a movement tick so that the picture shows what a viewer sees.
    clock.runUntilFired(timerMove);
    if (!view.image().save(QString::fromStdString(o->file), "PNG")) {
        std::fprintf(stderr, "jamlog: cannot write '%s'\n", o->file.c_str());
        return 1;
    }
    return 0;
}

} // namespace jamlog
