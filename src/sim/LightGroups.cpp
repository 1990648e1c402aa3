// Light group phase tables as data, and the rules that move the phase counter.
#include "sim/LightGroups.h"

#include <algorithm>
#include <array>

#include "sim/Occupancy.h"

namespace jamlog {

namespace {

constexpr int cycleTicks = 28;
constexpr int tailbackReach = 1000; // the last units of an arm's lane 0 that count as its tailback
constexpr int congested = 50;       // per cent

// One exception to red: the arm shows `state` for ticks from..to.
struct PhaseSpan {
    int from, to, state;
};
using ArmSpans = std::array<PhaseSpan, 3>; // unused spans have from > to
struct PhaseTable {
    int mode;
    std::array<ArmSpans, 4> arms;
    int restartAt; // the counter restarts at 1 after this tick; 0 = every tick
};

constexpr PhaseSpan none{1, 0, 0};
constexpr ArmSpans fourPhaseArm(int k) {
    return {PhaseSpan{7 * k + 3, 7 * k + 3, signalRedAmber}, PhaseSpan{7 * k + 4, 7 * k + 6, signalGreen},
            PhaseSpan{7 * k + 7, 7 * k + 7, signalAmber}};
}
constexpr ArmSpans noClearanceArm(int k) {
    return {PhaseSpan{7 * k + 1, 7 * k + 1, signalRedAmber}, PhaseSpan{7 * k + 2, 7 * k + 6, signalGreen},
            PhaseSpan{7 * k + 7, 7 * k + 7, signalAmber}};
}
constexpr ArmSpans twoPhaseA{PhaseSpan{12, 12, signalRedAmber}, PhaseSpan{13, 19, signalGreen},
                             PhaseSpan{20, 20, signalAmber}};
constexpr ArmSpans twoPhaseB{PhaseSpan{2, 2, signalRedAmber}, PhaseSpan{3, 9, signalGreen},
                             PhaseSpan{10, 10, signalAmber}};
constexpr ArmSpans plainA{PhaseSpan{11, 19, signalGreen}, PhaseSpan{20, 20, signalAmber}, none};
constexpr ArmSpans plainB{PhaseSpan{1, 9, signalGreen}, PhaseSpan{10, 10, signalAmber}, none};
constexpr ArmSpans allGreen{PhaseSpan{-1000, 1000, signalGreen}, none, none};
constexpr ArmSpans pelican{PhaseSpan{-1000, 14, signalGreen}, PhaseSpan{15, 15, signalAmber},
                           PhaseSpan{24, 28, signalFlashingAmber}}; // red 16-23

constexpr std::array<PhaseTable, 6> phaseTables{{
    {lightsFourPhase, {fourPhaseArm(0), fourPhaseArm(1), fourPhaseArm(2), fourPhaseArm(3)}, 28},
    {lightsFourPhaseNoClearance, {noClearanceArm(0), noClearanceArm(1), noClearanceArm(2), noClearanceArm(3)}, 28},
    {lightsTwoPhase, {twoPhaseA, twoPhaseB, twoPhaseA, twoPhaseB}, 20},
    {lightsTwoPhaseNoRedAmber, {plainA, plainB, plainA, plainB}, 20},
    {lightsOff, {allGreen, allGreen, allGreen, allGreen}, 0},
    {lightsPelican, {pelican, pelican, pelican, pelican}, 28},
}};

const PhaseTable* tableFor(int mode) {
    if (mode == lightsPartTimeOn)
        mode = lightsTwoPhase;
    for (const PhaseTable& t : phaseTables)
        if (t.mode == mode)
            return &t;
    return nullptr;
}

bool validRoad(int r) {
    return r >= 0 && r < roadCapacity;
}

void writeArm(NetworkModel& m, int road, int state) {
    if (validRoad(road))
        m.road(road).signalState = state;
}

int armState(const NetworkModel& m, int road) {
    return validRoad(road) ? m.road(road).signalState : signalGreen;
}

int tailbackOf(const NetworkModel& m, int road) {
    if (!validRoad(road))
        return 0;
    const RoadRecord& r = m.road(road);
    return lanePercentOccupied(r.lanes[0], r.length - tailbackReach, r.length);
}

// Gives the turn to arm k (0-based) in the four-phase modes.
void giveTurn(LightGroup& g, int k) {
    const int q = std::min(g.phase / 7, 3);
    if (q != k && g.phase != 7 * q + 1)
        g.phase = 7 * q + 7;
    else
        g.phase = 7 * k - 2 * g.mode + 5;
}

void fourPhaseTailback(const NetworkModel& m, LightGroup& g, const std::array<int, 4>& p, int total) {
    for (int k = 0; k < 4; ++k) {
        if (2 * p[k] > total && armState(m, g.arms[k]) == signalRed) {
            giveTurn(g, k);
            return;
        }
    }
    for (int k = 0; k < 4; ++k) {
        if (4 * p[k] > total && armState(m, g.arms[k]) == signalGreen) {
            g.phase = 7 * k + 4; // back to the arm's first green tick
            return;
        }
    }
}

void twoPhaseTailback(const NetworkModel& m, LightGroup& g, const std::array<int, 4>& p) {
    const int a = p[0] + p[2], b = p[1] + p[3];
    const int arm1 = armState(m, g.arms[0]), arm2 = armState(m, g.arms[1]);
    if (a > 2 * b && arm1 == signalRed && arm2 == signalGreen)
        g.phase = 10;
    else if (b > 2 * a && arm2 == signalRed && arm1 == signalGreen)
        g.phase = 20;
    else if (2 * a > b && arm1 == signalGreen)
        g.phase = 13;
    else if (2 * b > a && arm2 == signalGreen)
        g.phase = 3;
}

} // namespace

bool isRailSignalGroup(const LightGroup& g) {
    return g.mode == railSignals || g.mode == railSignalsMarked;
}

void stepLightGroup(NetworkModel& m, int group) {
    LightGroup& g = m.lightGroups[static_cast<size_t>(group)];
    if (g.mode == 0 || g.mode == lightsPartTimeOff || isRailSignalGroup(g))
        return;
    const PhaseTable* t = tableFor(g.mode);
    if (!t)
        return; // not a road lights kind
    const int c = g.phase;
    g.phase = c + 1;
    for (int k = 0; k < 4; ++k) {
        int state = signalRed;
        for (const PhaseSpan& s : t->arms[static_cast<size_t>(k)])
            if (c >= s.from && c <= s.to)
                state = s.state;
        writeArm(m, g.arms[k], state);
    }
    if (t->restartAt == 0 || c == t->restartAt || c > cycleTicks)
        g.phase = 1;
}

void tailbackRule(NetworkModel& m, int group) {
    LightGroup& g = m.lightGroups[static_cast<size_t>(group)];
    if (g.mode == 0 || g.mode == lightsPartTimeOff || isRailSignalGroup(g))
        return;
    std::array<int, 4> p{};
    int total = 0;
    for (int k = 0; k < 4; ++k)
        total += p[static_cast<size_t>(k)] = tailbackOf(m, g.arms[k]);
    if ((p[0] > congested || p[2] > congested) && (p[1] > congested || p[3] > congested))
        return;
    if (g.tailback > 8)
        g.tailback = 0;
    const int before = g.tailback++;
    if (before >= lightsOff)
        return;
    if (g.mode == lightsFourPhase || g.mode == lightsFourPhaseNoClearance)
        fourPhaseTailback(m, g, p, total);
    else
        twoPhaseTailback(m, g, p);
}

void setLightsMode(NetworkModel& m, int mode) {
    for (int i = 0; i < roadLightGroups; ++i) {
        LightGroup& g = m.lightGroups[static_cast<size_t>(i)];
        // Rail signals keep their mode: switched with the road lights they would flash at night and come back
        // in the morning as road lights.
        if (g.mode < 1 || g.mode > 8 || isRailSignalGroup(g))
            continue;
        g.mode = mode;
        g.phase = 1;
        for (int arm : g.arms)
            writeArm(m, arm, signalRed);
    }
}

void setPeakLights(NetworkModel& m, int mode) {
    for (int i = 0; i < roadLightGroups; ++i) {
        LightGroup& g = m.lightGroups[static_cast<size_t>(i)];
        if (g.mode != lightsPartTimeOff && g.mode != lightsPartTimeOn)
            continue;
        g.mode = mode;
        g.phase = 1;
        for (int arm : g.arms)
            writeArm(m, arm, mode == lightsPartTimeOff ? signalLightsDead : signalRed);
    }
}

void startLightGroups(NetworkModel& m, int lightsMode, bool noExtraLights) {
    for (int i = 0; i < roadLightGroups; ++i) {
        LightGroup& g = m.lightGroups[static_cast<size_t>(i)];
        if (g.mode == 0)
            break;
        if (g.mode == lightsPartTimeOff || g.mode == lightsPartTimeOn) {
            g.mode = lightsPartTimeOff;
            g.phase = 1;
            for (int arm : g.arms)
                writeArm(m, arm, signalLightsDead);
        }
        if (g.hasLights && !isRailSignalGroup(g))
            g.mode = noExtraLights ? 0 : lightsMode;
    }
    for (int i = 0; i < roadLightGroups; ++i)
        stepLightGroup(m, i);
}

void stepAllLightGroups(NetworkModel& m, bool tailbackOn) {
    for (int i = 0; i < roadLightGroups; ++i) {
        if (tailbackOn)
            tailbackRule(m, i);
        stepLightGroup(m, i);
    }
}

} // namespace jamlog
