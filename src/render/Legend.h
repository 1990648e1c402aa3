// The legend popup's content and drawing: its colours, size and corners, title, the statistics slots, and the
// speed annotations beside long roads. The window itself is the application's; everything here is plain data
// or drawing through a Canvas.
#pragma once
#include <array>
#include <string>

#include "model/NetworkModel.h"
#include "platform/Canvas.h"
#include "render/DrawState.h"

namespace jamlog {

constexpr int legendSlotCount = 15;
constexpr int legendSlotChars = 20;
using LegendSlots = std::array<std::string, legendSlotCount>;

struct LegendColours {
    Colour background = 0, title = 0, first = 0, other = 0, marked = 0; // A, B, C, D after the background
};

// The background and the four text colours derived from its red and green bytes.
LegendColours legendColours(Colour background);

// BackCol x (k x 100 / B) / 100 per channel, k 9 or 5 with the darker tweak, times `Colours` (0 or 1).
// Channels are held at 255 so that a low brightness divisor cannot carry into the next channel.
Colour legendBackground(Colour backCol, int brightness, bool darker, int colours);

struct LegendRect {
    int x = 0, y = 0, width = 0, height = 0;
};

// Width 19 characters; height 9 lines + 4, or 16 lines + 4 with the debug legend.
LegendRect legendSize(int lineHeight, int charWidth, bool debugLegend);
// The legend placed in corner (minutes mod 4) of the primary screen: top-left, top-right, bottom-right, bottom-left.
LegendRect legendAtCorner(LegendRect size, int corner, int primaryW, int primaryH);
// The next corner clockwise from the one whose quarter holds the legend's top-left point.
LegendRect legendNextCorner(LegendRect at, int primaryW, int primaryH);
// The legend's centre moved under (x, y).
LegendRect legendCentredAt(LegendRect at, int x, int y);

// The number of plus signs the title gives a kit: the last digit of the stored kit text ("Update 1"), 0 without one.
int extraKitDigit(const std::string& extraKit);
// The title at (3, 1); empty when none is drawn (release 1 and above with a client height of 200 or more).
std::string legendTitle(int release, const std::string& displayVersion, int extraKit, int clientHeight);

// Everything the slots show.
struct LegendFigures {
    bool neverConfigured = false; // the configuration has never been saved
    bool loading = false;
    bool trainLayout = false; // no roads, or no more roads than counted tracks
    bool fewTracks = false;   // at most one track per nine roads, or Tracks off
    int carsNow = 0, carsMax = 0, carsStuck = 0;
    int trainsNow = 0, trainsStuck = 0, inTerminus = 0;
    int carrs = 4;
    bool vlTrains = true;
    int jams = 0;
    int relief = 0; // 0 none, 1 active, 2 quick
    int elapsedMin = 0;
    int clock = 0; // minutes since midnight
    // Debug legend.
    bool debugLegend = false;
    int bright = 10, tlState = 1, scale = 10, vsl = 1, frameRate = 0, screenW = 0, screenH = 0;
};

// Fills slots 1 to 14 (slot 0, the layout name, is left as it is).
void fillLegendSlots(LegendSlots& slots, const LegendFigures& f);

// One line at (3, y): colour B above fontHeight + 5, else C; a leading "." is dropped and the line drawn in D.
void drawLegendLine(Canvas& c, const LegendColours& colours, int fontHeight, int y, const std::string& text);
// Slots 0-8 (0-15 with the debug legend), each over a blank line first.
void redrawLegendLines(Canvas& c, const LegendColours& colours, int fontHeight, const LegendSlots& slots,
                       bool debugLegend);

// The traffic speed beside road `road` when it is at least 40000 / zoom long.
void drawSpeedAnnotation(Canvas& c, const NetworkModel& m, DrawState& s, int road, int zoom);

} // namespace jamlog
