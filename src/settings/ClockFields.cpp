// One row per clock half of the Timers pairs.
#include "settings/ClockFields.h"

#include <stdexcept>

namespace jamlog {

namespace {
// clang-format off
constexpr ClockFieldDef fields[] = {
    {Setting::SunUpDown, 0, 300, 1000, 600, "Sunrise should be between 0300 and 1000 hrs (24hr clock)"},
    {Setting::SunUpDown, 1, 1500, 2200, 2000, "Sunset should be between 1500 and 2200 hrs (24hr clock)"},
    {Setting::RushAm, 0, 400, 900, 500, "Rush hour morning start time should be between 0400 and 0900 hrs (24hr clock)"},
    {Setting::RushAm, 1, 600, 1100, 900, "Rush hour morning finish time should be between 0600 and 1100 hrs (24hr clock)"},
    {Setting::RushPm, 0, 1200, 2000, 1500, "Rush hour evening start time should be between 1200 and 2000 hrs (24hr clock)"},
    {Setting::RushPm, 1, 1400, 2200, 1900, "Rush hour evening finish time should be between 1400 and 2200 hrs (24hr clock)"},
};
// clang-format on
} // namespace

std::span<const ClockFieldDef> clockFields() {
    return fields;
}

const ClockFieldDef& clockField(Setting pair, int half) {
    for (const ClockFieldDef& f : fields)
        if (f.pair == pair && f.half == half)
            return f;
    throw std::logic_error("no clock field");
}

} // namespace jamlog
