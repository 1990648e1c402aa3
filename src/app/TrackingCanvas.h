// A canvas that passes every call on to another one and marks in a tile grid every pixel the call may have
// changed, so that the window copies only those parts of its back buffer to the screen.
#pragma once
#include "app/DirtyTiles.h"
#include "platform/Canvas.h"

namespace jamlog {

class TrackingCanvas : public Canvas {
public:
    TrackingCanvas(Canvas& target, DirtyTiles& marks) : c(target), dirty(marks) {}

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
    void fillSurface(Colour colour) override;

    void clipToPolygon(const CanvasPoint* points, int count) override { c.clipToPolygon(points, count); }
    void resetClip() override { c.resetClip(); }

    void setFont(const Font& font) override;
    void setTextAlign(TextAlign align) override { c.setTextAlign(align); }
    void setBackgroundOpaque(bool opaque) override { c.setBackgroundOpaque(opaque); }
    void setTextColour(Colour colour) override { c.setTextColour(colour); }
    void setBackgroundColour(Colour colour) override { c.setBackgroundColour(colour); }
    void text(int x, int y, const std::string& s) override;

    void setWindowOrigin(int x, int y) override;
    void scroll(int dx, int dy) override;

private:
    // Marks the logical box grown by reach pixels.
    void markBox(long left, long top, long right, long bottom, long reach);
    void markPoints(const CanvasPoint* points, int count, long reach);

    Canvas& c;
    DirtyTiles& dirty;
    int originX = 0, originY = 0;
    int fontSize = 0; // the larger of the font's height and width, for the generous box around text
};

} // namespace jamlog
