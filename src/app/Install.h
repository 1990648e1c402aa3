// Installing jamlog as the xscreensaver hack in use: the user's ~/.xscreensaver gets a programs entry for jamlog
// first, "mode: one" and "selected: 0"; every other key and program line stays as it was.
#pragma once
#include <string>

namespace jamlog {

struct InstallEdit {
    std::string text;   // the new file contents
    std::string report; // what changed, one line per change
};

// The edit of a file's contents (empty when the file does not exist) for the executable at `exe`.
InstallEdit installedConfig(const std::string& existing, bool fileExists, const std::string& exe);

// Finds the executable, edits ~/.xscreensaver and asks a running daemon to start a test run. The report or a
// one-line error goes to the terminal; nothing is written on error. Returns the exit status.
int runInstall(const char* argv0);

} // namespace jamlog
