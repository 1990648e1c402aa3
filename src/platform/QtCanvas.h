// The canvas over a QPainter on a QImage back buffer: aliased, alternate fill rule, so that a shape drawn
// twice in two colours leaves exactly the second. Unoutlined polygons (the vehicles' bodies and lamps) and the
// outlines of the erase shapes are filled straight into the buffer's pixels by a scan-line filler that sets the
// same pixels as the painter, at a fraction of its cost per shape.
#pragma once
#include <QImage>
#include <QPainter>
#include <vector>

#include "platform/Canvas.h"
#include "platform/ScanFill.h"

namespace jamlog {

// The Qt font a canvas font stands for.
QFont qtFontOf(const Font& font);

// The pixels, relative to its anchor, that QtCanvas::text may colour for an unrotated text in this font and
// alignment: its box and its glyphs' ink, with a pixel to spare.
struct TextBox {
    int left, top, right, bottom;
};
TextBox unrotatedTextBox(const Font& font, TextAlign align, const std::string& text);

class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QImage& target); // paints into target, of whole-byte pixels, for the canvas's life
    ~QtCanvas() override;

    int width() const override { return image.width(); }
    int height() const override { return image.height(); }

    // The pen and brush are handed to the painter only when something is drawn with them, and only when they
    // differ from what it holds, so that selecting and restoring them around every shape costs nothing.
    void setPen(const Pen& p) override { currentPen = p; }
    void setBrush(const Brush& b) override { currentBrush = b; }
    Pen pen() const override { return currentPen; }
    Brush brush() const override { return currentBrush; }

    void polygon(const CanvasPoint* points, int count) override;
    void polyline(const CanvasPoint* points, int count) override;
    void line(CanvasPoint from, CanvasPoint to) override;
    void arc(int left, int top, int right, int bottom, CanvasPoint from, CanvasPoint to) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void fillSurface(Colour colour) override;

    void clipToPolygon(const CanvasPoint* points, int count) override;
    void resetClip() override;

    void setFont(const Font& font) override;
    void setTextAlign(TextAlign align) override { textAlign = align; }
    void setBackgroundOpaque(bool opaque) override { backOpaque = opaque; }
    void setTextColour(Colour colour) override { textColour = colour; }
    void setBackgroundColour(Colour colour) override { backColour = colour; }
    void text(int x, int y, const std::string& text) override;

    void setWindowOrigin(int x, int y) override;
    void scroll(int dx, int dy) override;

    static QColor toQColor(Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

    // On (the default), polygons that the scan-line filler can take bypass the painter; off, the painter draws
    // everything, as the reference the filler is compared with.
    void setDirectFill(bool on) { directFill = on && rows.bits != nullptr; }

private:
    void applyPen(const Pen& p);
    // The polygon filled by the scan-line filler in the colour, if it can take it now; logical points.
    bool fillDirect(const CanvasPoint* points, int count, Colour colour);
    bool fillDirect(const QPointF* points, int count, Colour colour);
    void dashedPolyline(const QPointF* points, int count); // in logical points, with the current styled pen
    void applyBrush(const Brush& b);
    void applyPenAndBrush() {
        applyPen(currentPen);
        applyBrush(currentBrush);
    }

    // Solid brushes by colour, so that a colour used again costs no allocation.
    struct CachedBrush {
        Colour colour = 0;
        bool used = false;
        QBrush brush;
    };
    static constexpr int brushCacheSize = 64;

    QImage& image;
    QPainter painter;
    Pen currentPen;
    Brush currentBrush;
    Pen painterPen;     // what the painter holds, when painterPenKnown
    Brush painterBrush; // what the painter holds
    bool painterPenKnown = false;
    CachedBrush brushCache[brushCacheSize];
    TextAlign textAlign = TextAlign::TopLeft;
    bool backOpaque = true;
    Colour textColour = 0;
    Colour backColour = 0xFFFFFF;
    int originX = 0, originY = 0;
    int currentFontEscapement = 0;
    PixelRows rows;                           // the image's pixels, when they are 32-bit RGB
    bool directFill = false;                  // the scan-line filler in use
    bool clipping = false;                    // a clip path in force: the painter alone honours it
    std::vector<QPointF> dashPoints, dashRun; // working storage of dashed lines and arcs
};

// The outline of a convex polygon filled and stroked in one colour with a wide mitred pen, as one polygon to fill:
// the outer contour of the stroke, point for point as Qt's stroker emits it, so that filling it sets exactly the
// pixels that the fill and the stroke together set, at a fraction of the stroker's cost.
constexpr int miterOutlineMaxCorners = 8;

// Writes 3 points per corner (the end of the offset edge before it, the miter point, the start of the offset edge
// after it) for a pen of the given width and returns their count. Returns 0, leaving the work to the stroker,
// when the polygon is not strictly convex, has more than miterOutlineMaxCorners corners, or has a corner sharp
// enough to come near the stroker's miter limit (where it bevels instead).
int miterOutline(const CanvasPoint* points, int count, int penWidth, QPointF* out);

} // namespace jamlog
