// Cars and lorries: the erase polygon with its glow margins (or precise erasing), the body as a quadrilateral or
// bevelled octagon, lines when zoomed out, and the lamps.
#include "render/VehicleDrawing.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace jamlog {

namespace {

constexpr Colour white = 0xFFFFFF;
constexpr Colour blueLamp = 0xFF6060;
constexpr Colour headlight = 0xC0C0C0;
constexpr Colour indicatorAmber = 0x0080FF;
constexpr Colour brakeLight = 0x6060C0;
constexpr Colour tailLight = 0x000080;
constexpr Colour carTrace = 0x800000;
constexpr int headReach = 25, indicatorReach = 75, rearReach = -50, blueReach = 60, snowReach = -20;
constexpr int snowThickDiv = 90;
constexpr int zoomedInBelow = 16; // lamps at their sides below this scale, on the axis from it
constexpr int bevelBelow = 15;    // octagons below this scale
constexpr int lightsEvery = 10;   // in daylight only every tenth car shows its lamps

} // namespace

void VehiclePainter::fill(const CanvasPoint* points, int count, Colour colour) {
    PenBrushScope scope(c, {PenStyle::Null, 0, 0}, {true, colour});
    c.polygon(points, count);
}

Colour VehiclePainter::shadowed(Colour body) const {
    if (!s.set.shadows && s.brightness > 2 * s.set.dimming / 3)
        return 0;
    return body;
}

int VehiclePainter::carWidthDivisor(const VehicleDrawRecord& d) const {
    int corr = 10;
    if (std::abs(d.frontX - d.rearX) < 2)
        corr = s.set.hCorr;
    else if (std::abs(d.frontY - d.rearY) < 2)
        corr = s.set.vCorr;
    else if (d.stepResult & drawDiagonalWidth)
        corr = s.set.aCorr;
    int base = s.set.lanWid * corr / (s.set.carWid == 0 ? 1 : s.set.carWid);
    return (base < 1 ? 1 : base) * s.scale;
}

void VehiclePainter::drawLamp(int x, int y, int dirX, int dirY, int reach, int sideDiv, int thickDiv, int sides) {
    if (reach == 0)
        reach = 1;
    if (sideDiv == 0)
        sideDiv = 1;
    if (thickDiv == 0)
        thickDiv = 1;
    CanvasPoint e = px(x, y);
    int fx = (s.set.glow * dirX / reach) / s.scale, fy = (s.set.glow * dirY / reach) / s.scale;
    int tx = dirY / thickDiv, ty = -dirX / thickDiv;
    auto bar = [&](int ox, int oy) {
        CanvasPoint a{e.x + ox, e.y + oy}, b{a.x + fx, a.y + fy};
        CanvasPoint q[4] = {{a.x + tx, a.y + ty}, {b.x + tx, b.y + ty}, {b.x - tx, b.y - ty}, {a.x - tx, a.y - ty}};
        fill(q, 4, s.drawColour);
    };
    if (s.scale >= zoomedInBelow) {
        bar(0, 0);
        return;
    }
    int sx = dirY / sideDiv, sy = -dirX / sideDiv;
    if (sides & lampSideLeft)
        bar(sx, sy);
    if (sides & lampSideRight)
        bar(-sx, -sy);
}

void VehiclePainter::carBody(const VehicleDrawRecord& d, int w, bool octagon) {
    CanvasPoint f = px(d.frontX, d.frontY), r = px(d.rearX, d.rearY);
    CanvasPoint p{10 * d.axisY / w, -10 * d.axisX / w};
    if (!octagon) {
        CanvasPoint q[4] = {
            {f.x + p.x, f.y + p.y}, {r.x + p.x, r.y + p.y}, {r.x - p.x, r.y - p.y}, {f.x - p.x, f.y - p.y}};
        fill(q, 4, s.drawColour);
        return;
    }
    int vr = (d.stepResult & drawSquareRear) ? w : w + 50, vf = (d.stepResult & drawSquareFront) ? w : w + 50;
    CanvasPoint ar{10 * d.axisX / vr, 10 * d.axisY / vr}, qr{10 * d.axisY / vr, -10 * d.axisX / vr};
    CanvasPoint af{10 * d.axisX / vf, 10 * d.axisY / vf}, qf{10 * d.axisY / vf, -10 * d.axisX / vf};
    CanvasPoint q[8] = {
        {r.x + ar.x + p.x, r.y + ar.y + p.y},
        {r.x + qr.x, r.y + qr.y},
        {r.x - qr.x, r.y - qr.y},
        {r.x + ar.x - p.x, r.y + ar.y - p.y},
        {f.x - af.x - p.x, f.y - af.y - p.y},
        {f.x - qf.x, f.y - qf.y},
        {f.x + qf.x, f.y + qf.y},
        {f.x - af.x + p.x, f.y - af.y + p.y},
    };
    fill(q, 8, s.drawColour);
}

void VehiclePainter::axisLine(const VehicleDrawRecord& d, int width, Colour colour, bool beam) {
    CanvasPoint f = px(d.frontX, d.frontY);
    CanvasPoint r = beam ? px(d.frontX + d.axisX, d.frontY + d.axisY) : px(d.rearX, d.rearY);
    PenBrushScope scope(c, {PenStyle::Geometric, width, colour, PenCap::Round}, {false, 0});
    c.line(f, r);
}

void VehiclePainter::numberVehicle(int number, const VehicleDrawRecord& d, Colour back, bool erase) {
    int sum = redOf(d.bodyColour) + greenOf(d.bodyColour) + blueOf(d.bodyColour);
    CanvasPoint mid = px((d.frontX + d.rearX) / 2, (d.frontY + d.rearY) / 2);
    c.setFont({"Sans Serif", 12, 0, 400, 0});
    c.setTextAlign(TextAlign::TopCentre);
    c.setBackgroundOpaque(true);
    c.setBackgroundColour(back);
    c.setTextColour(erase ? back : (sum < 301 ? white : 0));
    c.text(mid.x, mid.y - 8, std::to_string(number));
}

void VehiclePainter::eraseCarLamps(const VehicleDrawRecord& d, int w) {
    int sideDiv = w / 5 + 1, thick = s.set.lanWid * 9 / 16;
    uint8_t f = d.lampFlags;
    int ind = f & (lampLeftIndicator | lampRightIndicator);
    if (f & lampHeadlights)
        drawLamp(d.frontX, d.frontY, d.axisX, d.axisY, headReach, sideDiv, thick, lampBothSides);
    if (ind)
        drawLamp(d.frontX, d.frontY, d.axisX, d.axisY, indicatorReach, sideDiv, thick, ind);
    if (f & lampRearLights)
        drawLamp(d.rearX, d.rearY, d.axisX, d.axisY, rearReach, sideDiv, thick, lampBothSides);
    if (ind)
        drawLamp(d.rearX, d.rearY, d.axisX, d.axisY, -indicatorReach, sideDiv, thick, ind);
    if (f & lampBlue) {
        int t = thick * 3 / 4;
        if (s.scale < zoomedInBelow) {
            drawLamp(d.frontX, d.frontY, d.axisX, d.axisY, -blueReach, sideDiv, t, lampBothSides);
            drawLamp(d.rearX, d.rearY, d.axisX, d.axisY, blueReach, sideDiv, t, lampBothSides);
        } else {
            drawLamp((d.frontX + d.rearX) / 2, (d.frontY + d.rearY) / 2, d.axisX, d.axisY, blueReach, sideDiv, thick,
                     lampBothSides);
        }
    }
}

void VehiclePainter::carLamps(int number, VehicleDrawRecord& d, int w) {
    d.lampFlags &= static_cast<uint8_t>(~(lampHeadlights | lampRearLights | lampBlue)); // as drawn this time
    if (!s.set.brake)
        d.lampFlags = 0;
    int sideDiv = w / 5 + 1, thick = s.set.lanWid * 9 / 16;
    bool frontCut = d.stepResult & drawSquareFront, rearCut = d.stepResult & drawSquareRear;
    bool parked = d.lampFlags & lampParked;
    int phase = s.flashPhase ? 1 : 0;
    bool emergency = s.set.fire && number % emergencyEvery == 0;
    if (emergency) {
        s.drawColour = blueLamp;
        if (s.scale < zoomedInBelow) {
            if (!frontCut)
                drawLamp(d.frontX, d.frontY, d.axisX, d.axisY, -blueReach, sideDiv, thick * 3 / 4, (2 - phase) * 4);
            if (!rearCut)
                drawLamp(d.rearX, d.rearY, d.axisX, d.axisY, blueReach, sideDiv, thick * 3 / 4, phase * 4 + 4);
            d.lampFlags |= lampBlue;
        } else if (phase == 1) {
            drawLamp((d.frontX + d.rearX) / 2, (d.frontY + d.rearY) / 2, d.axisX, d.axisY, blueReach, sideDiv, thick,
                     lampBothSides);
            d.lampFlags |= lampBlue;
        }
    }
    bool daylightLamps = (s.set.brake && number % lightsEvery == 0 && !s.debugOn(debugNoVehicleLights)) ||
                         (s.set.advanced & advancedScandinavianLights);
    bool lampsOn = s.night() || daylightLamps;
    if (!frontCut && !parked && lampsOn) {
        s.drawColour = headlight;
        drawLamp(d.frontX, d.frontY, d.axisX, d.axisY, headReach, sideDiv, thick, lampBothSides);
        if (emergency) {
            s.drawColour = white;
            drawLamp(d.frontX, d.frontY, d.axisX, d.axisY, headReach, sideDiv, thick, (2 - phase) * 4);
        }
        d.lampFlags |= lampHeadlights;
    }
    int ind = d.lampFlags & (lampLeftIndicator | lampRightIndicator);
    if (ind && phase == 0 && !frontCut) {
        s.drawColour = indicatorAmber;
        drawLamp(d.frontX, d.frontY, d.axisX, d.axisY, indicatorReach, sideDiv, thick, ind);
    }
    bool braking = d.lampFlags & lampBrake;
    if (!rearCut && !parked && (lampsOn || braking)) {
        s.drawColour = braking ? brakeLight : tailLight;
        drawLamp(d.rearX, d.rearY, d.axisX, d.axisY, rearReach, sideDiv, thick, lampBothSides);
        d.lampFlags |= lampRearLights;
    }
    if (ind && phase == 0 && !rearCut) {
        s.drawColour = indicatorAmber;
        drawLamp(d.rearX, d.rearY, d.axisX, d.axisY, -indicatorReach, sideDiv, thick, ind);
    }
}

void VehiclePainter::moveAndDrawCar(int number, int pass) {
    VehicleDrawRecord& d = records[static_cast<size_t>(number)];
    if (pass == drawPass && step)
        step(number);
    if (d.stepResult & drawHidden)
        return;
    CanvasPoint rear = px(d.rearX, d.rearY);
    int rx = rear.x + originX, ry = rear.y + originY;
    if (rx < -9 || rx > s.screenW || ry < -9 || ry > s.screenH)
        return;
    int w = carWidthDivisor(d);
    bool erase = pass == erasePass;
    Colour eraseColour = s.snowy() ? s.set.backCol : s.tarmacColour;
    Colour base = erase ? eraseColour : shadowed(d.bodyColour);
    s.drawColour = lit(base, s.brightness, s.lampTint);
    if (erase && s.debugOn(debugTraces))
        s.drawColour = carTrace;
    if (!erase && (d.lampFlags & lampCameraFlash))
        s.drawColour = white;
    Colour bodyColour = s.drawColour;

    if (!s.polygonMode || s.smallWindow) {
        bool beam = s.night();
        axisLine(d, 1, !erase && beam ? white : bodyColour, beam);
        return;
    }
    bool octagon = s.set.bevel && s.scale < bevelBelow;
    bool precise = (s.set.advanced & advancedPreciseErasing) || (d.lampFlags & lampCameraFlash);
    if (erase && !precise) {
        bool frontCut = d.stepResult & drawSquareFront, rearCut = d.stepResult & drawSquareRear;
        int m1 = (d.lampFlags & (lampHeadlights | lampLeftIndicator | lampRightIndicator)) && !frontCut ? 4 * s.set.glow
                                                                                                        : 20;
        int m2 = (d.lampFlags & (lampRearLights | lampLeftIndicator | lampRightIndicator | lampBrake)) && !rearCut
                     ? 2 * s.set.glow
                     : 10;
        CanvasPoint f = px(d.frontX + m1 * d.axisX / 100, d.frontY + m1 * d.axisY / 100);
        CanvasPoint r = px(d.rearX - m2 * d.axisX / 100, d.rearY - m2 * d.axisY / 100);
        CanvasPoint p{10 * d.axisY / w, -10 * d.axisX / w};
        CanvasPoint q[4] = {
            {f.x + p.x, f.y + p.y}, {r.x + p.x, r.y + p.y}, {r.x - p.x, r.y - p.y}, {f.x - p.x, f.y - p.y}};
        // The body's own shape first: rounding of a bevelled corner on a diagonal can put a pixel of it just
        // outside the outlined quadrilateral.
        carBody(d, w, octagon);
        {
            PenBrushScope scope(c, {PenStyle::Geometric, 9 / s.scale + 2, bodyColour, PenCap::Square},
                                {true, bodyColour});
            c.polygon(q, 4);
        }
    } else {
        carBody(d, w, octagon);
        if (erase)
            eraseCarLamps(d, w);
    }
    if (s.debugOn(debugNumberVehicles))
        numberVehicle(number, d, erase ? bodyColour : d.bodyColour, erase);
    if (erase) {
        if (s.snowy()) {
            s.drawColour = overRgb(1280, 1120, 960, s.brightness);
            drawLamp(d.rearX, d.rearY, d.axisX, d.axisY, snowReach, w / 5 + 1, snowThickDiv, lampBothSides);
        }
        return;
    }
    carLamps(number, d, w);
}

} // namespace jamlog
