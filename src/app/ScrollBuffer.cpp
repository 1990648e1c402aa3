// The window over the block. Before the window moves, the block must hold what the window shows and nobody else
// may be looking at it: pixels drawn into a detached copy of the window (a painter detaches an image shared with a
// kept copy) are put back, and a block that a kept copy still shows is left to it for a new one.
#include "app/ScrollBuffer.h"

#include <cstring>

#include "platform/QtCanvas.h"

namespace jamlog {

namespace {

void releaseBlock(void* ref) {
    delete static_cast<std::shared_ptr<QImage>*>(ref);
}

} // namespace

ScrollBuffer::ScrollBuffer(int width, int height) {
    resize(width, height);
}

void ScrollBuffer::newBlock(int width, int height) {
    block = std::make_shared<QImage>(width + 2 * scrollMargin, height + 2 * scrollMargin, QImage::Format_RGB32);
}

void ScrollBuffer::resize(int width, int height) {
    newBlock(width, height);
    block->fill(Qt::black);
    place(scrollMargin, scrollMargin, width, height);
}

uchar* ScrollBuffer::windowStart(int left, int top) const {
    return block->bits() + qsizetype(top) * block->bytesPerLine() + qsizetype(left) * 4;
}

void ScrollBuffer::place(int left, int top, int w, int h) {
    windowLeft = left;
    windowTop = top;
    view = QImage(windowStart(left, top), w, h, block->bytesPerLine(), QImage::Format_RGB32, releaseBlock,
                  new std::shared_ptr<QImage>(block));
}

void ScrollBuffer::scroll(int dx, int dy) {
    const int w = view.width(), h = view.height();
    const bool onBlock = view.constBits() == windowStart(windowLeft, windowTop);
    // Images other than the window itself that show the block: copies of the window someone kept.
    const bool kept = onBlock ? !view.isDetached() : block.use_count() > 1;
    if (kept || !onBlock) {
        const QImage shown = view;
        if (kept)
            newBlock(w, h);
        for (int y = 0; y < h; ++y)
            std::memcpy(windowStart(windowLeft, windowTop + y), shown.constScanLine(y), size_t(w) * 4);
    }
    // The contents move by (dx, dy) when the window moves by (-dx, -dy) over the block.
    int left = windowLeft - dx, top = windowTop - dy;
    if (left < 0 || left > 2 * scrollMargin || top < 0 || top > 2 * scrollMargin) {
        QtCanvas c(*block);
        c.scroll(scrollMargin - left, scrollMargin - top);
        left = top = scrollMargin;
    }
    place(left, top, w, h);
}

} // namespace jamlog
