// Copying the drawing options out of the settings record, and the colours derived from B.
#include "render/DrawState.h"

#include "settings/SettingsRecord.h"

namespace jamlog {

Colour tarmacOf(int tarmac) {
    static constexpr Colour colours[3] = {0x808080, 0x303030, 0x708C8C};
    return colours[tarmac < 0 || tarmac > 2 ? 0 : tarmac];
}

void DrawState::refreshColours() {
    lampTint = streetTint(brightness, set.stLights != 0);
    tarmacColour = tarmacOf(set.tarmac);
    backColour = dim(set.backCol, brightness);
}

RenderSettings renderSettingsFrom(const SettingsRecord& r) {
    RenderSettings s;
    static_cast<SimSettings&>(s) = simSettingsFromRecord(r);
    s.storedDebug = r.debug;
    s.backCol = static_cast<Colour>(r.backCol0);
    return s;
}

} // namespace jamlog
