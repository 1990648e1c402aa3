// This process's id and a check whether another process still runs, for the run-mode marker's owner.
#pragma once
#include "settings/RunningOwner.h"

namespace jamlog {

ProcessIdentity thisProcess();

} // namespace jamlog
