// The simulation of one view: the run state, the start of a run and the timer dispatcher. Platform-free; the view
// owns it with the model and the draw records and calls onTimer from its timers.
#pragma once
#include <array>
#include <functional>
#include <string>

#include "model/BuildLayout.h"
#include "model/NetworkModel.h"
#include "model/Rng.h"
#include "sim/Breakdowns.h"
#include "sim/DrawHooks.h"
#include "sim/RailwaySignals.h"
#include "sim/RandomCycling.h"
#include "sim/Relief.h"
#include "sim/SimSettings.h"
#include "sim/TimerTable.h"
#include "sim/VehicleDrawRecord.h"

namespace jamlog {

// What a run asks of the layout dispatcher: the build inputs of its working settings, with the run's content
// switches, car count and random flip.
using LayoutRequest = BuildParams;

// What the dispatcher reports back.
struct LayoutOutcome {
    int layout = 0;   // the number actually built (a layout not built yet builds the classic one)
    int switches = 0; // content flags out
    int cars = 0, trains = 0, boats = 0;
    int trainsEnd = firstCarriage; // one past the last carriage
    int boatsEnd = firstBoat;      // one past the last boat
    std::string name;
};

struct LayoutService {
    std::function<LayoutOutcome(NetworkModel&, Rng&, const LayoutRequest&)> build;
    int (*family)(int layout) = nullptr;
    bool (*built)(int layout) = nullptr; // random cycling passes over layouts not built yet; none: all are built
};

constexpr int annotationLines = 14;
constexpr int maxRoadVehicles = firstCarriage;

struct RunState {
    int clock = 0;       // minutes since midnight
    int minuteCount = 0; // minute ticks since creation
    int secondCount = 0;
    int tickCount = 0;
    int lightLevel = 14, dayLevel = 14;
    int configuredCars = 200, activeCars = 200, releaseCounter = 0;
    int trainsEnd = firstCarriage, activeTrainsEnd = firstCarriage, boatsEnd = firstBoat;
    TickCounts counts;
    int reliefActive = 0;
    int jamTicks = 0, jams = 0, reliefMinutes = 0;
    LightsState lights;
    int flashPhase = 0;
    int switches = 0; // the layout's content flags (model/LayoutRoutine.h) as built
    int layout = 14;
    std::string layoutName;
    RandomDrawn drawn;
    uint32_t background = 0x007000;
    long entered = 0, left = 0; // road vehicles entering and leaving the layout in movement ticks
    long long vehicleSteps = 0; // road vehicles, carriages and boats stepped since creation, pre-population too
    int runs = 0;               // runs started
    int timerSets = 0;          // times every timer was set anew (layout changes after the first run)
    int heartbeatSets = 0;      // times only the heartbeat was set anew (automatic resets)
    std::array<std::string, annotationLines> annotations;
};

class Simulation {
public:
    // working: where the run keeps its working values, when the view's drawing reads the same values (they start
    // as the stored ones); without it the simulation keeps them itself.
    Simulation(NetworkModel& model, VehicleDrawTable& draw, const SimSettings& stored, LayoutService layouts,
               DrawHooks* hooks = nullptr, RunEvents* events = nullptr, SimSettings* working = nullptr);
    Simulation(const Simulation&) = delete;
    Simulation& operator=(const Simulation&) = delete;

    // The seed of every run start (the platform gives the time; headless runs a replayable sequence).
    void setSeedSource(std::function<uint32_t()> source) { seedSource = std::move(source); }

    // Where a random layout change reads the content switches and the extras it puts back: the view's store, so
    // that a change saved since the view was made takes effect. Without one the values as loaded are read.
    using StoreRead = std::function<int32_t(Setting)>;
    void setStoreRead(StoreRead read) { storeRead = std::move(read); }

    // View creation: the clock at the time of day, the light level and the first run.
    void create(int clockMinutes);

    // Builds the current layout and starts a run; restart 1 pre-populates, restart 0 reloads some settings. The view
    // passes Cars for restarts, a fifth of the active cars when the dialog's preview is rebuilt (restart 0).
    void startRun(int cars, bool restart);

    // The dispatcher of the view's timers.
    void onTimer(int id);

    // Menu commands and random cycling.
    void nextLayout();
    void quickRelief();
    void lightsSwitch();
    // Puts the simulated clock at a minute of the day (the clock commands); out-of-day values are clamped as at
    // creation. The light level then follows the clock on its own timer.
    void setClock(int clockMinutes);

    // The configuration dialog's live preview: the layout the next run builds, and a new peak number of cars, which
    // rebuilds the run at once (restart 0): a layout initialises only the vehicles it is asked for, and vehicles cut
    // off in mid-journey would keep their lane cells.
    void selectLayout(int layout) { st.layout = layout; }
    void setPeakCars(int cars);

    TimerTable timers() const { return timerTable(work); }
    const RunState& state() const { return st; }
    SimSettings& settings() { return work; }
    const SimSettings& settings() const { return work; }
    NetworkModel& model() { return m; }
    Rng& random() { return rng; }
    bool roadLayout() const;

    // Public for the tests of each job.
    void moveTick();
    void lightTick();
    void minuteTick();

private:
    // The run start of startRun; an automatic reset keeps the layout and sets only the heartbeat anew, so that
    // resets however frequent never hold back the slower timers.
    void beginRun(int cars, bool restart, bool layoutChanged);
    void prePopulate();
    void stepRoadVehicles(bool draw);
    void stepCarriages();
    void stepBoats();
    void afterMove();
    void reseed();
    void applyLightsMode();
    void rereadStored();

    NetworkModel& m;
    VehicleDrawTable& draws;
    SimSettings stored;  // as loaded: what a reload reads
    SimSettings ownWork; // the working values when the view does not hold them
    SimSettings& work;   // the view's working values
    LayoutService layouts;
    DrawHooks nullHooks;
    RunEvents nullEvents;
    DrawHooks& hooks;
    RunEvents& events;
    Rng rng;
    RunState st;
    RailwayState railway;
    BreakdownRing ring;
    bool constructed = false;
    std::function<uint32_t()> seedSource;
    StoreRead storeRead;
    uint32_t seedCounter = 1;
};

} // namespace jamlog
