// Adapts a run's layout request to the layout dispatcher and its result back.
#include "sim/CatalogueLayouts.h"

#include "model/BuildLayout.h"
#include "model/LayoutCatalogue.h"

namespace jamlog {

namespace {

LayoutOutcome build(NetworkModel& m, Rng& rng, const LayoutRequest& q) {
    const BuildResult r = buildLayout(m, rng, q);
    LayoutOutcome out;
    out.layout = r.layout;
    out.switches = r.contentFlags;
    out.cars = r.cars;
    out.trains = r.trains;
    out.boats = r.boats;
    out.trainsEnd = r.trainsEnd;
    out.boatsEnd = r.boatsEnd;
    out.name = r.name;
    return out;
}

} // namespace

LayoutService catalogueLayouts() {
    return {build, layoutFamily, layoutIsBuilt};
}

} // namespace jamlog
