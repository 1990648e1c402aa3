// The railways and rivers of "City Bridges".
#pragma once
#include "model/Primitives.h"

namespace jamlog {

constexpr int32_t northRailwayY = 8500; // centre line of the northern main line (and of the road that replaces it)

// Two four-track main lines from the west edge to the east edge, on tracks 500-687, with their boundary tracks.
void buildCityRailways(Builder& b, int32_t westX, int32_t eastX);

// The river and its two tributaries on rivers 700-721, with their boundary rivers.
void buildCityRivers(Builder& b);

} // namespace jamlog
