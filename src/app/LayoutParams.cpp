// Maps the settings a build reads onto the dispatcher's parameters.
#include "app/LayoutParams.h"

#include "model/InitialRecords.h"
#include "model/LayoutCatalogue.h"
#include "model/LayoutRoutine.h"
#include "settings/SettingBits.h"

namespace jamlog {

BuildParams buildParamsFrom(const SettingsRecord& s, int layout) {
    BuildParams p;
    p.layout = layout;
    p.contentFlags = s.roads * contentRoads + s.tracks * contentTracks +
                     s.rivers * contentRivers + s.pelican * contentPelican;
    p.cars = s.cars;
    p.trains = s.trains;
    p.boats = s.boats;
    p.carrs = s.carrs;
    p.baseSpeed = 10 * s.aveSpd;
    p.driver = s.driver;
    p.vSlow = s.vSlow;
    p.lights = s.tLights + 1;
    p.carLen = s.carLen;
    p.lanWid = s.lanWid;
    p.faster = s.faster;
    p.slower = s.slower;
    p.lvm = s.lvm;
    p.stnWait = s.stnWait;
    p.parkWait = s.parkWait;
    p.advanced = s.advanced;
    p.options = (s.vlTrains > 0 ? optionLongTrains : 0) |
                ((p.advanced & advancedNoRightTurnOnRed) ? optionAdvanced4 : 0) |
                (s.fire ? optionFire : 0);
    p.designer = s.pro != 0;
    return p;
}

} // namespace jamlog
