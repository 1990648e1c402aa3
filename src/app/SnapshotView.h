// A headless simulation view for snapshots and benchmarks: the view core over an image, showing the whole layout,
// with a canvas held open so that the ticks of a virtual clock draw as the saver's timers do.
#pragma once
#include "app/ViewCore.h"
#include "settings/ProfileStore.h"

namespace jamlog {

class SnapshotView : public ViewCore {
public:
    SnapshotView(int width, int height, const SimSettings& settings, LayoutService layouts, uint32_t seed);

    // Creates the first run at the given clock, fits the view to the layout and paints it.
    void start(int clockMinutes);

private:
    MemoryProfileStore store; // no saved views: the default fit
};

} // namespace jamlog
