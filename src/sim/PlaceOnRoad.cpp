// Body geometry on straight and arc roads, and the joined or straightened body of a vehicle across a road end.
#include "sim/PlaceOnRoad.h"

#include <cmath>
#include <cstdlib>

namespace jamlog {

namespace {

constexpr int sharpKind = 2; // roads of this kind keep a straddling body on one road

int toInt(double v) {
    return static_cast<int>(v);
}

} // namespace

bool placeOnRoad(const RoadRecord& road, VehicleDrawRecord& d, int rear, int span, int lateral, int W) {
    if (road.radius == 0) {
        d.axisX = road.dirXi;
        d.axisY = road.dirYi;
        d.rearX = toInt(road.startX - lateral * road.dirY + rear * road.dirX / W);
        d.rearY = toInt(road.startY + lateral * road.dirX + rear * road.dirY / W);
        d.frontX = d.rearX + toInt(span * road.dirX / W);
        d.frontY = d.rearY + toInt(span * road.dirY / W);
        return true;
    }
    const double sigma = road.clockwise == 1 ? -1.0 : 1.0;
    const double o = static_cast<double>(lateral) * W;
    const double r = road.radius + sigma * o;
    const double alpha = sigma * rear / road.radius;
    const double beta = sigma * span / road.radius;
    const double gamma = o != 0 ? std::fabs(beta) * o / (std::fabs(o) + road.radius) : 0.0;
    const double theta = road.angle + alpha;
    d.rearX = road.centreX + toInt(r * std::cos(theta + gamma));
    d.rearY = road.centreY - toInt(r * std::sin(theta + gamma));
    d.frontX = road.centreX + toInt(r * std::cos(theta + beta));
    d.frontY = road.centreY - toInt(r * std::sin(theta + beta));
    d.axisX = toInt(-W * sigma * std::sin(theta + beta / 2));
    d.axisY = toInt(-W * sigma * std::cos(theta + beta / 2));
    return false;
}

bool placeStraddling(const RoadRecord& front, int frontRear, int frontLateral, const RoadRecord& tail, int tailRear,
                     int tailLateral, int span, int W, VehicleDrawRecord& d) {
    const bool sharp = front.kind == sharpKind || tail.kind == sharpKind;
    const int onTail = tail.length - tailRear; // part of the body still on the tail road
    if (sharp && 2 * onTail > span)
        return placeOnRoad(tail, d, tailRear, span, tailLateral, W);
    const bool straight = placeOnRoad(front, d, frontRear, span, frontLateral, W);
    VehicleDrawRecord t;
    placeOnRoad(tail, t, tailRear, onTail, tailLateral, W);
    d.rearX = t.rearX;
    d.rearY = t.rearY;
    const double ex = d.frontX - t.rearX, ey = d.frontY - t.rearY;
    const double D = std::sqrt(ex * ex + ey * ey);
    const bool turning = std::abs(t.axisX + d.axisX) + std::abs(t.axisY + d.axisY) > W / 4;
    if (D > 0 && D < 17.0 * span / 9 && !sharp && turning) {
        d.axisX = toInt(W * ex / D);
        d.axisY = toInt(W * ey / D);
        d.rearX = d.frontX - toInt(ex * span / D);
        d.rearY = d.frontY - toInt(ey * span / D);
    }
    return straight;
}

} // namespace jamlog
