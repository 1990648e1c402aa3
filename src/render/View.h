// The view transform of a simulation view (world units per pixel and a pixel origin) and everything that
// changes it: fitting a layout, the saved view per layout, resizing, mouse panning, wheel zoom, the menus' zoom
// steps and wandering. Window actions go through ViewHost.
#pragma once
#include <cstdint>

#include "model/NetworkModel.h"
#include "render/DrawState.h"

namespace jamlog {

class ProfileStore;

// What the view transform asks of its window.
class ViewHost {
public:
    virtual ~ViewHost() = default;
    virtual void invalidate() = 0; // repaint the whole view, with erase
    virtual void scrollWindow(int dx, int dy) = 0;
    virtual void updateWindow() = 0;        // paint what is pending at once
    virtual void moveToVirtualOrigin() = 0; // move without resizing to the virtual desktop's top-left corner
    virtual void relayoutLegend() = 0;
    virtual void showLegendFirstTime() = 0; // bring the view up, make the legend topmost and show it
};

// A view without a window: nothing to repaint, scroll or move.
struct NoWindowHost : ViewHost {
    void invalidate() override {}
    void scrollWindow(int, int) override {}
    void updateWindow() override {}
    void moveToVirtualOrigin() override {}
    void relayoutLegend() override {}
    void showLegendFirstTime() override {}
};

struct ScreenMetrics {
    int primaryW = 1920, primaryH = 1080;
    int virtualX = 0, virtualY = 0, virtualW = 1920, virtualH = 1080;
};

class View {
public:
    View(DrawState& state, const NetworkModel& model, ViewHost& host) : s(state), m(model), host(host) {}

    // Screen sizes at load; forces `NoMM` on a single screen and derives screenW, screenH and aspect.
    void setScreens(const ScreenMetrics& metrics);

    void fitView(int mode);
    void setViewOffset(int worldX, int worldY);
    void defaultViewValues(int storedScale, int& base, int& outX, int& outY);
    void resize(int clientWidth);
    int panToMouse(int x, int y); // 1: the caller may treat the move as a request to end the saver
    void zoomByWheel(int delta, int x, int y);
    void wander();

    void saveView(ProfileStore& store, int layout);
    void attachStore(ProfileStore* st) { store = st; } // where "Save This View" writes (layout from the state)
    void loadView(ProfileStore& store, int layout);    // at layout start: a saved view, or the default fit

    // Left-button click: 1 ends the saver, 0 when the menu (if any) was shown.
    int zoomMenuClick() const { return (s.set.mouse && panActive) ? 0 : 1; }

    // The zoom steps of the menus: one scale step in or out about the extent's corner, straight to scale 10, the
    // whole extent in view, the extent's width across the window; the last three switch panning on.
    void zoomInStep();
    void zoomOutStep();
    void maxZoomIn();
    void maxZoomOut();
    void fitWidth();
    void saveCurrentView(); // "Save This View", into the attached store for the current layout

    void afterMenuShown() { cursorState = s.set.debug != 0 ? 1 : 0; }
    // The 2-second timer hides a cursor that a mouse move showed (a debug bit keeps it shown).
    void cursorUpkeep() {
        if (cursorState > 1)
            cursorState = s.set.debug != 0 ? 1 : 0;
    }

    int scale() const { return s.scale; }
    int extentW() const { return m.extentMaxX - m.extentMinX; }
    int extentH() const { return m.extentMaxY - m.extentMinY; }

    int baseScale = 1;
    int zoom = 1;
    int originX = 0, originY = 0;
    int panActive = 0;
    int lastMouseX = 0, lastMouseY = 0;
    int wanderDirX = 1, wanderDirY = 1; // the wandering step is `WanderDist` pixels this way, both start forward
    int aspect = 177;
    int cursorState = 0;          // 0 hidden, 1 shown for a menu, 2 shown after a mouse move
    int excessW = 0, excessH = 0; // virtual desktop beyond the primary screen
    bool legendShown = false;

private:
    int safeScale() const { return s.scale == 0 ? 1 : s.scale; }
    void updatePolygonMode() { s.polygonMode = s.scale <= s.set.polyThresh; }
    void frontPan(); // first zoom command: pan on, origin (1, 1)
    ScreenMetrics screens;
    ProfileStore* store = nullptr;
    DrawState& s;
    const NetworkModel& m;
    ViewHost& host;
};

} // namespace jamlog
