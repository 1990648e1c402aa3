// The dispatcher's build parameters taken from a settings record or a run's request, and the service the
// simulation builds its layouts through.
#pragma once
#include "model/BuildLayout.h"
#include "settings/SettingsRecord.h"
#include "sim/Simulation.h"

namespace jamlog {

// Every build input of the record for layout `layout`, without the random flip.
BuildParams buildParamsFrom(const SettingsRecord& s, int layout);

// The same inputs as the simulation's run start hands them over.
BuildParams buildParamsFrom(const LayoutRequest& q);

// The dispatcher and the family query in the form the simulation calls them.
LayoutService layoutService();

} // namespace jamlog
