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

// How a junction's lamps work. Main junctions run in the build's lights mode whatever the extras; extra ones have
// lamps only while the extra traffic lights are on (the run starts them dark with the tweak that disables them, or
// when the random draw leaves them out) and give way by the junction test otherwise; part-time ones are switched
// on at busy times by the peak-time lights.
enum class Lamps { main, extra, partTime };
constexpr int lampsFlag = 16; // mode bit 4 of a light junction: its group has the extra lamps

// The light group mode a junction of that kind is built with, from the build's lights mode.
int junctionMode(int lightsMode, Lamps lamps);

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
