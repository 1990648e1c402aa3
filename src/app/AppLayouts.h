// The layout service of a view: the simulation's layout requests answered by the layout dispatcher.
#pragma once
#include "sim/Simulation.h"

namespace jamlog {

LayoutService appLayoutService();

} // namespace jamlog
