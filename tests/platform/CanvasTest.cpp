// The Qt canvas draws exact pixels (no antialiasing, even-odd fill, device-context box conventions), and the
// recording canvas keeps the drawing state of every call.
#include <cmath>
#include <gtest/gtest.h>

#include "platform/DashRuns.h"
#include "platform/QtCanvas.h"
#include "platform/RecordingCanvas.h"

using namespace jamlog;

namespace {

Colour at(const QImage& img, int x, int y) {
    QRgb p = img.pixel(x, y);
    return rgb(qRed(p), qGreen(p), qBlue(p));
}

int countOf(const QImage& img, Colour c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += at(img, x, y) == c;
    return n;
}

TEST(QtCanvas, ColoursAreBgrValues) {
    QImage img(4, 4, QImage::Format_RGB32);
    QtCanvas c(img);
    c.fillSurface(0x00FF0000); // blue in 0x00BBGGRR
    EXPECT_EQ(qBlue(img.pixel(1, 1)), 255);
    EXPECT_EQ(qRed(img.pixel(1, 1)), 0);
}

TEST(QtCanvas, RedrawingAShapeInAnotherColourLeavesNothingOfTheFirst) {
    QImage img(100, 100, QImage::Format_RGB32);
    QtCanvas c(img);
    c.fillSurface(0x808080);
    CanvasPoint q[6] = {{10, 12}, {83, 31}, {90, 77}, {47, 60}, {20, 88}, {33, 40}};
    for (int k = 0; k < 2; ++k) {
        {
            PenBrushScope s(c, {PenStyle::Null, 0, 0}, {true, 0x0000FF});
            c.polygon(q, 6);
        }
        ASSERT_GT(countOf(img, 0x0000FF), 1000);
        ASSERT_LT(countOf(img, 0x0000FF) + countOf(img, 0x808080), 100 * 100 + 1);
        PenBrushScope s(c, {PenStyle::Null, 0, 0}, {true, 0x808080});
        c.polygon(q, 6);
        EXPECT_EQ(countOf(img, 0x0000FF), 0);
        EXPECT_EQ(countOf(img, 0x808080), 100 * 100) << "no blended edge pixels";
    }
}

TEST(QtCanvas, WindowOriginShiftsLogicalPoints) {
    QImage img(50, 50, QImage::Format_RGB32);
    QtCanvas c(img);
    c.fillSurface(0);
    c.setWindowOrigin(-10, -20); // device = logical + (10, 20)
    PenBrushScope s(c, {PenStyle::Null, 0, 0}, {true, 0xFFFFFF});
    c.rectangle(0, 0, 5, 5);
    EXPECT_EQ(at(img, 10, 20), 0xFFFFFFu);
    EXPECT_EQ(at(img, 14, 24), 0xFFFFFFu);
    EXPECT_EQ(at(img, 15, 20), 0u); // right and bottom edges excluded
    EXPECT_EQ(at(img, 9, 20), 0u);
    EXPECT_EQ(countOf(img, 0xFFFFFF), 25);
}

TEST(QtCanvas, AlternateFillLeavesTheOverlapOfASelfCrossingPolygonEmpty) {
    QImage img(60, 60, QImage::Format_RGB32);
    QtCanvas c(img);
    c.fillSurface(0);
    // A five-point star drawn in one stroke: even-odd fill leaves its centre empty.
    CanvasPoint star[5] = {{30, 2}, {47, 56}, {2, 22}, {58, 22}, {13, 56}};
    PenBrushScope s(c, {PenStyle::Null, 0, 0}, {true, 0xFFFFFF});
    c.polygon(star, 5);
    EXPECT_EQ(at(img, 30, 32), 0u);
    EXPECT_EQ(at(img, 30, 10), 0xFFFFFFu);
}

TEST(QtCanvas, ArcsRunCounterClockwiseFromTheFirstRay) {
    QImage img(100, 100, QImage::Format_RGB32);
    QtCanvas c(img);
    c.fillSurface(0);
    PenBrushScope s(c, {PenStyle::Geometric, 5, 0xFFFFFF, PenCap::Flat}, {false, 0});
    c.arc(10, 10, 90, 90, {90, 50}, {50, 10}); // east to north: the upper right quarter
    EXPECT_EQ(at(img, 50 + 28, 50 - 28), 0xFFFFFFu);
    EXPECT_EQ(at(img, 50 - 28, 50 + 28), 0u);
    EXPECT_EQ(at(img, 50 - 28, 50 - 28), 0u);
}

TEST(QtCanvas, ClipPolygonLimitsDrawingUntilReset) {
    QImage img(40, 40, QImage::Format_RGB32);
    QtCanvas c(img);
    c.fillSurface(0);
    CanvasPoint clip[4] = {{0, 0}, {20, 0}, {20, 40}, {0, 40}};
    c.clipToPolygon(clip, 4);
    {
        PenBrushScope s(c, {PenStyle::Null, 0, 0}, {true, 0xFFFFFF});
        c.rectangle(0, 0, 40, 10);
        c.resetClip();
        c.rectangle(0, 30, 40, 40);
    }
    EXPECT_EQ(at(img, 10, 5), 0xFFFFFFu);
    EXPECT_EQ(at(img, 30, 5), 0u);
    EXPECT_EQ(at(img, 30, 35), 0xFFFFFFu);
}

TEST(QtCanvas, ScrollMovesTheContents) {
    QImage img(20, 20, QImage::Format_RGB32);
    QtCanvas c(img);
    c.fillSurface(0);
    {
        PenBrushScope s(c, {PenStyle::Null, 0, 0}, {true, 0xFFFFFF});
        c.rectangle(5, 5, 6, 6);
    }
    c.scroll(3, -2);
    EXPECT_EQ(at(img, 8, 3), 0xFFFFFFu);
}

TEST(RecordingCanvas, RecordsTheStateOfEachCall) {
    RecordingCanvas r;
    {
        PenBrushScope s(r, {PenStyle::Dash, 1, 0x123456}, {true, 0xABCDEF});
        r.line({1, 2}, {3, 4});
    }
    r.polygon(nullptr, 0);
    ASSERT_EQ(r.calls.size(), 2u);
    EXPECT_EQ(r.calls[0].pen.style, PenStyle::Dash);
    EXPECT_EQ(r.calls[0].pen.colour, 0x123456u);
    EXPECT_EQ(r.calls[0].points, (std::vector<CanvasPoint>{{1, 2}, {3, 4}}));
    EXPECT_EQ(r.calls[1].pen, Pen{}); // the scope put the previous pen and brush back
    EXPECT_EQ(r.calls[1].brush, Brush{});
}

TEST(DashRuns, RunsStartAtTheFirstPointAndCarryOverCorners) {
    std::vector<QPointF> work;
    std::vector<std::vector<QPointF>> runs;
    auto collect = [&](const QPointF* p, int n) { runs.emplace_back(p, p + n); };
    const qreal dash[] = {18, 6};
    // Along x: on 0-18, off 18-24, on 24-42, off 42-48, on 48-50.
    const QPointF straight[] = {{0, 0}, {50, 0}};
    dashRuns(straight, 2, dash, work, collect);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0], (std::vector<QPointF>{{0, 0}, {18, 0}}));
    EXPECT_EQ(runs[1], (std::vector<QPointF>{{24, 0}, {42, 0}}));
    EXPECT_EQ(runs[2], (std::vector<QPointF>{{48, 0}, {50, 0}}));
    // Lengths go by the major axis, as a one-pixel pen steps; a run goes round a corner as one polyline.
    runs.clear();
    const QPointF bent[] = {{0, 0}, {10, 5}, {10, 25}};
    dashRuns(bent, 3, dash, work, collect);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0], (std::vector<QPointF>{{0, 0}, {10, 5}, {10, 13}}));
    EXPECT_EQ(runs[1], (std::vector<QPointF>{{10, 19}, {10, 25}}));
    // A zero-length segment and a dot pattern ending exactly at a vertex.
    runs.clear();
    const qreal dot[] = {3, 3};
    const QPointF stops[] = {{0, 0}, {0, 0}, {0, 3}, {0, 9}};
    dashRuns(stops, 4, dot, work, collect);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].front(), QPointF(0, 0));
    EXPECT_EQ(runs[0].back(), QPointF(0, 3));
    EXPECT_EQ(runs[1].front(), QPointF(0, 6));
    EXPECT_EQ(runs[1].back(), QPointF(0, 9));
}

TEST(DashRuns, ArcPolylineFollowsTheCurveCounterClockwise) {
    std::vector<QPointF> pts;
    arcPolyline(QRectF(-100, -100, 200, 200), 0, 90, pts); // a quarter circle of radius 100, up from 3 o'clock
    ASSERT_GT(pts.size(), 10u);
    EXPECT_NEAR(pts.front().x(), 100, 1e-9);
    EXPECT_NEAR(pts.front().y(), 0, 1e-9);
    EXPECT_NEAR(pts.back().x(), 0, 1e-9);
    EXPECT_NEAR(pts.back().y(), -100, 1e-9); // y grows downwards
    for (size_t i = 0; i + 1 < pts.size(); ++i) {
        const QPointF mid = (pts[i] + pts[i + 1]) / 2;
        EXPECT_GT(std::hypot(mid.x(), mid.y()), 100 - 0.13); // every chord within an eighth of a pixel
    }
}

} // namespace
