// The settings table: one row per setting of the settings list, in its order, with what the list does not hold.
// Flags accept 0 and 1; values without a range (packed pairs, masks, colours, bookkeeping) accept anything.
#include "settings/SettingsTable.h"

#include <algorithm>
#include <array>

namespace jamlog {

namespace {

struct SettingRow {
    Setting id;
    int32_t minValue, maxValue, resetValue;
    std::string_view message;
    int32_t loadMin, loadMax;
    int32_t fileSlot = noFileSlot;
};

// clang-format off
constexpr SettingRow rows[] = {
    {Setting::Network, 0, 29, 14, "", anyValue, anyValueMax, 6},
    {Setting::Driver, 0, 4, 0, "", anyValue, anyValueMax, 4},
    {Setting::TLights, 0, 4, 2, "", anyValue, anyValueMax, 7},
    {Setting::AveSpd, 48, 240, 112, "", anyValue, 2 * 240, 0},
    {Setting::Factor, 1, 20, 10, "", 1, anyValueMax, 5},
    {Setting::Cars, 1, 400, 200, "", anyValue, 2000, 3},
    {Setting::Trains, 1, 50, 20, "No. of trains should be between 1 and 50 and trains*carriages less than 200", anyValue, anyValueMax, 8},
    {Setting::Boats, 1, 100, 50, "", anyValue, anyValueMax, 1},
    {Setting::CanMse, 0, 1, 1, "", anyValue, anyValueMax, 2},
    {Setting::Studs, 0, 1, 1, "", anyValue, anyValueMax, 6},
    {Setting::Colours, 0, 1, 1, "", anyValue, anyValueMax, 1},
    {Setting::Shadows, 0, 1, 1, "", anyValue, anyValueMax, 4},
    {Setting::TLState, 0, 1, 1, "", anyValue, anyValueMax, 8},
    {Setting::Bevel, 0, 1, 1, "", anyValue, anyValueMax, 0},
    {Setting::NoMM, 0, 1, 0, "", anyValue, anyValueMax, 2},
    {Setting::StLights, 0, 1, 1, "", anyValue, anyValueMax, 5},
    {Setting::Tarmac, 0, 2, 0, "", anyValue, anyValueMax, 7},
    {Setting::Rails, 0, 2, 0, "", anyValue, anyValueMax, 3},
    {Setting::Weather, 0, 3, 0, "", anyValue, anyValueMax, 10},
    {Setting::UpdSpd, 25, 95, 75, "", anyValue, anyValueMax, 9},
    {Setting::Night, 0, 1, 0, "", anyValue, anyValueMax, 3},
    {Setting::VLTrains, 0, 1, 1, "", anyValue, anyValueMax, 11},
    {Setting::Mouse, 0, 1, 0, "", anyValue, anyValueMax, 2},
    {Setting::Brake, 0, 1, 1, "", anyValue, anyValueMax, 0},
    {Setting::Tracks, 0, 1, 1, "", anyValue, anyValueMax, 10},
    {Setting::Fire, 0, 1, 1, "", anyValue, anyValueMax, 1},
    {Setting::Reset, 0, 1, 1, "", anyValue, anyValueMax, 6},
    {Setting::Relief, 0, 1, 1, "", anyValue, anyValueMax, 5},
    {Setting::Season, 0, 1, 1, "", anyValue, anyValueMax, 9},
    {Setting::Rivers, 0, 1, 1, "", anyValue, anyValueMax, 7},
    {Setting::Pelican, 0, 1, 1, "", anyValue, anyValueMax, 4},
    {Setting::Roads, 0, 1, 1, "", anyValue, anyValueMax, 8},
    {Setting::ESL, 0, 1, 1, "", anyValue, anyValueMax, 1},
    {Setting::VSL, 0, 1, 1, "", anyValue, anyValueMax, 7},
    {Setting::SLSigns, 0, 1, 1, "", anyValue, anyValueMax, 6},
    {Setting::VSLSigns, 0, 1, 1, "", anyValue, anyValueMax, 9},
    {Setting::RWSigns, 0, 1, 1, "", anyValue, anyValueMax, 5},
    {Setting::RSL, 0, 1, 1, "", anyValue, anyValueMax, 3},
    {Setting::RWL, 0, 1, 1, "", anyValue, anyValueMax, 4},
    {Setting::VSlow, 0, 1, 0, "", anyValue, anyValueMax, 8},
    {Setting::Breakdowns, 0, 1, 1, "", anyValue, anyValueMax, 0},
    {Setting::Gatso, 0, 1, 1, "", anyValue, anyValueMax, 2},
    {Setting::Wandering, 0, 3, 3, "", anyValue, anyValueMax, 10},
    {Setting::Traffic, 0, 1, 1, "", anyValue, anyValueMax, 8},
    {Setting::Annotate, 0, 1, 0, "", anyValue, anyValueMax, 0},
    {Setting::DayLight, 0, 1, 1, "", anyValue, anyValueMax, 2},
    {Setting::Legend, 0, 1, 1, "", anyValue, anyValueMax, 4},
    {Setting::TLoff, 0, 1, 0, "", anyValue, anyValueMax, 7},
    {Setting::TLauto, 0, 1, 1, "", anyValue, anyValueMax, 6},
    {Setting::BHols, 0, 1, 1, "", anyValue, anyValueMax, 1},
    {Setting::PeakTL, 0, 1, 1, "", anyValue, anyValueMax, 5},
    {Setting::DynRW, 0, 1, 1, "", anyValue, anyValueMax, 3},
    {Setting::VaryTrains, 0, 1, 1, "", anyValue, anyValueMax, 9},
    {Setting::RndIntvl, 1, 30, 5, "Random layout change interval should be between 1 and 30 mins", 1, anyValueMax, 6},
    {Setting::BkDownNo, 1, 10, 2, "Number of breakdowns should be between 1 and 10", anyValue, anyValueMax, 0},
    {Setting::CarInc, 2, 50, 10, "Traffic load changing increment should be between 2% and 50%", anyValue, anyValueMax, 1},
    {Setting::LVM, 1, 5, 2, "Long vehicle max.lane should be between 1 and 5", anyValue, anyValueMax, 4},
    {Setting::SLPercent, 1, 90, 20, "Percentage of speed limited roads should be between 1% and 90%", anyValue, anyValueMax, 8},
    {Setting::VSLBusy, 20, 90, 40, "Percent busy for VSL should be between 20 and 90", anyValue, anyValueMax, 10},
    {Setting::Carrs, 1, 8, 4, "Number of carriages on trains should be between 1 and 8", anyValue, anyValueMax, 2},
    {Setting::Faster, 50, 150, 120, "Relative speed for trains must be between 50% and 150%", anyValue, 2 * 150, 3},
    {Setting::Slower, 10, 60, 20, "Relative speed for boats must be between 10% and 60%", anyValue, 2 * 60, 7},
    {Setting::StnWait, 5, 100, 20, "Pause at station must be between 5 and 100secs/10", anyValue, anyValueMax, 9},
    {Setting::ParkWait, 20, 500, 240, "Car parked time must be between 20 and 500secs", anyValue, anyValueMax, 5},
    {Setting::WanderIntvl, 1, 100, 8, "Wandering interval should be between 1 and 100 secs/10", anyValue, anyValueMax, 9},
    {Setting::LongIntvl, 10, 120, 15, "Event interval should be between 10 and 120 secs", anyValue, anyValueMax, 3},
    {Setting::AnnotIntvl, 1, 30, 2, "Annotation interval should be between 1 and 30 secs", anyValue, anyValueMax, 0},
    {Setting::DrawIntvl, 1, 20, 3, "Drawing increment interval should be between 1 and 20 secs", anyValue, anyValueMax, 1},
    {Setting::TLightIntvl, 1, 5, 3, "Traffic light changing interval should be between 1 and 5 secs", anyValue, anyValueMax, 8},
    {Setting::SimClkIntvl, 1, 3000, 50, "Simulation clock interval should be between 1 and 3000 secs/50", 1, anyValueMax, 6},
    {Setting::FlashIntvl, 1, 20, 5, "Flashing light change interval should be between 1 and 20 secs/10", anyValue, anyValueMax, 2},
    {Setting::SunUpDown, anyValue, anyValueMax, 3601200, "", anyValue, anyValueMax, 7},
    {Setting::RushAm, anyValue, anyValueMax, 3000540, "", anyValue, anyValueMax, 4},
    {Setting::RushPm, anyValue, anyValueMax, 9001140, "", anyValue, anyValueMax, 5},
    {Setting::WanderDist, 1, 100, 1, "Wandering distance should be between 1 and 100", anyValue, anyValueMax, 6},
    {Setting::WanderZoom, 1, 4, 2, "Wandering zoom factor should be between 1 and 4", anyValue, anyValueMax, 7},
    {Setting::Dimming, 10, 90, 50, "Dimming factor should be between 10 and 90", anyValue, anyValueMax, 2},
    {Setting::Dusk, 10, 30, 15, "Brightness for Lights On should be between 10 and 30", anyValue, anyValueMax, 3},
    {Setting::RThresh, 10, 90, 70, "Relief Threshold should be between 10% and 90%", anyValue, anyValueMax, 4},
    {Setting::SignSize, 20, 90, 50, "Sign size should be between 20 and 90", anyValue, anyValueMax, 5},
    {Setting::Accel, 5, 30, 10, "Acceleration rate should be between 5 and 30", anyValue, anyValueMax, 0},
    {Setting::Advanced, anyValue, anyValueMax, 0, "", anyValue, anyValueMax, 1},
    {Setting::PolyThresh, 10, 50, 30, "Line threshold should be between 10 and 50", anyValue, anyValueMax, 7},
    {Setting::CarLen, 50, 300, 200, "Car Length should be between 10 and 300", 1, anyValueMax, 1},
    {Setting::Glow, 5, 25, 15, "Headlight Glow setting should be between 5 and 25", anyValue, anyValueMax, 4},
    {Setting::CarWid, 20, 80, 40, "Car Width should be between 20 and 80", 20, anyValueMax, 2},
    {Setting::LanWid, 100, 180, 130, "Lane Width should be between 100 and 180", 1, anyValueMax, 6},
    {Setting::ProcCorr, 1, 10, 3, "Processor correction must be between 1 and 10", 1, anyValueMax, 9},
    {Setting::HCorr, 5, 20, 11, "Correction factor should be between 5 and 20", anyValue, anyValueMax, 5},
    {Setting::VCorr, 5, 20, 11, "Correction factor should be between 5 and 20", anyValue, anyValueMax, 10},
    {Setting::ACorr, 5, 20, 9, "Correction factor should be between 5 and 20", anyValue, anyValueMax, 0},
    {Setting::PrePop, 100, 1000, 400, "Pre-Population value should be between 100 and 1000", anyValue, 1000, 8},
    {Setting::Debug, anyValue, anyValueMax, 0, "", anyValue, anyValueMax, 3},
    {Setting::Random, anyValue, anyValueMax, 0x1fffff, "", anyValue, anyValueMax, 7},
    {Setting::RndSettings, anyValue, anyValueMax, 0x7ffff, "", anyValue, anyValueMax, 9},
    {Setting::RndBack, anyValue, anyValueMax, 71, "", anyValue, anyValueMax, 8},
    {Setting::BackCol0, anyValue, anyValueMax, 28672, "", anyValue, anyValueMax, 0},
    {Setting::BackCol1, anyValue, anyValueMax, 0x505050, "", anyValue, anyValueMax, 1},
    {Setting::BackCol2, anyValue, anyValueMax, 0x406070, "", anyValue, anyValueMax, 2},
    {Setting::BackCol3, anyValue, anyValueMax, 40960, "", anyValue, anyValueMax, 3},
    {Setting::BackCol4, anyValue, anyValueMax, 0x404080, "", anyValue, anyValueMax, 4},
    {Setting::BackCol5, anyValue, anyValueMax, 0x808080, "", anyValue, anyValueMax, 5},
    {Setting::BackCol6, anyValue, anyValueMax, 0x202020, "", anyValue, anyValueMax, 6},
    {Setting::Running, anyValue, anyValueMax, 0, "", anyValue, anyValueMax},
    {Setting::LastNet, 0, 29, 14, "", anyValue, anyValueMax},
    {Setting::Pro, 0, 1, 0, "", anyValue, anyValueMax, 3},
    {Setting::DebugOn, 0, 1, 1, "", anyValue, anyValueMax, 0},
    {Setting::TestLayouts, 0, 1, 0, "", anyValue, anyValueMax, 4},
    {Setting::Preview, 0, 1, 0, "", anyValue, anyValueMax, 2},
    {Setting::PPageLast, 0, 8, 0, "", anyValue, anyValueMax, 1},
    {Setting::CurrentVersion, anyValue, anyValueMax, 100, "", anyValue, anyValueMax, 0},
    {Setting::Date, anyValue, anyValueMax, 0, "", anyValue, anyValueMax, 2},
    {Setting::Release, anyValue, anyValueMax, 2, "", anyValue, anyValueMax},
    {Setting::CurrentUpdate, anyValue, anyValueMax, 0, "", anyValue, anyValueMax, 1},
    {Setting::PreviousVersion, anyValue, anyValueMax, 0, "", anyValue, anyValueMax, 3},
    {Setting::SuppressFirst, 0, 1, 0, "", anyValue, anyValueMax, 4},
    {Setting::SuppressReminder, 0, 1, 1, "", anyValue, anyValueMax, 5},
    {Setting::Elapsed, anyValue, anyValueMax, 0, "", anyValue, anyValueMax, 0},
    {Setting::Jamlogs, anyValue, anyValueMax, 0, "", anyValue, anyValueMax, 1},
    {Setting::Reliefs, anyValue, anyValueMax, 0, "", anyValue, anyValueMax, 3},
    {Setting::Longest, anyValue, anyValueMax, 0, "", anyValue, anyValueMax, 2},
};
// clang-format on

struct ListEntry {
    std::string_view section, name;
    int32_t defaultValue;
};
constexpr ListEntry list[] = {
#define JAMLOG_SETTING_ENTRY(id, field, section, name, def) {section, name, def},
    JAMLOG_SETTINGS(JAMLOG_SETTING_ENTRY)
#undef JAMLOG_SETTING_ENTRY
};

static_assert(std::size(rows) == settingCount, "every setting of the list needs its row here, and only those");
constexpr bool rowsInListOrder() {
    for (size_t i = 0; i < std::size(rows); ++i)
        if (rows[i].id != settingAt(i)) return false;
    return true;
}
static_assert(rowsInListOrder(), "the rows keep the order of the settings list");

// The load's bounds where a row names none. A setting of a few choices (a switch, a mode) loads within its range;
// a quantity within ten times its largest accepted value and not below 1 when its range is positive, so that a
// hand-edited value stays as stored while one that would overflow the arithmetic on it, or stall a timer, is
// clamped. The speeds, which the vehicles' set-up multiplies with one another and with random draws, keep to twice
// their range. Values without a range (masks, colours, packed pairs, bookkeeping) load as stored. Pre-population keeps
// to its accepted range: every round steps every vehicle before the first picture, and ten times the range held the
// start back by seconds. The car width, the divisor of a car's drawn width, keeps to its smallest accepted value:
// below it the width divisor (lane width times correction over car width) times a far-out view's scale overflowed.
constexpr int32_t choiceSpan = 4;
constexpr int32_t quantityMargin = 10;

constexpr bool ranged(const SettingRow& r) { return r.minValue != anyValue && r.maxValue != anyValueMax; }
constexpr bool choice(const SettingRow& r) { return r.maxValue - r.minValue <= choiceSpan; }

constexpr int32_t loadMinOf(const SettingRow& r) {
    if (r.loadMin != anyValue || !ranged(r)) return r.loadMin;
    return choice(r) ? r.minValue : std::min(r.minValue, 1);
}

constexpr int32_t loadMaxOf(const SettingRow& r) {
    if (r.loadMax != anyValueMax || !ranged(r)) return r.loadMax;
    return choice(r) ? r.maxValue : quantityMargin * r.maxValue;
}

constexpr std::array<SettingDef, settingCount> joined() {
    std::array<SettingDef, settingCount> t{};
    for (size_t i = 0; i < settingCount; ++i) {
        const SettingRow& r = rows[i];
        t[i] = {r.id,         list[i].section, list[i].name, list[i].defaultValue, r.minValue, r.maxValue,
                r.resetValue, r.message,       loadMinOf(r), loadMaxOf(r),         r.fileSlot};
    }
    return t;
}
constexpr std::array<SettingDef, settingCount> table = joined();

} // namespace

std::span<const SettingDef> settingsTable() { return table; }

const SettingDef& settingDef(Setting s) { return table[indexOf(s)]; }

std::optional<Setting> findSetting(std::string_view section, std::string_view name) {
    for (const SettingDef& d : table)
        if (d.section == section && d.name == name) return d.id;
    return std::nullopt;
}

std::optional<Setting> findSetting(std::string_view name) {
    std::optional<Setting> found;
    for (const SettingDef& d : table)
        if (d.name == name) {
            if (found) return std::nullopt; // ambiguous without a section
            found = d.id;
        }
    return found;
}

} // namespace jamlog
