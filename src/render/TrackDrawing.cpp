// River beds, track beds, rails and platforms.
#include "render/NetworkDrawing.h"

namespace jamlog {

namespace {

constexpr Colour riverColour = 0x607048;
constexpr Colour trackBedNew = 0x607070;
constexpr Colour trackBedClassic = 0x405070;
constexpr Colour classicRailStrip = 0x404040;
constexpr Colour platformBand = 0x606060;
constexpr Colour platformEdge = 0x708C8C;

} // namespace

void NetworkPainter::drawRiverBed(int river) {
    int n = m.road(river).topLane + 1;
    setRoadClip(river);
    drawRoadSurface(riverColour, 20 * n, river, -24 * n);
    c.resetClip();
}

void NetworkPainter::drawTrackBed(int track) {
    setRoadClip(track);
    if (s.snowy())
        drawRoadSurface(s.set.backCol, 18, track, 0);
    else if (s.set.rails == railsClassic)
        drawRoadSurface(trackBedClassic, 18, track, 0);
    else
        drawRoadSurface(trackBedNew, 10, track, 0);
    c.resetClip();
}

void NetworkPainter::drawRails(int track) {
    setRoadClip(track);
    if (s.set.rails < railsClassic) {
        lineStyle = PenStyle::Geometric;
        s.drawColour = overRgb(1040, 960, 800, s.brightness);
        int width = (s.set.carWid * 6 / s.scale) / 8;
        drawLaneLine(width, track, 3);
        drawLaneLine(width, track, -3);
        lineStyle = PenStyle::Solid;
    } else {
        drawRoadSurface(classicRailStrip, 8, track, 0);
    }
    int style = m.road(track).edgeStyle;
    if (style == 1) {
        drawRoadSurface(platformBand, 6, track, -16);
        drawRoadSurface(platformEdge, 3, track, -10);
    } else if (style >= 2) {
        drawRoadSurface(platformBand, 3, track, -9);
        drawRoadSurface(platformEdge, 3, track, -7);
    }
    c.resetClip();
}

} // namespace jamlog
