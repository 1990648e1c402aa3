// One car-park row: nine bays, the aisle, the exit aisle and the half turn between them.
#include "model/layouts/CarParkRow.h"

namespace jamlog {

void setParkingRowFigures(NetworkModel& m) {
    m.carPark = {bayOrigin, baysPerAisle, bayLanes, bayPitch};
}

void buildParkingRow(Builder& b, const ParkingRow& row) {
    NetworkModel& m = b.model();
    const int W = m.laneWidth;
    const int yR = row.y, yN = yR - rowDepth, end = row.x + aisleLength;
    for (int j = 0; j < baysPerAisle; ++j) {
        const int x = row.x + bayOrigin + j * bayPitch;
        b.straightRaw(row.aisle - baysPerAisle + j, {.from = {x, yR - W / 2},
                                                     .to = {x, yN + W / 2},
                                                     .topLanes = bayLanes - 1,
                                                     .next = row.exitAisle,
                                                     .ctl = firstBayCode + j});
    }
    b.straightRaw(row.aisle, {.from = {row.x, yR}, .to = {end, yR}, .next = row.uTurn, .ctl = aisleCode});
    b.straightRaw(row.exitAisle, {.from = {end, yN}, .to = {row.x, yN}, .next = row.exitNext});
    // A half turn to the left from the aisle into the exit aisle.
    const int ru = rowDepth / 2;
    b.arcRaw(row.uTurn, {.from = {end, yR},
                         .to = {end, yN},
                         .centre = {end, yR - ru},
                         .bounds = {end, yN - W, end + ru + W, yR + W},
                         .next = row.exitAisle});
}

} // namespace jamlog
