// Painting the static picture of a layout: background, roads with their markings, tracks and rivers, scenery,
// roadworks, light and signal icons, limit signs and the debug overlays, through the view's transform.
// The member functions live in one file per job (Road*, Track*, Scenery*, LightIcons*, Signs*, Debug*).
#pragma once
#include "model/NetworkModel.h"
#include "platform/Canvas.h"
#include "render/DrawState.h"

namespace jamlog {

// Offsets and widths below are in tenths of a lane width.
struct LaneGeometry {
    CanvasPoint first, second; // pixels: counter-clockwise arc order (start then end, swapped on clockwise arcs)
    CanvasPoint start, end;    // pixels: the line's own start and end
    int box[4] = {0, 0, 0, 0}; // pixels: the arc's grown bounding box (left, top, right, bottom)
    bool arc = false;
};

// True when the road's highest lane is closed by roadworks (at least 91 per cent of its cells marked).
bool roadworksActive(const RoadRecord& road);

class NetworkPainter {
public:
    NetworkPainter(Canvas& canvas, const NetworkModel& model, DrawState& state) : c(canvas), m(model), s(state) {}

    // The whole paint: background, network, icons. The window origin must already be set on the canvas.
    void paint();
    void network();

    // Primitives shared with the vehicle drawing.
    LaneGeometry laneGeometry(int road, int offset) const;
    void setRoadClip(int road);
    void drawRoadSurface(Colour colour, int width, int road, int offset);
    void drawLaneLine(int penWidth, int road, int offset);

    void drawRoad(int road);
    void drawRiverBed(int river);
    void drawTrackBed(int track);
    void drawRails(int track);
    void drawRoadworks(int road, bool flashing);
    void clearRoadworks(int road); // paints the band over when roadworks end
    void drawScenery(int slot);
    void drawLightIcons();
    void drawLightIcons(int group); // one group's icons, with the drawing state they need
    void drawSign(int x, int y, int style, const char* text);
    void drawRoadSigns(int road);
    void drawAllSigns();
    void drawGrid();
    void drawRoadNumbers();

    PenStyle lineStyle = PenStyle::Solid; // the lane-line primitive's pen style

    // A world length or coordinate in pixels.
    int px(int world) const { return world / s.scale; }
    CanvasPoint px(int x, int y) const { return {x / s.scale, y / s.scale}; }

private:
    void stroke(CanvasPoint a, CanvasPoint b, int width, Colour colour, PenCap cap);
    void filledSquare(CanvasPoint centre, int half, Colour colour);
    void drawLamp(CanvasPoint anchor, int raise, const char* glyph, Colour colour);
    CanvasPoint iconAnchor(int road, bool rail) const;
    bool hasRoads() const;
    int surfaceWidthDivisor() const { return s.smallWindow ? 6 : 10; }

    Canvas& c;
    const NetworkModel& m;
    DrawState& s;
};

} // namespace jamlog
