// Putting back what a random draw of extras changed.
#include "sim/SimSettings.h"

namespace jamlog {

void restoreExtras(SimSettings& s, const SimSettings& stored) {
    s.breakdowns = stored.breakdowns;
    s.dayLight = stored.dayLight;
    s.stLights = stored.stLights;
    s.weather = stored.weather;
    s.slSigns = stored.slSigns;
    s.vslSigns = stored.vslSigns;
    s.rwSigns = stored.rwSigns;
}

void restoreCarParkExtras(SimSettings& s, const SimSettings& stored) {
    s.fire = stored.fire;
    s.gatso = stored.gatso;
    s.dynRW = stored.dynRW;
    s.rThresh = stored.rThresh;
}

} // namespace jamlog
