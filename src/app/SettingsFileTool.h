// Export and import of the settings file from the command line.
#pragma once
#include <filesystem>
#include <iosfwd>

#include "settings/ProfileStore.h"

namespace jamlog {

enum class SettingsFileOperation { exportFile, importFile };

// Runs one operation on the store, prints the result message on out and returns 0 on success, 1 otherwise.
int runSettingsFile(ProfileStore& store, SettingsFileOperation op, const std::filesystem::path& file,
                    const std::filesystem::path& designerLog, std::ostream& out);

} // namespace jamlog
