// A scan-line filler for small aliased polygons, writing straight into 32-bit pixel rows. It sets exactly the pixels
// that the raster painter sets for an aliased even-odd fill: corners rounded to 1/64 pixel, a pixel row taken at its
// centre, edges stepped per row in 16.16 fixed point, a span running from floor(left + 1/2) up to floor(right + 1/2).
#pragma once
#include <cstddef>
#include <cstdint>

namespace jamlog {

// A block of 32-bit pixels: `width` x `height`, rows `stride` bytes apart.
struct PixelRows {
    unsigned char* bits = nullptr;
    std::ptrdiff_t stride = 0;
    int width = 0, height = 0;
};

// A corner in 26.6 fixed point (1/64 pixel) device coordinates.
struct FixedPoint {
    int64_t x, y;
};

constexpr int scanFillMaxCorners = 32;
// Corners further off the surface than this are left to the painter: its own outline clipping starts far beyond,
// and the fixed-point products stay well inside 64 bits.
constexpr int scanFillReach = 32767;

// Device pixels in 26.6 fixed point, rounded half away from zero as the painter rounds.
int64_t toFixed(double pixels);

// Fills the polygon with `pixel` by the even-odd rule, clipped to the rows. Returns false, drawing nothing, when it
// has more than scanFillMaxCorners corners or a corner beyond scanFillReach; the caller then draws it another way.
bool scanFill(const PixelRows& rows, const FixedPoint* corners, int count, uint32_t pixel);

} // namespace jamlog
