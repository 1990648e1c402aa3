// The random-settings draw, background colours and the next layout of random cycling.
#include "sim/RandomCycling.h"

namespace jamlog {

namespace {

constexpr int half = 16384;
constexpr int threeQuarters = 24576;
constexpr int tarmacDivisor = 8192; // (rand() - 8192) / 8192 gives -1..2
constexpr int railsDivisor = 10923; // 0..2
constexpr int driverDivisor = 6554; // 0..4
constexpr int weatherOffset = 4096; // (rand() - 4096) / 8192 gives 0..3
constexpr int weatherDivisor = 8192;
constexpr int slowDivisor = 8192;   // 0..3
constexpr int backDivisor = 5462;   // 0..5
constexpr int layoutDivisor = 1639; // 0..19

} // namespace

void drawRandomSettings(SimSettings& s, RandomDrawn& d, Rng& rng) {
    const int r = s.rndSettings;
    auto coin = [&] { return rng.next() / half; };
    if (r & rndFlips)
        d.flip = rng.next() >= half ? 1 : 0;
    if (r & rndSurfaces) {
        s.tarmac = (rng.next() - tarmacDivisor) / tarmacDivisor;
        s.rails = rng.next() / railsDivisor;
    }
    if (!(r & rndEffects))
        return;
    if (r & rndDriving)
        s.driver = rng.next() / driverDivisor;
    if (r & rndLights) {
        s.tlOff = coin();
        d.extraLights = rng.next() >= threeQuarters ? 1 : 0;
        s.pelican = coin();
    }
    if (r & rndDaylight) {
        s.dayLight = coin();
        if (s.dayLight == 0)
            s.night = rng.next() >= threeQuarters ? 1 : 0;
    }
    if (r & rndStreetLights)
        s.stLights = coin();
    if (r & rndTrains) {
        s.vlTrains = coin();
        s.varyTrains = coin();
    }
    if (r & rndCombinations) {
        s.roads = coin();
        s.tracks = coin();
        s.rivers = coin();
    }
    if (r & rndEmergency)
        s.fire = coin();
    if (r & rndWeather) {
        s.weather = (rng.next() - weatherOffset) / weatherDivisor;
        if (!(r & rndSnow))
            s.weather = coin();
    }
    if (r & rndRoadworks) {
        s.dynRW = coin();
        s.rwSigns = coin();
        s.rwl = coin();
    }
    if (r & rndSpeedLimits) {
        s.esl = coin();
        s.vsl = coin();
        s.rsl = coin();
        s.rwl = coin();
        if (r & rndCameras)
            s.gatso = coin();
        if (r & rndSigns) {
            s.slSigns = coin();
            s.vslSigns = coin();
            s.rwSigns = coin();
        }
    }
    if (r & rndSlowVehicles)
        s.vSlow = rng.next() / slowDivisor;
    if (r & rndBreakdowns)
        s.breakdowns = coin();
}

int drawBackground(int rndBack, Rng& rng) {
    if (!(rndBack & rndBackVary))
        return -1;
    int r = 0;
    for (int i = 0; i < maxDraws; ++i) {
        r = rng.next() / backDivisor;
        if (rndBack & (1 << r))
            break;
    }
    return r;
}

int drawNextLayout(int current, int mask, bool inTurn, Rng& rng, int (*family)(int)) {
    if (inTurn)
        return current + 1 >= cycledLayouts ? 0 : current + 1;
    for (int i = 0; i < maxDraws; ++i) {
        const int n = rng.next() / layoutDivisor;
        if ((mask & (1 << (n + 1))) && n != current && family(n) != family(current))
            return n;
    }
    return current;
}

int drawNextBuiltLayout(int current, int mask, bool inTurn, Rng& rng, int (*family)(int), bool (*built)(int)) {
    if (built == nullptr)
        return drawNextLayout(current, mask, inTurn, rng, family);
    if (inTurn) {
        int n = current;
        for (int i = 0; i < cycledLayouts; ++i) {
            n = drawNextLayout(n, mask, true, rng, family);
            if (built(n))
                return n;
        }
        return current;
    }
    for (int n = 0; n < cycledLayouts; ++n)
        if (!built(n))
            mask &= ~(1 << (n + 1));
    return drawNextLayout(current, mask, false, rng, family);
}

} // namespace jamlog
