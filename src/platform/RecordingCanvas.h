// A canvas that draws nothing and records every drawing call with the pen, brush and font in force, so that
// tests can check widths, colours and points without pixels.
#pragma once
#include <vector>

#include "platform/Canvas.h"

namespace jamlog {

enum class CanvasOp { Polygon, Polyline, Line, Arc, Ellipse, Rectangle, FillSurface, Clip, ResetClip, Text, Scroll };

struct CanvasCall {
    CanvasOp op;
    Pen pen;
    Brush brush;
    std::vector<CanvasPoint> points; // shape points; arcs: box corners then from and to; text: the anchor
    std::string text;
    Font font;
    TextAlign align = TextAlign::TopLeft;
    bool opaque = true;
    Colour textColour = 0;
    Colour backColour = 0;
    Colour fill = 0; // FillSurface
    bool operator==(const CanvasCall&) const = default;
};

class RecordingCanvas : public Canvas {
public:
    RecordingCanvas(int w = 1920, int h = 1080) : w(w), h(h) {}

    int width() const override { return w; }
    int height() const override { return h; }

    void setPen(const Pen& p) override { currentPen = p; }
    void setBrush(const Brush& b) override { currentBrush = b; }
    Pen pen() const override { return currentPen; }
    Brush brush() const override { return currentBrush; }

    void polygon(const CanvasPoint* points, int count) override { add(CanvasOp::Polygon, points, count); }
    void polyline(const CanvasPoint* points, int count) override { add(CanvasOp::Polyline, points, count); }
    void line(CanvasPoint from, CanvasPoint to) override;
    void arc(int left, int top, int right, int bottom, CanvasPoint from, CanvasPoint to) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void fillSurface(Colour colour) override;

    void clipToPolygon(const CanvasPoint* points, int count) override { add(CanvasOp::Clip, points, count); }
    void resetClip() override { add(CanvasOp::ResetClip, nullptr, 0); }

    void setFont(const Font& f) override { font = f; }
    void setTextAlign(TextAlign a) override { align = a; }
    void setBackgroundOpaque(bool o) override { opaque = o; }
    void setTextColour(Colour c) override { textColour = c; }
    void setBackgroundColour(Colour c) override { backColour = c; }
    void text(int x, int y, const std::string& text) override;

    void setWindowOrigin(int x, int y) override {
        originX = x;
        originY = y;
    }
    void scroll(int dx, int dy) override;

    std::vector<CanvasCall> calls;
    int originX = 0, originY = 0;

    // The calls of one kind, in order.
    std::vector<CanvasCall> of(CanvasOp op) const;
    void clear() { calls.clear(); }

private:
    CanvasCall& add(CanvasOp op, const CanvasPoint* points, int count);
    int w, h;
    Pen currentPen;
    Brush currentBrush;
    Font font;
    TextAlign align = TextAlign::TopLeft;
    bool opaque = true;
    Colour textColour = 0, backColour = 0xFFFFFF;
};

} // namespace jamlog
