// Installing jamlog as the xscreensaver hack in use: the user's ~/.xscreensaver gets a programs entry for jamlog
// first, "mode: one" and "selected: 0"; every other key and program line stays as it was.
#pragma once
#include <string>

namespace jamlog {

struct InstallEdit {
    std::string text;   // the new file contents
    std::string report; // what changed, one line per change; empty when nothing did
    std::string error;  // not empty: the edit cannot be made and nothing is to be written
};

// The edit of a file's contents (empty when the file does not exist) for the executable at `exe`.
InstallEdit installedConfig(const std::string& existing, bool fileExists, const std::string& exe);

// The command line of jamlog's programs entry: the executable, quoted for the shell when it has to be, and --root.
std::string hackCommand(const std::string& exe);

// The absolute path of the running executable as it was started: `argv0` itself when it holds a slash, else the
// first match along `pathVariable`; empty when neither finds a file.
std::string executablePath(const std::string& argv0, const std::string& pathVariable, const std::string& workingDir);

struct InstallOutcome {
    bool ok = false;
    std::string message; // the report of what changed, or a one-line error (nothing was written)
};

// Edits `configPath` (~/.xscreensaver) for the executable at `exe`, and with `askDaemon` asks a running daemon for
// a test run.
InstallOutcome installScreenSaver(const std::string& exe, const std::string& configPath, bool askDaemon = true);

// The user's xscreensaver settings file; empty without a home folder.
std::string userConfigPath();

// --install: the above for this executable and the user's file; the report or the error goes to the terminal.
int runInstall(const char* argv0);

} // namespace jamlog
