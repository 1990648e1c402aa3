// One row of a car park: an aisle with two-space drive-through bays on its nearside, which open onto an exit aisle
// beside it, and the half turn from the aisle's end into the exit aisle. Shared by every layout with a car park.
#pragma once
#include "model/Primitives.h"

namespace jamlog {

// Bays: the nine bay roads of an aisle are the nine records just below it, each two parking spaces wide; the bay
// at slot j carries code 890 + j, so a car leaving it joins the exit aisle (the record after the aisle) at
// (9 - j) bay pitches less one lane width per space, which is where the bay's far end meets it.
constexpr int baysPerAisle = 9;
constexpr int bayLanes = 2;
constexpr int bayPitch = 300;
constexpr int bayOrigin = 150;    // aisle position of the first bay, less than one pitch
constexpr int aisleCode = 801;    // odd car-park code: cars looking for a space try the bays here
constexpr int firstBayCode = 890; // bay codes 811-898 mark the roads a parked car leaves from
constexpr int rowDepth = 560;     // from an aisle to its exit aisle
constexpr int aisleLength = bayOrigin + baysPerAisle * bayPitch; // the exit aisle starts where slot 9 would lie

// The car-park words of a layout whose rows are all built by buildParkingRow.
void setParkingRowFigures(NetworkModel& m);

// Record numbers and place of a row: the aisle runs east from (x, y), the exit aisle back west rowDepth north of it.
struct ParkingRow {
    int aisle = 0, exitAisle = 0, uTurn = 0; // the bays are the nine records below the aisle
    int x = 0, y = 0;
    int exitNext = 0; // where the exit aisle leads
};
void buildParkingRow(Builder& b, const ParkingRow& row);

} // namespace jamlog
