// The view transform and its commands. Divisions truncate toward zero in the order written; a zero scale or
// zoom is treated as 1.
#include "render/View.h"

#include <cstdlib>

#include "settings/ProfileStore.h"
#include "settings/SettingBits.h"
#include "settings/SettingsRecord.h"
#include "settings/StoredSetting.h"
#include "sim/LightGroups.h"

namespace jamlog {

namespace {

constexpr int noSavedView = 1;
constexpr int wheelWithoutPan = 999;
constexpr int minWheelScale = 6;  // zooming in stops below this, so the scale ends at 5
constexpr int maxWheelScale = 45; // zooming out stops above this, so the scale ends at 46
constexpr int maxZoomInScale = 10;
constexpr int smallWindowWidth = 600;

int nz(int v) {
    return v == 0 ? 1 : v;
}

} // namespace

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
    writeLayoutValue(store, layout, layoutOriginX, originX * s.scale + storedOriginOffset);
    writeLayoutValue(store, layout, layoutOriginY, originY * s.scale + storedOriginOffset);
    // Stored as the scale times the full-screen zoom plus half a zoom step, so that the re-applied baseScale / zoom
    // gives the same scale back: (screenW + 50) x scale / 50 overshoots by one from scale 28 on a 1920-pixel screen.
    int fullZoom = s.screenW / 50;
    writeLayoutValue(store, layout, layoutScale, s.scale * fullZoom + fullZoom / 2);
    panActive = 0;
}

void View::loadView(ProfileStore& store, int layout) {
    int stored = readLayoutValue(store, layout, layoutScale, noSavedView);
    if (stored == noSavedView) {
        fitView(0);
        return;
    }
    baseScale = s.scale = stored;
    originX = readLayoutValue(store, layout, layoutOriginX, storedOriginOffset) - storedOriginOffset;
    originY = readLayoutValue(store, layout, layoutOriginY, storedOriginOffset) - storedOriginOffset;
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

void View::zoomInStep() {
    zoomByWheel(wheelWithoutPan, m.extentMinX, m.extentMinY);
}

void View::zoomOutStep() {
    panActive = 1;
    lastMouseX = m.extentMinX;
    lastMouseY = m.extentMinY;
    if (s.scale >= maxWheelScale + 1)
        return;
    zoom = baseScale / safeScale();
    s.scale += 1;
    updatePolygonMode();
    host.invalidate();
}

void View::maxZoomOut() {
    zoom = s.screenW / 50 + 1;
    s.scale = ((extentW() + 1500) / 50) / nz(zoom);
    if (s.scale == 0)
        s.scale = 1;
    updatePolygonMode();
    frontPan();
    host.invalidate();
}

void View::fitWidth() {
    fitView(1);
    frontPan();
}

void View::saveCurrentView() {
    if (store)
        saveView(*store, s.layout);
}

} // namespace jamlog
