// The legend's colours, geometry, title and statistics lines, and the speed annotations.
#include "render/Legend.h"

#include <algorithm>
#include <cstdio>

#include "render/NetworkDrawing.h"

namespace jamlog {

namespace {

constexpr int darkLimit = 224;    // r + g below this: a dark background
constexpr int brightGreen = 0x70; // g below this picks the brighter first-line colour
constexpr int legendFactor = 9, darkerLegendFactor = 5;
constexpr int legendMargin = 2;
constexpr int legendLines = 9, debugLegendLines = 16;
constexpr int legendWidthChars = 19;
constexpr int titleMaxHeight = 200;
constexpr int textX = 3;
constexpr int firstLineSlack = 5;
constexpr int maxPlusSigns = 4;
constexpr int annotationLength = 40000;
const std::string blankLine(49, ' ');

std::string format(const char* pattern, int a, int b = 0) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, a, b);
    return buffer;
}

int percentOf(int part, int whole) {
    return part * 100 / (whole + 1);
}

} // namespace

LegendColours legendColours(Colour background) {
    const int r = redOf(background), g = greenOf(background);
    const bool dark = r + g < darkLimit;
    LegendColours c;
    c.background = background;
    c.title = dark ? rgb(g / 2 + 0x60, g / 3 + 0x40, 0) : rgb(g / 4 + 0x30, g / 6 + 0x20, 0);
    c.first = g < brightGreen ? rgb(g / 2, g / 2 + 0x60, 0) : rgb(g / 4, g / 4 + 0x30, 0);
    const int v = dark ? g / 2 + 0x60 : g / 4 + 0x30;
    c.other = rgb(v, v, 0);
    c.marked = r < brightGreen ? rgb(0x80, g / 2 + 0x20, g / 2 + 0x20) : rgb(0x40, g / 6 + 0x10, g / 6 + 0x10);
    return c;
}

Colour legendBackground(Colour backCol, int brightness, bool darker, int colours) {
    const int k = (darker ? darkerLegendFactor : legendFactor) * colours;
    const int percent = k * 100 / std::max(1, brightness);
    auto channel = [&](int v) { return std::min(255, v * percent / 100); };
    return rgb(channel(redOf(backCol)), channel(greenOf(backCol)), channel(blueOf(backCol)));
}

LegendRect legendSize(int lineHeight, int charWidth, bool debugLegend) {
    return {0, 0, legendWidthChars * charWidth, (debugLegend ? debugLegendLines : legendLines) * lineHeight + 4};
}

LegendRect legendAtCorner(LegendRect r, int corner, int primaryW, int primaryH) {
    const int right = primaryW - r.width - legendMargin, bottom = primaryH - r.height - legendMargin;
    static constexpr int onRight[4] = {0, 1, 1, 0}, onBottom[4] = {0, 0, 1, 1};
    const int k = ((corner % 4) + 4) % 4;
    r.x = onRight[k] ? right : legendMargin;
    r.y = onBottom[k] ? bottom : legendMargin;
    return r;
}

LegendRect legendNextCorner(LegendRect at, int primaryW, int primaryH) {
    const bool right = at.x >= primaryW / 2, bottom = at.y >= primaryH / 2;
    const int corner = bottom ? (right ? 2 : 3) : (right ? 1 : 0);
    return legendAtCorner(at, corner + 1, primaryW, primaryH);
}

LegendRect legendCentredAt(LegendRect at, int x, int y) {
    at.x = x - at.width / 2;
    at.y = y - at.height / 2;
    return at;
}

int extraKitDigit(const std::string& extraKit) {
    const auto digit = std::find_if(extraKit.rbegin(), extraKit.rend(), [](char c) { return c >= '0' && c <= '9'; });
    return digit == extraKit.rend() ? 0 : *digit - '0';
}

std::string legendTitle(int release, const std::string& displayVersion, int extraKit, int clientHeight) {
    if (release == 0)
        return "Jamlog " + displayVersion;
    if (clientHeight >= titleMaxHeight)
        return {};
    if (release == 1)
        return "Jamlog 2010 Beta";
    if (release == 2)
        return "Jamlog 2010  RC  ";
    const int plus = std::min(maxPlusSigns, std::abs(extraKit) % 10);
    return "Jamlog 2010 " + std::string(static_cast<size_t>(plus), '+');
}

void fillLegendSlots(LegendSlots& s, const LegendFigures& f) {
    for (int i = 1; i < legendSlotCount; ++i)
        s[static_cast<size_t>(i)].clear();
    if (f.neverConfigured) {
        static const char* const invitation[] = {"Personalise this", "traffic modeller",
                                                 "in its settings:", "run jamlog with", "no options"};
        for (int i = 0; i < 5; ++i)
            s[static_cast<size_t>(i + 2)] = invitation[i];
        return;
    }
    if (f.trainLayout) {
        s[1] = format("TrainsNow = %i", f.trainsNow);
        s[2] = format("TrainsStill = %2i%%", percentOf(f.trainsStuck, f.trainsNow));
        s[3] = f.inTerminus > 0 ? format("InTerminus = %i", f.inTerminus)
                                : format(f.vlTrains ? "Carriages = ~%i" : "Carriages = %i", f.carrs);
    } else {
        s[1] = format("CarsNow = %i", f.carsNow);
        if (f.fewTracks) {
            s[2] = format("CarsMax = %i", f.carsMax);
            s[3] = format("CarsStuck = %2i%%", percentOf(f.carsStuck, f.carsNow));
        } else {
            s[2] = format("TrainsNow = %i", f.trainsNow);
            s[3] = format("TrafficStuck = %2i%%",
                          f.trainsStuck * 50 / (f.trainsNow + 1) + f.carsStuck * 50 / (f.carsNow + 1));
        }
    }
    s[4] = format("Jamlogs = %i", f.jams);
    s[5] = f.relief == 2   ? "Relief = Quick"
           : f.relief == 1 ? (f.trainLayout ? "Relief = SPAD" : "Relief = Active")
                           : "Relief = None";
    s[6] = format("ElapsedMin = %i", f.elapsedMin);
    s[7] = format("SimTime = %02i:%02i", f.clock / 60, f.clock % 60);
    if (f.debugLegend) {
        s[8] = format("Bright = %i", f.bright);
        s[9] = format("TLState = %i", f.tlState);
        s[10] = format("ScaleFct = %i", f.scale);
        s[11] = format("TrainsNow = %i", f.trainsNow);
        s[12] = f.vsl ? "MWay VSL = On" : "MWay VSL = Off";
        s[13] = format("FrameRate = %i", f.frameRate);
        s[14] = format("Screen %ix%i", f.screenW, f.screenH);
    }
    if (f.loading) {
        s[2] = ".Simulation";
        s[3] = ".Information";
        s[5] = ".Loading...";
    }
    for (std::string& line : s)
        if (line.size() > legendSlotChars)
            line.resize(legendSlotChars);
}

void drawLegendLine(Canvas& c, const LegendColours& colours, int fontHeight, int y, const std::string& text) {
    c.setBackgroundOpaque(true);
    c.setBackgroundColour(colours.background);
    const bool marked = !text.empty() && text[0] == '.';
    c.setTextColour(marked ? colours.marked : (y < fontHeight + firstLineSlack ? colours.first : colours.other));
    c.setTextAlign(TextAlign::TopLeft);
    c.text(textX, y, marked ? text.substr(1) : text);
}

void redrawLegendLines(Canvas& c, const LegendColours& colours, int fontHeight, const LegendSlots& slots,
                       bool debugLegend) {
    const int lines = debugLegend ? legendSlotCount : legendLines - 1;
    for (int i = 1; i <= lines; ++i) {
        drawLegendLine(c, colours, fontHeight, fontHeight * i, blankLine);
        drawLegendLine(c, colours, fontHeight, fontHeight * i, slots[static_cast<size_t>(i - 1)]);
    }
}

void drawSpeedAnnotation(Canvas& c, const NetworkModel& m, DrawState& s, int road, int zoom) {
    const RoadRecord& r = m.road(road);
    if (r.length < annotationLength / std::max(1, zoom))
        return;
    const int scale = std::max(1, s.scale);
    Font font;
    font.face = "Sans Serif";
    font.height = 125 / scale + 5;
    font.width = 50 / scale + 2;
    font.weight = 500;
    c.setFont(font);
    // Half way along the lane line beside the road's far side.
    NetworkPainter np(c, m, s);
    const LaneGeometry g = np.laneGeometry(road, -(r.topLane / 2 + 2) * 10);
    const int x = (g.start.x + g.end.x) / 2;
    const int y = (g.start.y + g.end.y) / 2 - font.height / 2;
    c.setBackgroundOpaque(true);
    c.setBackgroundColour(s.backColour);
    const Colour text = (s.backColour & 0xFF00FF) | ((((s.backColour >> 8) & 0xFF) + 64) & 0xFF) << 8;
    c.setTextColour(text);
    c.setTextAlign(TextAlign::TopLeft);
    const int value = ((s.set.updSpd / std::max(1, s.set.procCorr) + s.set.factor) * r.flow) / 16;
    const bool above = y + font.height / 2 <= r.endY() / scale;
    // No right-aligned text on the canvas: a right-aligned "%4i" ends at x, four character widths on.
    if (above)
        c.text(x - 4 * font.width, y, format("%4i", value));
    else
        c.text(x, y, format("%-4i", value));
}

} // namespace jamlog
