// Layout decorations: walls with turned ends, straight walls and banded strips.
#include "render/NetworkDrawing.h"

namespace jamlog {

void NetworkPainter::drawScenery(int slot) {
    const SceneryItem& it = m.scenery[static_cast<size_t>(slot)];
    int kind = it[0], x = it[1], y = it[2], dx = it[3], dy = it[4];
    if (kind < 1 || kind > 3)
        return;
    int b = s.brightness;
    Colour wall = overRgb(1400, 1400, 1120, b);
    CanvasPoint from = px(x - dx, y - dy), to = px(x + dx, y + dy);
    if (kind == 1) {
        CanvasPoint p[4] = {px(x - dy / 4 - dx, y + dx / 4 - dy), from, to, px(x - dy / 4 + dx, y + dx / 4 + dy)};
        PenBrushScope scope(c, {PenStyle::Geometric, m.laneWidth / s.scale, wall, PenCap::Square}, {false, 0});
        c.polyline(p, 4);
    } else if (kind == 2) {
        stroke(from, to, m.laneWidth / s.scale, wall, PenCap::Square);
    } else {
        stroke(from, to, m.laneWidth * 10 / s.scale, overRgb(1280, 160, 160, b), PenCap::Square);
        stroke(from, to, m.laneWidth * 2 / s.scale, wall, PenCap::Square);
    }
}

} // namespace jamlog
