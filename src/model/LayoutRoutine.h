// The contract between the layout dispatcher and the layout routines.
#pragma once
#include "model/Primitives.h"

#include <string>

namespace jamlog {

// Content flag bits of a layout.
constexpr int contentRoads = 1;
constexpr int contentTracks = 2;
constexpr int contentRivers = 4;
constexpr int contentDrawFlag = 8;      // read by the network drawing
constexpr int contentShortTrains = 16;  // the train initialisation uses 2 instead of 4
constexpr int contentTrainOption = 32;  // added to the trains' option bits
constexpr int contentCarPark = 64;
constexpr int contentPelican = 128;

// What a routine reads and writes besides the model. The dispatcher fills the inputs and the user's wishes;
// the routine replaces contentFlags with what the layout holds and scales the three counts.
struct LayoutArgs {
    int contentFlags = 0; // in/out
    int cars = 0;         // in/out
    int trains = 0;       // in/out
    int boats = 0;        // in/out
    int carLength = 200;  // in: CarLen, for hidden cells at tunnel mouths
    int lights = 1;       // in: TLights + 1
    std::string name;     // out: the display name
};

using LayoutRoutine = void (*)(Builder& b, LayoutArgs& a);

} // namespace jamlog
