// Drawings repeated over the picture again and again, item by item (the limit and roadworks signs of each road
// after every movement tick, the light icons of each group every quarter second), drawn again only where they can
// have changed: an item whose calls are those of the last pass and on whose pixels nothing was drawn since is still
// on the screen as it was. The frames are the same as with every item drawn at every pass; the cost is that of the
// few items that changed or that vehicles, lamps and repaints passed over.
#pragma once
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/DirtyTiles.h"
#include "platform/QtCanvas.h"
#include "platform/RecordingCanvas.h"

namespace jamlog {

// The pixel boxes of the texts drawn, by font, alignment and text, measured once.
class TextBoxes {
public:
    TextBox of(const Font& font, TextAlign align, const std::string& text);

private:
    static constexpr size_t capacity = 1024;
    std::unordered_map<std::string, TextBox> known;
};

class RepeatedOverlay {
public:
    // Draws item n onto a canvas; what it draws may depend on nothing but the model and the drawing state.
    using ItemDrawing = std::function<void(Canvas&, int n)>;

    // A back buffer of this size; every item is drawn at the next pass.
    void resize(int width, int height);
    // The back buffer was painted afresh: every item is drawn at the next pass.
    void forget() { known = false; }
    // Where the back buffer was drawn on since the last pass (the tick's canvas marks it, and so do repaints).
    DirtyTiles& damage() { return drawnOver; }
    // The back buffer's pixels moved by (dx, dy).
    void scrolled(int dx, int dy) { drawnOver.shift(dx, dy); }

    // Draws, in item order, every one of `items` items that changed or was drawn over onto the canvas, whose window
    // origin is (originX, originY).
    void draw(Canvas& c, int items, const ItemDrawing& drawItem, int originX, int originY);

private:
    struct Item {
        std::vector<CanvasCall> calls;
        long left = 0, top = 0, right = -1, bottom = -1; // device pixels the calls may reach; empty when right < left
    };
    void record(int items, const ItemDrawing& drawItem, int originX, int originY);
    bool touched(const Item& r) const { return r.right >= r.left && drawnOver.touches(r.left, r.top, r.right, r.bottom); }

    static constexpr int fineTile = 8; // a vehicle beside an item leaves it alone
    DirtyTiles drawnOver{fineTile};
    bool known = false; // the back buffer shows the items of `last`
    std::vector<Item> last, now;
    std::vector<char> due;
    TextBoxes textBoxes;
};

} // namespace jamlog
