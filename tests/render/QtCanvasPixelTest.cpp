// The Qt canvas on pixels: its shortcuts (the outline filled in place of a wide mitred stroke, pens and brushes
// handed to the painter only when they change, cached brushes) paint exactly what plain QPainter calls paint.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <random>

#include "platform/QtCanvas.h"

using namespace jamlog;

namespace {

constexpr int side = 96;
constexpr QRgb black = 0xFF000000;

QImage blank() {
    QImage img(side, side, QImage::Format_RGB32);
    img.fill(black);
    return img;
}

// What the canvas must match: the polygon filled and outlined by QPainter itself.
QImage reference(const CanvasPoint* q, int count, int width, Colour colour, QPoint origin) {
    QImage img = blank();
    QPainter p(&img);
    p.translate(-origin.x(), -origin.y());
    QPen pen(QtCanvas::toQColor(colour));
    pen.setWidth(width);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(QtCanvas::toQColor(colour));
    QPoint pts[8];
    for (int i = 0; i < count; ++i)
        pts[i] = {q[i].x, q[i].y};
    p.drawPolygon(pts, count, Qt::OddEvenFill);
    return img;
}

int differing(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

TEST(QtCanvasPixels, OutlinedPolygonMatchesTheStrokeExactly) {
    std::mt19937 rng(7);
    auto pick = [&](int lo, int hi) { return lo + static_cast<int>(rng() % static_cast<unsigned>(hi - lo + 1)); };
    int fast = 0;
    for (int it = 0; it < 6000; ++it) {
        const int width = pick(2, 8);
        const QPoint origin(pick(-3, 3), pick(-3, 3));
        // The vehicle erase shape: a parallelogram about an axis, its half-width across the axis or skewed.
        const int cx = pick(30, 66), cy = pick(30, 66), ax = pick(-20, 20), ay = pick(-20, 20);
        int px = pick(-5, 5), py = pick(-5, 5);
        if (it % 2)
            px = ay / 3, py = -ax / 3;
        CanvasPoint q[5] = {{cx + ax + px, cy + ay + py},
                            {cx + px, cy + py},
                            {cx - px, cy - py},
                            {cx + ax - px, cy + ay - py},
                            {cx + ax / 2, cy + ay / 2}};
        int count = 4;
        if (it % 3 == 0) { // a general triangle, quadrilateral or pentagon, convex or not
            count = pick(3, 5);
            for (int i = 0; i < count; ++i)
                q[i] = {pick(15, 80), pick(15, 80)};
        }
        const Colour colour = 0x3060F0;
        QPointF outline[3 * miterOutlineMaxCorners];
        fast += miterOutline(q, count, width, outline) > 0;

        QImage img = blank();
        {
            QtCanvas c(img);
            c.setWindowOrigin(origin.x(), origin.y());
            c.setPen({PenStyle::Geometric, width, colour, PenCap::Square});
            c.setBrush({true, colour});
            c.polygon(q, count);
        }
        ASSERT_EQ(differing(img, reference(q, count, width, colour, origin)), 0)
            << "case " << it << " width " << width << " first point " << q[0].x << "," << q[0].y;
    }
    EXPECT_GT(fast, 2000); // many shapes take the short way, so the comparison above tests it
}

TEST(QtCanvasPixels, OutlineIsLeftToTheStrokerWhereItWouldBevelOrDegenerate) {
    QPointF out[3 * miterOutlineMaxCorners];
    const CanvasPoint square[4] = {{10, 10}, {30, 10}, {30, 30}, {10, 30}};
    EXPECT_EQ(miterOutline(square, 4, 3, out), 12);
    EXPECT_DOUBLE_EQ(out[1].x(), 8.5); // the miter point of the first corner, 1.5 out on both sides
    EXPECT_DOUBLE_EQ(out[1].y(), 8.5);
    const CanvasPoint sliver[4] = {{10, 10}, {40, 12}, {10, 14}, {12, 12}}; // corners of about 8 degrees
    EXPECT_EQ(miterOutline(sliver, 4, 3, out), 0);
    const CanvasPoint flat[4] = {{10, 10}, {20, 10}, {30, 10}, {20, 10}};
    EXPECT_EQ(miterOutline(flat, 4, 3, out), 0);
    const CanvasPoint dent[5] = {{10, 10}, {30, 10}, {20, 15}, {30, 30}, {10, 30}};
    EXPECT_EQ(miterOutline(dent, 5, 3, out), 0);
}

TEST(QtCanvasPixels, PensAndBrushesReachThePainterWhenTheyChange) {
    QImage img = blank();
    {
        QtCanvas c(img);
        // More colours than the brush cache has slots, each drawn twice, in turn, over its own square.
        for (int round = 0; round < 2; ++round)
            for (int i = 0; i < 80; ++i) {
                const Colour col = static_cast<Colour>(0x010101 * (i + 1) + 0x40 * round);
                c.setPen({PenStyle::Null, 0, 0});
                c.setBrush({true, col});
                const CanvasPoint q[4] = {{i, 0}, {i + 1, 0}, {i + 1, 2}, {i, 2}};
                c.polygon(q, 4);
            }
        // A line after text: the text's own colour must not stick to the pen.
        c.setTextColour(0xFFFFFF);
        c.setFont({"Sans Serif", 10, 0, 400, 0});
        c.text(0, 60, "x");
        c.setPen({PenStyle::Solid, 1, 0x00FF00});
        c.line({0, 40}, {50, 40});
        // A hollow brush after a solid one leaves the inside alone.
        c.setPen({PenStyle::Solid, 1, 0x0000FF});
        c.setBrush({false, 0});
        const CanvasPoint box[4] = {{60, 60}, {80, 60}, {80, 80}, {60, 80}};
        c.polygon(box, 4);
    }
    for (int i = 0; i < 80; ++i) {
        const Colour col = static_cast<Colour>(0x010101 * (i + 1) + 0x40);
        EXPECT_EQ(img.pixel(i, 1), QtCanvas::toQColor(col).rgb()) << i;
    }
    EXPECT_EQ(img.pixel(25, 40), 0xFF00FF00u);
    EXPECT_EQ(img.pixel(60, 70), 0xFFFF0000u); // the outline in red (0x0000FF)
    EXPECT_EQ(img.pixel(70, 70), black);
}

} // namespace
