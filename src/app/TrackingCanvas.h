// A canvas that passes every call on to another one and marks in a tile grid every pixel the call may have
// changed, so that the window copies only those parts of its back buffer to the screen; and in a second grid, when
// given one, for whoever else needs to know what was drawn over.
#pragma once
#include <array>
#include <initializer_list>

#include "app/DirtyTiles.h"
#include "app/ForwardingCanvas.h"

namespace jamlog {

class TrackingCanvas : public ForwardingCanvas {
public:
    TrackingCanvas(Canvas& target, DirtyTiles& marks, std::initializer_list<DirtyTiles*> alsoMarks = {});

    void polygon(const CanvasPoint* points, int count) override;
    void polyline(const CanvasPoint* points, int count) override;
    void line(CanvasPoint from, CanvasPoint to) override;
    void arc(int left, int top, int right, int bottom, CanvasPoint from, CanvasPoint to) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void fillSurface(Colour colour) override;

    void setFont(const Font& font) override;
    void text(int x, int y, const std::string& s) override;
    void scroll(int dx, int dy) override;

private:
    // Marks the logical box grown by reach pixels.
    void markBox(long left, long top, long right, long bottom, long reach);
    void markPoints(const CanvasPoint* points, int count, long reach);
    void markAll();

    DirtyTiles& dirty;
    static constexpr size_t maxAlso = 2;
    std::array<DirtyTiles*, maxAlso> also{};
    Font fontInUse; // for the generous box around text
};

} // namespace jamlog
