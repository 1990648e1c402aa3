// Windows under test driven by hand: their options and the store that starts them on one layout.
#pragma once
#include "app/CDrawWnd.h"
#include "settings/ProfileStore.h"

namespace jamlog {

constexpr int hideVehicles = 32; // Debug bit 5: vehicles are stepped but not drawn

// A fixed seed and no timers of its own: the test calls onTimer.
inline CDrawWnd::Options manualOptions(bool withLegend = false, bool embedded = false) {
    CDrawWnd::Options o;
    o.seed = 11;
    o.startTimers = false;
    o.withLegend = withLegend;
    o.embedded = embedded;
    return o;
}

// The store of a window that starts `layout` without random cycling, with the given debug bits.
inline void storeLayout(MemoryProfileStore& store, int layout, int debug = 0) {
    store.WriteProfileInt("Random", "Random", 0);
    store.WriteProfileInt("Config", "Network", layout);
    store.WriteProfileInt("Design", "Debug", debug);
}

} // namespace jamlog
