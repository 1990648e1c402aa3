// The settings table, in the order the sections are saved. Flags accept 0 and 1; values without a range
// (packed pairs, masks, colours, bookkeeping) accept anything.
#include "settings/SettingsTable.h"

#include <array>

namespace jamlog {

namespace {
// clang-format off
constexpr SettingDef table[] = {
    {"Config", "Network", 14, 0, 29, 14, "", anyValue, anyValueMax, 6},
    {"Config", "Driver", 0, 0, 4, 0, "", anyValue, anyValueMax, 4},
    {"Config", "TLights", 2, 0, 4, 2, "", anyValue, anyValueMax, 7},
    {"Config", "AveSpd", 112, 48, 240, 112, "", anyValue, anyValueMax, 0},
    {"Config", "Factor", 10, 1, 20, 10, "", 1, anyValueMax, 5},
    {"Config", "Cars", 200, 1, 400, 200, "", anyValue, 2000, 3},
    {"Config", "Trains", 40, 1, 50, 20, "No. of trains should be between 1 and 50 and trains*carriages less than 200", anyValue, anyValueMax, 8},
    {"Config", "Boats", 50, 1, 100, 50, "", anyValue, anyValueMax, 1},
    {"Config", "CanMse", 1, 0, 1, 1, "", anyValue, anyValueMax, 2},
    {"Screen", "Studs", 1, 0, 1, 1, "", anyValue, anyValueMax, 6},
    {"Screen", "Colours", 1, 0, 1, 1, "", anyValue, anyValueMax, 1},
    {"Screen", "Shadows", 1, 0, 1, 1, "", anyValue, anyValueMax, 4},
    {"Screen", "TLState", 1, 0, 1, 1, "", anyValue, anyValueMax, 8},
    {"Screen", "Bevel", 1, 0, 1, 1, "", anyValue, anyValueMax, 0},
    {"Screen", "NoMM", 0, 0, 1, 0, "", anyValue, anyValueMax, 2},
    {"Screen", "StLights", 1, 0, 1, 1, "", anyValue, anyValueMax, 5},
    {"Screen", "Tarmac", 0, 0, 2, 0, "", anyValue, anyValueMax, 7},
    {"Screen", "Rails", 0, 0, 2, 0, "", anyValue, anyValueMax, 3},
    {"Screen", "Weather", 0, 0, 3, 0, "", anyValue, anyValueMax, 10},
    {"Screen", "UpdSpd", 75, 25, 95, 75, "", anyValue, anyValueMax, 9},
    {"Effects", "Night", 0, 0, 1, 0, "", anyValue, anyValueMax, 3},
    {"Effects", "VLTrains", 1, 0, 1, 1, "", anyValue, anyValueMax, 11},
    {"Effects", "Mouse", 0, 0, 1, 0, "", anyValue, anyValueMax, 2},
    {"Effects", "Brake", 1, 0, 1, 1, "", anyValue, anyValueMax, 0},
    {"Effects", "Tracks", 1, 0, 1, 1, "", anyValue, anyValueMax, 10},
    {"Effects", "Fire", 1, 0, 1, 1, "", anyValue, anyValueMax, 1},
    {"Effects", "Reset", 1, 0, 1, 1, "", anyValue, anyValueMax, 6},
    {"Effects", "Relief", 1, 0, 1, 1, "", anyValue, anyValueMax, 5},
    {"Effects", "Season", 1, 0, 1, 1, "", anyValue, anyValueMax, 9},
    {"Effects", "Rivers", 1, 0, 1, 1, "", anyValue, anyValueMax, 7},
    {"Effects", "Pelican", 1, 0, 1, 1, "", anyValue, anyValueMax, 4},
    {"Effects", "Roads", 1, 0, 1, 1, "", anyValue, anyValueMax, 8},
    {"Speed", "ESL", 1, 0, 1, 1, "", anyValue, anyValueMax, 1},
    {"Speed", "VSL", 1, 0, 1, 1, "", anyValue, anyValueMax, 7},
    {"Speed", "SLSigns", 1, 0, 1, 1, "", anyValue, anyValueMax, 6},
    {"Speed", "VSLSigns", 1, 0, 1, 1, "", anyValue, anyValueMax, 9},
    {"Speed", "RWSigns", 1, 0, 1, 1, "", anyValue, anyValueMax, 5},
    {"Speed", "RSL", 1, 0, 1, 1, "", anyValue, anyValueMax, 3},
    {"Speed", "RWL", 1, 0, 1, 1, "", anyValue, anyValueMax, 4},
    {"Speed", "VSlow", 0, 0, 1, 0, "", anyValue, anyValueMax, 8},
    {"Speed", "Breakdowns", 1, 0, 1, 1, "", anyValue, anyValueMax, 0},
    {"Speed", "Gatso", 1, 0, 1, 1, "", anyValue, anyValueMax, 2},
    {"Timed", "Wandering", 3, 0, 3, 3, "", anyValue, anyValueMax, 10},
    {"Timed", "Traffic", 1, 0, 1, 1, "", anyValue, anyValueMax, 8},
    {"Timed", "Annotate", 0, 0, 1, 0, "", anyValue, anyValueMax, 0},
    {"Timed", "DayLight", 1, 0, 1, 1, "", anyValue, anyValueMax, 2},
    {"Timed", "Legend", 1, 0, 1, 1, "", anyValue, anyValueMax, 4},
    {"Timed", "TLoff", 0, 0, 1, 0, "", anyValue, anyValueMax, 7},
    {"Timed", "TLauto", 1, 0, 1, 1, "", anyValue, anyValueMax, 6},
    {"Timed", "BHols", 1, 0, 1, 1, "", anyValue, anyValueMax, 1},
    {"Timed", "PeakTL", 1, 0, 1, 1, "", anyValue, anyValueMax, 5},
    {"Timed", "DynRW", 1, 0, 1, 1, "", anyValue, anyValueMax, 3},
    {"Timed", "VaryTrains", 1, 0, 1, 1, "", anyValue, anyValueMax, 9},
    {"Custom", "RndIntvl", 5, 1, 30, 5, "Random layout change interval should be between 1 and 30 mins", 1, anyValueMax, 6},
    {"Custom", "BkDownNo", 2, 1, 10, 2, "Number of breakdowns should be between 1 and 10", anyValue, anyValueMax, 0},
    {"Custom", "CarInc", 10, 2, 50, 10, "Traffic load changing increment should be between 2% and 50%", anyValue, anyValueMax, 1},
    {"Custom", "LVM", 2, 1, 5, 2, "Long vehicle max.lane should be between 1 and 5", anyValue, anyValueMax, 4},
    {"Custom", "SLPercent", 20, 1, 90, 20, "Percentage of speed limited roads should be between 1% and 90%", anyValue, anyValueMax, 8},
    {"Custom", "VSLBusy", 40, 20, 90, 40, "Percent busy for VSL should be between 20 and 90", anyValue, anyValueMax, 10},
    {"Custom", "Carrs", 4, 1, 8, 4, "Number of carriages on trains should be between 1 and 8", anyValue, anyValueMax, 2},
    {"Custom", "Faster", 120, 50, 150, 120, "Relative speed for trains must be between 50% and 150%", anyValue, anyValueMax, 3},
    {"Custom", "Slower", 35, 10, 60, 20, "Relative speed for boats must be between 10% and 60%", anyValue, anyValueMax, 7},
    {"Custom", "StnWait", 20, 5, 100, 20, "Pause at station must be between 5 and 100secs/10", anyValue, anyValueMax, 9},
    {"Custom", "ParkWait", 240, 20, 500, 240, "Car parked time must be between 20 and 500secs", anyValue, anyValueMax, 5},
    {"Timers", "WanderIntvl", 8, 1, 100, 8, "Wandering interval should be between 1 and 100 secs/10", anyValue, anyValueMax, 9},
    {"Timers", "LongIntvl", 15, 10, 120, 15, "Event interval should be between 10 and 120 secs", anyValue, anyValueMax, 3},
    {"Timers", "AnnotIntvl", 2, 1, 30, 2, "Annotation interval should be between 1 and 30 secs", anyValue, anyValueMax, 0},
    {"Timers", "DrawIntvl", 3, 1, 20, 3, "Drawing increment interval should be between 1 and 20 secs", anyValue, anyValueMax, 1},
    {"Timers", "TLightIntvl", 3, 1, 5, 3, "Traffic light changing interval should be between 1 and 5 secs", anyValue, anyValueMax, 8},
    {"Timers", "SimClkIntvl", 50, 1, 3000, 50, "Simulation clock interval should be between 1 and 3000 secs/50", 1, anyValueMax, 6},
    {"Timers", "FlashIntvl", 5, 1, 20, 5, "Flashing light change interval should be between 1 and 20 secs/10", anyValue, anyValueMax, 2},
    {"Timers", "SunUpDown", 3601140, anyValue, anyValueMax, 3601200, "", anyValue, anyValueMax, 7},
    {"Timers", "RushAm", 3000540, anyValue, anyValueMax, 3000540, "", anyValue, anyValueMax, 4},
    {"Timers", "RushPm", 9001140, anyValue, anyValueMax, 9001140, "", anyValue, anyValueMax, 5},
    {"Params", "WanderDist", 1, 1, 100, 1, "Wandering distance should be between 1 and 100", anyValue, anyValueMax, 6},
    {"Params", "WanderZoom", 2, 1, 4, 2, "Wandering zoom factor should be between 1 and 4", anyValue, anyValueMax, 7},
    {"Params", "Dimming", 50, 10, 90, 50, "Dimming factor should be between 10 and 90", anyValue, anyValueMax, 2},
    {"Params", "Dusk", 15, 10, 30, 15, "Brightness for Lights On should be between 10 and 30", anyValue, anyValueMax, 3},
    {"Params", "RThresh", 70, 10, 90, 70, "Relief Threshold should be between 10% and 90%", anyValue, anyValueMax, 4},
    {"Params", "SignSize", 35, 20, 90, 50, "Sign size should be between 20 and 90", anyValue, anyValueMax, 5},
    {"Params", "Accel", 5, 5, 30, 10, "Acceleration rate should be between 5 and 30", anyValue, anyValueMax, 0},
    {"Params", "Advanced", 0, anyValue, anyValueMax, 0, "", anyValue, anyValueMax, 1},
    {"Design", "PolyThresh", 30, 10, 50, 30, "Line threshold should be between 10 and 50", anyValue, anyValueMax, 7},
    {"Design", "CarLen", 200, 50, 300, 200, "Car Length should be between 10 and 300", 1, anyValueMax, 1},
    {"Design", "Glow", 15, 5, 25, 15, "Headlight Glow setting should be between 5 and 25", anyValue, anyValueMax, 4},
    {"Design", "CarWid", 40, 20, 80, 40, "Car Width should be between 20 and 80", anyValue, anyValueMax, 2},
    {"Design", "LanWid", 130, 100, 180, 130, "Lane Width should be between 100 and 180", 1, anyValueMax, 6},
    {"Design", "ProcCorr", 5, 1, 10, 3, "Processor correction must be between 1 and 10", 1, anyValueMax, 9},
    {"Design", "HCorr", 10, 5, 20, 11, "Correction factor should be between 5 and 20", anyValue, anyValueMax, 5},
    {"Design", "VCorr", 10, 5, 20, 11, "Correction factor should be between 5 and 20", anyValue, anyValueMax, 10},
    {"Design", "ACorr", 10, 5, 20, 9, "Correction factor should be between 5 and 20", anyValue, anyValueMax, 0},
    {"Design", "PrePop", 400, 100, 1000, 400, "Pre-Population value should be between 100 and 1000", anyValue, anyValueMax, 8},
    {"Design", "Debug", 0, anyValue, anyValueMax, 0, "", anyValue, anyValueMax, 3},
    {"Random", "Random", 0x1fffff, anyValue, anyValueMax, 0x1fffff, "", anyValue, anyValueMax, 7},
    {"Random", "RndSettings", 0x7ffff, anyValue, anyValueMax, 0x7ffff, "", anyValue, anyValueMax, 9},
    {"Random", "RndBack", 71, anyValue, anyValueMax, 71, "", anyValue, anyValueMax, 8},
    {"Random", "BackCol0", 28672, anyValue, anyValueMax, 28672, "", anyValue, anyValueMax, 0},
    {"Random", "BackCol1", 0x505050, anyValue, anyValueMax, 0x505050, "", anyValue, anyValueMax, 1},
    {"Random", "BackCol2", 0x406070, anyValue, anyValueMax, 0x406070, "", anyValue, anyValueMax, 2},
    {"Random", "BackCol3", 40960, anyValue, anyValueMax, 40960, "", anyValue, anyValueMax, 3},
    {"Random", "BackCol4", 0x404080, anyValue, anyValueMax, 0x404080, "", anyValue, anyValueMax, 4},
    {"Random", "BackCol5", 0x808080, anyValue, anyValueMax, 0x808080, "", anyValue, anyValueMax, 5},
    {"Random", "BackCol6", 0x202020, anyValue, anyValueMax, 0x202020, "", anyValue, anyValueMax, 6},
    {"Settings", "Running", 0, anyValue, anyValueMax, 0, "", anyValue, anyValueMax},
    {"Settings", "LastNet", 14, 0, 29, 14, "", anyValue, anyValueMax},
    {"Settings", "Pro", 0, 0, 1, 0, "", anyValue, anyValueMax, 3},
    {"Settings", "DebugOn", 1, 0, 1, 1, "", anyValue, anyValueMax, 0},
    {"Settings", "TestLayouts", 0, 0, 1, 0, "", anyValue, anyValueMax, 4},
    {"Settings", "Preview", 0, 0, 1, 0, "", anyValue, anyValueMax, 2},
    {"Settings", "PPageLast", 0, 0, 8, 0, "", anyValue, anyValueMax, 1},
    {"Version", "Current Version", 100, anyValue, anyValueMax, 100, "", anyValue, anyValueMax, 0},
    {"Version", "Date", 0, anyValue, anyValueMax, 0, "", anyValue, anyValueMax, 2},
    {"Version", "Release", 2, anyValue, anyValueMax, 2, "", anyValue, anyValueMax},
    {"Version", "Current Update", 0, anyValue, anyValueMax, 0, "", anyValue, anyValueMax, 1},
    {"Version", "Previous Version", 0, anyValue, anyValueMax, 0, "", anyValue, anyValueMax, 3},
    {"Version", "Suppress First", 0, 0, 1, 0, "", anyValue, anyValueMax, 4},
    {"Version", "Suppress Reminder", 1, 0, 1, 1, "", anyValue, anyValueMax, 5},
    {"Counters", "Elapsed", 0, anyValue, anyValueMax, 0, "", anyValue, anyValueMax, 0},
    {"Counters", "Jamlogs", 0, anyValue, anyValueMax, 0, "", anyValue, anyValueMax, 1},
    {"Counters", "Reliefs", 0, anyValue, anyValueMax, 0, "", anyValue, anyValueMax, 3},
    {"Counters", "Longest", 0, anyValue, anyValueMax, 0, "", anyValue, anyValueMax, 2},
};
// clang-format on
} // namespace

std::span<const SettingDef> settingsTable() { return table; }

std::optional<size_t> findSetting(std::string_view section, std::string_view name) {
    for (size_t i = 0; i < std::size(table); ++i)
        if (table[i].section == section && table[i].name == name) return i;
    return std::nullopt;
}

std::optional<size_t> findSetting(std::string_view name) {
    std::optional<size_t> found;
    for (size_t i = 0; i < std::size(table); ++i)
        if (table[i].name == name) {
            if (found) return std::nullopt; // ambiguous without a section
            found = i;
        }
    return found;
}

} // namespace jamlog
