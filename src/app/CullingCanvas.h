// A canvas that passes every call on to another one but drops the shapes that lie wholly outside the surface, and
// everything drawn inside a clip path that lies outside it. A strip a few pixels wide then costs the few shapes
// that cross it, not the whole network's geometry.
#pragma once
#include "platform/Canvas.h"

namespace jamlog {

// Pixels a stroke of this pen may reach beyond its points: its width plus caps, joins and rounding.
long strokeReach(const Pen& p);

class CullingCanvas : public Canvas {
public:
    explicit CullingCanvas(Canvas& target) : c(target) {}

    int width() const override { return c.width(); }
    int height() const override { return c.height(); }

    void setPen(const Pen& p) override { c.setPen(p); }
    void setBrush(const Brush& b) override { c.setBrush(b); }
    Pen pen() const override { return c.pen(); }
    Brush brush() const override { return c.brush(); }

    void polygon(const CanvasPoint* points, int count) override;
    void polyline(const CanvasPoint* points, int count) override;
    void line(CanvasPoint from, CanvasPoint to) override;
    void arc(int left, int top, int right, int bottom, CanvasPoint from, CanvasPoint to) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void fillSurface(Colour colour) override { c.fillSurface(colour); }

    void clipToPolygon(const CanvasPoint* points, int count) override;
    void resetClip() override;

    void setFont(const Font& font) override { c.setFont(font); }
    void setTextAlign(TextAlign align) override { c.setTextAlign(align); }
    void setBackgroundOpaque(bool opaque) override { c.setBackgroundOpaque(opaque); }
    void setTextColour(Colour colour) override { c.setTextColour(colour); }
    void setBackgroundColour(Colour colour) override { c.setBackgroundColour(colour); }
    void text(int x, int y, const std::string& s) override; // its extent is unknown: drawn unless clipped out

    void setWindowOrigin(int x, int y) override;
    void scroll(int dx, int dy) override { c.scroll(dx, dy); }

private:
    long penReach() const; // pixels a stroke may reach beyond its points
    // True when the logical box, grown by reach, misses every device pixel, or when the clip hides everything.
    bool outside(long left, long top, long right, long bottom, long reach) const;
    bool outside(const CanvasPoint* points, int count, long reach) const;
    bool outsideBox(int left, int top, int right, int bottom) const;

    Canvas& c;
    int originX = 0, originY = 0;
    bool clippedOut = false; // the clip path in force misses the surface: nothing can show
};

} // namespace jamlog
