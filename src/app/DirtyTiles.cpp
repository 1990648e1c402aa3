#include "app/DirtyTiles.h"

#include <algorithm>

namespace jamlog {

void DirtyTiles::resize(int width, int height) {
    w = std::max(0, width);
    h = std::max(0, height);
    columns = (w + tileSize - 1) / tileSize;
    rows = (h + tileSize - 1) / tileSize;
    tiles.assign(static_cast<size_t>(columns) * static_cast<size_t>(rows), 0);
    count = 0;
    whole = false;
}

void DirtyTiles::mark(long left, long top, long right, long bottom) {
    if (whole || right < 0 || bottom < 0 || left >= w || top >= h || right < left || bottom < top)
        return;
    const int c0 = static_cast<int>(std::max(0L, left) / tileSize);
    const int c1 = static_cast<int>(std::min<long>(w - 1, right) / tileSize);
    const int r0 = static_cast<int>(std::max(0L, top) / tileSize);
    const int r1 = static_cast<int>(std::min<long>(h - 1, bottom) / tileSize);
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c) {
            unsigned char& t = tiles[static_cast<size_t>(r) * static_cast<size_t>(columns) + static_cast<size_t>(c)];
            count += t == 0;
            t = 1;
        }
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
            const int top = r * tileSize, height = std::min(tileSize, h - top);
            const unsigned char* row = &tiles[static_cast<size_t>(r) * static_cast<size_t>(columns)];
            for (int c = 0; c < columns;) {
                if (!row[c]) {
                    ++c;
                    continue;
                }
                const int first = c;
                while (c < columns && row[c])
                    ++c;
                const int left = first * tileSize;
                out.push_back({left, top, std::min(c * tileSize, w) - left, height});
            }
        }
    }
    std::fill(tiles.begin(), tiles.end(), 0);
    count = 0;
    whole = false;
    return out;
}

} // namespace jamlog
