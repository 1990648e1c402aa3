// The limit and roadworks signs drawn after every movement tick, drawn again only where they can have changed: a
// sign whose calls are those of the last tick and on whose pixels nothing was drawn since is still on the screen
// as it was. The frames are the same as with every sign drawn on every tick; the cost is that of the few signs that
// vehicles, lamps and repaints passed over.
#pragma once
#include <string>
#include <unordered_map>
#include <vector>

#include "app/DirtyTiles.h"
#include "platform/QtCanvas.h"
#include "platform/RecordingCanvas.h"
#include "render/DrawState.h"

namespace jamlog {

struct NetworkModel;

// The pixel boxes of the texts drawn, by font, alignment and text, measured once.
class TextBoxes {
public:
    TextBox of(const Font& font, TextAlign align, const std::string& text);

private:
    static constexpr size_t capacity = 1024;
    std::unordered_map<std::string, TextBox> known;
};

class SignOverlay {
public:
    // A back buffer of this size; every sign is drawn at the next pass.
    void resize(int width, int height);
    // The back buffer was painted afresh: every sign is drawn at the next pass.
    void forget() { known = false; }
    // Where the back buffer was drawn on since the last pass (the tick's canvas marks it, and so do repaints).
    DirtyTiles& damage() { return drawnOver; }
    // The back buffer's pixels moved by (dx, dy).
    void scrolled(int dx, int dy) { drawnOver.shift(dx, dy); }

    // Draws every road's signs that changed or were drawn over, in road order, onto the canvas, whose window origin
    // is (originX, originY).
    void draw(Canvas& c, const NetworkModel& m, DrawState& s, int originX, int originY);

private:
    struct RoadSigns {
        std::vector<CanvasCall> calls;
        long left = 0, top = 0, right = -1, bottom = -1; // device pixels the calls may reach; empty when right < left
    };
    void record(const NetworkModel& m, DrawState& s, int originX, int originY);
    bool touched(const RoadSigns& r) const { return r.right >= r.left && drawnOver.touches(r.left, r.top, r.right, r.bottom); }

    static constexpr int signTile = 8; // fine tiles: a vehicle beside a sign leaves it alone
    DirtyTiles drawnOver{signTile};
    bool known = false; // the back buffer shows the signs of `last`
    std::vector<RoadSigns> last, now;
    std::vector<char> due;
    TextBoxes textBoxes;
};

} // namespace jamlog
