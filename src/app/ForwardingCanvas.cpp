#include "app/ForwardingCanvas.h"

#include <algorithm>

namespace jamlog {

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

} // namespace jamlog
