// --simulate N --minutes M [--seed S] [--cars C] [--time HH:MM] [--cycle] [--settings FILE]: builds layout N with
// the default settings (or those of a settings store or export file) and runs the simulation's own dispatcher on a
// virtual clock, printing one line of figures per minute tick and a summary. The run stays on layout N unless
// --cycle lets random cycling move on. The summary ends with the vehicle updates of the run (road vehicles,
// carriages and boats stepped, pre-population included) and how many of them the run made per CPU second.
#include <QFile>
#include <QTemporaryDir>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <optional>
#include <string>

#include "app/ToolValues.h"
#include "app/Tools.h"
#include "model/LayoutCatalogue.h"
#include "platform/QtProfileStore.h"
#include "settings/SettingsExport.h"
#include "settings/SettingsRecord.h"
#include "settings/StartupVersion.h"
#include "sim/CatalogueLayouts.h"
#include "sim/Clock.h"
#include "sim/MinuteRun.h"

namespace jamlog {

namespace {

constexpr int layoutSlots = 30;
constexpr int maxMinutes = 100000;
constexpr int maxCars = 2000;
constexpr int defaultClock = clockAt(12, 0); // a fixed start, so that a seed replays exactly

struct Options {
    int layout = 0;
    int minutes = 1;
    long long seed = 1;
    int cars = -1; // -1: the Cars setting
    int clock = defaultClock;
    bool cycle = false;       // random cycling as the settings have it; else the run stays on the layout
    std::string settingsFile; // empty: the table's defaults
};

int fail(const std::string& what) {
    std::fprintf(stderr, "jamlog: --simulate: %s\n", what.c_str());
    return 2;
}

// Returns 0 when the arguments are sound, else the exit status after the message.
int parse(const ToolArgs& args, Options& o) {
    if (args.empty())
        return fail("missing layout number");
    long long v = 0;
    if (!parseNumber(args[0], -1000000000LL, 1000000000LL, v))
        return fail("bad layout number '" + args[0] + "'");
    o.layout = v >= 0 && v < layoutSlots ? static_cast<int>(v) : 0; // outside 0-29: the classic layout
    bool minutesGiven = false;
    for (size_t i = 1; i < args.size(); i += 2) {
        const std::string& key = args[i];
        if (key == "--cycle") {
            o.cycle = true;
            --i; // a switch without a value
            continue;
        }
        if (i + 1 >= args.size())
            return fail("missing value for '" + key + "'");
        const std::string& val = args[i + 1];
        if (key == "--minutes") {
            if (!parseNumber(val, 1, maxMinutes, v))
                return fail("bad value for --minutes '" + val + "'");
            o.minutes = static_cast<int>(v);
            minutesGiven = true;
        } else if (key == "--seed") {
            if (!parseNumber(val, 0, 4294967295LL, v))
                return fail("bad value for --seed '" + val + "'");
            o.seed = v;
        } else if (key == "--cars") {
            if (!parseNumber(val, 1, maxCars, v))
                return fail("bad value for --cars '" + val + "'");
            o.cars = static_cast<int>(v);
        } else if (key == "--settings") {
            if (val.empty())
                return fail("missing value for '--settings'");
            o.settingsFile = val;
        } else if (key == "--time") {
            if (!parseClockTime(val, o.clock))
                return fail("bad value for --time '" + val + "' (HH:MM)");
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

// Updates per CPU second; a run too short for the clock to see counts as one clock tick long.
long long updatesPerSecond(long long updates, std::clock_t cpu) {
    const double seconds = static_cast<double>(cpu > 0 ? cpu : 1) / CLOCKS_PER_SEC;
    return static_cast<long long>(static_cast<double>(updates) / seconds);
}

void printFigures(const MinuteFigures& f, bool summary, long long updates = 0, std::clock_t cpu = 0) {
    std::printf("%sminute=%d carsNow=%d carsStuck=%d jams=%d relief=%s boatsNow=%d trainsNow=%d carsMax=%d "
                "stuckPct=%d simTime=%02d:%02d light=%d lights=%d layout=%d",
                summary ? "summary " : "", f.minute, f.carsNow, f.carsStuck, f.jams, f.reliefName, f.boatsNow,
                f.trainsNow, f.carsMax, f.stuckPct, f.simTime / minutesPerHour, f.simTime % minutesPerHour, f.light,
                f.lights, f.layout);
    if (summary)
        std::printf(" entered=%ld left=%ld updates=%lld updatesPerSecond=%lld", f.entered, f.left, updates,
                    updatesPerSecond(updates, cpu));
    std::printf("\n");
}

// The settings of an export file, read into an empty store of the current version, or of a settings store, read
// from a copy so that the load's own writes never reach the user's file. Empty on failure, after the message.
std::optional<SettingsRecord> settingsFromFile(const std::string& file) {
    QFile in(QString::fromStdString(file));
    if (!in.open(QIODevice::ReadOnly)) {
        fail("cannot read settings file '" + file + "'");
        return std::nullopt;
    }
    const QByteArray head = in.read(static_cast<qint64>(settingsFileHeader.size()));
    in.close();
    if (head.toStdString() == settingsFileHeader) {
        MemoryProfileStore store;
        startupVersion(store, "jamlog", 0);
        if (importSettings(store, file, {}) != SettingsFileResult::ok) {
            fail("'" + file + "' is not a settings file of this version");
            return std::nullopt;
        }
        return loadSettings(store);
    }
    QTemporaryDir dir;
    const QString copy = dir.filePath("settings.ini");
    if (!dir.isValid() || !QFile::copy(QString::fromStdString(file), copy)) {
        fail("cannot copy settings file '" + file + "'");
        return std::nullopt;
    }
    QtProfileStore store(copy);
    return loadSettings(store);
}

} // namespace

int runSimulate(const ToolArgs& args) {
    Options o;
    if (const int status = parse(args, o))
        return status;
    // Without a file, the defaults of the settings table, as a first run with an empty store reads them.
    MemoryProfileStore empty;
    const std::optional<SettingsRecord> record =
        o.settingsFile.empty() ? loadSettings(empty) : settingsFromFile(o.settingsFile);
    if (!record)
        return 2;
    SimSettings settings = simSettingsFromRecord(*record);
    settings.network = o.layout;
    if (!o.cycle)
        settings.randomMask &= ~1;
    if (o.cars > 0)
        settings.cars = o.cars;

    auto model = std::make_unique<NetworkModel>();
    auto draw = std::make_unique<VehicleDrawTable>();
    clearModel(*model);
    Simulation sim(*model, *draw, settings, catalogueLayouts());
    // Every run start takes the next seed of a sequence from --seed, so that resets and cycling replay too.
    sim.setSeedSource([next = static_cast<uint32_t>(o.seed)]() mutable { return next++; });
    MinuteFigures last;
    const std::clock_t cpuBefore = std::clock();
    const MinuteRun run = runSimulationMinutes(sim, o.clock, o.minutes, [&](const MinuteFigures& f) {
        printFigures(f, false);
        last = f;
    });
    if (run.stalled) {
        std::fflush(stdout);
        std::fprintf(stderr, "jamlog: --simulate: no minute passed after minute %d; the timers have stalled\n",
                     last.minute);
        return 1;
    }
    const std::clock_t cpu = std::clock() - cpuBefore;
    printFigures(last, true, sim.state().vehicleSteps, cpu);
    return 0;
}

} // namespace jamlog
