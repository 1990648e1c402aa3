// The marking of a closed outer lane: a red band with a dotted row of cones and lamps that flash at night.
#include "render/NetworkDrawing.h"

namespace jamlog {

namespace {

constexpr int roadworksPercent = 91;
constexpr Colour flashingLamp = 0x008080;

} // namespace

bool roadworksActive(const RoadRecord& r) {
    if (r.topLane < 1)
        return false;
    const LaneStrip& lane = r.lanes[r.topLane];
    int cells = (r.length < 0 ? 0 : (r.length > maxLaneLength ? maxLaneLength : r.length)) / 10;
    if (cells <= 0)
        return false;
    int marked = countCells(lane.occupancy, 0, cells - 1);
    int free = cells - marked;
    return 100 * marked / (marked + free + 1) >= roadworksPercent;
}

void NetworkPainter::drawRoadworks(int road, bool flashing) {
    const RoadRecord& r = m.road(road);
    if (r.topLane < 1 || !roadworksActive(r))
        return;
    int offset = 9 * r.topLane;
    Tint t = s.lampTint;
    int red = over(1920, s.brightness);
    setRoadClip(road);
    lineStyle = PenStyle::Geometric;
    s.drawColour = rgb(red + t.r, t.g, t.b);
    drawLaneLine(30 / s.scale, road, offset);
    s.drawColour = flashing ? flashingLamp : rgb(red + t.r, red + t.g, red + t.b);
    lineStyle = PenStyle::Dot;
    drawLaneLine(1, road, offset);
    lineStyle = PenStyle::Solid;
    c.resetClip();
}

void NetworkPainter::clearRoadworks(int road) {
    const RoadRecord& r = m.road(road);
    setRoadClip(road);
    lineStyle = PenStyle::Geometric;
    s.drawColour =
        s.debugOn(debugTraces) ? rgb(0, over(2550, s.brightness), 0) : lit(s.tarmacColour, s.brightness, s.lampTint);
    drawLaneLine(30 / s.scale, road, 9 * r.topLane);
    lineStyle = PenStyle::Solid;
    c.resetClip();
}

} // namespace jamlog
