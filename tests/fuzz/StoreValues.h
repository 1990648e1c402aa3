// Fills an in-memory store from fuzz input: every key of the settings table, and the own values of the chosen layout
// and of the last layout shown, each absent, any number, a number in or at the load's bounds, an extreme one, or
// text where a number belongs.
#pragma once
#include <fuzzer/FuzzedDataProvider.h>

#include "settings/ProfileStore.h"

namespace jamlog {

// The chosen layout is stored as Network, so that the view builds it (or, with random cycling, starts from it).
void fillStore(MemoryProfileStore& store, FuzzedDataProvider& in, int layout);

} // namespace jamlog
