// Erasing, stepping and drawing of every vehicle on a movement tick: car and lorry bodies with their lamps,
// railway carriages that put their rails back, and boats with navigation lights. Pass -1 erases the vehicle
// where it was last drawn; pass 0 steps it (through the step hook) and draws it at its new place.
#pragma once
#include <functional>

#include "model/NetworkModel.h"
#include "platform/Canvas.h"
#include "render/DrawState.h"
#include "sim/VehicleDrawRecord.h"

namespace jamlog {

constexpr int erasePass = -1;
constexpr int drawPass = 0;
constexpr int emergencyEvery = 50; // with `Fire`, vehicles 0, 50, 100 ... carry blue lamps

// Lamp sides for drawLamp.
constexpr int lampSideLeft = 4;
constexpr int lampSideRight = 8;
constexpr int lampBothSides = lampSideLeft | lampSideRight;

// Steps vehicle `number` and leaves its geometry in its draw record; returns the step result.
using VehicleStepHook = std::function<uint8_t(int number)>;

class VehiclePainter {
public:
    VehiclePainter(Canvas& canvas, const NetworkModel& model, DrawState& state, VehicleDrawTable& records)
        : c(canvas), m(model), s(state), records(records) {}

    VehicleStepHook step;         // called in pass 0; no hook: the vehicle is drawn where its record says
    int originX = 0, originY = 0; // the view's pixel origin, for the visibility test of cars

    void moveAndDrawCar(int number, int pass);
    void moveAndDrawCarriage(int number, int pass);
    void moveAndDrawBoat(int number, int pass);

    // A lamp bar at world point (x, y) of a vehicle with axis (dirX, dirY), in drawColour.
    void drawLamp(int x, int y, int dirX, int dirY, int reach, int sideDiv, int thickDiv, int sides);

    // The car's body width divisor w (includes the scale).
    int carWidthDivisor(const VehicleDrawRecord& d) const;

private:
    void carBody(const VehicleDrawRecord& d, int w, bool octagon);
    void carLamps(int number, VehicleDrawRecord& d, int w);
    void eraseCarLamps(const VehicleDrawRecord& d, int w);
    void numberVehicle(int number, const VehicleDrawRecord& d, Colour back, bool erase);
    void axisLine(const VehicleDrawRecord& d, int width, Colour colour, bool beam);
    void fill(const CanvasPoint* points, int count, Colour colour);
    Colour shadowed(Colour body) const; // black at night with `Shadows` off
    void boatLights(int number, const VehicleDrawRecord& d, int wb, bool erase, Colour eraseColour);
    CanvasPoint px(int x, int y) const { return {x / s.scale, y / s.scale}; }

    Canvas& c;
    const NetworkModel& m;
    DrawState& s;
    VehicleDrawTable& records;
};

} // namespace jamlog
