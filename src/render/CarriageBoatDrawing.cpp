// Railway carriages (which put back the rails they erase) and boats with their hulls and navigation lights.
#include "render/VehicleDrawing.h"

namespace jamlog {

namespace {

constexpr Colour trackBed = 0x607070;
constexpr Colour classicTrackStrip = 0x404040;
constexpr Colour carriageTrace = 0x6000C0;
constexpr Colour riverColour = 0x607048;
constexpr Colour boatTrace = 0xA08080;
constexpr Colour whiteLight = 0x909090;
constexpr Colour portLight = 0x000090;
constexpr Colour starboardLight = 0x009000;
constexpr int bevelBelow = 15;
constexpr int cutEnd = 9999; // a divisor that makes a cut end square
// Colours of the carriage-state debug view, by the low state bits.
constexpr Colour stateColours[8] = {0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
// A run draws body colours for the road vehicles only; carriages and boats whose record has none get these.
constexpr Colour carriageLivery = 0x3048A8; // brick red
constexpr Colour boatHull = 0xD8E0E0;       // off-white

Colour bodyOr(Colour recorded, Colour fallback) {
    return recorded != 0 ? recorded : fallback;
}

} // namespace

void VehiclePainter::moveAndDrawCarriage(int number, int pass) {
    VehicleDrawRecord& d = records[static_cast<size_t>(number)];
    if (pass == drawPass && step)
        step(number);
    if (d.stepResult & drawHidden)
        return;
    bool erase = pass == erasePass;
    Colour eraseColour = s.snowy() ? s.set.backCol : (s.set.rails == railsClassic ? classicTrackStrip : trackBed);
    Colour colour;
    if (erase)
        colour = s.debugOn(debugTraces) ? carriageTrace : dim(eraseColour, s.brightness);
    else if (s.debugOn(debugCarriageState))
        colour = stateColours[m.vehicles[static_cast<size_t>(number)].state & 7];
    else
        colour = dim(shadowed(bodyOr(d.bodyColour, carriageLivery)), s.brightness);
    s.drawColour = colour;
    int cw = s.set.carWid == 0 ? 1 : s.set.carWid;
    if (!s.polygonMode) {
        axisLine(d, cw / s.scale / 2, colour, false);
    } else {
        int w = (s.set.lanWid * 10 / cw / 2) * s.scale;
        carBody(d, w < 1 ? 1 : w, s.set.bevel && s.scale < bevelBelow);
    }
    if (s.debugOn(debugNumberVehicles))
        numberVehicle(number, d, colour, erase);
    if (erase && !(s.set.rails == railsClassic && !s.snowy())) {
        Colour rail = overRgb(1040, 960, 800, s.brightness);
        int width = (s.set.carWid * 6 / s.scale) / 8;
        int ox = d.axisY / 3, oy = -d.axisX / 3;
        PenBrushScope scope(c, {PenStyle::Geometric, width, rail, PenCap::Round}, {false, 0});
        for (int sign : {1, -1})
            c.line(px(d.rearX + sign * ox, d.rearY + sign * oy), px(d.frontX + sign * ox, d.frontY + sign * oy));
    }
}

void VehiclePainter::boatLights(int number, const VehicleDrawRecord& d, int wb, bool erase, Colour eraseColour) {
    bool frontCut = d.stepResult & drawSquareFront, rearCut = d.stepResult & drawSquareRear;
    int radius = s.polygonMode ? 24 / wb + 2 : 1;
    bool noWhite = (s.set.advanced & advancedBoatLights) && (number & 1);
    CanvasPoint f = px(d.frontX, d.frontY), r = px(d.rearX, d.rearY);
    CanvasPoint p{d.axisY / wb, -d.axisX / wb}, a{d.axisX / wb, d.axisY / wb};
    auto light = [&](CanvasPoint at, Colour colour) {
        Colour col = erase ? eraseColour : colour;
        PenBrushScope scope(c, {PenStyle::Null, 0, 0}, {true, col});
        c.ellipse(at.x - radius, at.y - radius, at.x + radius + 1, at.y + radius + 1);
    };
    if (!rearCut && !noWhite)
        light(r, whiteLight);
    if (frontCut)
        return;
    if (!noWhite)
        light(f, whiteLight);
    light({f.x - a.x + p.x, f.y - a.y + p.y}, portLight);
    light({f.x - a.x - p.x, f.y - a.y - p.y}, starboardLight);
}

void VehiclePainter::moveAndDrawBoat(int number, int pass) {
    VehicleDrawRecord& d = records[static_cast<size_t>(number)];
    if (pass == drawPass && step)
        step(number);
    if (d.stepResult & drawHidden)
        return;
    bool erase = pass == erasePass;
    Colour eraseColour = dim(riverColour, s.brightness);
    Colour colour = erase ? (s.debugOn(debugTraces) ? boatTrace : eraseColour)
                          : dim(shadowed(bodyOr(d.bodyColour, boatHull)), s.brightness);
    s.drawColour = colour;
    int cw = s.set.carWid == 0 ? 1 : s.set.carWid;
    int wb = s.set.lanWid * s.scale / cw / 2;
    if (wb < 1)
        wb = 1;
    if (!s.polygonMode) {
        axisLine(d, cw * 3 / s.scale, colour, false);
    } else {
        bool frontCut = d.stepResult & drawSquareFront, rearCut = d.stepResult & drawSquareRear;
        int db = frontCut ? cutEnd : 1, ds = rearCut ? cutEnd : 3;
        CanvasPoint f = px(d.frontX, d.frontY), r = px(d.rearX, d.rearY);
        CanvasPoint p{d.axisY / wb, -d.axisX / wb}, a{d.axisX / wb, d.axisY / wb};
        CanvasPoint q[6] = {
            {f.x - a.x / db + p.x, f.y - a.y / db + p.y}, {r.x + a.x / ds + p.x, r.y + a.y / ds + p.y}, r,
            {r.x + a.x / ds - p.x, r.y + a.y / ds - p.y}, {f.x - a.x / db - p.x, f.y - a.y / db - p.y}, f,
        };
        fill(q, 6, colour);
    }
    if (s.night() || s.debugOn(debugDayLights))
        boatLights(number, d, wb, erase, colour);
}

} // namespace jamlog
