// What the vehicle step leaves for the drawing: body geometry, step result and lamps, one per vehicle.
#pragma once
#include "model/NetworkModel.h"

#include <array>
#include <cstdint>

namespace jamlog {

// Step result bits.
constexpr uint8_t drawDiagonalWidth = 1; // use the diagonal width correction
constexpr uint8_t drawHidden = 8;        // do not draw
constexpr uint8_t drawSquareRear = 16;   // rear end square, no rear lamps
constexpr uint8_t drawSquareFront = 32;  // front end square, no front lamps

// Lamp flag bits. The step sets 4, 8, 16, 64 and 128; the drawing adds 1, 2 and 32.
constexpr uint8_t lampHeadlights = 1;
constexpr uint8_t lampRearLights = 2;
constexpr uint8_t lampLeftIndicator = 4;
constexpr uint8_t lampRightIndicator = 8; // both indicators: hazard lights
constexpr uint8_t lampBrake = 16;
constexpr uint8_t lampBlue = 32;
constexpr uint8_t lampCameraFlash = 64; // body drawn white
constexpr uint8_t lampParked = 128;     // in a bay: no head or rear lamps

struct VehicleDrawRecord {
    int32_t axisX = 0; // forward axis, about one lane width long, world units
    int32_t axisY = 0;
    int32_t frontX = 0;
    int32_t frontY = 0;
    int32_t rearX = 0;
    int32_t rearY = 0;
    uint8_t stepResult = 0;
    uint8_t lampFlags = 0;
    uint32_t bodyColour = 0; // 0x00BBGGRR
};

using VehicleDrawTable = std::array<VehicleDrawRecord, vehicleCapacity>;

} // namespace jamlog
