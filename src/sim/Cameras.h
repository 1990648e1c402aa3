// Speed cameras: bit 3 of a road's kind while a camera is live.
#pragma once
#include "model/BuildLayout.h" // cameraBit
#include "model/NetworkModel.h"
#include "model/Rng.h"

namespace jamlog {

constexpr int cameraChance = 12288; // rand() < 12288: 37.5 per cent

// Removes the camera bit and sets it again with probability 37.5 per cent.
void toggleCamera(RoadRecord& road, Rng& rng);

// Sets a limit; a limit of more than 40000 (no limit) removes the camera first.
void setSpeedLimit(RoadRecord& road, int limit);

inline bool cameraLive(const RoadRecord& road) {
    return (road.kind & cameraBit) != 0;
}

} // namespace jamlog
