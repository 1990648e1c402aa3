// Adapts a run's layout request to the layout dispatcher and its result back.
#include "sim/CatalogueLayouts.h"

#include "model/BuildLayout.h"
#include "model/LayoutCatalogue.h"

namespace jamlog {

namespace {

LayoutOutcome build(NetworkModel& m, Rng& rng, const LayoutRequest& q) {
    BuildParams p;
    p.layout = q.layout;
    p.contentFlags = q.switches;
    p.cars = q.cars;
    p.trains = q.trains;
    p.boats = q.boats;
    p.carrs = q.carrs;
    p.baseSpeed = q.baseSpeed;
    p.driver = q.driver;
    p.vSlow = q.vSlow;
    p.lights = q.lights;
    p.carLen = q.carLen;
    p.lanWid = q.lanWid;
    p.faster = q.faster;
    p.slower = q.slower;
    p.lvm = q.lvm;
    p.stnWait = q.stnWait;
    p.parkWait = q.parkWait;
    p.options = q.options;
    p.advanced = q.advanced;
    p.designer = q.pro != 0;
    const BuildResult r = buildLayout(m, rng, p);
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
