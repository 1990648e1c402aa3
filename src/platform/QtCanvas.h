// The canvas over a QPainter on a QImage back buffer: aliased, alternate fill rule, so that a shape drawn
// twice in two colours leaves exactly the second.
#pragma once
#include <QImage>
#include <QPainter>

#include "platform/Canvas.h"

namespace jamlog {

class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QImage& target); // paints into target for the canvas's life
    ~QtCanvas() override;

    int width() const override { return image.width(); }
    int height() const override { return image.height(); }

    void setPen(const Pen& p) override;
    void setBrush(const Brush& b) override;
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

private:
    QImage& image;
    QPainter painter;
    Pen currentPen;
    Brush currentBrush;
    TextAlign textAlign = TextAlign::TopLeft;
    bool backOpaque = true;
    Colour textColour = 0;
    Colour backColour = 0xFFFFFF;
    int originX = 0, originY = 0;
    int currentFontEscapement = 0;
};

} // namespace jamlog
