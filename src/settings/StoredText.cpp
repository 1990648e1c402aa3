// Section and name of each stored value outside the settings table.
#include "settings/StoredText.h"

namespace jamlog {

namespace {
struct Key {
    const char* section;
    const char* name;
};

constexpr Key textKeys[] = {
    {"Settings", "ExeName"}, {"Version", "DisplayVersion"}, {"Version", "DisplayDate"}, {"Version", "ExtraKit"}};
constexpr Key metricKeys[] = {{"Screen", "FontHeight"}, {"Screen", "FontWidth"}, {"Settings", "RunningOwner"}};

const Key& key(StoredText t) {
    return textKeys[static_cast<int>(t)];
}
const Key& key(StoredMetric m) {
    return metricKeys[static_cast<int>(m)];
}
} // namespace

std::string readStoredText(ProfileStore& store, StoredText t, std::string_view absent) {
    return store.GetProfileString(key(t).section, key(t).name, std::string(absent));
}

void writeStoredText(ProfileStore& store, StoredText t, const std::string& value) {
    store.WriteProfileString(key(t).section, key(t).name, value);
}

int32_t readStoredMetric(ProfileStore& store, StoredMetric m, int32_t absent) {
    return store.GetProfileInt(key(m).section, key(m).name, absent);
}

void writeStoredMetric(ProfileStore& store, StoredMetric m, int32_t value) {
    store.WriteProfileInt(key(m).section, key(m).name, value);
}

} // namespace jamlog
