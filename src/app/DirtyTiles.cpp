#include "app/DirtyTiles.h"

#include <algorithm>
#include <cstdlib>

namespace jamlog {

namespace {
int floorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}
} // namespace

void DirtyTiles::resize(int width, int height) {
    w = std::max(0, width);
    h = std::max(0, height);
    columns = (w + tile - 1) / tile;
    rows = (h + tile - 1) / tile;
    tiles.assign(static_cast<size_t>(columns) * static_cast<size_t>(rows), 0);
    count = 0;
    whole = false;
}

bool DirtyTiles::tileSpan(long left, long top, long right, long bottom, int& c0, int& r0, int& c1, int& r1) const {
    if (right < 0 || bottom < 0 || left >= w || top >= h || right < left || bottom < top)
        return false;
    c0 = static_cast<int>(std::max(0L, left) / tile);
    c1 = static_cast<int>(std::min<long>(w - 1, right) / tile);
    r0 = static_cast<int>(std::max(0L, top) / tile);
    r1 = static_cast<int>(std::min<long>(h - 1, bottom) / tile);
    return true;
}

void DirtyTiles::mark(long left, long top, long right, long bottom) {
    int c0, r0, c1, r1;
    if (whole || !tileSpan(left, top, right, bottom, c0, r0, c1, r1))
        return;
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c) {
            unsigned char& t = tiles[static_cast<size_t>(r) * static_cast<size_t>(columns) + static_cast<size_t>(c)];
            count += t == 0;
            t = 1;
        }
}

bool DirtyTiles::touches(long left, long top, long right, long bottom) const {
    int c0, r0, c1, r1;
    if (!tileSpan(left, top, right, bottom, c0, r0, c1, r1))
        return false;
    if (whole)
        return true;
    if (count == 0)
        return false;
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            if (tiles[static_cast<size_t>(r) * static_cast<size_t>(columns) + static_cast<size_t>(c)])
                return true;
    return false;
}

void DirtyTiles::shift(int dx, int dy) {
    if (whole || count == 0)
        return;
    // A marked tile's pixels move onto the tiles from offset floor(d / tile) to floor((d + tile - 1) / tile) away
    // in each direction: the marks shifted by those whole tiles, or-ed together.
    const int c0 = floorDiv(dx, tile), c1 = floorDiv(dx + tile - 1, tile);
    const int r0 = floorDiv(dy, tile), r1 = floorDiv(dy + tile - 1, tile);
    const int rowOffsets = r1 == r0 ? 1 : 2, columnOffsets = c1 == c0 ? 1 : 2;
    moved.assign(tiles.size(), 0);
    for (int r = 0; r < rows; ++r) {
        unsigned char* to = &moved[static_cast<size_t>(r) * static_cast<size_t>(columns)];
        for (int i = 0; i < rowOffsets; ++i) {
            const int fromRow = r - (i == 0 ? r0 : r1);
            if (fromRow < 0 || fromRow >= rows)
                continue;
            const unsigned char* from = &tiles[static_cast<size_t>(fromRow) * static_cast<size_t>(columns)];
            for (int j = 0; j < columnOffsets; ++j) {
                const int offset = j == 0 ? c0 : c1;
                for (int c = std::max(0, offset); c < std::min(columns, columns + offset); ++c)
                    to[c] |= from[c - offset];
            }
        }
    }
    tiles.swap(moved);
    count = static_cast<int>(std::count(tiles.begin(), tiles.end(), 1));
}

void DirtyTiles::clear() {
    if (count > 0)
        std::fill(tiles.begin(), tiles.end(), 0);
    count = 0;
    whole = false;
}

void DirtyTiles::markAll() {
    whole = w > 0 && h > 0;
}

std::vector<PixelRect> DirtyTiles::take() {
    std::vector<PixelRect> out;
    if (whole) {
        out.push_back({0, 0, w, h});
    } else if (count > 0) {
        for (int r = 0; r < rows; ++r) {
            const int top = r * tile, height = std::min(tile, h - top);
            const unsigned char* row = &tiles[static_cast<size_t>(r) * static_cast<size_t>(columns)];
            for (int c = 0; c < columns;) {
                if (!row[c]) {
                    ++c;
                    continue;
                }
                const int first = c;
                while (c < columns && row[c])
                    ++c;
                const int left = first * tile;
                out.push_back({left, top, std::min(c * tile, w) - left, height});
            }
        }
    }
    clear();
    return out;
}

} // namespace jamlog
