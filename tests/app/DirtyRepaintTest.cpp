// The window copies only what ticks drew on: the tile grid's runs of marked tiles, a tracking canvas whose
// marks cover every pixel its calls changed, at any window origin, and a window that repaints just those tiles
// (and just the uncovered strips of a wander step) to the same pixels as a full paint.
#include <QApplication>
#include <QPaintEvent>
#include <QScreen>
#include <gtest/gtest.h>

#include <QImage>
#include <memory>
#include <random>

#include "ManualWindow.h"
#include "app/DirtyTiles.h"
#include "app/TrackingCanvas.h"
#include "platform/QtCanvas.h"
#include "sim/TimerTable.h"

using namespace jamlog;

TEST(DirtyTiles, RunsOfMarkedTilesCutToTheSurfaceAndCleared) {
    DirtyTiles d;
    d.resize(100, 70); // 4 x 3 tiles, the last column 4 pixels and the last row 6 pixels wide
    EXPECT_TRUE(d.empty());
    d.mark(5, 5, 40, 10);     // tiles (0,0) and (1,0)
    d.mark(97, 66, 500, 500); // the corner tile, cut to the surface
    d.mark(-50, -50, -1, -1); // off the surface: nothing
    EXPECT_FALSE(d.empty());
    const std::vector<PixelRect> rects = d.take();
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0], (PixelRect{0, 0, 64, 32}));
    EXPECT_EQ(rects[1], (PixelRect{96, 64, 4, 6}));
    EXPECT_TRUE(d.empty());
    EXPECT_TRUE(d.take().empty());
    // Two runs in one row stay apart; the whole surface wins over any marks.
    d.mark(0, 0, 1, 1);
    d.mark(70, 0, 71, 1);
    EXPECT_EQ(d.take().size(), 2u);
    d.mark(0, 0, 1, 1);
    d.markAll();
    EXPECT_TRUE(d.all());
    EXPECT_EQ(d.take(), (std::vector<PixelRect>{{0, 0, 100, 70}}));
    EXPECT_FALSE(d.all());
}

// Marks move with scrolled pixels onto every tile the pixels reach, and fall away off the surface.
TEST(DirtyTiles, MarksFollowAScroll) {
    DirtyTiles d(8);
    d.resize(80, 40);
    d.mark(16, 8, 23, 15); // the tile at column 2, row 1
    EXPECT_TRUE(d.touches(20, 12, 20, 12));
    EXPECT_FALSE(d.touches(0, 0, 15, 7));
    d.shift(3, -2); // its pixels now cover x 19..26, y 6..13
    for (const auto& [x, y] : {std::pair{19, 6}, {26, 6}, {19, 13}, {26, 13}})
        EXPECT_TRUE(d.touches(x, y, x, y)) << x << ", " << y;
    EXPECT_FALSE(d.touches(0, 0, 15, 39));
    EXPECT_FALSE(d.touches(32, 0, 79, 39));
    d.shift(0, 8); // whole tiles down: rows 1 and 2
    EXPECT_TRUE(d.touches(19, 14, 19, 14));
    EXPECT_FALSE(d.touches(0, 0, 79, 7));
    d.shift(-40, 0); // off the left edge
    EXPECT_TRUE(d.empty());
}

TEST(TrackingCanvas, MarksCoverEveryChangedPixel) {
    std::mt19937 rng(7);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 40; ++round) {
        QImage img(300, 200, QImage::Format_RGB32);
        img.fill(Qt::black);
        DirtyTiles dirty;
        dirty.resize(img.width(), img.height());
        const QImage before = img.copy();
        {
            QtCanvas q(img);
            TrackingCanvas c(q, dirty);
            c.setWindowOrigin(pick(-400, 400), pick(-300, 300));
            c.setPen({round % 3 == 0 ? PenStyle::Dash : PenStyle::Solid, pick(1, 40), 0xFFFFFF, PenCap::Round});
            c.setBrush({true, 0x00FF00});
            const int x = pick(-500, 700), y = pick(-400, 500);
            const CanvasPoint tri[3] = {{x, y}, {x + pick(-60, 60), y + pick(-60, 60)}, {x + pick(-60, 60), y}};
            switch (round % 5) {
            case 0: c.line({x, y}, {x + pick(-80, 80), y + pick(-80, 80)}); break;
            case 1: c.polygon(tri, 3); break;
            case 2: c.arc(x, y, x + pick(5, 90), y + pick(5, 90), {x, y}, {x + 90, y + 90}); break;
            case 3: c.ellipse(x, y, x + pick(1, 50), y + pick(1, 50)); break;
            default:
                c.setFont({"Sans Serif", pick(8, 30), 0, 700, 0});
                c.setTextColour(0xFFFFFF);
                c.text(x, y, "50 mph");
                break;
            }
        }
        const std::vector<PixelRect> rects = dirty.all() ? std::vector<PixelRect>{{0, 0, 300, 200}} : dirty.take();
        for (int py = 0; py < img.height(); ++py)
            for (int px = 0; px < img.width(); ++px) {
                if (img.pixel(px, py) == before.pixel(px, py))
                    continue;
                bool covered = false;
                for (const PixelRect& r : rects)
                    covered |= px >= r.left && px < r.left + r.width && py >= r.top && py < r.top + r.height;
                ASSERT_TRUE(covered) << "round " << round << " pixel " << px << "," << py;
            }
    }
}

TEST(TrackingCanvas, FillsAndScrollsMarkEverything) {
    QImage img(64, 64, QImage::Format_RGB32);
    DirtyTiles dirty;
    dirty.resize(64, 64);
    QtCanvas q(img);
    TrackingCanvas c(q, dirty);
    c.scroll(1, 0);
    EXPECT_TRUE(dirty.all());
    dirty.take();
    c.fillSurface(0x123456);
    EXPECT_TRUE(dirty.all());
}

namespace {

// A view window that notes the parts Qt asks it to paint.
class RecordingWnd : public CDrawWnd {
public:
    using CDrawWnd::CDrawWnd;
    QRegion painted;

protected:
    void paintEvent(QPaintEvent* event) override {
        painted += event->region();
        CDrawWnd::paintEvent(event);
    }
};

struct ShownWindow {
    MemoryProfileStore store;
    std::unique_ptr<RecordingWnd> w;
    explicit ShownWindow(int debug) {
        storeLayout(store, 0, debug);
        w = std::make_unique<RecordingWnd>(store, manualOptions());
        w->resize(800, 500);
        w->show();
        settle();
        w->painted = QRegion();
    }
    void settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    // What the window shows: its backing store's pixels, not a fresh paint.
    QImage onScreen() const {
        return w->screen()->grabWindow(w->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    }
    QImage buffer() const { return w->backBuffer().convertToFormat(QImage::Format_RGB32); }
    // The part of the window a move of the picture by (dx, dy) uncovers.
    QRegion uncovered(int dx, int dy) const { return QRegion(w->rect()) - w->rect().translated(dx, dy); }
};

bool tileAligned(const QRegion& r) {
    for (const QRect& b : r)
        if (b.left() % DirtyTiles::tileSize != 0 || b.top() % DirtyTiles::tileSize != 0)
            return false;
    return true;
}

} // namespace

TEST(DirtyRepaint, TicksRepaintExactlyTheTilesTheyDrewOn) {
    ShownWindow v(0);
    // Marks of our own and a tick that draws nothing: the repaint is those tiles, not a pixel more.
    v.w->dirtyTiles().mark(40, 40, 70, 45);
    v.w->dirtyTiles().mark(700, 400, 700, 400);
    v.w->onTimer(timerUpkeep);
    v.settle();
    EXPECT_EQ(v.w->painted, QRegion(32, 32, 64, 32) + QRegion(672, 384, 32, 32));

    int ticksDrawing = 0;
    for (int i = 0; i < 60; ++i) {
        v.w->painted = QRegion();
        const QImage before = v.buffer();
        v.w->onTimer(timerMove);
        v.settle();
        const QImage after = v.buffer();
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (after.pixel(x, y) != before.pixel(x, y)) {
                    ASSERT_TRUE(v.w->painted.contains(QPoint(x, y))) << "tick " << i << " pixel " << x << "," << y;
                }
        ASSERT_TRUE(tileAligned(v.w->painted)) << "tick " << i;
        ASSERT_NE(v.w->painted, QRegion(v.w->rect())) << "tick " << i << " repainted the whole window";
        ticksDrawing += !v.w->painted.isEmpty();
    }
    EXPECT_GT(ticksDrawing, 30) << "vehicles move on layout 0";
    EXPECT_EQ(v.onScreen(), v.buffer());
}

TEST(DirtyRepaint, WanderingAndPanningRepaintOnlyTheUncoveredStrips) {
    ShownWindow v(hideVehicles);
    View& view = v.w->view();
    int moves = 0;
    for (int i = 0; i < 6; ++i) {
        const int x0 = view.originX, y0 = view.originY;
        v.w->painted = QRegion();
        v.w->onTimer(timerWander);
        v.settle();
        const int dx = view.originX - x0, dy = view.originY - y0;
        moves += dx != 0 || dy != 0;
        EXPECT_EQ(v.w->painted, v.uncovered(dx, dy)) << "step " << i;
    }
    ASSERT_GT(moves, 0) << "layout 0 wanders in an 800 x 500 window";
    EXPECT_EQ(v.onScreen(), v.buffer());

    // Panning paints at once, before any event is processed.
    view.panActive = 1;
    view.lastMouseX = view.lastMouseY = 0;
    const int x0 = view.originX, y0 = view.originY;
    v.w->painted = QRegion();
    view.panToMouse(620, 410);
    EXPECT_EQ(v.w->painted, v.uncovered(view.originX - x0, view.originY - y0));
    EXPECT_EQ(v.onScreen(), v.buffer());
}

// Ticks whose tiles Qt has not painted yet when a wander step moves the picture: the repaint follows the pixels.
TEST(DirtyRepaint, TilesNotYetPaintedMoveWithAWanderStep) {
    ShownWindow v(0);
    View& view = v.w->view();
    for (int i = 0; i < 30; ++i) {
        v.w->onTimer(timerMove);
        v.w->onTimer(timerMove);
        v.w->onTimer(timerWander);
        v.settle();
        ASSERT_EQ(v.onScreen(), v.buffer()) << "round " << i << ", origin " << view.originX << "," << view.originY;
    }
}
