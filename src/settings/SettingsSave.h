// The property sheet's settings: filled from the dialog's copy and the store, written back on OK; reset all.
#pragma once
#include "settings/SettingsRecord.h"

namespace jamlog {

// The values the sheet opens with: the dialog's copy, except the values a run may have changed in that copy
// (weather, signs, the random draws, debug), which are read again from the store with their defaults. A snowy copy
// (Weather above 2) has had its signs, breakdowns and lights switched off, so those are read again too.
SettingsRecord sheetSettings(const SettingsRecord& dialogCopy, ProfileStore& store);

// What the save wrote: the sheet's values with the masks as stored, and whether NoMM changed (a layout on its
// default view then fits itself to the new drawing area).
struct SheetSave {
    SettingsRecord stored;
    bool noMMChanged = false;
};

// Writes the sheet's sections in their order (Config\Trains right after Custom), then the random masks.
// NoMM is written only when the system has more than one monitor. RndBack keeps its stored colour bits, which
// the colour dialog writes, and takes bit 6 from the sheet.
SheetSave saveSheetSettings(ProfileStore& store, const SettingsRecord& r, bool multiMonitor);

// Removes every stored value; the next start runs on defaults.
inline void resetAllSettings(ProfileStore& store) { store.deleteProgramKey(); }

} // namespace jamlog
