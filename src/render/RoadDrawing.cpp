// Road surfaces, hard shoulders, lane separators, edge lines and studs, and the lane geometry they share.
#include <cmath>

#include "render/NetworkDrawing.h"

namespace jamlog {

namespace {

constexpr Colour markingGrey = 1600;   // numerator over B of the lane lines
constexpr Colour studNumerator = 1920; // red and amber studs
constexpr Colour amberGreen = 1280;
constexpr Colour indicatorLeftDebug = 0x404080;
constexpr Colour indicatorRightDebug = 0x408040;
constexpr Colour roadEndTick = 0x0000C0;

} // namespace

LaneGeometry NetworkPainter::laneGeometry(int road, int offset) const {
    const RoadRecord& r = m.road(road);
    int w = m.laneWidth == 0 ? 1 : m.laneWidth;
    int d = (2 * m.driveOnLeft - 1) * (m.laneWidth * offset / 10);
    auto at = [&](int t) {
        int x = r.startX + static_cast<int>((t * r.dirX - d * r.dirY) / w);
        int y = r.startY + static_cast<int>((t * r.dirY + d * r.dirX) / w);
        return px(x, y);
    };
    LaneGeometry g;
    g.start = at(0);
    g.end = at(r.length + 1);
    g.first = g.start;
    g.second = g.end;
    if (r.arc()) {
        g.arc = true;
        int grow = r.clockwise ? -d : d;
        g.box[0] = px(r.arcBox[0] - grow);
        g.box[1] = px(r.arcBox[1] - grow);
        g.box[2] = px(r.arcBox[2] + grow);
        g.box[3] = px(r.arcBox[3] + grow);
        if (r.clockwise)
            std::swap(g.first, g.second);
    }
    return g;
}

void NetworkPainter::setRoadClip(int road) {
    const RoadRecord& r = m.road(road);
    if (!r.arc())
        return;
    CanvasPoint q[4];
    for (int i = 0; i < 4; ++i)
        q[i] = px(r.outline[2 * i], r.outline[2 * i + 1]);
    c.clipToPolygon(q, 4);
}

void NetworkPainter::drawRoadSurface(Colour colour, int width, int road, int offset) {
    const RoadRecord& r = m.road(road);
    // Beds of tracks and rivers are dimmed without street light; everything a car can drive on is lit, so that the
    // lit erase colour of a car matches the surface under it (single-lane roads too, whose offset is 0).
    bool dimmed = road >= firstTrack && (r.edgeStyle == 0 || offset == 0);
    Colour col =
        dimmed && s.layout != hugeCarParkLayout ? dim(colour, s.brightness) : lit(colour, s.brightness, s.lampTint);
    bool numbering = s.debugOn(debugNumberRoads) && !s.smallWindow;
    if (numbering && r.indicator == 4)
        col = indicatorLeftDebug;
    if (numbering && r.indicator == 8)
        col = indicatorRightDebug;
    int k = surfaceWidthDivisor();
    LaneGeometry g = laneGeometry(road, offset);
    if (g.arc) {
        PenBrushScope scope(c, {PenStyle::Geometric, (m.laneWidth * width * 2 / s.scale) / k, col, PenCap::Round},
                            {false, 0});
        c.arc(g.box[0], g.box[1], g.box[2], g.box[3], g.first, g.second);
    } else {
        int hx = (r.dirYi * width / k) / s.scale, hy = (r.dirXi * width / k) / s.scale;
        CanvasPoint a = g.end, b = g.start;
        CanvasPoint q[4] = {{a.x + hx, a.y - hy}, {b.x + hx, b.y - hy}, {b.x - hx, b.y + hy}, {a.x - hx, a.y + hy}};
        PenBrushScope scope(c, {PenStyle::Null, 0, 0}, {true, col});
        c.polygon(q, 4);
    }
    if (numbering) {
        int w = m.laneWidth;
        for (CanvasPoint e : {CanvasPoint{r.startX, r.startY}, CanvasPoint{r.endX(), r.endY()}})
            stroke(px(e.x - w, e.y - w), px(e.x + w, e.y + w), 50 / s.scale, roadEndTick, PenCap::Square);
    }
}

void NetworkPainter::drawLaneLine(int penWidth, int road, int offset) {
    LaneGeometry g = laneGeometry(road, offset);
    PenBrushScope scope(c, {lineStyle, penWidth, s.drawColour, PenCap::Round}, {false, 0});
    if (g.arc)
        c.arc(g.box[0], g.box[1], g.box[2], g.box[3], g.first, g.second);
    else
        c.line(g.end, g.start);
}

void NetworkPainter::drawRoad(int road) {
    const RoadRecord& r = m.road(road);
    if (r.edgeStyle == 4 && !s.debugOn(debugNumberRoads))
        return;
    setRoadClip(road);
    int top = r.topLane;
    if (s.snowy()) {
        drawRoadSurface(s.set.backCol, 5 * top + 9, road, 5 * top);
        c.resetClip();
        return;
    }
    bool shoulder = !(top < 2 || r.edgeStyle >= 3);
    if (shoulder)
        drawRoadSurface(s.tarmacColour, 5 * top + 10, road, 5 * top - 3);
    else
        drawRoadSurface(s.tarmacColour, 5 * top + 9, road, 5 * top);
    if (s.set.studs && r.edgeStyle <= 8) {
        c.setBackgroundOpaque(false);
        Tint t = s.lampTint;
        Colour grey = overRgb(markingGrey, markingGrey, markingGrey, s.brightness, t);
        s.drawColour = grey;
        lineStyle = PenStyle::DashDot;
        for (int i = 0; i < top; ++i)
            drawLaneLine(1, road, 5 + 10 * i);
        lineStyle = PenStyle::Solid;
        if (!shoulder) {
            if (r.edgeStyle != 7)
                drawLaneLine(1, road, -5);
            if (r.edgeStyle <= 7) {
                if (top == 0 && r.edgeStyle != 3) {
                    lineStyle = PenStyle::Dash;
                    drawLaneLine(1, road, 5);
                    lineStyle = PenStyle::Solid;
                } else {
                    drawLaneLine(1, road, 10 * top + 5);
                }
            }
        } else {
            drawLaneLine(1, road, -12);
            lineStyle = PenStyle::Dot;
            s.drawColour = rgb(over(studNumerator, s.brightness) + t.r, t.g, t.b);
            drawLaneLine(1, road, -5);
            s.drawColour = rgb(over(studNumerator, s.brightness) + t.r, over(amberGreen, s.brightness) + t.g, t.b);
            drawLaneLine(1, road, 10 * top + 4);
            lineStyle = PenStyle::Solid;
        }
    }
    c.resetClip();
}

void NetworkPainter::stroke(CanvasPoint a, CanvasPoint b, int width, Colour colour, PenCap cap) {
    PenBrushScope scope(c, {PenStyle::Geometric, width, colour, cap}, {false, 0});
    c.line(a, b);
}

void NetworkPainter::filledSquare(CanvasPoint centre, int half, Colour colour) {
    PenBrushScope scope(c, {PenStyle::Null, 0, 0}, {true, colour});
    c.rectangle(centre.x - half, centre.y - half, centre.x + half + 1, centre.y + half + 1);
}

} // namespace jamlog
