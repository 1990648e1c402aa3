// QPainter implementation of the canvas. Pens and fonts follow the device-context conventions: styled pens are
// one pixel wide, rectangles and ellipse boxes exclude their right and bottom edges, arcs run counter-clockwise.
// A polygon filled and outlined in one colour with a wide mitred pen (the vehicles' erase shape) is filled as the
// stroke's outer contour, which sets the same pixels without running Qt's stroker. The dashes of styled lines, arcs
// and polylines are measured from their own first point, wherever the surface shows them.
#include "platform/QtCanvas.h"

#include "platform/DashRuns.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <numbers>
#include <span>

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

// Dash patterns in pixels of the styled one-pixel pens, on first.
constexpr qreal dashes[] = {18, 6};
constexpr qreal dots[] = {3, 3};
constexpr qreal dashDots[] = {9, 6, 3, 6};

std::span<const qreal> dashPattern(PenStyle style) {
    switch (style) {
    case PenStyle::Dash:
        return dashes;
    case PenStyle::Dot:
        return dots;
    default:
        return dashDots;
    }
}

bool isStyled(PenStyle style) {
    return style == PenStyle::Dash || style == PenStyle::Dot || style == PenStyle::DashDot;
}

// Runs of a dashed line may reach this many pixels beyond the surface before they are skipped.
constexpr int dashMargin = 2;

double angleOf(double cx, double cy, CanvasPoint p) {
    return std::atan2(cy - p.y, p.x - cx) * 180.0 / std::numbers::pi;
}

} // namespace

QtCanvas::QtCanvas(QImage& target) : image(target), painter(&target) {
    // An image being painted on is never shared, so its pixels stay where bits() finds them now.
    if (target.format() == QImage::Format_RGB32 && !target.isNull()) {
        rows = {target.bits(), target.bytesPerLine(), target.width(), target.height()};
        directFill = true;
    }
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
    if (isStyled(p.style)) {
        const std::span<const qreal> pattern = dashPattern(p.style);
        q.setWidth(1);
        q.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
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

namespace {
uint32_t pixelOf(Colour c) {
    return 0xFF000000u | (uint32_t(redOf(c)) << 16) | (uint32_t(greenOf(c)) << 8) | uint32_t(blueOf(c));
}

// The corners in fixed point through fixedOf, then the fill; false when there are too many of them.
template <class Point, class FixedOf>
bool fillCorners(const PixelRows& rows, const Point* points, int count, Colour colour, FixedOf fixedOf) {
    if (count > scanFillMaxCorners)
        return false;
    FixedPoint corners[scanFillMaxCorners];
    for (int i = 0; i < count; ++i)
        corners[i] = fixedOf(points[i]);
    return scanFill(rows, corners, count, pixelOf(colour));
}
} // namespace

bool QtCanvas::fillDirect(const CanvasPoint* points, int count, Colour colour) {
    return directFill && !clipping && fillCorners(rows, points, count, colour, [this](const CanvasPoint& p) {
               return FixedPoint{int64_t(p.x - originX) * 64, int64_t(p.y - originY) * 64};
           });
}

bool QtCanvas::fillDirect(const QPointF* points, int count, Colour colour) {
    return directFill && !clipping && fillCorners(rows, points, count, colour, [this](const QPointF& p) {
               return FixedPoint{toFixed(p.x() - originX), toFixed(p.y() - originY)};
           });
}

void QtCanvas::polygon(const CanvasPoint* points, int count) {
    if (count < 2)
        return;
    if (currentPen.style == PenStyle::Null && currentBrush.solid && fillDirect(points, count, currentBrush.colour))
        return;
    // Filled and outlined in one colour with a mitred pen: fill the stroke's outer contour instead of stroking.
    const Pen& p = currentPen;
    if (p.style == PenStyle::Geometric && p.cap == PenCap::Square && p.width > 1 && currentBrush.solid &&
        currentBrush.colour == p.colour) {
        QPointF outline[3 * miterOutlineMaxCorners];
        int n = miterOutline(points, count, p.width, outline);
        if (n > 0 && fillDirect(outline, n, p.colour))
            return;
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
    if (isStyled(currentPen.style)) {
        dashPoints.clear();
        for (int i = 0; i < count; ++i)
            dashPoints.emplace_back(points[i].x, points[i].y);
        dashedPolyline(dashPoints.data(), count);
        return;
    }
    applyPenAndBrush();
    painter.drawPolyline(toPolygon(points, count));
}

void QtCanvas::line(CanvasPoint from, CanvasPoint to) {
    if (isStyled(currentPen.style)) {
        const QPointF ends[2] = {QPointF(from.x, from.y), QPointF(to.x, to.y)};
        dashedPolyline(ends, 2);
        return;
    }
    applyPen(currentPen);
    painter.drawLine(from.x, from.y, to.x, to.y);
}

// Qt starts a dash pattern where the line enters the surface, so the dashes would move with the origin; the runs
// are cut here from the line's own start and drawn solid, and those wholly off the surface are skipped.
void QtCanvas::dashedPolyline(const QPointF* points, int count) {
    QPen solid(toQColor(currentPen.colour));
    solid.setWidth(1);
    solid.setCapStyle(Qt::FlatCap);
    painter.setPen(solid);
    painterPenKnown = false;
    const qreal left = originX - dashMargin, top = originY - dashMargin;
    const qreal right = originX + width() + dashMargin, bottom = originY + height() + dashMargin;
    dashRuns(points, count, dashPattern(currentPen.style), dashRun, [&](const QPointF* run, int n) {
        qreal x0 = run[0].x(), x1 = x0, y0 = run[0].y(), y1 = y0;
        for (int i = 1; i < n; ++i) {
            x0 = std::min(x0, run[i].x());
            x1 = std::max(x1, run[i].x());
            y0 = std::min(y0, run[i].y());
            y1 = std::max(y1, run[i].y());
        }
        if (x1 >= left && x0 <= right && y1 >= top && y0 <= bottom)
            painter.drawPolyline(run, n);
    });
}

void QtCanvas::arc(int left, int top, int right, int bottom, CanvasPoint from, CanvasPoint to) {
    double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    double a1 = angleOf(cx, cy, from), a2 = angleOf(cx, cy, to);
    double span = a2 - a1;
    while (span <= 0)
        span += 360.0; // same ray: the whole circle
    while (span > 360.0)
        span -= 360.0;
    const int start16 = static_cast<int>(std::lround(a1 * 16)), span16 = static_cast<int>(std::lround(span * 16));
    const QRectF box(left, top, right - left, bottom - top);
    if (isStyled(currentPen.style)) {
        arcPolyline(box, start16 / 16.0, span16 / 16.0, dashPoints);
        dashedPolyline(dashPoints.data(), static_cast<int>(dashPoints.size()));
        return;
    }
    applyPen(currentPen);
    painter.drawArc(box, start16, span16);
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
    clipping = true;
}

void QtCanvas::resetClip() {
    painter.setClipping(false);
    clipping = false;
}

QFont qtFontOf(const Font& font) {
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
    return f;
}

namespace {

// Where QtCanvas::text puts the top left of a text's box of width w and height h.
QPoint textOrigin(TextAlign align, int w, int h) {
    return {(align == TextAlign::TopCentre || align == TextAlign::BottomCentre) ? -w / 2 : 0,
            (align == TextAlign::BottomLeft || align == TextAlign::BottomCentre) ? -h : 0};
}

} // namespace

TextBox unrotatedTextBox(const Font& font, TextAlign align, const std::string& text) {
    const QFontMetrics fm(qtFontOf(font));
    const QString s = QString::fromStdString(text);
    const int w = fm.horizontalAdvance(s), h = fm.height();
    const QPoint at = textOrigin(align, w, h);
    const QRect box = QRect(at.x(), at.y(), w, h).united(fm.boundingRect(s).translated(at.x(), at.y() + fm.ascent()));
    constexpr int spare = 1;
    return {box.left() - spare, box.top() - spare, box.right() + spare, box.bottom() + spare};
}

void QtCanvas::setFont(const Font& font) {
    painter.setFont(qtFontOf(font));
    currentFontEscapement = font.escapement;
}

void QtCanvas::text(int x, int y, const std::string& str) {
    QString s = QString::fromStdString(str);
    QFontMetrics fm(painter.font());
    int w = fm.horizontalAdvance(s), h = fm.height();
    const QPoint at = textOrigin(textAlign, w, h);
    painter.save();
    painter.translate(x, y);
    if (currentFontEscapement != 0)
        painter.rotate(-currentFontEscapement / 10.0);
    QRect box(at.x(), at.y(), w, h);
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
    const int w = image.width(), h = image.height();
    if ((dx == 0 && dy == 0) || std::abs(dx) >= w || std::abs(dy) >= h)
        return; // nothing moves, or nothing stays in view
    // The rows are moved in place, in the memory the painter draws into: an image being painted on is never
    // shared (a copy taken meanwhile is a deep one), so bits() does not detach it from the painter.
    const int pixelBytes = image.depth() / 8;
    uchar* bits = image.bits();
    const qsizetype line = image.bytesPerLine();
    const int rows = h - std::abs(dy);
    const size_t moved = static_cast<size_t>(w - std::abs(dx)) * pixelBytes;
    const qsizetype toColumn = qsizetype(std::max(dx, 0)) * pixelBytes,
                    fromColumn = qsizetype(std::max(-dx, 0)) * pixelBytes;
    if (dx == 0 && line == qsizetype(w) * pixelBytes) { // whole rows, one block
        uchar* to = bits + qsizetype(std::max(dy, 0)) * line;
        const uchar* from = bits + qsizetype(std::max(-dy, 0)) * line;
        std::memmove(to, from, static_cast<size_t>(rows) * line);
        return;
    }
    // Moving down, the rows are taken from the bottom up so that none is overwritten before it is read.
    for (int i = 0; i < rows; ++i) {
        const int toRow = dy > 0 ? h - 1 - i : i;
        uchar* rowStart = bits + qsizetype(toRow) * line;
        std::memmove(rowStart + toColumn, bits + qsizetype(toRow - dy) * line + fromColumn, moved);
    }
}

int miterOutline(const CanvasPoint* p, int n, int penWidth, QPointF* out) {
    if (n < 3 || n > miterOutlineMaxCorners || penWidth < 1)
        return 0;
    double area = 0;
    double length[miterOutlineMaxCorners]; // of the edge from corner i to corner i + 1
    for (int i = 0; i < n; ++i) {
        const CanvasPoint &a = p[i], &b = p[(i + 1) % n];
        area += double(a.x) * b.y - double(b.x) * a.y;
        length[i] = std::hypot(double(b.x - a.x), double(b.y - a.y));
    }
    if (area == 0)
        return 0;
    const double sign = area > 0 ? 1 : -1, h = penWidth / 2.0, reach = miterReach * penWidth;
    int k = 0;
    for (int i = 0; i < n; ++i) {
        const CanvasPoint &a = p[(i + n - 1) % n], &b = p[i], &c = p[(i + 1) % n];
        const double e1x = b.x - a.x, e1y = b.y - a.y, e2x = c.x - b.x, e2y = c.y - b.y;
        const double l1 = length[(i + n - 1) % n], l2 = length[i];
        if (l1 == 0 || l2 == 0 || (e1x * e2y - e1y * e2x) * sign <= 0)
            return 0;
        // The two offset edges at this corner, pushed outwards by half the pen width, and where they meet.
        const double p1x = b.x + sign * e1y / l1 * h, p1y = b.y - sign * e1x / l1 * h;
        const double p2x = b.x + sign * e2y / l2 * h, p2y = b.y - sign * e2x / l2 * h;
        const double det = e2x * e1y - e1x * e2y;
        const double t = ((p1x - p2x) * e2y - (p1y - p2y) * e2x) / det;
        const double mx = p1x + t * e1x, my = p1y + t * e1y;
        const double dx = mx - b.x, dy = my - b.y;
        if (dx * dx + dy * dy > reach * reach) // the 2 per cent margin makes the rounding of the squares harmless
            return 0;
        out[k++] = {p1x, p1y};
        out[k++] = {mx, my};
        out[k++] = {p2x, p2y};
    }
    return k;
}

} // namespace jamlog
