// The options a menu command may change that the run reads too.
#include "app/MenuSettingsSync.h"

namespace jamlog {

void pushMenuToggles(const RenderSettings& t, SimSettings& w) {
    w.dayLight = t.dayLight, w.night = t.night, w.stLights = t.stLights, w.slSigns = t.slSigns;
    w.debug = t.debug, w.advanced = t.advanced;
}

} // namespace jamlog
