// A canvas that passes every call on to another one; the canvases that watch or thin out a stream of drawing
// calls derive from it and override only the calls they look at.
#pragma once
#include "platform/Canvas.h"

namespace jamlog {

constexpr int strokeSlack = 2; // pixels beyond a pen's width: caps, joins and rounding

// Pixels a stroke of this pen may reach beyond its points: its width plus caps, joins and rounding.
long strokeReach(const Pen& p);

// The logical box around a run of points (count above 0).
struct PointBox {
    long left, top, right, bottom;
};
PointBox boxOf(const CanvasPoint* points, int count);

// Pixels a text may reach from its anchor, whatever its alignment and rotation: its length of characters of the
// font's larger dimension, and a little more.
long textReach(const Font& font, size_t length);

class ForwardingCanvas : public Canvas {
public:
    explicit ForwardingCanvas(Canvas& target) : c(target) {}

    int width() const override { return c.width(); }
    int height() const override { return c.height(); }

    void setPen(const Pen& p) override { c.setPen(p); }
    void setBrush(const Brush& b) override { c.setBrush(b); }
    Pen pen() const override { return c.pen(); }
    Brush brush() const override { return c.brush(); }

    void polygon(const CanvasPoint* points, int count) override { c.polygon(points, count); }
    void polyline(const CanvasPoint* points, int count) override { c.polyline(points, count); }
    void line(CanvasPoint from, CanvasPoint to) override { c.line(from, to); }
    void arc(int left, int top, int right, int bottom, CanvasPoint from, CanvasPoint to) override {
        c.arc(left, top, right, bottom, from, to);
    }
    void ellipse(int left, int top, int right, int bottom) override { c.ellipse(left, top, right, bottom); }
    void rectangle(int left, int top, int right, int bottom) override { c.rectangle(left, top, right, bottom); }
    void fillSurface(Colour colour) override { c.fillSurface(colour); }

    void clipToPolygon(const CanvasPoint* points, int count) override { c.clipToPolygon(points, count); }
    void resetClip() override { c.resetClip(); }

    void setFont(const Font& font) override { c.setFont(font); }
    void setTextAlign(TextAlign align) override { c.setTextAlign(align); }
    void setBackgroundOpaque(bool opaque) override { c.setBackgroundOpaque(opaque); }
    void setTextColour(Colour colour) override { c.setTextColour(colour); }
    void setBackgroundColour(Colour colour) override { c.setBackgroundColour(colour); }
    void text(int x, int y, const std::string& s) override { c.text(x, y, s); }

    // The origin is kept so that derived canvases can turn logical points into device pixels.
    void setWindowOrigin(int x, int y) override {
        originX = x;
        originY = y;
        c.setWindowOrigin(x, y);
    }
    void scroll(int dx, int dy) override { c.scroll(dx, dy); }

protected:
    Canvas& c;
    int originX = 0, originY = 0;
};

} // namespace jamlog
