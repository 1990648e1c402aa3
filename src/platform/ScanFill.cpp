// The scan-line filler: each edge becomes a start row, an end row, an x at the start row and a step per row, all
// in 16.16 fixed point; each row's crossings are sorted and every other gap between them filled.
#include "platform/ScanFill.h"

#include <algorithm>

namespace jamlog {

namespace {

constexpr int64_t half = 1 << 15;     // half a pixel in 16.16
constexpr int fixedShift = 6;         // 26.6
constexpr int64_t fixedHalf = 32;     // half a pixel in 26.6
constexpr int toSixteenShift = 10;    // 26.6 to 16.16
constexpr double sixteenOne = 65536.; // one pixel in 16.16

struct Edge {
    int64_t x;    // 16.16, at row `top`, half a pixel to the right
    int64_t step; // 16.16 per row
    int top, bottom;
};

// Keeps a row's crossings in order as each comes in (a few a row), as pixel columns cut to the surface.
inline void insertCrossing(int* crossings, int& n, int64_t x, int width) {
    const int c = static_cast<int>(std::clamp<int64_t>(x >> 16, 0, width));
    int k = n++;
    while (k > 0 && crossings[k - 1] > c) {
        crossings[k] = crossings[k - 1];
        --k;
    }
    crossings[k] = c;
}

// Every other gap between the sorted crossings of a row.
inline void fillRow(const PixelRows& rows, int y, const int* crossings, int n, uint32_t pixel) {
    uint32_t* line = reinterpret_cast<uint32_t*>(rows.bits + y * rows.stride);
    for (int k = 0; k + 1 < n; k += 2)
        std::fill(line + crossings[k], line + crossings[k + 1], pixel);
}

// A shape of a few rows: each edge walks its own rows into per-row lists, so that a row never looks at the edges
// that miss it. Stepping by addition gives the same x as the multiplication of the general loop.
constexpr int bucketRows = 64;

void fillBuckets(const PixelRows& rows, const Edge* edges, int edgeCount, int firstRow, int lastRow, uint32_t pixel) {
    int counts[bucketRows] = {};
    int crossings[bucketRows][scanFillMaxCorners];
    for (int i = 0; i < edgeCount; ++i) {
        const Edge& e = edges[i];
        int64_t x = e.x;
        for (int y = e.top; y <= e.bottom; ++y, x += e.step)
            insertCrossing(crossings[y - firstRow], counts[y - firstRow], x, rows.width);
    }
    for (int y = firstRow; y <= lastRow; ++y)
        fillRow(rows, y, crossings[y - firstRow], counts[y - firstRow], pixel);
}

} // namespace

int64_t toFixed(double pixels) {
    const double v = pixels * 64;
    return v >= 0 ? static_cast<int64_t>(v + 0.5) : static_cast<int64_t>(v - 0.5);
}

bool scanFill(const PixelRows& rows, const FixedPoint* corners, int count, uint32_t pixel) {
    if (count > scanFillMaxCorners)
        return false;
    constexpr int64_t reach = int64_t(scanFillReach) << fixedShift;
    for (int i = 0; i < count; ++i)
        if (corners[i].x > reach || corners[i].x < -reach || corners[i].y > reach || corners[i].y < -reach)
            return false;
    Edge edges[scanFillMaxCorners];
    int edgeCount = 0, firstRow = rows.height, lastRow = -1;
    for (int i = 0; i < count; ++i) {
        FixedPoint a = corners[i], b = corners[i + 1 < count ? i + 1 : 0];
        if (a.y > b.y)
            std::swap(a, b);
        // Rows whose centre lies below a and at or above b.
        const int top = static_cast<int>(std::max<int64_t>(0, (a.y + fixedHalf) >> fixedShift));
        const int bottom = static_cast<int>(std::min<int64_t>(rows.height - 1, (b.y - fixedHalf) >> fixedShift));
        if (top > bottom)
            continue;
        const int64_t ax = half + (a.x << toSixteenShift);
        Edge& e = edges[edgeCount++];
        e.top = top;
        e.bottom = bottom;
        if (a.x == b.x) {
            e.x = ax;
            e.step = 0;
        } else {
            // The step is the slope in floating point truncated to 16.16, and the start is taken from it, so that
            // rounding falls as the painter's does.
            e.step = static_cast<int64_t>(double(b.x - a.x) / double(b.y - a.y) * sixteenOne);
            e.x = ax + ((e.step * ((int64_t(top) << 16) + half - (a.y << toSixteenShift))) >> 16);
        }
        firstRow = std::min(firstRow, top);
        lastRow = std::max(lastRow, bottom);
    }
    if (lastRow - firstRow < bucketRows) {
        fillBuckets(rows, edges, edgeCount, firstRow, lastRow, pixel);
        return true;
    }
    int crossings[scanFillMaxCorners];
    for (int y = firstRow; y <= lastRow; ++y) {
        int n = 0;
        for (int i = 0; i < edgeCount; ++i) {
            const Edge& e = edges[i];
            if (y >= e.top && y <= e.bottom)
                insertCrossing(crossings, n, e.x + e.step * (y - e.top), rows.width);
        }
        fillRow(rows, y, crossings, n, pixel);
    }
    return true;
}

} // namespace jamlog
