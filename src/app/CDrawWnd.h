// The simulation view window: owns the network model, the draw records, the simulation, the view transform, the
// back buffer and the platform timers that drive the simulation's dispatcher. Paint blits the back buffer.
#pragma once
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "render/DrawState.h"
#include "render/View.h"
#include "settings/ProfileStore.h"
#include "settings/SettingsRecord.h"
#include "settings/UsageCounters.h"
#include "sim/Simulation.h"

namespace jamlog {

class Canvas;
class CLegWnd;
class CSplashWnd;

class CDrawWnd : public QWidget, public ViewHost, public DrawHooks, public RunEvents {
    Q_OBJECT
public:
    struct Options {
        std::optional<uint32_t> seed; // replayable runs; otherwise seeded from the time
        bool startTimers = true;      // tests drive onTimer themselves
        bool fitToWidget = true;      // the screens are the widget's own size (window, preview and host)
        bool withLegend = true;
        bool embedded = false;   // drawn into a foreign window: nothing of its own on screen, legend included
        bool withSplash = false; // full screen only: the splash unless disabled or a run is marked
    };

    CDrawWnd(ProfileStore& store, const Options& options, QWidget* parent = nullptr);
    ~CDrawWnd() override;

    // One tick of timer `id`, exactly as the platform timer would deliver it.
    void onTimer(int id);
    // Repaints the whole back buffer (network and vehicles) from the model.
    void redrawAll();
    // Books the usage counters and the last layout; once, at the first close.
    void flushCounters();

    const QImage& backBuffer() const { return back; }
    // The back buffer with an embedded legend painted over it.
    QImage composedFrame() const;
    Simulation& simulation() { return *sim; }
    View& view() { return viewTransform; }
    DrawState& drawState() { return state; }
    const SettingsRecord& settings() const { return record; }
    ProfileStore& profileStore() { return store; }
    int timerInterval(int id) const;

    // ViewHost
    void invalidate() override;
    void invalidateLegend() override;
    void scrollWindow(int dx, int dy) override;
    void updateWindow() override;
    void postClose() override;
    void relayoutLegend() override;
    void showLegendFirstTime() override;
    bool legendVisible() const override;
    void setLegendVisible(bool visible) override;
    void recolourLegend() override;
    bool paused() const override { return pausedFlag; }
    void togglePause() override { pausedFlag = !pausedFlag; }
    void nextLayout() override;
    int relief() const override;
    void quickRelief() override;
    int lightsMode() const override;
    void lightsSwitch() override;
    void dayLightChanged() override;
    void clockToSunset() override;
    void clockToSunrise() override;
    void streetLightsChanged() override;

    // DrawHooks
    void eraseVehicle(int number) override;
    void drawVehicle(int number) override;
    void redrawView() override;
    void redrawRoad(int road) override;
    void drawRoadworksLamps(int flashPhase) override;
    void drawSigns() override;
    void drawTrainLamps() override;
    void lightLevelChanged() override;
    void refreshLegend() override;
    void refreshLegendText();

    // RunEvents
    void timersChanged() override;
    void saveCounters() override;
    void layoutShown(bool flipped) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    template <class Fn> void withCanvas(Fn&& fn);
    void vehiclePass(int number, int pass);
    void setTimers();
    void layoutStarted();
    void fitToWindow();
    void syncFromRun();
    void paintBuffer(Canvas& c);

    ProfileStore& store;
    Options options;
    SettingsRecord record;
    std::unique_ptr<NetworkModel> model;
    std::unique_ptr<VehicleDrawTable> draws;
    DrawState state;
    View viewTransform;
    UsageCounters counters;
    std::unique_ptr<Simulation> sim;
    std::unique_ptr<CLegWnd> legend;
    std::unique_ptr<CSplashWnd> splash;
    QImage back;
    std::array<QTimer*, 15> timers{}; // by timer id
    Canvas* canvas = nullptr;         // the back buffer's canvas while a tick or a redraw runs
    int seenRuns = -1;
    bool pausedFlag = false;
    bool needsFullRedraw = true;
    bool flushed = false;
};

} // namespace jamlog
