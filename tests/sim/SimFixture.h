// A reset model with a builder, a generator and draw records, and helpers that hand-place vehicles on lanes.
#pragma once
#include <memory>

#include "model/Primitives.h"
#include "sim/Occupancy.h"
#include "sim/RoadVehicleStep.h"
#include "support/ModelFixture.h"

struct SimFixture : ModelFixture {
    jamlog::Rng rng{12345};
    std::unique_ptr<jamlog::VehicleDrawTable> draw = std::make_unique<jamlog::VehicleDrawTable>();
    jamlog::VehicleStepArgs args;

    jamlog::VehicleRecord& veh(int n) { return m->vehicles[static_cast<size_t>(n)]; }
    jamlog::LaneStrip& lane(int road, int k) { return m->road(road).lanes[k]; }

    // Puts vehicle n inside the layout on road/lane with its front at pos, marking its cells.
    jamlog::VehicleRecord& place(int n, int road, int laneNo, int pos, int length = 200, int topSpeed = 1120,
                                 int driver = 2) {
        jamlog::VehicleRecord& v = veh(n);
        v.state = 0;
        v.road = road;
        v.lane = laneNo;
        v.pos = pos;
        v.length = length;
        v.topSpeed = topSpeed;
        v.driver = driver;
        v.headway = 0;
        v.speed = 0;
        v.laneTicks = 100;
        const jamlog::RoadRecord& r = m->road(road);
        v.nextRoad = r.next[0];
        v.roadAfterNext = m->road(v.nextRoad).next[0];
        v.routeLaneCap = m->road(v.nextRoad).laneCap;
        jamlog::markRange(lane(road, laneNo), pos - length, pos);
        return v;
    }

    uint8_t step(int n, int relief = 0) {
        int flag = relief;
        return jamlog::stepVehicle(*m, rng, n, args, (*draw)[static_cast<size_t>(n)], flag);
    }

    // Vehicles 0 .. cars-1 outside with a mix of speeds, lengths and driver classes (every 50th pushy).
    void giveRoadVehicles(jamlog::Rng& r, int cars, bool pushyEvery50 = false) {
        for (int n = 0; n < cars; ++n) {
            jamlog::VehicleRecord& v = veh(n);
            jamlog::resetVehicle(v);
            v.topSpeed = 560 + r.next() % 1120;
            static constexpr int lengths[4] = {150, 300, 200, 400};
            v.length = lengths[r.next() >> 13];
            v.driver = r.next() >> 13;
            if (pushyEvery50 && n % 50 == 0)
                v.driver = 0;
            v.headway = v.length / 2;
            v.kindFlags = v.length > 200 ? 1 : 0;
        }
    }

    // A straight line of three two-lane roads, each 4000 units, west to east; road 2 is the boundary road that
    // vehicles leave at and whose successor, road 0, they enter by.
    void buildLine(int topLanes = 1) {
        b.straightRoad(0, 101, 501, topLanes, 1, 1, 1, -1);
        b.straightRoad(1, 501, 901, topLanes, 2, 2, 2, -1);
        b.straightRoad(2, 901, 1301, topLanes, 0, 0, 0, -1);
        m->roadCount = 3;
        m->boundaryRoads[0] = 2;
    }
};
