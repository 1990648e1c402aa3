// Speed-limit, variable-limit and roadworks signs beside the roads, and speed-camera markers.
#include <string>

#include "render/NetworkDrawing.h"

#include "model/BuildLayout.h"
#include "model/LayoutRoutine.h"

namespace jamlog {

namespace {

constexpr int vslLimitAbove = 2001;   // limits from here on are the variable limit's "no limit"
constexpr int limitShownBelow = 1600; // faster limits show "99"
constexpr int longRoad = 1000;

struct Vec {
    int x, y;
};

} // namespace

void NetworkPainter::drawSign(int x, int y, int style, const char* text) {
    int k = (s.set.signSize * 18 / 10) / s.scale + 6;
    if (style & 1)
        k = k * 3 / 4;
    int grey = 160 - 3 * s.brightness / 2;
    if (style & 8)
        grey = over(1600, s.brightness);
    Colour greyC = rgb(grey, grey, grey);
    Colour ring = (style & 1) ? greyC : rgb(grey, 0, 0);
    int level = (style / 10) * grey;
    Colour disc = rgb(level, level, level);
    int radius = k * 2 / 3;
    Pen pen = style < 11 ? Pen{PenStyle::Solid, k / 6, ring} : Pen{PenStyle::Null, 0, 0};
    {
        PenBrushScope scope(c, pen, {true, disc});
        c.ellipse(x - radius, y - radius, x + radius, y + radius);
    }
    if (style & 1) {
        int d = k * 11 / 15;
        stroke({x - d, y + d}, {x + d, y - d}, d * 7 / 8, ring, PenCap::Round);
    } else {
        c.setFont({"Sans Serif", k * 10 / 6, k * 5 / 6, 400, 0});
        c.setTextAlign(TextAlign::TopCentre);
        c.setBackgroundOpaque(false);
        c.setTextColour(style == 10 ? 0 : greyC);
        c.text(x, y - k * 13 / 15, text);
    }
}

void NetworkPainter::drawRoadSigns(int road) {
    if (!hasRoads() || s.smallWindow)
        return;
    const RoadRecord& r = m.road(road);
    Vec d{r.dirXi, r.dirYi}, p{r.dirYi, -r.dirXi};
    int sd = 2 * m.driveOnLeft - 1;
    Vec side{sd * (p.x * 5) / 2, sd * (p.y * 5) / 2};
    Vec st{r.startX, r.startY}, en{r.endX(), r.endY()};
    auto at = [&](Vec base, int along) { return px(base.x + along * d.x + side.x, base.y + along * d.y + side.y); };
    std::string limit = r.speedLimit < limitShownBelow ? std::to_string((r.speedLimit * 5 / 800) * 10) : "99";
    bool limitSign = r.speedLimit < vslLimitAbove || s.debugOn(debugVslForced);
    const RoadRecord& succ = m.road(r.next[0] >= 0 && r.next[0] < roadCapacity ? r.next[0] : road);
    bool unrestricted = succ.speedLimit >= vslLimitAbove && succ.length >= longRoad + 1;
    bool fewLanes = !s.set.vsl || r.topLane <= 2;
    int yellow = over(1600, s.brightness);
    Colour yellowC = rgb(yellow, yellow, 0);

    // An unlimited road shows no signs at all (else every long road would end in a "99" sign). Nor does a road
    // inside a junction box: its signs would stand in the box, over the signs of the box's other roads.
    if (!limitSign || r.boxCode > 0)
        return;
    auto limitRow = [&]() {
        CanvasPoint a = at(st, 3);
        drawSign(a.x, a.y, 10, limit.c_str());
        if (unrestricted) {
            CanvasPoint e = at(en, -3);
            drawSign(e.x, e.y, 11, "99");
        }
        if (s.set.gatso && (r.kind & cameraBit))
            filledSquare(at(st, 5), s.set.signSize * 2 / s.scale + 1, yellowC);
    };
    if (s.set.rsl && s.set.slSigns && r.length >= longRoad && fewLanes)
        limitRow();
    if (s.set.vsl && s.set.vslSigns && r.topLane >= 3) {
        CanvasPoint a = at(st, 0);
        drawSign(a.x, a.y, 0, limit.c_str());
        if (unrestricted) {
            CanvasPoint e = at(en, 0);
            drawSign(e.x, e.y, 1, "99");
        }
    }
    if (s.set.rwl && s.set.rwSigns && r.length >= longRoad && fewLanes && roadworksActive(r)) {
        int k = s.set.signSize * 3 / s.scale + 5;
        filledSquare(at(st, 3), k, yellowC);
        if (unrestricted)
            filledSquare(at(en, -3), k * 4 / 10, yellowC);
        limitRow();
    }
}

void NetworkPainter::drawAllSigns() {
    if (!hasRoads() || s.smallWindow)
        return;
    for (int i = 0; i < m.roadCount && i < roadCapacity; ++i)
        drawRoadSigns(i);
}

} // namespace jamlog
