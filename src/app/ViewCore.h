// The core of a simulation view, shared by the saver's window and the headless snapshot: the network model, the
// vehicle draw records, the drawing state, the view transform, the simulation and the back buffer, with the
// simulation's draw hooks wired to the network and vehicle painters.
#pragma once
// The simulation first: Qt's keyword macros (slots) must not reach its headers.
#include "sim/Simulation.h"

#include <QImage>
#include <functional>
#include <memory>

#include "app/DirtyTiles.h"
#include "app/RepeatedOverlay.h"
#include "app/ScrollBuffer.h"
#include "app/TrackingCanvas.h"
#include "platform/QtCanvas.h"
#include "render/DrawState.h"
#include "render/VehicleDrawing.h"
#include "render/View.h"

namespace jamlog {

class NetworkPainter;

class ViewCore : public DrawHooks {
public:
    // host: the window actions of the view transform; nullptr for a view without a window.
    ViewCore(int width, int height, ViewHost* host);
    ~ViewCore() override;
    ViewCore(const ViewCore&) = delete;
    ViewCore& operator=(const ViewCore&) = delete;

    // Creates the simulation over the core's model and records, drawing through this core's hooks and keeping its
    // working settings in the drawing state's.
    void makeSimulation(const SimSettings& settings, LayoutService layouts, RunEvents* events = nullptr);
    // Every run start takes the next of first, first + 1, ... so that a run can be replayed.
    void seedSequence(uint32_t first);

    Simulation& simulation() { return *sim; }
    const Simulation& simulation() const { return *sim; }
    View& view() { return viewTransform; }
    const View& view() const { return viewTransform; }
    DrawState& drawState() { return state; }
    const DrawState& drawState() const { return state; }
    NetworkModel& model() { return *net; }
    const QImage& image() const { return back.image(); }

    // A new back buffer; its pixels are undefined until the next full paint. Not while a canvas is held.
    void resizeImage(int width, int height);

    // Runs fn with a canvas over the back buffer at the view's origin; the hooks draw only while one is open.
    // What it draws is marked in dirtyTiles().
    template <class Fn> void withCanvas(Fn&& fn) {
        if (canvas != nullptr) {
            fn();
            return;
        }
        QtCanvas c(back.image());
        c.setDirectFill(directFill);
        TrackingCanvas tracked(c, dirty, {&signs.damage(), &lamps.damage()});
        tracked.setWindowOrigin(-viewTransform.originX, -viewTransform.originY);
        canvas = &tracked;
        tracking = true;
        fn();
        tracking = false;
        canvas = nullptr;
    }
    // The back buffer's pixels drawn on through withCanvas since the window last took them.
    DirtyTiles& dirtyTiles() { return dirty; }
    // On (the default), the canvases fill vehicle shapes straight into the back buffer's pixels; off, the painter
    // draws everything. Not while a canvas is held.
    void setDirectFill(bool on) { directFill = on; }
    // On (the default), the signs after a tick and the light icons every quarter second are drawn again only where
    // they changed or were drawn over; off, all of them. On the canvas of withCanvas only: a held canvas draws all.
    void setOverlayReuse(bool on) { overlayReuse = on; }
    // Keeps a canvas open from now on (headless runs, whose ticks come straight from a virtual clock).
    void holdCanvas();

    // The run's background, layout, content, flash phase and light level into the drawing state (the settings
    // themselves are one copy that the drawing and the simulation share).
    void syncFromRun();

    // The whole picture onto the back buffer: background and network, the vehicles where they stand, the overlay.
    void paintFrame();
    // Moves the back buffer's contents by (dx, dy) pixels after the origin moved by as much, and paints only the
    // uncovered strips anew; the result is the picture a full paint at the new origin gives.
    void scrollContents(int dx, int dy);

    // DrawHooks
    void eraseVehicle(int number) override;
    void drawVehicle(int number) override;
    void redrawView() override; // the network at once; a window may defer it instead
    void redrawRoad(int road) override;
    void flashPhaseChanged(int flashPhase) override;
    void drawRoadworksLamps(int flashPhase) override;
    void drawSigns() override;
    void drawTrainLamps() override;
    void lightLevelChanged() override;

protected:
    // Painted over the vehicles by a full paint and by the strips of a scroll (the window's speed annotations).
    virtual void paintOverlay(Canvas&) {}
    // The canvas the hooks draw on, or nullptr outside a tick.
    Canvas* openCanvas() const { return canvas; }

private:
    // The picture onto c, whose device pixel (0, 0) is the back buffer's pixel (left, top).
    void paintFrame(Canvas& c, int left, int top);
    void paintArea(int left, int top, int width, int height);
    void vehiclePass(int number, int pass);
    // Draws the items of an overlay through it, or draws them all when it is not in use.
    void drawOverlay(RepeatedOverlay& o, int items, void (NetworkPainter::*drawItem)(int),
                     void (NetworkPainter::*drawAll)());
    VehiclePainter vehiclePainter(Canvas& c);

    NoWindowHost noWindow;
    std::unique_ptr<NetworkModel> net;
    std::unique_ptr<VehicleDrawTable> records;
    DrawState state;
    View viewTransform;
    std::unique_ptr<Simulation> sim;
    ScrollBuffer back;
    DirtyTiles dirty;
    RepeatedOverlay signs, lamps;
    std::unique_ptr<QtCanvas> held;
    Canvas* canvas = nullptr;
    bool tracking = false; // the open canvas is withCanvas's, which marks what it draws
    bool directFill = true, overlayReuse = true;
};

} // namespace jamlog
