// Per-user file locations of the program.
#pragma once
#include <filesystem>

namespace jamlog {

// The user's data folder for the program (XDG data home, "Brindle's Registry Bits/Jamlog 5"), created on demand.
std::filesystem::path userDataFolder();

// Where an import in designer mode writes its log.
std::filesystem::path designerLogPath();

} // namespace jamlog
