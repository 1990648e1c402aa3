// The view's back buffer: a window of the view's size over a larger block of pixels. Scrolling moves the window
// over the block instead of the pixels, so a wander step moves no pixels at all until the window reaches the
// block's edge; there one move of the block puts it back in the middle.
#pragma once
#include <QImage>
#include <memory>

namespace jamlog {

constexpr int scrollMargin = 64; // pixels of the block beyond each side of the window

class ScrollBuffer {
public:
    ScrollBuffer(int width, int height);

    // The window: width x height pixels, RGB32, rows a block's row apart. Replaced by scroll and resize; a copy of
    // it keeps the block alive and, as a copy of any image does, the picture it had when it was taken.
    QImage& image() { return view; }
    const QImage& image() const { return view; }

    // Moves the shown contents by (dx, dy) pixels, less than the window's size; the uncovered strips hold stale
    // pixels for the caller to paint.
    void scroll(int dx, int dy);
    // A new block and window; the pixels are black.
    void resize(int width, int height);

private:
    void place(int left, int top, int width, int height); // the window at (left, top) of the block
    uchar* windowStart(int left, int top) const;
    void newBlock(int width, int height);

    std::shared_ptr<QImage> block; // shared with every image of a window over it
    QImage view;
    int windowLeft = scrollMargin, windowTop = scrollMargin;
};

} // namespace jamlog
