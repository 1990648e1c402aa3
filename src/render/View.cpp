// The view transform and its commands. Divisions truncate toward zero in the order written; a zero scale or
// zoom is treated as 1.
#include "render/View.h"

#include <cstdlib>

#include "settings/ProfileStore.h"
#include "settings/SettingsRecord.h"
#include "sim/LightGroups.h"

namespace jamlog {

namespace {

constexpr int savedOffset = 100000; // stored origins are kept positive
constexpr int noSavedView = 1;
constexpr int wheelWithoutPan = 999;
constexpr int minWheelScale = 6;  // zooming in stops below this, so the scale ends at 5
constexpr int maxWheelScale = 45; // zooming out stops above this, so the scale ends at 46
constexpr int maxZoomInScale = 10;
constexpr int smallWindowWidth = 600;

int nz(int v) {
    return v == 0 ? 1 : v;
}

constexpr MenuEntry zoomMenu[] = {
    {cmdZoomIn, "Zoom In", nullptr},        {cmdZoomOut, "Zoom Out", nullptr},
    {cmdMaxZoomIn, "Max Zoom In", nullptr}, {cmdMaxZoomOut, "Max Zoom Out", nullptr},
    {cmdZoomExit, "Exit Saver", nullptr},
};

constexpr MenuEntry mainMenu[] = {
    {cmdContinue, "Continue", nullptr},
    {cmdPause, "Pause Saver", nullptr},
    {cmdFreezePan, "Freeze Pan", nullptr},
    {cmdNextLayout, "Next Layout", nullptr},
    {cmdWandering, "Wandering", nullptr},
    {cmdQuickUnjam, "Quick Unjam", nullptr},
    {cmdDisplayZoomIn, "Zoom In", "Display"},
    {cmdDisplayZoomOut, "Zoom Out", "Display"},
    {cmdLightsOff, "Traffic Lights Off", nullptr},
    {cmdSpeedLimitSigns, "Speed Limit Signs", nullptr},
    {cmdAnnotate, "Annotate Speeds", nullptr},
    {cmdLegend, "Legend", nullptr},
    {cmdSaveView, "Save This View", nullptr},
    {cmdDayCycling, "24hr Cycling", "Daylight"},
    {cmdAlwaysDark, "Always Dark", "Daylight"},
    {cmdClockToDusk, "Clock to Dusk", "Daylight"},
    {cmdClockToDawn, "Clock to Dawn", "Daylight"},
    {cmdDebugOn, "Debug On", nullptr},
    {cmdDebugLegend, "Legend", "Debug"},
    {cmdStreetLights, "Street Lights", "Debug"},
    {cmdTraces, "Traces", "Debug"},
    {cmdNumberVehicles, "Number Vehicles", "Debug"},
    {cmdShowGrid, "Show Grid", "Debug"},
    {cmdNumberRoads, "Number Roads", "Debug"},
    {cmdHideVehicles, "Hide Vehicles", "Debug"},
    {cmdDayLights, "Day Lights", "Debug"},
    {cmdFastVsl, "Fast VSL", "Debug"},
    {cmdVslForced, "VSL Forced", "Debug"},
    {cmdVsl90, "VSL up to 90", "Debug"},
    {cmdMainExit, "Exit Saver", nullptr},
};

// Main-menu items that only toggle Debug bits.
struct DebugToggle {
    int id;
    int bits;
};
constexpr DebugToggle debugToggles[] = {
    {cmdTraces, debugTraces},
    {cmdNumberVehicles, debugNumberVehicles},
    {cmdShowGrid, debugShowGrid},
    {cmdNumberRoads, debugNumberRoads},
    {cmdHideVehicles, debugHideVehicles},
    {cmdFastVsl, debugFastVsl},
    {cmdVslForced, debugVslForced},
    {cmdVsl90, debugVslTo90},
};

} // namespace

std::span<const MenuEntry> zoomMenuEntries() {
    return zoomMenu;
}
std::span<const MenuEntry> mainMenuEntries() {
    return mainMenu;
}

void View::setScreens(const ScreenMetrics& metrics) {
    screens = metrics;
    const ScreenArea area =
        drawingArea(s.set.noMM, {metrics.primaryW, metrics.primaryH, metrics.virtualW, metrics.virtualH});
    s.set.noMM = area.noMM;
    s.screenW = area.width;
    s.screenH = area.height;
    aspect = s.screenW * 100 / nz(s.screenH);
    if (aspect < 120)
        aspect = 120;
}

void View::fitView(int mode) {
    int sw = s.screenW, sh = s.screenH;
    if (mode == 0) {
        originX = -m.extentMinX;
        originY = -m.extentMinY;
        baseScale = s.scale = extentW() / 50;
        if (baseScale <= sw / 2)
            originY = extentW() * 50 / nz(aspect) - extentH() / 2 - m.extentMinY;
        else
            baseScale = sw / 2;
    } else if (mode == 1) {
        zoom = sw / 50;
        s.scale = (extentW() / 50) / nz(zoom);
    } else {
        bool wandering = (s.set.wandering & 1) && !s.smallWindow;
        if (!wandering) {
            s.scale = baseScale / nz(zoom);
            originX = originX / safeScale();
            originY = originY / safeScale();
        } else {
            int wz = nz(s.set.wanderZoom);
            if (s.set.wandering & 2) {
                zoom = zoom * wz;
                s.scale = baseScale / nz(zoom);
            } else {
                s.scale = 20 / wz;
                zoom = baseScale / safeScale();
            }
            if (extentW() < s.scale * sw)
                s.scale = extentW() / nz(sw);
            if (s.scale < 5)
                s.scale = 5;
            if (s.scale > 20)
                s.scale = 20;
            originX = ((s.scale * sw - m.extentMinX - m.extentMaxX) / 2) / s.scale;
            originY = ((s.scale * sh - m.extentMinY - m.extentMaxY) / 2) / s.scale;
        }
    }
    if (s.scale == 0)
        s.scale = 1;
    updatePolygonMode();
    if (s.smallWindow)
        s.scale = s.scale * 97 / 99;
    if (s.scale == 0)
        s.scale = 1;
}

void View::setViewOffset(int worldX, int worldY) {
    originX = worldX / safeScale();
    originY = worldY / safeScale();
    host.invalidate();
}

void View::defaultViewValues(int storedScale, int& base, int& outX, int& outY) {
    if (storedScale < 2) {
        fitView(0);
        base = baseScale;
        outX = originX;
        outY = originY;
    }
    fitView(2);
    host.invalidate();
}

void View::resize(int clientWidth) {
    // A host window that starts narrow (a preview) and is then enlarged leaves the preview behaviour.
    s.smallWindow = clientWidth < smallWindowWidth;
    zoom = clientWidth / 50;
    excessW = screens.virtualW - screens.primaryW;
    excessH = screens.virtualH - screens.primaryH;
    fitView(2);
    if (!s.set.noMM && !s.smallWindow)
        host.moveToVirtualOrigin();
    host.relayoutLegend();
    // The legend comes up the first time the view is full size, which a preview that grows may reach late.
    if (!legendShown && !s.smallWindow) {
        legendShown = true;
        if (s.set.legend)
            host.showLegendFirstTime();
    }
}

int View::panToMouse(int x, int y) {
    if (cursorState == 0)
        cursorState = 2;
    int canEnd = s.set.canMse != 0 ? 1 : 0;
    if (!panActive)
        return canEnd;
    if ((s.set.wandering & 1) && (std::abs(x - lastMouseX) <= 1 || std::abs(y - lastMouseY) <= 1))
        return canEnd;
    int sc = safeScale(), sw = nz(s.screenW), sh = nz(s.screenH);
    // 64-bit products: a large extent times a screen coordinate passes 2^31.
    int newX = static_cast<int>(static_cast<int64_t>(x - sw) * extentW() / sc / sw) - m.extentMinX / sc - x + sw;
    int newY = static_cast<int>(static_cast<int64_t>(y - sh) * extentH() / sc / sh) - m.extentMinY / sc - y + sh;
    if (extentW() / sc < sw) {
        newX = x - sw / 2;
        newY = y - sh / 2;
    }
    host.scrollWindow(newX - originX, newY - originY);
    originX = newX;
    originY = newY;
    host.updateWindow();
    lastMouseX = x;
    lastMouseY = y;
    return 0;
}

void View::zoomByWheel(int delta, int x, int y) {
    panActive = 1;
    lastMouseX = x;
    lastMouseY = y;
    if (delta >= 1) {
        if (s.scale < minWheelScale)
            return;
        zoom = baseScale / safeScale();
        s.scale -= 1;
    } else if (delta < 0) {
        if (s.scale > maxWheelScale)
            return;
        zoom = baseScale / safeScale();
        s.scale += 1;
    }
    updatePolygonMode();
    host.invalidate();
    if (std::abs(delta) < wheelWithoutPan)
        panToMouse(x, y);
}

void View::wander() {
    if (!(s.set.wandering & 1) || s.smallWindow)
        return;
    int sc = safeScale(), dist = s.set.wanderDist;
    if (originX > -(m.extentMinX / sc))
        wanderDirX = -1;
    if (originX < s.screenW - m.extentMaxX / sc)
        wanderDirX = 1;
    if (originY > -(m.extentMinY / sc))
        wanderDirY = -1;
    if (originY < s.screenH - m.extentMaxY / sc)
        wanderDirY = 1;
    int dx = static_cast<int64_t>(s.screenW) * sc <= extentW() ? wanderDirX * dist : 0;
    int dy = static_cast<int64_t>(s.screenH) * sc <= extentH() ? wanderDirY * dist : 0;
    originX += dx;
    originY += dy;
    if (dx || dy)
        host.scrollWindow(dx, dy);
}

void View::saveView(ProfileStore& store, int layout) {
    std::string section = layoutSection(layout);
    store.WriteProfileInt(section, "OriginX", originX * s.scale + savedOffset);
    store.WriteProfileInt(section, "OriginY", originY * s.scale + savedOffset);
    // Stored as the scale times the full-screen zoom plus half a zoom step, so that the re-applied baseScale / zoom
    // gives the same scale back: (screenW + 50) x scale / 50 overshoots by one from scale 28 on a 1920-pixel screen.
    int fullZoom = s.screenW / 50;
    store.WriteProfileInt(section, "Scale", s.scale * fullZoom + fullZoom / 2);
    panActive = 0;
}

void View::loadView(ProfileStore& store, int layout) {
    std::string section = layoutSection(layout);
    int stored = store.GetProfileInt(section, "Scale", noSavedView);
    if (stored == noSavedView) {
        fitView(0);
        return;
    }
    baseScale = s.scale = stored;
    originX = store.GetProfileInt(section, "OriginX", savedOffset) - savedOffset;
    originY = store.GetProfileInt(section, "OriginY", savedOffset) - savedOffset;
}

void View::frontPan() {
    if (panActive)
        return;
    panActive = 1;
    originX = originY = 1;
}

void View::maxZoomIn() {
    s.scale = maxZoomInScale;
    s.polygonMode = true;
    zoom = baseScale / maxZoomInScale;
    frontPan();
    host.invalidate();
}

void View::onZoomMenu(int id) {
    switch (id) {
    case cmdZoomIn:
        zoomByWheel(wheelWithoutPan, m.extentMinX, m.extentMinY);
        break;
    case cmdZoomOut:
        panActive = 1;
        lastMouseX = m.extentMinX;
        lastMouseY = m.extentMinY;
        if (s.scale < maxWheelScale + 1) {
            zoom = baseScale / safeScale();
            s.scale += 1;
            updatePolygonMode();
            host.invalidate();
        }
        break;
    case cmdMaxZoomIn:
        maxZoomIn();
        break;
    case cmdMaxZoomOut:
        zoom = s.screenW / 50 + 1;
        s.scale = ((extentW() + 1500) / 50) / nz(zoom);
        if (s.scale == 0)
            s.scale = 1;
        updatePolygonMode();
        frontPan();
        host.invalidate();
        break;
    case cmdZoomExit:
        host.postClose();
        break;
    default:
        break;
    }
    afterMenuShown();
}

bool View::mainMenuChecked(int id) const {
    const RenderSettings& t = s.set;
    for (const DebugToggle& d : debugToggles)
        if (d.id == id)
            return (t.debug & d.bits) != 0;
    switch (id) {
    case cmdPause:
        return host.paused();
    case cmdFreezePan:
        return panActive == 0;
    case cmdWandering:
        return (t.wandering & 1) != 0;
    case cmdQuickUnjam:
        return host.relief() > 1;
    case cmdLightsOff:
        return host.lightsMode() >= lightsOff;
    case cmdSpeedLimitSigns:
        return t.slSigns != 0;
    case cmdAnnotate:
        return t.annotate != 0;
    case cmdLegend:
        return host.legendVisible();
    case cmdDayCycling:
        return t.dayLight != 0;
    case cmdAlwaysDark:
        return t.night != 0;
    case cmdDebugOn:
        return t.debug != 0;
    case cmdDebugLegend:
        return (t.debug & debugLongLegend) != 0;
    case cmdStreetLights:
        return t.stLights != 0;
    case cmdDayLights:
        return (t.debug & debugDayLights) != 0;
    default:
        return false;
    }
}

void View::onMainMenu(int id) {
    RenderSettings& t = s.set;
    bool toggled = false;
    for (const DebugToggle& d : debugToggles)
        if (d.id == id) {
            t.debug ^= d.bits;
            toggled = true;
        }
    auto streetLights = [&] {
        t.stLights = !t.stLights;
        s.refreshColours();
        host.streetLightsChanged();
    };
    auto debugLegend = [&](bool toggleBit) {
        if (toggleBit)
            t.debug ^= debugLongLegend;
        host.relayoutLegend();
        streetLights();
    };
    if (!toggled)
        switch (id) {
        case cmdPause:
            if (!host.paused())
                panActive = 0;
            host.togglePause();
            break;
        case cmdFreezePan:
            panActive = !panActive;
            break;
        case cmdNextLayout:
            host.nextLayout();
            break;
        case cmdWandering:
            t.wandering ^= 1;
            break;
        case cmdQuickUnjam:
            host.quickRelief();
            break;
        case cmdDisplayZoomIn:
            maxZoomIn();
            break;
        case cmdDisplayZoomOut:
            fitView(1);
            frontPan();
            break;
        case cmdLightsOff:
            host.lightsSwitch();
            break;
        case cmdSpeedLimitSigns:
            t.slSigns = !t.slSigns;
            break;
        case cmdAnnotate:
            t.annotate = !t.annotate;
            break;
        case cmdLegend:
            host.setLegendVisible(!host.legendVisible());
            t.legend = !t.legend;
            break;
        case cmdDayCycling:
            t.dayLight = !t.dayLight;
            host.dayLightChanged();
            host.recolourLegend();
            break;
        case cmdAlwaysDark:
            t.night = !t.night;
            t.dayLight = 0;
            host.dayLightChanged();
            host.recolourLegend();
            break;
        case cmdClockToDusk:
            host.clockToSunset();
            t.dayLight = 1;
            break;
        case cmdClockToDawn:
            host.clockToSunrise();
            t.dayLight = 1;
            break;
        case cmdDebugOn:
            t.debug = t.debug != 0 ? 0 : t.storedDebug;
            debugLegend(false);
            break;
        case cmdDebugLegend:
            debugLegend(true);
            break;
        case cmdStreetLights:
            streetLights();
            break;
        case cmdDayLights:
            t.debug ^= debugDayLights | debugNoVehicleLights;
            t.advanced ^= advancedScandinavianLights;
            break;
        case cmdSaveView:
            if (store)
                saveView(*store, s.layout);
            break;
        case cmdMainExit:
            host.postClose();
            break;
        default:
            break;
        }
    bool quiet = id == cmdContinue || id == cmdPause || id == cmdFreezePan || id == cmdLegend || id == cmdSaveView;
    if (!quiet) {
        host.invalidateLegend();
        host.invalidate();
    }
    afterMenuShown();
}

} // namespace jamlog
