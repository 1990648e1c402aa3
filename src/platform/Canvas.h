// The drawing surface the renderer paints through: a device-context-like interface with a current pen, brush,
// font, text settings, clip path and window origin. Colours are 0x00BBGGRR values; coordinates are logical
// pixels, and device pixel = logical point - window origin.
#pragma once
#include <cstdint>
#include <string>

namespace jamlog {

using Colour = uint32_t; // 0x00BBGGRR

constexpr Colour rgb(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int redOf(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

struct CanvasPoint {
    int x, y;
    bool operator==(const CanvasPoint&) const = default;
};

// Cosmetic pens are one pixel whatever their width says unless solid; geometric pens keep their width.
enum class PenStyle { Null, Solid, Dash, Dot, DashDot, Geometric };
enum class PenCap { Round, Square, Flat };

struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    Colour colour = 0;
    PenCap cap = PenCap::Round;
    bool operator==(const Pen&) const = default;
};

struct Brush {
    bool solid = false; // false: hollow (no fill)
    Colour colour = 0;
    bool operator==(const Brush&) const = default;
};

// Text alignment relative to the reference point.
enum class TextAlign { TopLeft, TopCentre, BottomLeft, BottomCentre };

struct Font {
    std::string face;
    int height = 0;
    int width = 0;
    int weight = 400;
    int escapement = 0; // tenths of a degree, counter-clockwise
    bool operator==(const Font&) const = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int width() const = 0; // device pixels
    virtual int height() const = 0;

    virtual void setPen(const Pen& pen) = 0;
    virtual void setBrush(const Brush& brush) = 0;
    virtual Pen pen() const = 0;
    virtual Brush brush() const = 0;

    // A closed polygon with the alternate (even-odd) fill rule, filled with the brush and outlined with the pen.
    virtual void polygon(const CanvasPoint* points, int count) = 0;
    virtual void polyline(const CanvasPoint* points, int count) = 0;
    virtual void line(CanvasPoint from, CanvasPoint to) = 0;
    // The arc of the ellipse inscribed in the box, drawn counter-clockwise from the ray through `from` to the
    // ray through `to`.
    virtual void arc(int left, int top, int right, int bottom, CanvasPoint from, CanvasPoint to) = 0;
    virtual void ellipse(int left, int top, int right, int bottom) = 0;
    virtual void rectangle(int left, int top, int right, int bottom) = 0;
    // Fills the whole surface, ignoring origin and clip.
    virtual void fillSurface(Colour colour) = 0;

    virtual void clipToPolygon(const CanvasPoint* points, int count) = 0;
    virtual void resetClip() = 0;

    virtual void setFont(const Font& font) = 0;
    virtual void setTextAlign(TextAlign align) = 0;
    virtual void setBackgroundOpaque(bool opaque) = 0;
    virtual void setTextColour(Colour colour) = 0;
    virtual void setBackgroundColour(Colour colour) = 0;
    virtual void text(int x, int y, const std::string& text) = 0;

    virtual void setWindowOrigin(int x, int y) = 0;
    // Moves the surface's contents by (dx, dy) device pixels; the uncovered strip keeps its old pixels.
    virtual void scroll(int dx, int dy) = 0;
};

// Selects a pen and brush for the life of a scope and puts the previous ones back, as the drawing routines do.
class PenBrushScope {
public:
    PenBrushScope(Canvas& c, const Pen& p, const Brush& b) : canvas(c), oldPen(c.pen()), oldBrush(c.brush()) {
        c.setPen(p);
        c.setBrush(b);
    }
    ~PenBrushScope() {
        canvas.setPen(oldPen);
        canvas.setBrush(oldBrush);
    }
    PenBrushScope(const PenBrushScope&) = delete;
    PenBrushScope& operator=(const PenBrushScope&) = delete;

private:
    Canvas& canvas;
    Pen oldPen;
    Brush oldBrush;
};

} // namespace jamlog
