// The page value rules.
#include "app/sheet/PageValues.h"

#include <algorithm>

#include "model/NetworkModel.h"
#include "settings/ClockFields.h"

namespace jamlog {

namespace {
constexpr SettingRef trains{Setting::Trains};
constexpr SettingRef carriages{Setting::Carrs};
constexpr SettingRef layoutMask{Setting::Random};
constexpr SettingRef colourCycle{Setting::RndBack};
constexpr SettingRef vary{Setting::RndSettings};
constexpr int varyBackgroundBit = 6;
constexpr int32_t firstSixteenVaryBoxes = 0x1FFFE;              // bits 1..16, "Allow Layout Flips" to "Slow Vehicles"
constexpr int32_t networkCarriages = firstBoat - firstCarriage; // room for every train's carriages

int32_t bitValue(int bit) {
    return int32_t(1) << bit;
}

const ClockFieldDef& clockOf(const ControlRow& row) {
    return clockField(row.setting.id, row.bit);
}
} // namespace

void applyPageDefaults(const PageSpec& page, SettingsRecord& values) {
    for (const ControlRow& row : page.rows) {
        if (!row.setting.valid())
            continue;
        if (std::ranges::find(page.keptByDefaults, row.setting) != page.keptByDefaults.end())
            continue;
        valueOf(values, row.setting) = definition(row.setting).defaultValue;
    }
    for (const DefaultOverride& o : page.defaults)
        valueOf(values, o.setting) = o.value;
}

void unselectAllValues(const PageSpec& page, SettingsRecord& values) {
    if (page.id == PageId::random) {
        valueOf(values, layoutMask) = 0;
        valueOf(values, colourCycle) &= ~bitValue(varyBackgroundBit);
        valueOf(values, vary) &= ~firstSixteenVaryBoxes;
        return;
    }
    for (const ControlRow& row : page.rows)
        if (row.kind == Control::check)
            setChecked(row, values, false);
}

bool checkedIn(const ControlRow& row, const SettingsRecord& values) {
    const int32_t v = valueOf(values, row.setting);
    return row.bit < 0 ? v != 0 : (v & bitValue(row.bit)) != 0;
}

void setChecked(const ControlRow& row, SettingsRecord& values, bool on) {
    int32_t& v = valueOf(values, row.setting);
    if (row.bit < 0)
        v = on ? 1 : 0;
    else
        v = on ? (v | bitValue(row.bit)) : (v & ~bitValue(row.bit));
}

int32_t shownEntry(const ControlRow& row, const SettingsRecord& values) {
    const int32_t v = valueOf(values, row.setting);
    if (row.kind != Control::clock)
        return v;
    const MinutePair p = unpackPair(v);
    return minutesToClock(row.bit == 0 ? p.first : p.second);
}

void storeEntry(const ControlRow& row, SettingsRecord& values, int32_t shown) {
    int32_t& v = valueOf(values, row.setting);
    if (row.kind != Control::clock) {
        v = shown;
        return;
    }
    MinutePair p = unpackPair(v);
    (row.bit == 0 ? p.first : p.second) = clockToMinutes(shown);
    v = packPair(p);
}

bool EntryRule::accepts(int32_t shown) const {
    return shown >= minShown && shown <= maxShown && (!clock || shown % 100 <= 59);
}

EntryRule entryRule(const ControlRow& row, const SettingsRecord& values) {
    if (row.kind == Control::clock) {
        const ClockFieldDef& c = clockOf(row);
        return {c.minClock, c.maxClock, c.resetClock, true, c.message};
    }
    const SettingDef& d = definition(row.setting);
    EntryRule rule{d.minValue, d.maxValue, d.resetValue, false, d.message};
    if (row.setting == trains) {
        const int32_t perTrain = std::max(valueOf(values, carriages), 1);
        rule.maxShown = std::min(rule.maxShown, networkCarriages / perTrain);
    }
    return rule;
}

int entryCheckRank(const ControlRow& row) {
    const SettingRef s = row.setting == trains ? carriages : row.setting;
    const int halfStep = row.setting == trains || row.bit == 1 ? 1 : 0;
    return static_cast<int>(indexOf(s.id)) * 2 + halfStep;
}

} // namespace jamlog
