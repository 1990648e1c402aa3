// The frames a host's window takes from an embedded view: the back buffer with the legend's picture laid over
// it, and what changed on them, the legend's moves and changes included.
#pragma once
#include <QImage>
#include <QRect>
#include <cstdint>

#include "app/FrameChanges.h"

namespace jamlog {

class CLegWnd;

class FrameCompositor {
public:
    // Adds to `changes` what the legend's picture or place changed since the last call: the rectangles it left
    // and took. A moved back buffer moves the legend's pixels with it: they are painted back in place.
    void composeLegend(const CLegWnd* legend, QSize frame, FrameChanges& changes);
    // Rectangle r of the frame over `back`, which it must lie in, as rows of 32-bit pixels one after another.
    void copy(const QImage& back, const QRect& r, uint32_t* out) const;
    QImage composed(const QImage& back) const;

private:
    QImage legendPicture; // as the frame shows it
    QRect legendRect;
    unsigned shownVersion = 0; // the legend's picture version it was taken at
};

} // namespace jamlog
