// The back buffer's window: any run of scrolls, short ones within the block's margin and long ones past it, shows
// what moving the pixels shows, and pixels drawn while a copy of the window was kept are not lost.
#include <QPainter>
#include <gtest/gtest.h>

#include "app/ScrollBuffer.h"

using namespace jamlog;

namespace {

constexpr int w = 90, h = 60;

// The pixels moved by (dx, dy); the uncovered strips keep what they had (stale in either case), so they are
// painted over with a marker colour in both pictures before comparing.
QImage moved(const QImage& before, int dx, int dy) {
    QImage out(before.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(dx, dy, before);
    return out;
}

void markStrips(QImage& img, int dx, int dy) {
    QPainter p(&img);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    const QColor marker(1, 2, 3);
    if (dx != 0)
        p.fillRect(dx > 0 ? 0 : w + dx, 0, std::abs(dx), h, marker);
    if (dy != 0)
        p.fillRect(0, dy > 0 ? 0 : h + dy, w, std::abs(dy), marker);
}

void number(QImage& img, int seed) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, 0xFF000000u | static_cast<QRgb>(seed * 100000 + y * 1000 + x));
}

TEST(ScrollBuffer, ScrollsShowWhatMovingThePixelsShows) {
    ScrollBuffer b(w, h);
    // Wander steps one way and back, then steps far past the margin, then long pan moves both ways.
    const int steps[][2] = {{1, 0},  {1, 0},   {0, -1},   {-2, 3}, {40, 0},    {40, 1},  {-5, -70 + 30},
                            {0, 59}, {-89, 0}, {30, -30}, {1, 1},  {-64, -64}, {64, 64}, {-1, 0}};
    int seed = 1;
    for (const auto& s : steps) {
        number(b.image(), seed++);
        QImage expected = moved(b.image().copy(), s[0], s[1]);
        b.scroll(s[0], s[1]);
        ASSERT_EQ(b.image().size(), QSize(w, h));
        QImage got = b.image().copy();
        markStrips(got, s[0], s[1]);
        markStrips(expected, s[0], s[1]);
        ASSERT_EQ(got, expected) << s[0] << "," << s[1];
    }
}

// A kept copy keeps its picture through draws and scrolls, short and long, and the window loses nothing drawn.
TEST(ScrollBuffer, ACopyKeepsItsPictureAndTheWindowKeepsWhatWasDrawn) {
    for (int dx : {3, 80}) {
        ScrollBuffer b(w, h);
        number(b.image(), 1);
        const QImage before = b.image().copy();
        const QImage kept = b.image(); // shared: the painter below draws into a copy of its own
        {
            QPainter p(&b.image());
            p.fillRect(1, 10, 5, 5, QColor(200, 100, 50));
        }
        QImage expected = moved(b.image().copy(), dx, 0);
        b.scroll(dx, 0);
        QImage got = b.image().copy();
        markStrips(got, dx, 0);
        markStrips(expected, dx, 0);
        EXPECT_EQ(got, expected) << dx;
        EXPECT_EQ(kept, before) << dx;
        const QImage keptAfterScroll = b.image(); // a copy of the window over the block, not drawn on
        const QImage atScroll = keptAfterScroll.copy();
        b.scroll(-dx, 0);
        EXPECT_EQ(keptAfterScroll, atScroll) << dx;
    }
}

} // namespace
