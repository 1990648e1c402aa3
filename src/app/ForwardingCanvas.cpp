#include "app/ForwardingCanvas.h"

#include <algorithm>
#include <cstdlib>

namespace jamlog {

namespace {
constexpr int textSlack = 4;        // pixels around a text's guessed box
constexpr int defaultFontSize = 16; // before any font is chosen
} // namespace

long strokeReach(const Pen& p) {
    return (p.style == PenStyle::Null ? 0 : std::max(1, p.width)) + strokeSlack;
}

PointBox boxOf(const CanvasPoint* points, int count) {
    PointBox b{points[0].x, points[0].y, points[0].x, points[0].y};
    for (int i = 1; i < count; ++i) {
        b.left = std::min<long>(b.left, points[i].x), b.right = std::max<long>(b.right, points[i].x);
        b.top = std::min<long>(b.top, points[i].y), b.bottom = std::max<long>(b.bottom, points[i].y);
    }
    return b;
}

long textReach(const Font& font, size_t length) {
    const long size = std::max(std::abs(font.height), std::abs(font.width));
    return (size > 0 ? size : defaultFontSize) * (static_cast<long>(length) + 1) + textSlack;
}

} // namespace jamlog
