// Start-up bookkeeping before any window: program name, version values, and removal of settings older than 500.
#pragma once
#include <string>

#include "settings/ProfileStore.h"

namespace jamlog {

// The stored month count: 12 * (year - 1997) + month (1-12).
constexpr int32_t monthNumber(int year, int month) { return 12 * (year - 1997) + month; }

// programBase is the program file's base name; monthNow the current month number.
void startupVersion(ProfileStore& store, const std::string& programBase, int32_t monthNow);

// On a first run (no minutes counted yet) writes the seven background colour defaults.
void firstRunDefaults(ProfileStore& store);

} // namespace jamlog
