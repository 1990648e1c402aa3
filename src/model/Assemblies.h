// Assemblies: fixed groups of roads built from the primitives, most as templates for copyRun.
#pragma once
#include <array>

#include "model/Primitives.h"

namespace jamlog {

// Eight-segment ring of half size s about a raw centre on roads base..base+7; arc q offers exits[q].
struct RingRoundabout {
    int base = 0;
    Point centre{};
    int halfSize = 0;
    std::array<int, 4> exits{};
};
void ringRoundabout(Builder& b, const RingRoundabout& r);
void ringRoundabout(Builder& b, int base, int cx, int cy, int s, const std::array<int, 4>& exits);

// The same ring with s = 500 about the origin, straights offering the exits, turned by 45 degrees.
void ringTemplate(Builder& b, int base, const std::array<int, 4>& exits);

// Four-arm roundabout about cell point (2, 2): quarters 0-3, entries 4, 6, 8, 10 and exits 5, 7, 9, 11.
struct FourArmRoundabout {
    int roundabout = 0;
    int ringLanes = 0;
    int radius = 0;
    std::array<int, 4> exits{};
};
void fourArmRoundabout(Builder& b, const FourArmRoundabout& r);
void fourArmRoundabout(Builder& b, int roundabout, int ringLanes, int radius, const std::array<int, 4>& exits);

// Only the four quarters, about cell point (1, 1) with radius 80.
void miniRoundabout(Builder& b, int roundabout);

// Light-controlled crossing of half size s: crossings base..base+3, right turns base+4..+7, left turns base+8..+11.
// Arms are numbered clockwise from north; approaches[k] arrives from arm k and exits[k] leaves by it. A mode with
// the lamps bit (16) builds a group with lamps.
struct LightJunction {
    int group = 0, mode = 0;
    int base = 0;
    int centre = 0; // cell point
    std::array<int, 4> approaches{}, exits{};
    int topLanes = 0;
    int offset = 0;
    int halfSize = 0;
};
void lightJunction(Builder& b, const LightJunction& j);
void lightJunction(Builder& b, int group, int mode, int base, int centre, const std::array<int, 4>& approaches,
                   const std::array<int, 4>& exits, int topLanes, int offset, int s);

} // namespace jamlog
