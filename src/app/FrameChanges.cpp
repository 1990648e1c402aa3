// The bookkeeping of what a window lacks of the frame.
#include "app/FrameChanges.h"

#include <QRect>
#include <cstdlib>

namespace jamlog {

void FrameChanges::addTiles(const std::vector<PixelRect>& tiles) {
    if (all || tiles.empty())
        return;
    std::vector<QRect> boxes;
    boxes.reserve(tiles.size());
    for (const PixelRect& r : tiles)
        boxes.emplace_back(r.left, r.top, r.width, r.height);
    // A valid region as they are: no need to merge them one by one.
    QRegion r;
    r.setRects(boxes.data(), static_cast<int>(boxes.size()));
    region += r;
}

void FrameChanges::scrolled(int stepX, int stepY, QSize size) {
    if (all)
        return;
    const QRect frame(QPoint(0, 0), size);
    dx += stepX;
    dy += stepY;
    if (std::abs(dx) >= frame.width() || std::abs(dy) >= frame.height())
        return markAll();
    const QRect kept = frame.translated(stepX, stepY) & frame;
    region = (region.translated(stepX, stepY) & frame) + (QRegion(frame) - kept);
}

} // namespace jamlog
