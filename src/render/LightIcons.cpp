// Traffic-light and rail-signal icons: a dark box beside the end of each approach with the lit lamps as glyphs.
#include "render/NetworkDrawing.h"

#include "model/LayoutRoutine.h"
#include "sim/LightGroups.h"

namespace jamlog {

namespace {

constexpr Colour green = 0x00FF00;
constexpr Colour amber = 0x00FFFF;
constexpr Colour red = 0x0000FF;
constexpr Colour white = 0xFFFFFF;
constexpr int modeMarker = 7;
constexpr int modeRotated = 9;
constexpr int anchorShiftX = -60; // world units from the lane point to the glyph anchor
constexpr int anchorShiftY = 180;

} // namespace

CanvasPoint NetworkPainter::iconAnchor(int road, bool rail) const {
    const RoadRecord& r = m.road(road);
    int w = m.laneWidth == 0 ? 1 : m.laneWidth;
    int lateral = rail ? 2 * (m.laneWidth - 50) : 2 * m.laneWidth;
    int d = -(2 * m.driveOnLeft - 1) * lateral; // beside the nearside lane
    int x = r.startX + static_cast<int>((r.length * r.dirX - d * r.dirY) / w);
    int y = r.startY + static_cast<int>((r.length * r.dirY + d * r.dirX) / w);
    if (r.arc()) { // arcs: the chord's end point instead of a point along the chord
        x = r.endX() + static_cast<int>((-d * r.dirY) / w);
        y = r.endY() + static_cast<int>((d * r.dirX) / w);
    }
    return px(x + anchorShiftX, y + anchorShiftY);
}

void NetworkPainter::drawLamp(CanvasPoint anchor, int raise, const char* glyph, Colour colour) {
    c.setTextColour(colour);
    c.text(anchor.x, anchor.y - raise, glyph);
}

void NetworkPainter::drawLightIcons() {
    for (int g = 0; g < static_cast<int>(m.lightGroups.size()); ++g)
        drawLightIcons(g);
    c.setTextAlign(TextAlign::TopCentre);
}

void NetworkPainter::drawLightIcons(int g) {
    if (!s.set.tlState)
        return;
    bool roads = (s.content & contentRoads) != 0, tracks = (s.content & contentTracks) != 0;
    // The road light groups come first, the rail signal groups after them.
    const int endGroup = tracks ? static_cast<int>(m.lightGroups.size()) : roadLightGroups;
    if (g < (roads ? 0 : roadLightGroups) || g >= endGroup)
        return;
    const LightGroup& lg = m.lightGroups[static_cast<size_t>(g)];
    if (lg.mode == 0)
        return;
    if (lg.mode == lightsPartTimeOff && !s.set.peakTL)
        return;
    int height = 210 / s.scale + 9, width = 90 / s.scale + 3;
    Font upright{"Courier New", height, width, 1000, 0}, rotated{"Courier New", height, width, 1000, 900};
    Colour box;
    if (s.snowy())
        box = s.set.backCol;
    else if (s.set.tarmac == 1 && roads)
        box = 0;
    else
        box = greenOf(s.set.backCol) >= 97 ? 0x404040 : 0;
    box = dim(box, s.brightness);
    c.setTextAlign(TextAlign::BottomLeft);
    c.setBackgroundColour(box);
    int top = 90 / s.scale + 4, middle = 45 / s.scale + 2, colon = 20 / s.scale;
    Colour flash = s.flashPhase ? amber : 0;
    bool rail = g >= roadLightGroups;
    c.setFont(lg.mode == modeRotated ? rotated : upright);
    for (int a = 0; a < 4; ++a) {
        int road = lg.arms[static_cast<size_t>(a)];
        if (road <= 0 || road >= roadCapacity)
            continue;
        CanvasPoint at = iconAnchor(road, rail);
        if (lg.mode == modeRotated)
            at = {at.x + 200 / s.scale, at.y - 160 / s.scale};
        c.setBackgroundOpaque(true);
        drawLamp(at, 0, " ", box);
        c.setBackgroundOpaque(false);
        int state = m.road(road).signalState;
        if (lg.mode == lightsOff || state < -3)
            drawLamp(at, middle, ".", flash);
        else if (state == 0)
            drawLamp(at, 0, ".", green);
        else if (state == -1)
            drawLamp(at, middle, ".", amber);
        else if (state == -2)
            drawLamp(at, colon, ":", amber);
        else if (state == 1 || state == 3)
            drawLamp(at, top, ".", red);
        else if (state == 2) {
            drawLamp(at, middle, ".", amber);
            drawLamp(at, top, ".", red);
        }
        if (lg.mode == modeMarker && a == 1)
            drawLamp(at, middle, "'", white);
    }
}

} // namespace jamlog
