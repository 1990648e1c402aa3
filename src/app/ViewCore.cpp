// The shared view core: full paints, scrolling with strip repaints, and the draw hooks around each vehicle step.
#include "app/ViewCore.h"

#include <algorithm>
#include <cstdlib>

#include "app/CullingCanvas.h"

#include "render/NetworkDrawing.h"
#include "render/VehicleDrawing.h"

namespace jamlog {

ViewCore::ViewCore(int width, int height, ViewHost* host)
    : net(std::make_unique<NetworkModel>()), records(std::make_unique<VehicleDrawTable>()),
      viewTransform(state, *net, host != nullptr ? *host : noWindow), back(std::max(1, width), std::max(1, height)) {
    clearModel(*net);
    dirty.resize(image().width(), image().height());
    signs.resize(image().width(), image().height());
    lamps.resize(image().width(), image().height());
}

ViewCore::~ViewCore() = default;

void ViewCore::makeSimulation(const SimSettings& settings, LayoutService layouts, RunEvents* events) {
    sim = std::make_unique<Simulation>(*net, *records, settings, std::move(layouts), this, events, &state.set);
}

void ViewCore::seedSequence(uint32_t first) {
    sim->setSeedSource([next = first]() mutable { return next++; });
}

void ViewCore::resizeImage(int width, int height) {
    if (held || width < 1 || height < 1 || (width == image().width() && height == image().height()))
        return;
    back.resize(width, height);
    dirty.resize(width, height);
    signs.resize(width, height);
    lamps.resize(width, height);
}

void ViewCore::holdCanvas() {
    if (held)
        return;
    held = std::make_unique<QtCanvas>(back.image());
    held->setDirectFill(directFill);
    held->setWindowOrigin(-viewTransform.originX, -viewTransform.originY);
    canvas = held.get();
}

void ViewCore::syncFromRun() {
    const RunState& s = sim->state();
    state.set.backCol = s.background;
    state.layout = s.layout;
    state.content = s.switches;
    state.flashPhase = s.flashPhase;
    state.setBrightness(s.lightLevel);
}

VehiclePainter ViewCore::vehiclePainter(Canvas& c) {
    VehiclePainter vp(c, *net, state, *records);
    vp.originX = viewTransform.originX;
    vp.originY = viewTransform.originY;
    return vp;
}

void ViewCore::paintFrame(Canvas& c, int left, int top) {
    c.setWindowOrigin(-viewTransform.originX + left, -viewTransform.originY + top);
    NetworkPainter(c, *net, state).paint();
    if (!state.debugOn(debugHideVehicles)) {
        const RunState& st = sim->state();
        VehiclePainter vp = vehiclePainter(c);
        auto drawn = [&](int n) {
            const VehicleDrawRecord& d = (*records)[static_cast<size_t>(n)];
            return (d.frontX | d.frontY | d.rearX | d.rearY) != 0 && !(d.stepResult & drawHidden);
        };
        c.setPen({PenStyle::Null, 0, 0});
        for (int n = 0; n < std::min(st.activeCars, maxRoadVehicles); ++n)
            if (drawn(n))
                vp.moveAndDrawCar(n, drawPass);
        for (int n = firstCarriage; n < st.trainsEnd; ++n)
            if (drawn(n))
                vp.moveAndDrawCarriage(n, drawPass);
        for (int n = firstBoat; n < st.boatsEnd; ++n)
            if (drawn(n))
                vp.moveAndDrawBoat(n, drawPass);
    }
    paintOverlay(c);
}

void ViewCore::paintFrame() {
    signs.forget();
    lamps.forget();
    if (canvas != nullptr) {
        paintFrame(*canvas, 0, 0);
        return;
    }
    QtCanvas c(back.image());
    c.setDirectFill(directFill);
    paintFrame(c, 0, 0);
}

// A canvas over a rectangle of the back buffer's own pixels: its bounds clip everything drawn, even the fills
// that ignore a clip path; shapes wholly outside it are not drawn at all.
void ViewCore::paintArea(int left, int top, int width, int height) {
    QImage& img = back.image();
    const qsizetype line = img.bytesPerLine();
    uchar* first = img.bits() + top * line + left * (img.depth() / 8);
    QImage part(first, width, height, line, img.format());
    QtCanvas c(part);
    c.setDirectFill(directFill);
    CullingCanvas culled(c);
    paintFrame(culled, left, top);
    for (RepeatedOverlay* o : {&signs, &lamps})
        o->damage().mark(left, top, left + width - 1, top + height - 1);
}

void ViewCore::scrollContents(int dx, int dy) {
    const int w = image().width(), h = image().height();
    if (dx == 0 && dy == 0)
        return;
    if (std::abs(dx) >= w || std::abs(dy) >= h) {
        paintFrame();
        return;
    }
    if (canvas != nullptr)
        canvas->scroll(dx, dy); // an open canvas paints on the buffer's window as it is: the pixels move
    else
        back.scroll(dx, dy); // the window moves over the buffer instead
    signs.scrolled(dx, dy);
    lamps.scrolled(dx, dy);
    // The uncovered column over the full height, then the uncovered row beside it.
    const int columnW = std::abs(dx), rowH = std::abs(dy);
    if (columnW > 0)
        paintArea(dx > 0 ? 0 : w + dx, 0, columnW, h);
    if (rowH > 0 && w > columnW)
        paintArea(dx > 0 ? dx : 0, dy > 0 ? 0 : h + dy, w - columnW, rowH);
    if (canvas != nullptr)
        canvas->setWindowOrigin(-viewTransform.originX, -viewTransform.originY);
}

void ViewCore::vehiclePass(int number, int pass) {
    if (canvas == nullptr || state.debugOn(debugHideVehicles))
        return;
    if (pass == drawPass)
        canvas->setPen({PenStyle::Null, 0, 0}); // polygons without outline, as the tick selects
    VehiclePainter vp = vehiclePainter(*canvas);
    if (number < firstCarriage)
        vp.moveAndDrawCar(number, pass);
    else if (number < firstBoat)
        vp.moveAndDrawCarriage(number, pass);
    else
        vp.moveAndDrawBoat(number, pass);
}

void ViewCore::eraseVehicle(int number) {
    vehiclePass(number, erasePass);
}

void ViewCore::drawVehicle(int number) {
    vehiclePass(number, drawPass);
}

void ViewCore::redrawView() {
    if (canvas == nullptr)
        return;
    syncFromRun();
    canvas->setWindowOrigin(-viewTransform.originX, -viewTransform.originY);
    NetworkPainter(*canvas, *net, state).paint();
}

void ViewCore::redrawRoad(int road) {
    if (canvas == nullptr)
        return;
    NetworkPainter p(*canvas, *net, state);
    if (roadworksActive(net->road(road))) {
        p.drawRoad(road);
        p.drawRoadworks(road, false);
    } else {
        p.clearRoadworks(road);
    }
}

void ViewCore::flashPhaseChanged(int flashPhase) {
    state.flashPhase = flashPhase;
}

void ViewCore::drawRoadworksLamps(int flashPhase) {
    if (canvas == nullptr)
        return;
    state.flashPhase = flashPhase;
    NetworkPainter p(*canvas, *net, state);
    for (int i = 0; i < net->roadCount && i < roadCapacity; ++i)
        p.drawRoadworks(i, flashPhase != 0);
}

void ViewCore::drawOverlay(RepeatedOverlay& o, int items, void (NetworkPainter::*drawItem)(int),
                           void (NetworkPainter::*drawAll)()) {
    if (canvas == nullptr)
        return;
    if (!tracking || !overlayReuse)
        return (NetworkPainter(*canvas, *net, state).*drawAll)();
    o.draw(
        *canvas, items, [&](Canvas& c, int n) { (NetworkPainter(c, *net, state).*drawItem)(n); },
        -viewTransform.originX, -viewTransform.originY);
}

void ViewCore::drawSigns() {
    drawOverlay(signs, std::clamp(net->roadCount, 0, roadCapacity), &NetworkPainter::drawRoadSigns,
                &NetworkPainter::drawAllSigns);
}

void ViewCore::drawTrainLamps() {
    drawOverlay(lamps, static_cast<int>(net->lightGroups.size()), &NetworkPainter::drawLightIcons,
                &NetworkPainter::drawLightIcons);
}

void ViewCore::lightLevelChanged() {
    state.set.backCol = sim->state().background;
    state.setBrightness(sim->state().lightLevel);
}

} // namespace jamlog
