// A canvas that passes every call on to another one but drops the shapes and texts that lie wholly outside the
// surface, and everything drawn inside a clip path that lies outside it. A strip a few pixels wide then costs the few shapes
// that cross it, not the whole network's geometry.
#pragma once
#include "app/ForwardingCanvas.h"

namespace jamlog {

class CullingCanvas : public ForwardingCanvas {
public:
    using ForwardingCanvas::ForwardingCanvas;

    void polygon(const CanvasPoint* points, int count) override;
    void polyline(const CanvasPoint* points, int count) override;
    void line(CanvasPoint from, CanvasPoint to) override;
    void arc(int left, int top, int right, int bottom, CanvasPoint from, CanvasPoint to) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void rectangle(int left, int top, int right, int bottom) override;

    void clipToPolygon(const CanvasPoint* points, int count) override;
    void resetClip() override;
    void setFont(const Font& font) override;
    void text(int x, int y, const std::string& s) override;

private:
    long penReach() const; // pixels a stroke may reach beyond its points
    // True when the logical box, grown by reach, misses every device pixel, or when the clip hides everything.
    bool outside(long left, long top, long right, long bottom, long reach) const;
    bool outside(const CanvasPoint* points, int count, long reach) const;
    bool outsideBox(int left, int top, int right, int bottom) const;

    bool clippedOut = false; // the clip path in force misses the surface: nothing can show
    Font fontInUse;          // for the generous box around text
};

} // namespace jamlog
