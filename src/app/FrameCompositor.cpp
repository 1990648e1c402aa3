// Composing an embedded view's frames with its legend.
#include "app/FrameCompositor.h"

#include <QRegion>
#include <algorithm>

#include "app/CLegWnd.h"

namespace jamlog {

void FrameCompositor::composeLegend(const CLegWnd* legend, QSize frame, FrameChanges& changes) {
    if (changes.moved() && !legendRect.isEmpty())
        changes.add(QRegion(legendRect) + legendRect.translated(changes.dx, changes.dy));
    const bool shown = legend != nullptr && legend->isVisible();
    const QRect at = shown ? QRect(legend->pos(), legend->size()) & QRect(QPoint(0, 0), frame) : QRect();
    const unsigned version = legend != nullptr ? legend->pictureVersion() : 0;
    if (version == shownVersion && at == legendRect)
        return;
    shownVersion = version;
    const QImage picture = at.isEmpty() ? QImage() : legend->render();
    if (at == legendRect && picture == legendPicture)
        return;
    changes.add(QRegion(legendRect) + at);
    legendRect = at;
    legendPicture = picture;
}

void FrameCompositor::copy(const QImage& back, const QRect& r, uint32_t* out) const {
    const QRect over = legendPicture.isNull() ? QRect() : r & legendRect;
    const auto width = static_cast<size_t>(r.width());
    for (int y = r.top(); y <= r.bottom(); ++y, out += width) {
        const auto* row = reinterpret_cast<const uint32_t*>(back.constScanLine(y));
        std::copy_n(row + r.left(), width, out);
        if (over.isEmpty() || y < over.top() || y > over.bottom())
            continue;
        const auto* legendRow = reinterpret_cast<const uint32_t*>(legendPicture.constScanLine(y - legendRect.top()));
        std::copy_n(legendRow + (over.left() - legendRect.left()), static_cast<size_t>(over.width()),
                    out + (over.left() - r.left()));
    }
}

QImage FrameCompositor::composed(const QImage& back) const {
    if (legendPicture.isNull())
        return back;
    QImage frame(back.size(), QImage::Format_RGB32);
    copy(back, frame.rect(), reinterpret_cast<uint32_t*>(frame.bits()));
    return frame;
}

} // namespace jamlog
