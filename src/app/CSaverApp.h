// The application object: start-up version handling, the run mode chosen by the command line, the Running
// marker of each mode, and the windows of each mode. Returns the process's exit status.
#pragma once
#include "app/CommandLine.h"
#include "settings/ProfileStore.h"
#include "settings/SettingBits.h"

namespace jamlog {

// The configuration run's messages: the welcome unless suppressed, and the update reminder by month.
void configurationMessages(ProfileStore& store, int monthNow, bool interactive);

// Runs a window mode (configuration, full screen, preview, host, window) to its end.
int runSaverApp(const CommandLine& command, int argc, char** argv);

} // namespace jamlog
