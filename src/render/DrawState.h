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

// The options the drawing and the view read: the view's working settings, which its simulation runs on too (a
// menu toggle and a run's random draw change the one copy), the stored debug bits that the menu's "debug on" puts
// back, and the background colour in force.
struct RenderSettings : SimSettings {
    int32_t storedDebug = SettingValues{}.debug;
    Colour backCol = static_cast<Colour>(SettingValues{}.backCol0);
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
