// Stored values as fuzz input chooses them.
#include "StoreValues.h"

#include <algorithm>
#include <string>

#include "settings/LayoutValues.h"
#include "settings/SettingsTable.h"
#include "settings/StartupVersion.h"
#include "settings/StoredSetting.h"

namespace jamlog {

namespace {

enum ValueKind : uint8_t { absent, anyNumber, inRange, atLoadBounds, extreme, text, kindCount };

// One stored value: written as the input chooses, as a number or as text where a number belongs.
void putValue(MemoryProfileStore& store, FuzzedDataProvider& in, const std::string& section, const std::string& name,
              int32_t low, int32_t high) {
    switch (in.ConsumeIntegralInRange<uint8_t>(0, kindCount - 1)) {
    case absent:
        break;
    case anyNumber:
        store.WriteProfileInt(section, name, in.ConsumeIntegral<int32_t>());
        break;
    case inRange:
        store.WriteProfileInt(section, name, in.ConsumeIntegralInRange(std::min(low, high), std::max(low, high)));
        break;
    case atLoadBounds:
        store.WriteProfileInt(section, name, in.ConsumeBool() ? low : high);
        break;
    case extreme: {
        constexpr int32_t extremes[] = {INT32_MIN, INT32_MIN + 1, -1, 0, 1, INT32_MAX - 1, INT32_MAX};
        store.WriteProfileInt(section, name, extremes[in.ConsumeIntegralInRange<size_t>(0, std::size(extremes) - 1)]);
        break;
    }
    default:
        store.WriteProfileString(section, name, in.ConsumeRandomLengthString(12));
        break;
    }
}

} // namespace

void fillStore(MemoryProfileStore& store, FuzzedDataProvider& in, int layout) {
    if (in.ConsumeBool())
        startupVersion(store, "jamlog", in.ConsumeIntegral<int32_t>());
    for (const SettingDef& d : settingsTable())
        putValue(store, in, std::string(d.section), std::string(d.name), d.loadMin, d.loadMax);
    writeStored(store, Setting::Network, layout);
    for (int n : {layout, readStored(store, Setting::LastNet)})
        for (size_t v = 0; v < std::size(layoutValueNames); ++v)
            putValue(store, in, layoutSection(n), std::string(layoutValueNames[v]), -100000, 100000);
}

} // namespace jamlog
