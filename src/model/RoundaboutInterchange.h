// Template of a motorway junction with a roundabout over the motorway, on roads 0-27.
#pragma once
#include <array>

#include "model/Primitives.h"

namespace jamlog {

constexpr int interchangeRoads = 28; // the template's records, 0-27

// outward: successors of the eastbound motorway, westbound motorway, southbound and northbound cross road ends.
void roundaboutInterchange(Builder& b, const std::array<int, 4>& outward);

} // namespace jamlog
