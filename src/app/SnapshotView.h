// A headless simulation view for snapshots and benchmarks: the model, draw records, simulation and drawing state
// over a QImage, with the simulation's draw hooks wired to the network and vehicle painters.
#pragma once
// The simulation first: Qt's keyword macros (slots) must not reach its headers.
#include "sim/Simulation.h"

#include <QImage>
#include <memory>

#include "platform/QtCanvas.h"
#include "render/NetworkDrawing.h"
#include "render/VehicleDrawing.h"
#include "render/View.h"
#include "settings/ProfileStore.h"

namespace jamlog {

class SnapshotView : public DrawHooks {
public:
    SnapshotView(int width, int height, const SimSettings& settings, LayoutService layouts, uint32_t seed);
    ~SnapshotView() override;

    // Creates the first run at the given clock, fits the view to the layout and paints it.
    void start(int clockMinutes);
    Simulation& simulation() { return *sim; }
    const QImage& image() const { return img; }
    DrawState& drawState() { return state; }

    void eraseVehicle(int number) override;
    void drawVehicle(int number) override;
    void redrawView() override;
    void redrawRoad(int road) override;
    void drawRoadworksLamps(int flashPhase) override;
    void drawSigns() override;
    void lightLevelChanged() override;

private:
    void syncState(); // drawing options and colours from the simulation's working values

    QImage img;
    std::unique_ptr<NetworkModel> model;
    std::unique_ptr<VehicleDrawTable> records;
    DrawState state;
    ViewHost host;
    View view;
    MemoryProfileStore store;
    std::unique_ptr<Simulation> sim;
    std::unique_ptr<QtCanvas> canvas;
    std::unique_ptr<VehiclePainter> vehicles;
    bool started = false;
};

} // namespace jamlog
