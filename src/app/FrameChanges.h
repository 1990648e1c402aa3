// What a window lacks of the view's frame since it was last brought up to date, kept as the view draws, scrolls
// and redraws: first the pixels it shows move by (dx, dy), then the region's pixels are copied from the frame
// anew. With `all` the whole frame is copied and nothing moves.
#pragma once
#include <QRegion>
#include <QSize>
#include <vector>

#include "app/DirtyTiles.h"

namespace jamlog {

struct FrameChanges {
    bool all = false;
    int dx = 0, dy = 0;
    QRegion region;
    bool empty() const { return !all && dx == 0 && dy == 0 && region.isEmpty(); }
    bool moved() const { return dx != 0 || dy != 0; }

    void markAll() {
        *this = FrameChanges{};
        all = true;
    }
    void add(const QRegion& r) {
        if (!all)
            region += r;
    }
    // Tiles in bands of one height, y-x sorted, runs never touching, as DirtyTiles gives them.
    void addTiles(const std::vector<PixelRect>& tiles);
    // The frame's pixels moved by (dx, dy): so do those already shown, and with them the parts still to be shown;
    // the uncovered strips are new. Moves that add up to the frame's size leave nothing to keep.
    void scrolled(int dx, int dy, QSize frame);
};

} // namespace jamlog
