// The colour arithmetic of the drawing: dimming by the brightness divisor B, street-lit road colours and fixed
// marking colours written as a numerator over B. Per channel, integer, truncating, masked to 8 bits.
#pragma once
#include "platform/Canvas.h"

namespace jamlog {

constexpr int fullDaylight = 10; // B at full daylight: every function below returns its input unchanged

struct Tint {
    int r = 0, g = 0, b = 0;
};

// Street-light glow for brightness divisor B: (B / 2, (B / 2) / 6, 0) while street lights are on.
Tint streetTint(int brightness, bool streetLights);

// c x (1000 / B) / 100 per channel: background, track beds, light-icon boxes.
Colour dim(Colour c, int brightness);

// c x 10 / B + tint per channel: road surfaces and markings.
Colour lit(Colour c, int brightness, Tint tint);

// (n / B) masked to 8 bits: one channel of a fixed marking colour.
int over(int numerator, int brightness);

// A colour of three numerators over B plus a tint.
Colour overRgb(int r, int g, int b, int brightness, Tint tint = {});

} // namespace jamlog
