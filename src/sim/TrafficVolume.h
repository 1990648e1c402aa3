// The daily swing of traffic: how many road vehicles and trains are let into the layout.
#pragma once
#include "model/NetworkModel.h"
#include "sim/SimSettings.h"

namespace jamlog {

// Cars x CarInc / 100: the amount by which the active car count moves.
int carStep(const SimSettings& s);

// Active cars at the start of a run: a quarter of the configured cars outside the rushes, a half between them.
int startCarVolume(const SimSettings& s, int clock, int configured);

// One volume tick: the first rule that applies moves the active count by car steps.
int stepCarVolume(const SimSettings& s, int clock, int active, int configured, int step);

// Trains admitted at the clock: a quarter outside the rushes, a half between them, all during the rushes.
int trainsAtClock(const SimSettings& s, int clock, int trains);

// The last carriage marked last-of-train at or below Carrs x trains + 2000, or 1999 when there is none.
int activeTrainsEndFor(const NetworkModel& m, int carrs, int trains);

} // namespace jamlog
