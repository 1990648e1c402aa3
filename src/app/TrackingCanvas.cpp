// Marking by bounding box: each shape marks its box grown by the pen; text, whose extent the canvas does not
// report, marks a generous box around its anchor.
#include "app/TrackingCanvas.h"

#include <algorithm>
namespace jamlog {

TrackingCanvas::TrackingCanvas(Canvas& target, DirtyTiles& marks, std::initializer_list<DirtyTiles*> alsoMarks)
    : ForwardingCanvas(target), dirty(marks) {
    std::copy_n(alsoMarks.begin(), std::min(alsoMarks.size(), maxAlso), also.begin());
}

void TrackingCanvas::markBox(long left, long top, long right, long bottom, long reach) {
    const long l = std::min(left, right) - reach - originX, t = std::min(top, bottom) - reach - originY;
    const long r = std::max(left, right) + reach - originX, b = std::max(top, bottom) + reach - originY;
    dirty.mark(l, t, r, b);
    for (DirtyTiles* a : also)
        if (a != nullptr)
            a->mark(l, t, r, b);
}

void TrackingCanvas::markAll() {
    dirty.markAll();
    for (DirtyTiles* a : also)
        if (a != nullptr)
            a->markAll();
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
    markAll();
    c.fillSurface(colour);
}

void TrackingCanvas::setFont(const Font& font) {
    fontInUse = font;
    c.setFont(font);
}

// Whatever the alignment and rotation, the text lies within its length of characters around the anchor.
void TrackingCanvas::text(int x, int y, const std::string& s) {
    markBox(x, y, x, y, textReach(fontInUse, s.size()));
    c.text(x, y, s);
}

void TrackingCanvas::scroll(int dx, int dy) {
    markAll();
    c.scroll(dx, dy);
}

} // namespace jamlog
