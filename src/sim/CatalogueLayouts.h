// The layout service of a view: the layout dispatcher and the catalogue's families.
#pragma once
#include "sim/Simulation.h"

namespace jamlog {

LayoutService catalogueLayouts();

} // namespace jamlog
