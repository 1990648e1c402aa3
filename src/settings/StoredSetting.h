// One setting read from, or written to, the store by its id: the section and name come from the settings table,
// and an absent value reads as its default.
#pragma once
#include <cstdint>

#include "settings/ProfileStore.h"
#include "settings/LayoutValues.h"
#include "settings/SettingValues.h"

namespace jamlog {

int32_t readStored(ProfileStore& store, Setting s);
// Where a read names its own value for an absent setting, unlike the table's default.
int32_t readStored(ProfileStore& store, Setting s, int32_t absent);
void writeStored(ProfileStore& store, Setting s, int32_t value);

// One of a layout's own values, in that layout's section.
int32_t readLayoutValue(ProfileStore& store, int layout, LayoutValue v, int32_t absent);
void writeLayoutValue(ProfileStore& store, int layout, LayoutValue v, int32_t value);

} // namespace jamlog
