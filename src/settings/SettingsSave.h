// Writing the property sheet's settings back to the store, and resetting everything.
#pragma once
#include "settings/SettingsRecord.h"

namespace jamlog {

// Writes the sheet's sections in their order (Config\Trains right after Custom), then the random masks.
// NoMM is written only when the system has more than one monitor.
void saveSheetSettings(ProfileStore& store, const SettingsRecord& r, bool multiMonitor);

// Removes every stored value; the next start runs on defaults.
inline void resetAllSettings(ProfileStore& store) { store.deleteProgramKey(); }

} // namespace jamlog
