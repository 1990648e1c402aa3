// What the page buttons and entry checks do to the sheet's values, apart from any widget.
#pragma once
#include <optional>
#include <string_view>

#include "app/sheet/PageRows.h"

namespace jamlog {

// "Use Defaults": every setting the page edits takes its table default, then the page's own figures; the
// values the page keeps are left alone.
void applyPageDefaults(const PageSpec& page, SettingsRecord& values);

// "Unselect All": every check box of the page is cleared. The Random page clears the layout mask, "Vary
// Background Colours" and the vary boxes from "Allow Layout Flips" to "Slow Vehicles" only.
void unselectAllValues(const PageSpec& page, SettingsRecord& values);

// The value a check box shows, and the value that its state gives.
bool checkedIn(const ControlRow& row, const SettingsRecord& values);
void setChecked(const ControlRow& row, SettingsRecord& values, bool on);

// An entry field as shown: a number, or a clock half as HHMM.
int32_t shownEntry(const ControlRow& row, const SettingsRecord& values);
void storeEntry(const ControlRow& row, SettingsRecord& values, int32_t shown);

// The check of one entry field: accepted bounds (inclusive), what a refused entry is reset to, as shown, and
// the message. The trains field is also bounded by the carriages per train in `values`.
struct EntryRule {
    int32_t minShown, maxShown, resetShown;
    bool clock;
    std::string_view message;
    bool accepts(int32_t shown) const;
};
EntryRule entryRule(const ControlRow& row, const SettingsRecord& values);

// The order in which a page checks its entries: the order of its settings in the table, with the trains right
// after the carriages that bound them.
int entryCheckRank(const ControlRow& row);

} // namespace jamlog
