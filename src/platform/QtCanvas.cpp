// QPainter implementation of the canvas. Pens and fonts follow the device-context conventions: styled pens are
// one pixel wide, rectangles and ellipse boxes exclude their right and bottom edges, arcs run counter-clockwise.
#include "platform/QtCanvas.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <QPolygon>
#include <cmath>
#include <numbers>

namespace jamlog {

namespace {

QPolygon toPolygon(const CanvasPoint* points, int count) {
    QPolygon poly(count);
    for (int i = 0; i < count; ++i)
        poly.setPoint(i, points[i].x, points[i].y);
    return poly;
}

Qt::PenCapStyle toCap(PenCap cap) {
    switch (cap) {
    case PenCap::Square:
        return Qt::SquareCap;
    case PenCap::Flat:
        return Qt::FlatCap;
    default:
        return Qt::RoundCap;
    }
}

// Dash patterns in pixels of the styled one-pixel pens.
QList<qreal> dashPattern(PenStyle style) {
    switch (style) {
    case PenStyle::Dash:
        return {18, 6};
    case PenStyle::Dot:
        return {3, 3};
    default:
        return {9, 6, 3, 6};
    }
}

double angleOf(double cx, double cy, CanvasPoint p) {
    return std::atan2(cy - p.y, p.x - cx) * 180.0 / std::numbers::pi;
}

} // namespace

QtCanvas::QtCanvas(QImage& target) : image(target), painter(&target) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    setPen(currentPen);
    setBrush(currentBrush);
}

QtCanvas::~QtCanvas() {
    painter.end();
}

void QtCanvas::setPen(const Pen& p) {
    currentPen = p;
    if (p.style == PenStyle::Null) {
        painter.setPen(Qt::NoPen);
        return;
    }
    QPen q(toQColor(p.colour));
    bool styled = p.style == PenStyle::Dash || p.style == PenStyle::Dot || p.style == PenStyle::DashDot;
    if (styled) {
        q.setWidth(1);
        q.setDashPattern(dashPattern(p.style));
        q.setCapStyle(Qt::FlatCap);
    } else {
        q.setWidth(p.width < 1 ? 1 : p.width);
        q.setCapStyle(toCap(p.cap));
        q.setJoinStyle(p.cap == PenCap::Round ? Qt::RoundJoin : Qt::MiterJoin);
    }
    painter.setPen(q);
}

void QtCanvas::setBrush(const Brush& b) {
    currentBrush = b;
    painter.setBrush(b.solid ? QBrush(toQColor(b.colour)) : QBrush(Qt::NoBrush));
}

void QtCanvas::polygon(const CanvasPoint* points, int count) {
    if (count < 2)
        return;
    painter.drawPolygon(toPolygon(points, count), Qt::OddEvenFill);
}

void QtCanvas::polyline(const CanvasPoint* points, int count) {
    if (count < 2)
        return;
    painter.drawPolyline(toPolygon(points, count));
}

void QtCanvas::line(CanvasPoint from, CanvasPoint to) {
    painter.drawLine(from.x, from.y, to.x, to.y);
}

void QtCanvas::arc(int left, int top, int right, int bottom, CanvasPoint from, CanvasPoint to) {
    double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    double a1 = angleOf(cx, cy, from), a2 = angleOf(cx, cy, to);
    double span = a2 - a1;
    while (span <= 0)
        span += 360.0; // same ray: the whole circle
    while (span > 360.0)
        span -= 360.0;
    painter.drawArc(QRectF(left, top, right - left, bottom - top), static_cast<int>(std::lround(a1 * 16)),
                    static_cast<int>(std::lround(span * 16)));
}

void QtCanvas::ellipse(int left, int top, int right, int bottom) {
    painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void QtCanvas::rectangle(int left, int top, int right, int bottom) {
    if (currentPen.style == PenStyle::Null) {
        if (currentBrush.solid)
            painter.fillRect(QRect(left, top, right - left, bottom - top), painter.brush());
        return;
    }
    painter.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void QtCanvas::fillSurface(Colour colour) {
    painter.save();
    painter.resetTransform();
    painter.setClipping(false);
    painter.fillRect(image.rect(), toQColor(colour));
    painter.restore();
}

void QtCanvas::clipToPolygon(const CanvasPoint* points, int count) {
    QPainterPath path;
    path.addPolygon(QPolygonF(toPolygon(points, count)));
    path.closeSubpath();
    path.setFillRule(Qt::OddEvenFill);
    painter.setClipPath(path);
}

void QtCanvas::resetClip() {
    painter.setClipping(false);
}

void QtCanvas::setFont(const Font& font) {
    QFont f(QString::fromStdString(font.face));
    f.setStyleStrategy(QFont::NoAntialias);
    f.setPixelSize(font.height < 1 ? 1 : font.height);
    int weight = font.weight < 100 ? 100 : (font.weight > 900 ? 900 : font.weight);
    f.setWeight(static_cast<QFont::Weight>(weight));
    if (font.width > 0) {
        int natural = QFontMetrics(f).averageCharWidth();
        if (natural > 0) {
            int stretch = font.width * 100 / natural;
            f.setStretch(stretch < 1 ? 1 : (stretch > 4000 ? 4000 : stretch));
        }
    }
    painter.setFont(f);
    currentFontEscapement = font.escapement;
}

void QtCanvas::text(int x, int y, const std::string& str) {
    QString s = QString::fromStdString(str);
    QFontMetrics fm(painter.font());
    int w = fm.horizontalAdvance(s), h = fm.height();
    int left = (textAlign == TextAlign::TopCentre || textAlign == TextAlign::BottomCentre) ? -w / 2 : 0;
    int top = (textAlign == TextAlign::BottomLeft || textAlign == TextAlign::BottomCentre) ? -h : 0;
    painter.save();
    painter.translate(x, y);
    if (currentFontEscapement != 0)
        painter.rotate(-currentFontEscapement / 10.0);
    QRect box(left, top, w, h);
    if (backOpaque)
        painter.fillRect(box, toQColor(backColour));
    painter.setPen(toQColor(textColour));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, s);
    painter.restore();
}

void QtCanvas::setWindowOrigin(int x, int y) {
    originX = x;
    originY = y;
    painter.resetTransform();
    painter.translate(-x, -y);
}

void QtCanvas::scroll(int dx, int dy) {
    if (dx == 0 && dy == 0)
        return;
    QImage copy = image.copy();
    painter.save();
    painter.resetTransform();
    painter.setClipping(false);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(dx, dy, copy);
    painter.restore();
}

} // namespace jamlog
