// Colour arithmetic of the network and vehicle drawing.
#include "render/Colours.h"

namespace jamlog {

namespace {

int safe(int brightness) {
    return brightness == 0 ? 1 : brightness;
}

} // namespace

Tint streetTint(int brightness, bool streetLights) {
    // No glow in full daylight, so that lit() leaves colours unchanged there.
    if (!streetLights || brightness <= fullDaylight)
        return {};
    int half = brightness / 2;
    return {half, half / 6, 0};
}

Colour dim(Colour c, int brightness) {
    int f = 1000 / safe(brightness);
    return rgb(redOf(c) * f / 100, greenOf(c) * f / 100, blueOf(c) * f / 100);
}

Colour lit(Colour c, int brightness, Tint t) {
    int b = safe(brightness);
    return rgb(redOf(c) * 10 / b + t.r, greenOf(c) * 10 / b + t.g, blueOf(c) * 10 / b + t.b);
}

int over(int numerator, int brightness) {
    return (numerator / safe(brightness)) & 0xFF;
}

Colour overRgb(int r, int g, int b, int brightness, Tint t) {
    return rgb(over(r, brightness) + t.r, over(g, brightness) + t.g, over(b, brightness) + t.b);
}

} // namespace jamlog
