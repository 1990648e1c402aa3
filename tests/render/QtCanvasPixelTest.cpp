// The Qt canvas on pixels: its shortcuts (the outline filled in place of a wide mitred stroke, pens and brushes
// handed to the painter only when they change, cached brushes) paint exactly what plain QPainter calls paint.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <random>

#include "RenderFixture.h"
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

// A picture with no two pixels alike, so that any pixel moved wrongly shows.
QImage numbered(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, 0xFF000000u | static_cast<QRgb>(y * 1000 + x));
    return img;
}

// The image as the old contents with the shifted contents drawn over them.
QImage shifted(const QImage& before, int dx, int dy) {
    QImage out = before.copy();
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(dx, dy, before);
    return out;
}

TEST(QtCanvasPixels, ScrollEqualsDrawingTheShiftedImage) {
    const QPoint offsets[] = {{1, 0},    {0, 1},  {-1, 0},  {0, -1}, {-3, 2},   {5, -7},  {13, 11},
                              {-40, -1}, {70, 0}, {0, -50}, {71, 3}, {-200, 5}, {4, 999}, {-999, -999}};
    for (QPoint d : offsets) {
        const QImage before = numbered(71, 50);
        QImage img = before.copy();
        {
            QtCanvas c(img);
            c.setWindowOrigin(17, -4); // the origin and a clip do not move the scroll
            const CanvasPoint clip[4] = {{0, 0}, {5, 0}, {5, 5}, {0, 5}};
            c.clipToPolygon(clip, 4);
            c.scroll(d.x(), d.y());
        }
        EXPECT_EQ(img, shifted(before, d.x(), d.y())) << d.x() << "," << d.y();
    }
}

TEST(QtCanvasPixels, ScrollWorksOnAWindowIntoALargerImageAndOnASharedImage) {
    // A canvas over a rectangle of a larger image's pixels (rows longer than the canvas): only the rectangle moves.
    QImage big = numbered(60, 40);
    const QImage bigBefore = big.copy();
    const int left = 7, top = 5, w = 30, h = 20;
    {
        QImage part(big.bits() + top * big.bytesPerLine() + left * 4, w, h, big.bytesPerLine(), big.format());
        const QImage partBefore = part.copy();
        QtCanvas c(part);
        c.scroll(-2, 3);
        c.setPen({PenStyle::Null, 0, 0});
        c.setBrush({true, 0x0000FF});
        c.rectangle(0, 0, 5, 1); // the painter still draws into the same pixels after the scroll
        QImage expected = shifted(partBefore, -2, 3);
        for (int x = 0; x < 5; ++x)
            expected.setPixel(x, 0, 0xFFFF0000u);
        EXPECT_EQ(part.copy(), expected);
    }
    for (int y = 0; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x) {
            if (x < left || x >= left + w || y < top || y >= top + h) {
                ASSERT_EQ(big.pixel(x, y), bigBefore.pixel(x, y)) << x << "," << y;
            }
        }

    // With a copy of the image taken while it is painted on, the scroll and what is drawn after it still reach the
    // canvas's image, and the copy keeps the old picture.
    QImage img = numbered(40, 30);
    const QImage before = img.copy();
    {
        QtCanvas c(img);
        const QImage alias = img;
        c.scroll(3, -1);
        c.setPen({PenStyle::Null, 0, 0});
        c.setBrush({true, 0x0000FF});
        c.rectangle(0, 0, 4, 1);
        EXPECT_EQ(alias, before);
    }
    QImage expected = shifted(before, 3, -1);
    for (int x = 0; x < 4; ++x)
        expected.setPixel(x, 0, 0xFFFF0000u);
    EXPECT_EQ(img, expected);
}

// A styled line or arc drawn at a window origin, on a surface of the given size.
QImage styledAt(int w, int h, QPoint origin, PenStyle style, bool arc) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(black);
    QtCanvas c(img);
    c.setWindowOrigin(origin.x(), origin.y());
    c.setPen({style, 1, 0xFFFFFF});
    if (arc) {
        c.arc(-30, -10, 230, 250, {230, 120}, {-30, 120}); // the upper half of a circle about (100, 120)
    } else {
        c.line({-83, -31}, {150, 90}); // mostly along x, entering at the left edge
        c.line({20, -50}, {60, 100});  // mostly along y, entering at the top edge
    }
    return img;
}

TEST(QtCanvasPixels, DashesFollowTheLineNotTheSurfaceEdge) {
    // The line and the arc cross the small surface's left and top edges at every origin below; the large surface
    // holds them whole. Each view of the small surface must be the matching window of the large one.
    const QPoint bigOrigin(-300, -320);
    for (PenStyle style : {PenStyle::Dash, PenStyle::Dot, PenStyle::DashDot})
        for (bool arc : {false, true}) {
            const QImage whole = styledAt(700, 800, bigOrigin, style, arc);
            int lit = 0;
            for (QPoint o : {QPoint(0, 0), QPoint(1, 0), QPoint(7, 3), QPoint(13, -2), QPoint(-5, 9)}) {
                const QImage part = styledAt(80, 60, o, style, arc);
                const QImage window = whole.copy(QRect(o - bigOrigin, QSize(80, 60)));
                for (int y = 0; y < 60; ++y)
                    for (int x = 0; x < 80; ++x) {
                        lit += part.pixel(x, y) != black;
                        ASSERT_EQ(part.pixel(x, y), window.pixel(x, y))
                            << "style " << int(style) << (arc ? " arc" : " line") << " origin " << o.x() << "," << o.y()
                            << " pixel " << x << "," << y;
                    }
            }
            EXPECT_GT(lit, 100); // the shapes are in view
        }
}

// A scrolled view whose uncovered strips are painted through canvases over those strips, as wandering and panning
// repaint, shows what a full paint at the new origin shows: the dashed lane lines included.
struct ScrollRepaintTest : RenderFixture {
    static constexpr int w = 640, h = 400;

    void paintAt(QImage& img, int left, int top, int width, int height, QPoint origin) {
        QImage part(img.bits() + top * img.bytesPerLine() + left * 4, width, height, img.bytesPerLine(), img.format());
        QtCanvas c(part);
        c.setWindowOrigin(origin.x() + left, origin.y() + top);
        jamlog::NetworkPainter(c, *m, st).paint();
    }
};

TEST_F(ScrollRepaintTest, ScrolledViewWithRepaintedStripsMatchesAFullPaint) {
    buildSample();
    const QPoint start(37, 23);
    for (QPoint d : {QPoint(1, 0), QPoint(0, 1), QPoint(-1, -1), QPoint(5, -3), QPoint(-17, 11)}) {
        QImage img(w, h, QImage::Format_RGB32);
        paintAt(img, 0, 0, w, h, start);
        const QPoint moved = start - d; // the contents move by d, so the surface shows from d further back
        {
            QtCanvas c(img);
            c.scroll(d.x(), d.y());
        }
        const int columnW = std::abs(d.x()), rowH = std::abs(d.y());
        if (columnW > 0)
            paintAt(img, d.x() > 0 ? 0 : w + d.x(), 0, columnW, h, moved);
        if (rowH > 0)
            paintAt(img, d.x() > 0 ? d.x() : 0, d.y() > 0 ? 0 : h + d.y(), w - columnW, rowH, moved);
        QImage full(w, h, QImage::Format_RGB32);
        paintAt(full, 0, 0, w, h, moved);
        int differ = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                differ += img.pixel(x, y) != full.pixel(x, y);
        EXPECT_EQ(differ, 0) << "scroll " << d.x() << "," << d.y();
    }
}

} // namespace
