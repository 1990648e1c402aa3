// Marking by bounding box: each shape marks its box grown by the pen; text, whose extent the canvas does not
// report, marks a generous box around its anchor.
#include "app/TrackingCanvas.h"

#include <algorithm>
#include <cstdlib>


namespace jamlog {

namespace {
constexpr int textSlack = 4;        // pixels around a text's guessed box
constexpr int defaultFontSize = 16; // before any font is chosen
} // namespace

void TrackingCanvas::markBox(long left, long top, long right, long bottom, long reach) {
    dirty.mark(std::min(left, right) - reach - originX, std::min(top, bottom) - reach - originY,
               std::max(left, right) + reach - originX, std::max(top, bottom) + reach - originY);
}

void TrackingCanvas::markPoints(const CanvasPoint* points, int count, long reach) {
    if (count <= 0)
        return;
    const PointBox b = boxOf(points, count);
    markBox(b.left, b.top, b.right, b.bottom, reach);
}

void TrackingCanvas::polygon(const CanvasPoint* points, int count) {
    markPoints(points, count, strokeReach(c.pen()));
    c.polygon(points, count);
}

void TrackingCanvas::polyline(const CanvasPoint* points, int count) {
    markPoints(points, count, strokeReach(c.pen()));
    c.polyline(points, count);
}

void TrackingCanvas::line(CanvasPoint from, CanvasPoint to) {
    const CanvasPoint ends[2] = {from, to};
    markPoints(ends, 2, strokeReach(c.pen()));
    c.line(from, to);
}

// An arc never leaves its ellipse's box.
void TrackingCanvas::arc(int left, int top, int right, int bottom, CanvasPoint from, CanvasPoint to) {
    markBox(left, top, right, bottom, strokeReach(c.pen()));
    c.arc(left, top, right, bottom, from, to);
}

void TrackingCanvas::ellipse(int left, int top, int right, int bottom) {
    markBox(left, top, right, bottom, strokeReach(c.pen()));
    c.ellipse(left, top, right, bottom);
}

void TrackingCanvas::rectangle(int left, int top, int right, int bottom) {
    markBox(left, top, right, bottom, strokeReach(c.pen()));
    c.rectangle(left, top, right, bottom);
}

void TrackingCanvas::fillSurface(Colour colour) {
    dirty.markAll();
    c.fillSurface(colour);
}

void TrackingCanvas::setFont(const Font& font) {
    fontSize = std::max(std::abs(font.height), std::abs(font.width));
    c.setFont(font);
}

// Whatever the alignment and rotation, the text lies within its length of characters around the anchor.
void TrackingCanvas::text(int x, int y, const std::string& s) {
    const long size = fontSize > 0 ? fontSize : defaultFontSize;
    const long reach = size * (static_cast<long>(s.size()) + 1) + textSlack;
    markBox(x, y, x, y, reach);
    c.text(x, y, s);
}

void TrackingCanvas::scroll(int dx, int dy) {
    dirty.markAll();
    c.scroll(dx, dy);
}

} // namespace jamlog
