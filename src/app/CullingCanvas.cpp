// Culling by bounding box: a shape is dropped only when its box, grown by the pen, lies off the surface.
#include "app/CullingCanvas.h"

#include <algorithm>

namespace jamlog {

long CullingCanvas::penReach() const {
    return strokeReach(c.pen());
}

bool CullingCanvas::outside(long left, long top, long right, long bottom, long reach) const {
    return clippedOut || right + reach - originX < 0 || bottom + reach - originY < 0 ||
           left - reach - originX >= c.width() || top - reach - originY >= c.height();
}

bool CullingCanvas::outside(const CanvasPoint* points, int count, long reach) const {
    if (count <= 0)
        return true;
    const PointBox b = boxOf(points, count);
    return outside(b.left, b.top, b.right, b.bottom, reach);
}

bool CullingCanvas::outsideBox(int left, int top, int right, int bottom) const {
    return outside(std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom),
                   penReach());
}

// A clip path off the surface is not set at all; what is drawn under it is dropped until the next clip or reset.
void CullingCanvas::clipToPolygon(const CanvasPoint* points, int count) {
    clippedOut = false;
    clippedOut = outside(points, count, strokeSlack);
    if (!clippedOut)
        c.clipToPolygon(points, count);
}

void CullingCanvas::resetClip() {
    clippedOut = false;
    c.resetClip();
}

void CullingCanvas::setFont(const Font& font) {
    fontInUse = font;
    c.setFont(font);
}

// Whatever its alignment and rotation, a text lies within its length of characters of its anchor.
void CullingCanvas::text(int x, int y, const std::string& s) {
    if (!outside(x, y, x, y, textReach(fontInUse, s.size())))
        c.text(x, y, s);
}

void CullingCanvas::polygon(const CanvasPoint* points, int count) {
    if (!outside(points, count, penReach()))
        c.polygon(points, count);
}

void CullingCanvas::polyline(const CanvasPoint* points, int count) {
    if (!outside(points, count, penReach()))
        c.polyline(points, count);
}

void CullingCanvas::line(CanvasPoint from, CanvasPoint to) {
    const CanvasPoint ends[2] = {from, to};
    if (!outside(ends, 2, penReach()))
        c.line(from, to);
}

// An arc never leaves its ellipse's box.
void CullingCanvas::arc(int left, int top, int right, int bottom, CanvasPoint from, CanvasPoint to) {
    if (!outsideBox(left, top, right, bottom))
        c.arc(left, top, right, bottom, from, to);
}

void CullingCanvas::ellipse(int left, int top, int right, int bottom) {
    if (!outsideBox(left, top, right, bottom))
        c.ellipse(left, top, right, bottom);
}

void CullingCanvas::rectangle(int left, int top, int right, int bottom) {
    if (!outsideBox(left, top, right, bottom))
        c.rectangle(left, top, right, bottom);
}

} // namespace jamlog
