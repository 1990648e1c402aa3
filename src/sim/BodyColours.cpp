// Random body colours: each channel one of four levels or 0; grey bodies are tinted by their blue channel.
#include "sim/BodyColours.h"

#include <algorithm>
#include <array>

namespace jamlog {

namespace {

struct Level {
    int below;
    uint32_t value;
};
constexpr std::array<Level, 4> levels{{{6500, 48}, {13100, 96}, {19700, 144}, {26200, 192}}};

uint32_t channel(Rng& rng) {
    const int r = rng.next();
    for (const Level& l : levels)
        if (r < l.below)
            return l.value;
    return 0;
}

} // namespace

void drawBodyColours(VehicleDrawTable& draw, Rng& rng, int count, bool fire) {
    count = std::clamp(count, 0, firstCarriage);
    for (int i = 0; i < count; ++i) {
        const uint32_t red = channel(rng), green = channel(rng);
        uint32_t blue = channel(rng);
        if (red == green && green == blue)
            blue = blue == 192 ? 0 : 192;
        uint32_t colour = red | green << 8 | blue << 16;
        if (fire) {
            if (i % 200 == 0)
                colour = policeColour;
            else if (i % 100 == 0)
                colour = fireEngineColour;
            else if (i % 50 == 0)
                colour = ambulanceColour;
        }
        draw[static_cast<size_t>(i)].bodyColour = colour;
    }
}

} // namespace jamlog
