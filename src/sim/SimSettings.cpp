// The copy of the stored settings into the simulation's fields: one table of section, name and field.
#include "sim/SimSettings.h"

namespace jamlog {

namespace {

struct Field {
    std::string_view section, name;
    int SimSettings::*field;
};

constexpr Field fields[] = {
    {"Screen", "UpdSpd", &SimSettings::updSpd},
    {"Screen", "StLights", &SimSettings::stLights},
    {"Screen", "Tarmac", &SimSettings::tarmac},
    {"Screen", "Rails", &SimSettings::rails},
    {"Screen", "Weather", &SimSettings::weather},
    {"Effects", "Night", &SimSettings::night},
    {"Effects", "VLTrains", &SimSettings::vlTrains},
    {"Effects", "Tracks", &SimSettings::tracks},
    {"Effects", "Fire", &SimSettings::fire},
    {"Effects", "Reset", &SimSettings::reset},
    {"Effects", "Relief", &SimSettings::relief},
    {"Effects", "Season", &SimSettings::season},
    {"Effects", "Rivers", &SimSettings::rivers},
    {"Effects", "Pelican", &SimSettings::pelican},
    {"Effects", "Roads", &SimSettings::roads},
    {"Speed", "ESL", &SimSettings::esl},
    {"Speed", "VSL", &SimSettings::vsl},
    {"Speed", "SLSigns", &SimSettings::slSigns},
    {"Speed", "VSLSigns", &SimSettings::vslSigns},
    {"Speed", "RWSigns", &SimSettings::rwSigns},
    {"Speed", "RSL", &SimSettings::rsl},
    {"Speed", "RWL", &SimSettings::rwl},
    {"Speed", "VSlow", &SimSettings::vSlow},
    {"Speed", "Breakdowns", &SimSettings::breakdowns},
    {"Speed", "Gatso", &SimSettings::gatso},
    {"Timed", "Traffic", &SimSettings::traffic},
    {"Timed", "DayLight", &SimSettings::dayLight},
    {"Timed", "Legend", &SimSettings::legend},
    {"Timed", "TLoff", &SimSettings::tlOff},
    {"Timed", "TLauto", &SimSettings::tlAuto},
    {"Timed", "BHols", &SimSettings::bHols},
    {"Timed", "PeakTL", &SimSettings::peakTL},
    {"Timed", "DynRW", &SimSettings::dynRW},
    {"Timed", "VaryTrains", &SimSettings::varyTrains},
    {"Custom", "RndIntvl", &SimSettings::rndIntvl},
    {"Custom", "BkDownNo", &SimSettings::bkDownNo},
    {"Custom", "CarInc", &SimSettings::carInc},
    {"Custom", "LVM", &SimSettings::lvm},
    {"Custom", "SLPercent", &SimSettings::slPercent},
    {"Custom", "VSLBusy", &SimSettings::vslBusy},
    {"Custom", "Carrs", &SimSettings::carrs},
    {"Custom", "Faster", &SimSettings::faster},
    {"Custom", "Slower", &SimSettings::slower},
    {"Custom", "StnWait", &SimSettings::stnWait},
    {"Custom", "ParkWait", &SimSettings::parkWait},
    {"Timers", "WanderIntvl", &SimSettings::wanderIntvl},
    {"Timers", "LongIntvl", &SimSettings::longIntvl},
    {"Timers", "AnnotIntvl", &SimSettings::annotIntvl},
    {"Timers", "DrawIntvl", &SimSettings::drawIntvl},
    {"Timers", "TLightIntvl", &SimSettings::tLightIntvl},
    {"Timers", "SimClkIntvl", &SimSettings::simClkIntvl},
    {"Timers", "FlashIntvl", &SimSettings::flashIntvl},
    {"Params", "Dimming", &SimSettings::dimming},
    {"Params", "Dusk", &SimSettings::dusk},
    {"Params", "RThresh", &SimSettings::rThresh},
    {"Params", "Accel", &SimSettings::accel},
    {"Params", "Advanced", &SimSettings::advanced},
    {"Design", "CarLen", &SimSettings::carLen},
    {"Design", "LanWid", &SimSettings::lanWid},
    {"Design", "ProcCorr", &SimSettings::procCorr},
    {"Design", "PrePop", &SimSettings::prePop},
    {"Design", "Debug", &SimSettings::debug},
    {"Config", "Network", &SimSettings::network},
    {"Config", "Driver", &SimSettings::driver},
    {"Config", "TLights", &SimSettings::tLights},
    {"Config", "AveSpd", &SimSettings::aveSpd},
    {"Config", "Factor", &SimSettings::factor},
    {"Config", "Cars", &SimSettings::cars},
    {"Config", "Trains", &SimSettings::trains},
    {"Config", "Boats", &SimSettings::boats},
    {"Random", "Random", &SimSettings::randomMask},
    {"Random", "RndSettings", &SimSettings::rndSettings},
    {"Random", "RndBack", &SimSettings::rndBack},
    {"Settings", "Running", &SimSettings::running},
    {"Settings", "Pro", &SimSettings::pro},
};

constexpr std::string_view backColNames[] = {"BackCol0", "BackCol1", "BackCol2", "BackCol3",
                                             "BackCol4", "BackCol5", "BackCol6"};
constexpr int pairBase = 10000; // packed minute pairs: first x 10000 + second

} // namespace

SimSettings simSettingsFrom(const SettingSource& get) {
    SimSettings s;
    for (const Field& f : fields)
        s.*f.field = get(f.section, f.name);
    for (size_t i = 0; i < s.backCols.size(); ++i)
        s.backCols[i] = static_cast<uint32_t>(get("Random", backColNames[i]));
    auto split = [&](std::string_view name, int& first, int& second) {
        const int v = get("Timers", name);
        first = v / pairBase;
        second = v % pairBase;
    };
    split("SunUpDown", s.sunrise, s.sunset);
    split("RushAm", s.rushAmStart, s.rushAmEnd);
    split("RushPm", s.rushPmStart, s.rushPmEnd);
    return s;
}

void restoreExtras(SimSettings& s, const SimSettings& stored) {
    s.breakdowns = stored.breakdowns;
    s.dayLight = stored.dayLight;
    s.stLights = stored.stLights;
    s.weather = stored.weather;
    s.slSigns = stored.slSigns;
    s.vslSigns = stored.vslSigns;
    s.rwSigns = stored.rwSigns;
}

} // namespace jamlog
