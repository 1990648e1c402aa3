// Random cycling: the draw of the view's working settings, of the background colour and of the next layout.
#pragma once
#include "model/Rng.h"
#include "sim/SimSettings.h"

namespace jamlog {

constexpr int cycledLayouts = 20; // layouts 0-19 take part in random cycling
constexpr int maxDraws = 998;

// Bits of RndSettings.
enum RandomSettingBit : int {
    rndEffects = 1 << 0,
    rndFlips = 1 << 1,
    rndSurfaces = 1 << 2,
    rndDriving = 1 << 3,
    rndLights = 1 << 4,
    rndDaylight = 1 << 5,
    rndStreetLights = 1 << 6,
    rndTrains = 1 << 7,
    rndCombinations = 1 << 8,
    rndEmergency = 1 << 9,
    rndWeather = 1 << 10,
    rndSnow = 1 << 11,
    rndRoadworks = 1 << 12,
    rndCameras = 1 << 13,
    rndSpeedLimits = 1 << 14,
    rndSigns = 1 << 15,
    rndSlowVehicles = 1 << 16,
    rndBreakdowns = 1 << 17,
};
constexpr int rndBackVary = 1 << 6;

// The working values the draw changes besides the settings.
struct RandomDrawn {
    int flip = 0;        // the layout flip option
    int extraLights = 1; // extra traffic lights on
};

// The draw of RndSettings on the working settings, a fresh rand() for every value, in a fixed order.
void drawRandomSettings(SimSettings& s, RandomDrawn& d, Rng& rng);

// The background colour index 0-5 drawn until its bit of RndBack is set (at most 998 draws), or -1 when the
// background does not vary.
int drawBackground(int rndBack, Rng& rng);

// The next layout: with `inTurn` the current one plus one, wrapping after the last cycled layout; otherwise drawn
// until it is in the mask (bit number + 1), is not the current one and is of another family (at most 998 draws);
// the current layout when no draw succeeds.
int drawNextLayout(int current, int mask, bool inTurn, Rng& rng, int (*family)(int));

// The same among the layouts that are built (all when `built` is null): the mask loses the bits of the others,
// and in turn they are passed over.
int drawNextBuiltLayout(int current, int mask, bool inTurn, Rng& rng, int (*family)(int), bool (*built)(int));

} // namespace jamlog
