// The simulation view window: the view core (model, draw records, simulation, view transform and back buffer) in
// a widget, with its timers, legend, usage counters and the frames a host's window takes. Paint only copies the
// back buffer to the screen; everything that changes it is drawn into it first.
#pragma once
#include "app/FrameChanges.h"
#include "app/ViewCore.h"

#include <QImage>
#include <QWidget>
#include <memory>
#include <optional>

#include "app/FrameCompositor.h"
#include "app/ViewCounters.h"
#include "app/ViewLegend.h"
#include "app/ViewTimers.h"
#include "settings/ProfileStore.h"
#include "settings/SettingsRecord.h"

namespace jamlog {

class Canvas;
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

    // A command of either pop-up menu, then, unless it is a quiet one, the legend's figures and the view anew.
    void runCommand(int id);

    // What the menu commands do to the window and its run.
    bool paused() const { return pausedFlag; }
    void togglePause() { pausedFlag = !pausedFlag; }
    void nextLayout(); // switches random cycling on
    bool legendVisible() const { return legend.visible(); }
    void setLegendVisible(bool visible) { legend.setVisible(visible); }
    void recolourLegend() { legend.recolour(drawState()); }
    // The simulated clock jumps to the minute and the day-and-night cycle takes over from there.
    void clockTo(int minute);
    void postClose();
    const CLegWnd* legendWindow() const { return legend.window(); }

    // The configuration dialog's live preview (PreviewView.cpp). A view's origin here is in world units, as stored.
    struct StoredView {
        int scale = 1, originX = 0, originY = 0;
    };
    // What a preview run is built with from the dialog: the layout and what its build reads.
    struct RunChoice {
        int layout = 0, driver = 0, lights = 0;
        int aveSpd = 0, trains = 0, boats = 0;
        bool operator==(const RunChoice&) const = default;
    };
    RunChoice runChoice() const;
    // A new run with those choices (restart 0, a fifth of the active cars).
    void rebuildRun(const RunChoice& c);
    void applyCars(int cars);
    // A new slow-motion factor, taken by the next step.
    void applySlowMotion(int factor);
    // Shows a stored view; a scale below 2 is the layout's default view.
    void applyView(const StoredView& v);
    // Goes to the layout's default view and returns it.
    StoredView defaultView();
    // A frozen view neither steps nor draws; thawing redraws it.
    void setFrozen(bool frozen);
    bool frozen() const { return frozenFlag; }

    const QImage& backBuffer() const { return image(); }
    // The back buffer with an embedded legend painted over it, as the host's window shows it.
    QImage composedFrame() const { return frames.composed(image()); }
    // Embedded: brings the frame up to date and hands over what changed on it since the last call.
    FrameChanges takeFrameChanges();
    // Rectangle r of the composed frame, which it must lie in, as rows of 32-bit pixels packed one after another.
    void copyFrame(const QRect& r, uint32_t* out) const { frames.copy(image(), r, out); }
    const SettingsRecord& settings() const { return record; }
    ProfileStore& profileStore() { return store; }
    int timerInterval(int id) const;

    // ViewHost
    void invalidate() override;
    void scrollWindow(int dx, int dy) override;
    void updateWindow() override;
    void moveToVirtualOrigin() override {} // a full-screen window is placed over the virtual desktop when shown
    void relayoutLegend() override;
    void showLegendFirstTime() override { legend.showFirstTime(*this); }

    // DrawHooks beyond the core's: a full redraw waits for the end of the tick
    void redrawView() override { needsFullRedraw = true; }
    void redrawRoad(int road) override;
    void drawSigns() override;
    void lightLevelChanged() override;
    void refreshLegend() override;
    void refreshLegendText();

    // RunEvents
    void timersChanged() override;
    void heartbeatChanged() override;
    void saveCounters() override;
    void layoutShown(bool) override { needsFullRedraw = true; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    void paintOverlay(Canvas& c) override;
    // The view's cursor state changed (a mouse move, the timer that hides the cursor again).
    virtual void cursorChanged() {}

private:
    void layoutStarted();
    void fitToWindow();
    // The back buffer brought up to date: redrawn whole when asked for, else moved by the scrolls pending.
    void catchUp();
    // Once the events in hand are done: the back buffer brought up to date and shown.
    void catchUpSoon();
    void applyScroll();
    // The tiles drawn on join the changes; a window of our own is asked to repaint them (at once with `now`).
    void showChanges(bool now = false);
    void collectTiles();

    ProfileStore& store;
    Options options;
    ScreenMetrics screensAtLoad; // before the record, whose load reads them
    SettingsRecord record;
    ViewCounters counters;
    ViewLegend legend;
    ViewTimers timers;
    FrameCompositor frames;
    std::unique_ptr<CSplashWnd> splash;
    int pendingDx = 0, pendingDy = 0; // scrolled by the view, not yet applied to the back buffer
    FrameChanges changes;             // applied to the back buffer, not yet shown
    int seenRuns = -1;
    bool pausedFlag = false;
    bool frozenFlag = false;
    bool needsFullRedraw = true;
    bool catchUpPosted = false;
};

} // namespace jamlog
