// The test layouts (and the car park of a train set) through the real tick, each watched for the one mechanism it
// shows: every step of a road vehicle is seen before and after, and an observer of the layout's mechanism counts
// what happened and judges it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "model/layouts/CarParkRow.h"
#include "sim/CatalogueLayouts.h"
#include "sim/Clock.h"
#include "sim/Junctions.h"
#include "sim/LightGroups.h"
#include "sim/Occupancy.h"
#include "sim/RoadVehicleStep.h"
#include "sim/VirtualClock.h"

using namespace jamlog;

namespace {

// Where a road vehicle was before its step.
struct Before {
    bool inside = false;
    int road = -1, lane = 0, pos = 0;
    int signal = 0; // the signal at the end of its road
};

class Observer {
public:
    virtual ~Observer() = default;
    virtual void stepped(const NetworkModel& m, const Before& b, const VehicleRecord& v) = 0;
    // Empty when the mechanism was seen working, else what went wrong.
    virtual std::string verdict(const NetworkModel& m) const = 0;
};

struct Watch : DrawHooks {
    NetworkModel& m;
    Observer& o;
    Before before;
    Watch(NetworkModel& model, Observer& observer) : m(model), o(observer) {}
    void eraseVehicle(int n) override {
        if (n >= firstCarriage)
            return;
        const VehicleRecord& v = m.vehicles[static_cast<size_t>(n)];
        before = {vehicleInside(v) != 0, v.road, v.lane, v.pos, 0};
        if (before.inside && v.road >= 0 && v.road < roadCapacity)
            before.signal = m.road(v.road).signalState;
    }
    void drawVehicle(int n) override {
        if (n < firstCarriage && before.inside)
            o.stepped(m, before, m.vehicles[static_cast<size_t>(n)]);
    }
};

// The light group arm whose approach is `road`, or -1.
int armOf(const NetworkModel& m, int road, int* group) {
    for (int g = 0; g < roadLightGroups && m.lightGroups[static_cast<size_t>(g)].mode != 0; ++g)
        for (int k = 0; k < 4; ++k)
            if (m.lightGroups[static_cast<size_t>(g)].arms[k] == road) {
                *group = g;
                return k;
            }
    return -1;
}

bool isRed(int signal) {
    return signal == signalRed || signal == signalRedAmber;
}

// Light junctions: who passes the stop line on which signal. A driver of class 0 goes on red by design and is not
// counted; any other driver may go on red only onto a nearside turn, and only where turning on red is allowed.
// Every arm must show red and green as its phases come round, and traffic must pass on green from more than one
// lane of every arm: a lane that cannot pass the stop line would hold its traffic for ever.
class SignalObserver : public Observer {
public:
    explicit SignalObserver(bool expectTurnOnRed) : expectTurnOnRed(expectTurnOnRed) {}
    void stepped(const NetworkModel& m, const Before& b, const VehicleRecord& v) override {
        for (int g = 0; g < roadLightGroups && m.lightGroups[static_cast<size_t>(g)].mode != 0; ++g)
            for (int k = 0; k < 4; ++k)
                if (const int a = m.lightGroups[static_cast<size_t>(g)].arms[k]; a >= 0)
                    signalsSeen[{g, k}].insert(m.road(a).signalState);
        int group = -1;
        const int arm = armOf(m, b.road, &group);
        if (arm < 0)
            return;
        if (v.road == b.road || !vehicleInside(v) || v.driver == 0)
            return;
        const int mv = junctionMovement(m, v.road);
        if (mv < 0)
            return;
        if (!isRed(b.signal))
            lanesOnGo[{group, arm}].insert(b.lane);
        else if (mv == 2)
            ++turnsOnRed;
        else
            ++throughRed;
    }
    std::string verdict(const NetworkModel& m) const override {
        std::string out;
        if (throughRed > 0)
            out += std::to_string(throughRed) + " went straight on or turned offside on red; ";
        if (expectTurnOnRed && turnsOnRed == 0)
            out += "no one turned on red; ";
        if (!expectTurnOnRed && turnsOnRed > 0)
            out += std::to_string(turnsOnRed) + " turned on red where it is not allowed; ";
        for (int g = 0; g < roadLightGroups && m.lightGroups[static_cast<size_t>(g)].mode != 0; ++g)
            for (int k = 0; k < 4; ++k) {
                const int approach = m.lightGroups[static_cast<size_t>(g)].arms[k];
                if (approach < 0)
                    continue;
                const std::string arm = "group " + std::to_string(g) + " arm " + std::to_string(k);
                const auto& seen = signalsSeen[{g, k}];
                for (int signal : {signalRed, signalGreen})
                    if (!seen.count(signal))
                        out += arm + " never showed " + std::to_string(signal) + "; ";
                if (lanesOnGo[{g, k}].size() < std::min<size_t>(2, m.road(approach).topLane + 1))
                    out += arm + ": traffic passed on green from " + std::to_string(lanesOnGo[{g, k}].size()) +
                           " of its lanes; ";
            }
        return out;
    }

private:
    bool expectTurnOnRed;
    long turnsOnRed = 0, throughRed = 0;
    mutable std::map<std::pair<int, int>, std::set<int>> lanesOnGo, signalsSeen;
};

// Motorway merges: a road whose control names a slip road (1000 + n) lets the slip's traffic in. Traffic on it moves
// over a lane while the slip's end holds a vehicle, and every slip's traffic gets onto the motorway.
class CourtesyObserver : public Observer {
public:
    static constexpr int slipCode = 1000, slipEnd = 1000;
    void stepped(const NetworkModel& m, const Before& b, const VehicleRecord& v) override {
        if (b.road < 0 || b.road >= roadCapacity || !vehicleInside(v))
            return;
        const int code = m.road(b.road).control;
        if (code >= slipCode && v.road == b.road && v.lane == b.lane + 1) {
            const RoadRecord& slip = m.road(code - slipCode);
            if (!cellsClear(slip.lanes[0], slip.length - slipEnd, slip.length))
                ++moves[b.road];
        }
        if (v.road != b.road)
            ++merged[b.road];
    }
    std::string verdict(const NetworkModel& m) const override {
        std::string out;
        int asking = 0;
        for (int r = 0; r < m.roadCount; ++r) {
            const int code = m.road(r).control;
            if (code < slipCode)
                continue;
            ++asking;
            if (!moves.count(r))
                out += "no courtesy move on " + std::to_string(r) + "; ";
            if (!merged.count(code - slipCode))
                out += "no one came off slip road " + std::to_string(code - slipCode) + "; ";
        }
        return asking > 0 ? out : "no road lets a slip road in";
    }

private:
    std::map<int, long> moves, merged;
};

// Rings of roundabouts: every road of the layout carries traffic, so that vehicles go round every ring, along every
// link between the rings both ways and out by every arm; and vehicles leave by every boundary road.
class EveryRoadObserver : public Observer {
public:
    void stepped(const NetworkModel& m, const Before& b, const VehicleRecord& v) override {
        if (b.road >= 0 && b.road < m.roadCount)
            driven.insert(b.road);
        if (!vehicleInside(v) &&
            std::find(m.boundaryRoads.begin(), m.boundaryRoads.end(), b.road) != m.boundaryRoads.end())
            left.insert(b.road);
    }
    std::string verdict(const NetworkModel& m) const override {
        std::string out;
        for (int r = 0; r < m.roadCount; ++r)
            if (!driven.count(r))
                out += "no one drove on " + std::to_string(r) + "; ";
        for (int r : m.boundaryRoads)
            if (r >= 0 && !left.count(r))
                out += "no one left by " + std::to_string(r) + "; ";
        return out;
    }

private:
    std::set<int> driven, left;
};

// Cars turn into the bays of a car park and drive out of them again, and every bay holds a parked car.
class CarParkObserver : public Observer {
public:
    void stepped(const NetworkModel& m, const Before& b, const VehicleRecord& v) override {
        const bool wasInBay = isBay(m, b.road), inBay = isBay(m, v.road) && v.state == vehicleParked;
        if (inBay)
            parkedIn.insert(v.road);
        if (inBay && !wasInBay)
            ++turnedIn;
        if (wasInBay && !isBay(m, v.road))
            ++leftBays;
    }
    std::string verdict(const NetworkModel& m) const override {
        std::string out;
        for (int r = 0; r < m.roadCount; ++r)
            if (isBay(m, r) && !parkedIn.count(r))
                out += "no car parked in bay " + std::to_string(r) + "; ";
        if (turnedIn == 0)
            out += "no car turned into a bay; ";
        if (leftBays == 0)
            out += "no car left a bay";
        return out;
    }

private:
    static bool isBay(const NetworkModel& m, int road) {
        return road >= 0 && road < m.roadCount && m.road(road).control >= firstBayCode &&
               m.road(road).control < firstBayCode + baysPerAisle;
    }
    std::set<int> parkedIn;
    long turnedIn = 0, leftBays = 0;
};

struct Mechanism {
    const char* name;
    int layout;
    int advanced; // Params\Advanced bits of the run
    std::function<std::unique_ptr<Observer>()> observer;
};

const Mechanism mechanisms[] = {
    {"DcTeeTurnsOnRed", 27, 0, [] { return std::make_unique<SignalObserver>(true); }},
    {"DcTeeWithoutTurnOnRed", 27, advancedNoRightTurnOnRed, [] { return std::make_unique<SignalObserver>(false); }},
    {"MoscowTeeLightPhases", 26, 0, [] { return std::make_unique<SignalObserver>(false); }},
    {"MwayJunctionsCourtesy", 28, 0, [] { return std::make_unique<CourtesyObserver>(); }},
    {"MagicRoundaboutBothWaysRound", 23, 0, [] { return std::make_unique<EveryRoadObserver>(); }},
    {"TestDrawingCarPark", 21, 0, [] { return std::make_unique<CarParkObserver>(); }},
    {"HomeTrainSetCarPark", 15, 0, [] { return std::make_unique<CarParkObserver>(); }},
};

constexpr int runMs = 240000;
constexpr int busyCars = 400;
constexpr uint32_t seed = 2718;

struct TestLayoutMechanisms : ::testing::TestWithParam<Mechanism> {};

TEST_P(TestLayoutMechanisms, TheTickShowsTheMechanism) {
    const Mechanism& mech = GetParam();
    auto m = std::make_unique<NetworkModel>();
    auto draw = std::make_unique<VehicleDrawTable>();
    auto observer = mech.observer();
    Watch watch(*m, *observer);
    SimSettings s;
    s.network = mech.layout;
    s.randomMask = 0;
    s.pro = 1;
    s.advanced = mech.advanced;
    s.cars = busyCars; // queues at every stop line, so that every lane is used
    clearModel(*m);
    Simulation sim(*m, *draw, s, catalogueLayouts(), &watch);
    sim.setSeedSource([] { return seed; });
    sim.create(clockAt(8, 0));
    ASSERT_EQ(sim.state().layout, mech.layout);
    VirtualClock clock(sim);
    clock.advance(runMs);
    EXPECT_EQ(observer->verdict(*m), "");
}

INSTANTIATE_TEST_SUITE_P(Layouts, TestLayoutMechanisms, ::testing::ValuesIn(mechanisms),
                         [](const ::testing::TestParamInfo<Mechanism>& p) { return std::string(p.param.name); });

} // namespace
