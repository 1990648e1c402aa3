// The rows a property page is built from: one row per control (kind, label, setting, tooltip), and the page's
// description (its title, its rows, the figures its "Use Defaults" gives where they differ from the table).
#pragma once
#include <cstdint>
#include <span>

#include "app/sheet/SettingRef.h"

namespace jamlog {

enum class Control {
    check,   // a check box for a flag, or for one bit of a setting when bit >= 0
    combo,   // a drop-down list; the value is the entry's index
    slider,  // a horizontal slider over the setting's accepted range, with two end labels
    number,  // a digits-only entry field
    clock,   // a digits-only HHMM entry field for one half (bit 0 first, 1 second) of a packed minute pair
    bitList, // a multiple-selection list: entry 0 "disable all", entries 1..n bits 0..n-1
    button,  // a push button running the row's action
};

enum class Action { none, useDefaults, unselectAll, backColours, selectLayouts, selectColours, importFile, exportFile };

struct ControlRow {
    Control kind;
    const char* label;
    SettingRef setting{};
    const char* tooltip = "";
    int bit = -1;
    std::span<const char* const> entries{}; // list entries, or the slider's two end labels
    Action action = Action::none;
    const char* group = nullptr; // the titled group the control sits in
    bool hidden = false;         // kept in the value but never shown
};

// A whole value that the page's "Use Defaults" gives instead of the table's default.
struct DefaultOverride {
    SettingRef setting;
    int32_t value;
};

enum class PageId { screen, timed, effects, speed, random, custom, timers, params, design };
constexpr int pageCount = 9;

struct PageSpec {
    PageId id;
    const char* title;
    std::span<const ControlRow> rows;
    bool smartFeatures = false;                   // the "Jamlog Smart Features" picture in the top right corner
    const char* warning = nullptr;                // a text shown under the controls
    std::span<const DefaultOverride> defaults{};  // "Use Defaults" figures that differ from the table
    std::span<const SettingRef> keptByDefaults{}; // values "Use Defaults" leaves alone
};

// The nine pages in tab order.
std::span<const PageSpec> propertyPages();
const PageSpec& pageSpec(PageId id);

} // namespace jamlog
