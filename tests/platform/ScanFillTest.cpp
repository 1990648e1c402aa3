// The scan-line filler sets exactly the pixels of the painter's aliased even-odd fill: random polygons with whole
// and fractional corners, convex or crossing themselves, inside the surface and over its edges; and it refuses what
// it cannot take, drawing nothing.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <random>

#include "platform/ScanFill.h"

using namespace jamlog;

namespace {

constexpr int side = 48;
constexpr QRgb black = 0xFF000000, fillPixel = 0xFF3080F0;

QImage blank() {
    QImage img(side, side, QImage::Format_RGB32);
    img.fill(black);
    return img;
}

PixelRows rowsOf(QImage& img) {
    return {img.bits(), img.bytesPerLine(), img.width(), img.height()};
}

struct Shape {
    QPointF corners[scanFillMaxCorners];
    int count;
};

// Whole corners (fractional: on a 1/1000 grid, so that rounding to 1/64 is tested) spread over the surface and a
// margin beyond it, or clustered into a vehicle-sized shape.
Shape randomShape(std::mt19937& rng, bool fractional) {
    auto pick = [&](int lo, int hi) { return lo + static_cast<int>(rng() % static_cast<unsigned>(hi - lo + 1)); };
    auto coordinate = [&](int lo, int hi) { return fractional ? pick(lo * 1000, hi * 1000) / 1000.0 : pick(lo, hi); };
    Shape s;
    s.count = pick(3, 9);
    const bool small = rng() % 2;
    const double cx = pick(-4, side + 4), cy = pick(-4, side + 4);
    for (int i = 0; i < s.count; ++i)
        s.corners[i] = small ? QPointF(cx + coordinate(-7, 7), cy + coordinate(-7, 7))
                             : QPointF(coordinate(-12, side + 12), coordinate(-12, side + 12));
    return s;
}

class ScanFillMatchesPainter : public ::testing::TestWithParam<bool> {};

TEST_P(ScanFillMatchesPainter, OnRandomPolygons) {
    const bool fractional = GetParam();
    std::mt19937 rng(fractional ? 11 : 5);
    for (int it = 0; it < 20000; ++it) {
        const Shape s = randomShape(rng, fractional);
        QImage expected = blank();
        {
            QPainter p(&expected);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor::fromRgb(fillPixel));
            p.drawPolygon(s.corners, s.count, Qt::OddEvenFill);
        }
        FixedPoint fixed[scanFillMaxCorners];
        for (int i = 0; i < s.count; ++i)
            fixed[i] = {toFixed(s.corners[i].x()), toFixed(s.corners[i].y())};
        QImage img = blank();
        ASSERT_TRUE(scanFill(rowsOf(img), fixed, s.count, fillPixel));
        ASSERT_EQ(img, expected) << "case " << it << " first corner " << s.corners[0].x() << "," << s.corners[0].y();
    }
}

INSTANTIATE_TEST_SUITE_P(Corners, ScanFillMatchesPainter, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Fractional" : "Whole"; });

TEST(ScanFill, RoundsHalfAwayFromZeroAndRefusesWhatItCannotTake) {
    EXPECT_EQ(toFixed(1.5 / 64), 2);
    EXPECT_EQ(toFixed(-1.5 / 64), -2);
    EXPECT_EQ(toFixed(-0.4 / 64), 0);

    QImage img = blank();
    const FixedPoint many[scanFillMaxCorners + 1] = {{0, 0}, {640, 0}, {640, 640}};
    EXPECT_FALSE(scanFill(rowsOf(img), many, scanFillMaxCorners + 1, fillPixel));
    const int64_t far = (int64_t(scanFillReach) + 1) * 64;
    const FixedPoint distant[3] = {{0, 0}, {far, 0}, {640, 640}};
    EXPECT_FALSE(scanFill(rowsOf(img), distant, 3, fillPixel));
    EXPECT_EQ(img, blank());
    // Just within reach, a triangle reaching far off the surface still fills its part on it.
    const int64_t near = int64_t(scanFillReach) * 64;
    const FixedPoint reaching[3] = {{0, 0}, {near, 0}, {0, near}};
    EXPECT_TRUE(scanFill(rowsOf(img), reaching, 3, fillPixel));
    EXPECT_EQ(img.pixel(side - 1, side - 1), fillPixel);
}

} // namespace
