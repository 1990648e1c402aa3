// The simulation view window: the view core (model, draw records, simulation, view transform and back buffer) in
// a widget, with the platform timers that drive the simulation's dispatcher. Paint blits the back buffer.
#pragma once
#include "app/FrameChanges.h"
#include "app/ViewCore.h"

#include <QImage>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "settings/ProfileStore.h"
#include "settings/SettingsRecord.h"
#include "settings/UsageCounters.h"

namespace jamlog {

class Canvas;
class CLegWnd;
class CSplashWnd;

class CDrawWnd : public QWidget, public ViewHost, public RunEvents, public ViewCore {
    Q_OBJECT
public:
    struct Options {
        std::optional<uint32_t> seed; // replayable runs; otherwise seeded from the time
        bool startTimers = true;      // tests drive onTimer themselves
        bool fitToWidget = true;      // the screens are the widget's own size (window, preview and host)
        bool withLegend = true;
        bool embedded = false;     // drawn into a foreign window: nothing of its own on screen, legend included
        bool legendInView = false; // the legend is a child kept inside the view, not a window of its own
        bool withSplash = false;   // full screen only: the splash unless disabled or a run is marked
        std::optional<ScreenMetrics> screens; // the screens at load; by default the platform's
    };

    CDrawWnd(ProfileStore& store, const Options& options, QWidget* parent = nullptr);
    ~CDrawWnd() override;

    // One tick of timer `id`, exactly as the platform timer would deliver it.
    void onTimer(int id);
    // Repaints the whole back buffer (network and vehicles) from the model.
    void redrawAll();
    // Books the usage counters and the last layout; once, at the first close.
    void flushCounters();
    // A command of the right-button menu, then the legend's figures and the view brought up to date.
    void runMainCommand(int id);
    const CLegWnd* legendWindow() const { return legend.get(); }

    // The configuration dialog's live preview (PreviewView.cpp). A view's origin here is in world units, as stored.
    struct StoredView {
        int scale = 1, originX = 0, originY = 0;
    };
    // A new run of `layout` with the driver and light scheme (restart 0, a fifth of the active cars).
    void rebuildRun(int layout, int driver, int lights);
    void applyCars(int cars);
    // Shows a stored view; a scale below 2 is the layout's default view.
    void applyView(const StoredView& v);
    // Goes to the layout's default view and returns it.
    StoredView defaultView();
    // A frozen view neither steps nor draws; thawing redraws it.
    void setFrozen(bool frozen);
    bool frozen() const { return frozenFlag; }

    const QImage& backBuffer() const { return image(); }
    // The back buffer with an embedded legend painted over it, as the host's window shows it.
    QImage composedFrame() const;
    // Embedded: brings the frame up to date and hands over what changed on it since the last call.
    FrameChanges takeFrameChanges();
    // Rectangle r of the composed frame, which it must lie in, as rows of 32-bit pixels packed one after another.
    void copyFrame(const QRect& r, uint32_t* out) const;
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

    // DrawHooks beyond the core's: a full redraw waits for the end of the tick
    void redrawView() override;
    void redrawRoad(int road) override;
    void drawSigns() override;
    void lightLevelChanged() override;
    void refreshLegend() override;
    void refreshLegendText();

    // RunEvents
    void timersChanged() override;
    void heartbeatChanged() override;
    void saveCounters() override;
    void layoutShown(bool flipped) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    void paintOverlay(Canvas& c) override;
    // The view's cursor state changed (a mouse move, the timer that hides the cursor again).
    virtual void cursorChanged() {}

private:
    void setTimers(int only = 0); // 0: every timer
    void layoutStarted();
    void fitToWindow();
    void applyScroll();
    // The tiles drawn on join the changes; a window of our own is asked to repaint them (at once with `now`).
    void showChanges(bool now = false);
    void collectTiles();
    void composeLegend();
    bool legendInside() const; // the legend is shown as a child of the view
    void pushMenuSettings();

    ProfileStore& store;
    Options options;
    ScreenMetrics screensAtLoad; // before the record, whose load reads them
    SettingsRecord record;
    UsageCounters counters;
    std::unique_ptr<CLegWnd> legend;
    std::unique_ptr<CSplashWnd> splash;
    std::array<QTimer*, 15> timers{}; // by timer id
    int pendingDx = 0, pendingDy = 0; // scrolled by the view, not yet applied to the back buffer
    FrameChanges changes;             // applied to the back buffer, not yet shown
    // Embedded: the legend as the frame shows it, and the legend's picture version it was taken at.
    QImage legendPicture;
    QRect legendRect;
    unsigned shownLegendVersion = 0;
    int seenRuns = -1;
    bool pausedFlag = false;
    bool frozenFlag = false;
    bool needsFullRedraw = true;
    bool flushed = false;
};

} // namespace jamlog
