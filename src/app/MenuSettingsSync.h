// The menu's toggles live in the drawing state; the run reads the same options from its working values, which a
// layout start copies back into the drawing state. After a command the run is given what the menu changed.
#pragma once
#include "render/DrawState.h"
#include "sim/SimSettings.h"

namespace jamlog {

void pushMenuToggles(const RenderSettings& menu, SimSettings& run);

} // namespace jamlog
