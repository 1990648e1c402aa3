// The view transform of a simulation view (world units per pixel and a pixel origin) and everything that
// changes it: fitting a layout, the saved view per layout, resizing, mouse panning, wheel zoom, wandering and
// the commands of the two pop-up menus. Window actions go through ViewHost; the window only shows the menus.
#pragma once
#include <cstdint>
#include <span>

#include "model/NetworkModel.h"
#include "render/DrawState.h"

namespace jamlog {

class ProfileStore;

// What the view asks of its window and of the running simulation. Every call defaults to doing nothing.
class ViewHost {
public:
    virtual ~ViewHost() = default;
    virtual void invalidate() {}       // repaint the whole view, with erase
    virtual void invalidateLegend() {} // repaint the legend window
    virtual void scrollWindow(int dx, int dy) {}
    virtual void updateWindow() {} // paint what is pending at once
    virtual void postClose() {}
    virtual void moveToVirtualOrigin() {} // move without resizing to the virtual desktop's top-left corner
    virtual void relayoutLegend() {}
    virtual void showLegendFirstTime() {} // bring the view up, make the legend topmost and show it
    virtual bool legendVisible() const { return false; }
    virtual void setLegendVisible(bool visible) {}
    virtual void recolourLegend() {}
    virtual bool paused() const { return false; }
    virtual void togglePause() {}
    virtual void nextLayout() {} // with random cycling bit 0 set
    virtual int relief() const { return 0; }
    virtual void quickRelief() {}
    virtual int lightsMode() const { return 0; }
    virtual void lightsSwitch() {}
    virtual void dayLightChanged() {} // `DayLight` or `Night` toggled
    virtual void clockToSunset() {}   // and daylight cycling on
    virtual void clockToSunrise() {}
    virtual void streetLightsChanged() {} // recompute the street-light levels
};

struct ScreenMetrics {
    int primaryW = 1920, primaryH = 1080;
    int virtualX = 0, virtualY = 0, virtualW = 1920, virtualH = 1080;
};

// Menu command identifiers.
enum MenuCommand : int {
    cmdContinue = 148,
    cmdPause = 149,
    cmdFreezePan = 150,
    cmdNextLayout = 151,
    cmdWandering = 152,
    cmdQuickUnjam = 153,
    cmdDebugOn = 155,
    cmdDisplayZoomIn = 156,
    cmdDisplayZoomOut = 157,
    cmdLightsOff = 158,
    cmdSpeedLimitSigns = 159,
    cmdAnnotate = 160,
    cmdLegend = 161,
    cmdSaveView = 163,
    cmdDayCycling = 164,
    cmdAlwaysDark = 165,
    cmdClockToDawn = 166,
    cmdClockToDusk = 167,
    cmdDebugLegend = 169,
    cmdTraces = 170,
    cmdNumberVehicles = 171,
    cmdShowGrid = 172,
    cmdNumberRoads = 173,
    cmdHideVehicles = 174,
    cmdDayLights = 175,
    cmdFastVsl = 176,
    cmdVslForced = 177,
    cmdVsl90 = 178,
    cmdStreetLights = 179,
    cmdMainExit = 189,
    cmdZoomIn = 191,
    cmdZoomOut = 192,
    cmdMaxZoomIn = 193,
    cmdMaxZoomOut = 194,
    cmdZoomExit = 199,
};

struct MenuEntry {
    int id;
    const char* text;
    const char* subMenu; // nullptr: top level
};

std::span<const MenuEntry> zoomMenuEntries();
std::span<const MenuEntry> mainMenuEntries();

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
    void onZoomMenu(int id);
    void onMainMenu(int id);
    bool mainMenuChecked(int id) const;
    bool mainMenuShowsDebug() const { return s.set.debug != 0 || s.set.pro != 0; }
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
    void maxZoomIn();
    void frontPan(); // first zoom command: pan on, origin (1, 1)
    ScreenMetrics screens;
    ProfileStore* store = nullptr;
    DrawState& s;
    const NetworkModel& m;
    ViewHost& host;
};

} // namespace jamlog
