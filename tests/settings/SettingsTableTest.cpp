// Every row of the settings table against the published tables of defaults, accepted ranges, reset values and
// rejection messages, written out here as data: a row that drifts, or a setting added without its row here, fails.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/SettingsTable.h"

using namespace jamlog;

namespace {

struct Row {
    std::string_view section, name;
    int32_t defaultValue, minValue, maxValue, resetValue;
    std::string_view message;
};

Row flag(std::string_view s, std::string_view n, int32_t d) { return {s, n, d, 0, 1, d, ""}; }
Row choice(std::string_view s, std::string_view n, int32_t d, int32_t lo, int32_t hi) { return {s, n, d, lo, hi, d, ""}; }
Row any(std::string_view s, std::string_view n, int32_t d, int32_t reset) { return {s, n, d, anyValue, anyValueMax, reset, ""}; }
Row any(std::string_view s, std::string_view n, int32_t d) { return any(s, n, d, d); }

// clang-format off
const std::vector<Row> published = {
    choice("Config", "Network", 14, 0, 29), // 20-29: the test layouts of designer mode
    choice("Config", "Driver", 0, 0, 4), choice("Config", "TLights", 2, 0, 4),
    choice("Config", "AveSpd", 112, 48, 240), choice("Config", "Factor", 10, 1, 20),
    choice("Config", "Cars", 200, 1, 400),
    {"Config", "Trains", 40, 1, 50, 20, "No. of trains should be between 1 and 50 and trains*carriages less than 200"},
    choice("Config", "Boats", 50, 1, 100), flag("Config", "CanMse", 1),

    flag("Screen", "Studs", 1), flag("Screen", "Colours", 1), flag("Screen", "Shadows", 1),
    flag("Screen", "TLState", 1), flag("Screen", "Bevel", 1), flag("Screen", "NoMM", 0),
    flag("Screen", "StLights", 1), choice("Screen", "Tarmac", 0, 0, 2), choice("Screen", "Rails", 0, 0, 2),
    choice("Screen", "Weather", 0, 0, 3), choice("Screen", "UpdSpd", 75, 25, 95),

    flag("Effects", "Night", 0), flag("Effects", "VLTrains", 1), flag("Effects", "Mouse", 0),
    flag("Effects", "Brake", 1), flag("Effects", "Tracks", 1), flag("Effects", "Fire", 1),
    flag("Effects", "Reset", 1), flag("Effects", "Relief", 1), flag("Effects", "Season", 1),
    flag("Effects", "Rivers", 1), flag("Effects", "Pelican", 1), flag("Effects", "Roads", 1),

    flag("Speed", "ESL", 1), flag("Speed", "VSL", 1), flag("Speed", "SLSigns", 1), flag("Speed", "VSLSigns", 1),
    flag("Speed", "RWSigns", 1), flag("Speed", "RSL", 1), flag("Speed", "RWL", 1), flag("Speed", "VSlow", 0),
    flag("Speed", "Breakdowns", 1), flag("Speed", "Gatso", 1),

    choice("Timed", "Wandering", 3, 0, 3), flag("Timed", "Traffic", 1), flag("Timed", "Annotate", 0),
    flag("Timed", "DayLight", 1), flag("Timed", "Legend", 1), flag("Timed", "TLoff", 0), flag("Timed", "TLauto", 1),
    flag("Timed", "BHols", 1), flag("Timed", "PeakTL", 1), flag("Timed", "DynRW", 1), flag("Timed", "VaryTrains", 1),

    {"Custom", "RndIntvl", 5, 1, 30, 5, "Random layout change interval should be between 1 and 30 mins"},
    {"Custom", "BkDownNo", 2, 1, 10, 2, "Number of breakdowns should be between 1 and 10"},
    {"Custom", "CarInc", 10, 2, 50, 10, "Traffic load changing increment should be between 2% and 50%"},
    {"Custom", "LVM", 2, 1, 5, 2, "Long vehicle max.lane should be between 1 and 5"},
    {"Custom", "SLPercent", 20, 1, 90, 20, "Percentage of speed limited roads should be between 1% and 90%"},
    {"Custom", "VSLBusy", 40, 20, 90, 40, "Percent busy for VSL should be between 20 and 90"},
    {"Custom", "Carrs", 4, 1, 8, 4, "Number of carriages on trains should be between 1 and 8"},
    {"Custom", "Faster", 120, 50, 150, 120, "Relative speed for trains must be between 50% and 150%"},
    {"Custom", "Slower", 35, 10, 60, 20, "Relative speed for boats must be between 10% and 60%"},
    {"Custom", "StnWait", 20, 5, 100, 20, "Pause at station must be between 5 and 100secs/10"},
    {"Custom", "ParkWait", 240, 20, 500, 240, "Car parked time must be between 20 and 500secs"},

    {"Timers", "WanderIntvl", 8, 1, 100, 8, "Wandering interval should be between 1 and 100 secs/10"},
    {"Timers", "LongIntvl", 15, 10, 120, 15, "Event interval should be between 10 and 120 secs"},
    {"Timers", "AnnotIntvl", 2, 1, 30, 2, "Annotation interval should be between 1 and 30 secs"},
    {"Timers", "DrawIntvl", 3, 1, 20, 3, "Drawing increment interval should be between 1 and 20 secs"},
    {"Timers", "TLightIntvl", 3, 1, 5, 3, "Traffic light changing interval should be between 1 and 5 secs"},
    {"Timers", "SimClkIntvl", 50, 1, 3000, 50, "Simulation clock interval should be between 1 and 3000 secs/50"},
    {"Timers", "FlashIntvl", 5, 1, 20, 5, "Flashing light change interval should be between 1 and 20 secs/10"},
    // The clock pairs are checked field by field with their own messages; the reset is 06:00 / 20:00 etc.
    any("Timers", "SunUpDown", 3601140, 3601200), any("Timers", "RushAm", 3000540), any("Timers", "RushPm", 9001140),

    {"Params", "WanderDist", 1, 1, 100, 1, "Wandering distance should be between 1 and 100"},
    {"Params", "WanderZoom", 2, 1, 4, 2, "Wandering zoom factor should be between 1 and 4"},
    {"Params", "Dimming", 50, 10, 90, 50, "Dimming factor should be between 10 and 90"},
    {"Params", "Dusk", 15, 10, 30, 15, "Brightness for Lights On should be between 10 and 30"},
    {"Params", "RThresh", 70, 10, 90, 70, "Relief Threshold should be between 10% and 90%"},
    {"Params", "SignSize", 35, 20, 90, 50, "Sign size should be between 20 and 90"},
    {"Params", "Accel", 5, 5, 30, 10, "Acceleration rate should be between 5 and 30"},
    any("Params", "Advanced", 0),

    {"Design", "PolyThresh", 30, 10, 50, 30, "Line threshold should be between 10 and 50"},
    {"Design", "CarLen", 200, 50, 300, 200, "Car Length should be between 10 and 300"},
    {"Design", "Glow", 15, 5, 25, 15, "Headlight Glow setting should be between 5 and 25"},
    {"Design", "CarWid", 40, 20, 80, 40, "Car Width should be between 20 and 80"},
    {"Design", "LanWid", 130, 100, 180, 130, "Lane Width should be between 100 and 180"},
    {"Design", "ProcCorr", 5, 1, 10, 3, "Processor correction must be between 1 and 10"},
    {"Design", "HCorr", 10, 5, 20, 11, "Correction factor should be between 5 and 20"},
    {"Design", "VCorr", 10, 5, 20, 11, "Correction factor should be between 5 and 20"},
    {"Design", "ACorr", 10, 5, 20, 9, "Correction factor should be between 5 and 20"},
    {"Design", "PrePop", 400, 100, 1000, 400, "Pre-Population value should be between 100 and 1000"},
    any("Design", "Debug", 0),

    any("Random", "Random", 0x1FFFFF), any("Random", "RndSettings", 0x7FFFF), any("Random", "RndBack", 71),
    any("Random", "BackCol0", 0x007000), any("Random", "BackCol1", 0x505050), any("Random", "BackCol2", 0x406070),
    any("Random", "BackCol3", 0x00A000), any("Random", "BackCol4", 0x404080), any("Random", "BackCol5", 0x808080),
    any("Random", "BackCol6", 0x202020),

    any("Settings", "Running", 0), choice("Settings", "LastNet", 14, 0, 29), flag("Settings", "Pro", 0),
    flag("Settings", "DebugOn", 1), flag("Settings", "TestLayouts", 0), flag("Settings", "Preview", 0),
    choice("Settings", "PPageLast", 0, 0, 8),

    any("Version", "Current Version", 100), any("Version", "Date", 0), any("Version", "Release", 2),
    any("Version", "Current Update", 0), any("Version", "Previous Version", 0), flag("Version", "Suppress First", 0),
    flag("Version", "Suppress Reminder", 1),

    any("Counters", "Elapsed", 0), any("Counters", "Jamlogs", 0), any("Counters", "Reliefs", 0),
    any("Counters", "Longest", 0),
};
// clang-format on

} // namespace

TEST(SettingsTable, EveryRowAgreesWithThePublishedTables) {
    EXPECT_EQ(settingsTable().size(), published.size()) << "a setting without its published row, or one missing";
    for (const Row& want : published) {
        SCOPED_TRACE(std::string(want.section) + "\\" + std::string(want.name));
        const auto i = findSetting(want.section, want.name);
        ASSERT_TRUE(i.has_value()) << "not in the table";
        const SettingDef& d = settingDef(*i);
        EXPECT_EQ(d.id, *i);
        EXPECT_EQ(d.defaultValue, want.defaultValue) << "default";
        EXPECT_EQ(d.minValue, want.minValue) << "lowest accepted";
        EXPECT_EQ(d.maxValue, want.maxValue) << "highest accepted";
        EXPECT_EQ(d.resetValue, want.resetValue) << "reset value";
        EXPECT_EQ(d.message, want.message) << "message";
    }
}
