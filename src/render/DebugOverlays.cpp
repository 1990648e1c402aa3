// The designer's overlays: the grid of layout cells and the numbers of roads and scenery slots.
#include <string>

#include "render/NetworkDrawing.h"

namespace jamlog {

namespace {

constexpr int cell = 1000;
constexpr Colour gridColour = 0xFF0000;
constexpr Colour numberBack = 0x101080;
constexpr Colour white = 0xFFFFFF;

int roundDown(int v) {
    return v >= 0 ? v / cell * cell : -((-v + cell - 1) / cell) * cell;
}

} // namespace

void NetworkPainter::drawGrid() {
    PenBrushScope scope(c, {PenStyle::Solid, 1, dim(gridColour, s.brightness)}, {false, 0});
    int x0 = roundDown(m.extentMinX), y0 = roundDown(m.extentMinY);
    for (int x = x0; x <= m.extentMaxX; x += cell)
        c.line(px(x, m.extentMinY), px(x, m.extentMaxY));
    for (int y = y0; y <= m.extentMaxY; y += cell)
        c.line(px(m.extentMinX, y), px(m.extentMaxX, y));
}

void NetworkPainter::drawRoadNumbers() {
    c.setFont({"Sans Serif", 12, 0, 400, 0});
    c.setTextAlign(TextAlign::TopLeft);
    c.setBackgroundOpaque(true);
    c.setTextColour(white);
    c.setBackgroundColour(numberBack);
    auto number = [&](int road) {
        const RoadRecord& r = m.road(road);
        CanvasPoint p = px(r.startX, r.startY);
        c.text(p.x, p.y, std::to_string(road));
    };
    for (int i = 0; i < m.roadCount && i < roadCapacity; ++i)
        number(i);
    for (int i = 0; i < m.trackCount && firstTrack + i < roadCapacity; ++i)
        number(firstTrack + i);
    for (int i = 0; i < m.riverCount && firstRiver + i < roadCapacity; ++i)
        number(firstRiver + i);
    for (int i = 0; i < static_cast<int>(m.scenery.size()); ++i) {
        const SceneryItem& it = m.scenery[static_cast<size_t>(i)];
        if (it[0] == 0)
            continue;
        CanvasPoint p = px(it[1], it[2]);
        c.text(p.x, p.y, std::to_string(i));
    }
}

} // namespace jamlog
