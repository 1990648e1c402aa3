// QPainter implementation of the canvas. Pens and fonts follow the device-context conventions: styled pens are
// one pixel wide, rectangles and ellipse boxes exclude their right and bottom edges, arcs run counter-clockwise.
// A polygon filled and outlined in one colour with a wide mitred pen (the vehicles' erase shape) is filled as the
// stroke's outer contour, which sets the same pixels without running Qt's stroker.
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

// Up to this many points are converted on the stack; longer polygons go through a QPolygon.
constexpr int stackPoints = 32;

// Qt bevels a corner whose miter point lies further than miterLimit x width / 2 from it; its default limit is 2.
// Corners within 2 per cent of that are left to the stroker.
constexpr double miterReach = 2.0 / 2 * 0.98;

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
    painter.setBrush(Qt::NoBrush);
    applyPen(currentPen);
}

QtCanvas::~QtCanvas() {
    painter.end();
}

void QtCanvas::applyPen(const Pen& p) {
    if (painterPenKnown && p == painterPen)
        return;
    painterPen = p;
    painterPenKnown = true;
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

void QtCanvas::applyBrush(const Brush& b) {
    if (b == painterBrush || (!b.solid && !painterBrush.solid))
        return;
    painterBrush = b;
    if (!b.solid) {
        painter.setBrush(Qt::NoBrush);
        return;
    }
    CachedBrush& slot = brushCache[(b.colour ^ (b.colour >> 9) ^ (b.colour >> 17)) % brushCacheSize];
    if (!slot.used || slot.colour != b.colour) {
        slot.brush = QBrush(toQColor(b.colour));
        slot.colour = b.colour;
        slot.used = true;
    }
    painter.setBrush(slot.brush);
}

void QtCanvas::polygon(const CanvasPoint* points, int count) {
    if (count < 2)
        return;
    // Filled and outlined in one colour with a mitred pen: fill the stroke's outer contour instead of stroking.
    const Pen& p = currentPen;
    if (p.style == PenStyle::Geometric && p.cap == PenCap::Square && p.width > 1 && currentBrush.solid &&
        currentBrush.colour == p.colour) {
        QPointF outline[3 * miterOutlineMaxCorners];
        int n = miterOutline(points, count, p.width, outline);
        if (n > 0) {
            applyPen({PenStyle::Null, 0, 0});
            applyBrush(currentBrush);
            painter.drawPolygon(outline, n, Qt::OddEvenFill);
            return;
        }
    }
    applyPenAndBrush();
    if (count > stackPoints) {
        painter.drawPolygon(toPolygon(points, count), Qt::OddEvenFill);
        return;
    }
    QPoint q[stackPoints];
    for (int i = 0; i < count; ++i)
        q[i] = {points[i].x, points[i].y};
    painter.drawPolygon(q, count, Qt::OddEvenFill);
}

void QtCanvas::polyline(const CanvasPoint* points, int count) {
    if (count < 2)
        return;
    applyPenAndBrush();
    painter.drawPolyline(toPolygon(points, count));
}

void QtCanvas::line(CanvasPoint from, CanvasPoint to) {
    applyPen(currentPen);
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
    applyPen(currentPen);
    painter.drawArc(QRectF(left, top, right - left, bottom - top), static_cast<int>(std::lround(a1 * 16)),
                    static_cast<int>(std::lround(span * 16)));
}

void QtCanvas::ellipse(int left, int top, int right, int bottom) {
    applyPenAndBrush();
    painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void QtCanvas::rectangle(int left, int top, int right, int bottom) {
    applyPenAndBrush();
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

int miterOutline(const CanvasPoint* p, int n, int penWidth, QPointF* out) {
    if (n < 3 || n > miterOutlineMaxCorners || penWidth < 1)
        return 0;
    double area = 0;
    for (int i = 0; i < n; ++i) {
        const CanvasPoint &a = p[i], &b = p[(i + 1) % n];
        area += double(a.x) * b.y - double(b.x) * a.y;
    }
    if (area == 0)
        return 0;
    const double sign = area > 0 ? 1 : -1, h = penWidth / 2.0;
    int k = 0;
    for (int i = 0; i < n; ++i) {
        const CanvasPoint &a = p[(i + n - 1) % n], &b = p[i], &c = p[(i + 1) % n];
        const double e1x = b.x - a.x, e1y = b.y - a.y, e2x = c.x - b.x, e2y = c.y - b.y;
        const double l1 = std::hypot(e1x, e1y), l2 = std::hypot(e2x, e2y);
        if (l1 == 0 || l2 == 0 || (e1x * e2y - e1y * e2x) * sign <= 0)
            return 0;
        // The two offset edges at this corner, pushed outwards by half the pen width, and where they meet.
        const double p1x = b.x + sign * e1y / l1 * h, p1y = b.y - sign * e1x / l1 * h;
        const double p2x = b.x + sign * e2y / l2 * h, p2y = b.y - sign * e2x / l2 * h;
        const double det = e2x * e1y - e1x * e2y;
        const double t = ((p1x - p2x) * e2y - (p1y - p2y) * e2x) / det;
        const double mx = p1x + t * e1x, my = p1y + t * e1y;
        if (std::hypot(mx - b.x, my - b.y) > miterReach * penWidth)
            return 0;
        out[k++] = {p1x, p1y};
        out[k++] = {mx, my};
        out[k++] = {p2x, p2y};
    }
    return k;
}

} // namespace jamlog
