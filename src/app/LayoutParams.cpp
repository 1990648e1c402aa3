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
    p.contentFlags = s.get("Effects", "Roads") * contentRoads + s.get("Effects", "Tracks") * contentTracks +
                     s.get("Effects", "Rivers") * contentRivers + s.get("Effects", "Pelican") * contentPelican;
    p.cars = s.get("Config", "Cars");
    p.trains = s.get("Config", "Trains");
    p.boats = s.get("Config", "Boats");
    p.carrs = s.get("Custom", "Carrs");
    p.baseSpeed = 10 * s.get("Config", "AveSpd");
    p.driver = s.get("Config", "Driver");
    p.vSlow = s.get("Speed", "VSlow");
    p.lights = s.get("Config", "TLights") + 1;
    p.carLen = s.get("Design", "CarLen");
    p.lanWid = s.get("Design", "LanWid");
    p.faster = s.get("Custom", "Faster");
    p.slower = s.get("Custom", "Slower");
    p.lvm = s.get("Custom", "LVM");
    p.stnWait = s.get("Custom", "StnWait");
    p.parkWait = s.get("Custom", "ParkWait");
    p.advanced = s.get("Params", "Advanced");
    p.options = (s.get("Effects", "VLTrains") > 0 ? optionLongTrains : 0) |
                ((p.advanced & advancedNoRightTurnOnRed) ? optionAdvanced4 : 0) |
                (s.get("Effects", "Fire") ? optionFire : 0);
    p.designer = s.get("Settings", "Pro") != 0;
    return p;
}

} // namespace jamlog
