// Body colours drawn at the start of a run, with the emergency vehicles' liveries.
#pragma once
#include "model/Rng.h"
#include "sim/VehicleDrawRecord.h"

namespace jamlog {

constexpr uint32_t policeColour = 0x800000;
constexpr uint32_t fireEngineColour = 224;
constexpr uint32_t ambulanceColour = 0xE0E0E0;

// Colours for vehicles 0 up to (not including) `count`; with `fire` every 50th is an emergency vehicle.
void drawBodyColours(VehicleDrawTable& draw, Rng& rng, int count, bool fire);

} // namespace jamlog
