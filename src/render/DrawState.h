// The state the view's drawing reads and writes: brightness, tints, surface colours, the transform's scale and
// modes, the flash phase, and the option values copied once from the settings record.
#pragma once
#include <cstdint>

#include "platform/Canvas.h"
#include "render/Colours.h"
#include "settings/SettingBits.h"
#include "sim/SimSettings.h"

namespace jamlog {

struct SettingsRecord;

constexpr int hugeCarParkLayout = 19; // its roads run past number 499 and are all drawn lit

// The options the drawing and the view read, as plain fields (names as the settings).
struct RenderSettings {
    int studs = 1, shadows = 1, tlState = 1, bevel = 1, noMM = 0, stLights = 1, tarmac = 0, rails = 0, weather = 0;
    int brake = 1, fire = 1, mouse = 0, canMse = 1, night = 0;
    int dimming = 50, dusk = 15, signSize = 35, polyThresh = 30, glow = 15, carWid = 40, lanWid = 130;
    int hCorr = 10, vCorr = 10, aCorr = 10, advanced = 0, debug = 0, storedDebug = 0, pro = 0;
    int slSigns = 1, vslSigns = 1, rwSigns = 1, rsl = 1, vsl = 1, rwl = 1, gatso = 1;
    int wandering = 3, annotate = 0, dayLight = 1, legend = 1, peakTL = 1, dynRW = 1;
    int wanderDist = 1, wanderZoom = 2, wanderIntvl = 8;
    int updSpd = 75, factor = 10, procCorr = 5, faster = 120, slower = 35, accel = 5, esl = 1;
    Colour backCol = 28672; // the background colour in force
};

RenderSettings renderSettingsFrom(const SettingsRecord& record);

struct DrawState {
    RenderSettings set;
    Colour drawColour = 0;
    int brightness = fullDaylight; // B
    Tint lampTint;
    Colour tarmacColour = 0x808080;
    Colour backColour = 28672; // dim(BackCol) as painted
    bool polygonMode = true;
    bool smallWindow = false;
    int flashPhase = 0;
    int scale = 10; // world units per pixel, never 0
    int screenW = 1920, screenH = 1080;
    int layout = 0;  // layout number
    int content = 0; // content mask: bit 1 roads, 2 tracks, 4 rivers, 8 scenery

    bool snowy() const { return set.weather == weatherSnowy; }
    bool debugOn(int bits) const { return (set.debug & bits) != 0; }
    bool night() const { return brightness > set.dusk; }
    // Recomputes the tint and background after B, street lights or the background colour changed.
    void refreshColours();
    void setBrightness(int b) {
        brightness = b < 1 ? 1 : b;
        refreshColours();
    }
};

// The surface colour of a `Tarmac` value: 0 grey, 1 black, 2 concrete.
Colour tarmacOf(int tarmac);

} // namespace jamlog
