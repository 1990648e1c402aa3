// The window copies only what ticks drew on: the tile grid's runs of marked tiles, and a tracking canvas whose
// marks cover every pixel its calls changed, at any window origin.
#include <gtest/gtest.h>

#include <QImage>
#include <memory>
#include <random>

#include "app/DirtyTiles.h"
#include "app/TrackingCanvas.h"
#include "platform/QtCanvas.h"

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
