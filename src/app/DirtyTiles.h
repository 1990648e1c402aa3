// Which parts of a back buffer have been drawn on since the window last copied them to the screen, kept as a grid
// of square tiles so that marking costs a few word writes and the result is a handful of rectangles.
#pragma once
#include <vector>

namespace jamlog {

struct PixelRect {
    int left, top, width, height;
    bool operator==(const PixelRect&) const = default;
};

class DirtyTiles {
public:
    static constexpr int tileSize = 32; // the screen copy's tiles

    explicit DirtyTiles(int tilePixels = tileSize) : tile(tilePixels) {}

    // A surface of width x height pixels with nothing marked.
    void resize(int width, int height);
    // Marks the tiles that the pixel box [left, right] x [top, bottom] touches; parts off the surface are ignored.
    void mark(long left, long top, long right, long bottom);
    void markAll();

    bool empty() const { return !whole && count == 0; }
    bool all() const { return whole; }
    // True when the pixel box [left, right] x [top, bottom] touches a marked tile.
    bool touches(long left, long top, long right, long bottom) const;
    // The marks moved with pixels scrolled by (dx, dy): every tile that the moved pixels of a marked tile reach.
    void shift(int dx, int dy);
    void clear();

    // The marked tiles as one rectangle per run of tiles in a row, rows top to bottom and runs left to right
    // (bands of one height that never touch, as a region wants them), cut to the surface; then clears the marks.
    std::vector<PixelRect> take();

private:
    // The tiles the box touches, cut to the surface; false when it misses the surface.
    bool tileSpan(long left, long top, long right, long bottom, int& c0, int& r0, int& c1, int& r1) const;

    int tile;
    int w = 0, h = 0, columns = 0, rows = 0;
    std::vector<unsigned char> tiles;
    std::vector<unsigned char> moved; // the shifted marks, kept to save an allocation a scroll
    int count = 0;
    bool whole = false;
};

} // namespace jamlog
