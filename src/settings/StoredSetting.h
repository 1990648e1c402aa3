// One setting read from, or written to, the store by its id: the section and name come from the settings table,
// and an absent value reads as its default.
#pragma once
#include <cstdint>

#include "settings/ProfileStore.h"
#include "settings/SettingValues.h"

namespace jamlog {

int32_t readStored(ProfileStore& store, Setting s);
void writeStored(ProfileStore& store, Setting s, int32_t value);

} // namespace jamlog
