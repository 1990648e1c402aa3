// Body geometry of a vehicle on a road: axis, front and rear end points of its draw record.
#pragma once
#include "model/NetworkModel.h"
#include "sim/VehicleDrawRecord.h"

namespace jamlog {

// Places a body that starts `rear` units from the road's start and reaches `span` units further, `lateral` lane
// widths to the right of the direction of travel. Returns true when the road is straight.
bool placeOnRoad(const RoadRecord& road, VehicleDrawRecord& d, int rear, int span, int lateral, int W);

// Places a body whose front part lies on `front` from rear distance frontRear (negative) and whose rear part lies on
// the end of `tail`; joins the two, or straightens the body along its chord when it turns from one road onto the
// next. Returns true when the road holding the front end is straight.
bool placeStraddling(const RoadRecord& front, int frontRear, int frontLateral, const RoadRecord& tail, int tailRear,
                     int tailLateral, int span, int W, VehicleDrawRecord& d);

} // namespace jamlog
