// Assemblies: fixed groups of roads built from the primitives, most as templates for copyRun.
#pragma once
#include <array>

#include "model/Primitives.h"

namespace jamlog {

// Eight-segment ring of half size s about (cx, cy) on roads base..base+7; arc q offers exits[q].
void ringRoundabout(Builder& b, int base, int cx, int cy, int s, const std::array<int, 4>& exits);

// The same ring with s = 500 about the origin, straights offering the exits, turned by 45 degrees.
void ringTemplate(Builder& b, int base, const std::array<int, 4>& exits);

// Four-arm roundabout about cell point (2, 2): quarters 0-3, entries 4, 6, 8, 10 and exits 5, 7, 9, 11.
void fourArmRoundabout(Builder& b, int roundabout, int ringLanes, int radius, const std::array<int, 4>& exits);

// Only the four quarters, about cell point (1, 1) with radius 80.
void miniRoundabout(Builder& b, int roundabout);

// Light-controlled crossing of half size s: crossings base..base+3, right turns base+4..+7, left turns base+8..+11.
// Arms are numbered clockwise from north; approaches[k] arrives from arm k and exits[k] leaves by it.
void lightJunction(Builder& b, int group, int mode, int base, int centre, const std::array<int, 4>& approaches,
                   const std::array<int, 4>& exits, int topLanes, int offset, int s);

} // namespace jamlog
