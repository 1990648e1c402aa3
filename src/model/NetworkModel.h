// The in-memory network: vehicle table, road table (roads, tracks, rivers) and the network-wide tables.
// Plain fixed-capacity data; records refer to one another by number only.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "model/Bitmap.h"

namespace jamlog {

constexpr int vehicleCapacity = 2300;
constexpr int firstCarriage = 2000;
constexpr int firstBoat = 2200;
constexpr int roadCapacity = 750;
constexpr int firstTrack = 500;
constexpr int firstRiver = 700;
constexpr int maxLanes = 5;
constexpr int maxLaneLength = 7999;
constexpr int noSpeedLimit = 50000;
constexpr int roadStub = 499;
constexpr int trackStub = 599;
constexpr int riverStub = 699;
constexpr int noSuccessor = 999; // a next0 at or above this leaves successors unchanged

struct LaneStrip {
    int32_t laneLength;
    uint32_t occupancy[cellWords];
};

// Drawing styles of a record's edgeStyle: a platform beside a track, and a one-way link (inside a junction or
// roundabout, or a loop) drawn with a solid line on both edges.
constexpr int32_t edgeStylePlatform = 1;
constexpr int32_t edgeStyleLink = 3;

// One directed segment of road, track or river: exactly 200 32-bit words, fields at fixed word positions.
struct RoadRecord {
    int32_t length;
    int32_t topLane;
    int32_t laneCap;
    int32_t edgeStyle;
    int32_t signalState;
    int32_t clockwise;
    int32_t boxCode;
    int32_t indicator;
    int32_t kind;
    int32_t speedLimit;
    int32_t flow;
    int32_t control;
    int32_t next[3];
    int32_t isArc;
    int32_t nearsideGain;
    LaneStrip lanes[maxLanes];
    uint32_t hiddenBits[cellWords];
    double dirX;
    double dirY;
    double angle; // radians, y-up convention
    int32_t arcBox[4];
    int32_t backX, backY;
    int32_t dirXi, dirYi;
    int32_t startX, startY;
    int32_t centreX, centreY;
    int32_t radius;
    int32_t outline[8]; // four corners (x, y)
    int32_t spare;

    int32_t endX() const { return startX - backX; }
    int32_t endY() const { return startY - backY; }
    bool arc() const { return centreX != 0; }
};

struct RoundaboutShape {
    int32_t compass[10]; // west, north, east, south, west again (x, y)
    int32_t corners[8];  // bounding square: top-left, top-right, bottom-right, bottom-left (x, y)
    int32_t radius;
    int32_t spare;
};

constexpr int roadLightGroups = 25; // entries 0-24 of the light group table; 25-49 hold the rail signal groups

// Light group modes.
constexpr int lightsFourPhase = 1;
constexpr int lightsFourPhaseNoClearance = 2;
constexpr int lightsTwoPhase = 3;
constexpr int lightsTwoPhaseNoRedAmber = 4;
constexpr int lightsOff = 5;
constexpr int lightsPartTimeOff = 10;
constexpr int lightsPartTimeOn = 11;
constexpr int lightsPelican = 12;
// Rail signal groups: lamps for the signals at the ends of their four tracks, whose states the railway tick
// writes; 7 also marks its second approach. No lights operation steps, switches or restarts them.
constexpr int railSignals = 6;
constexpr int railSignalsMarked = 7;

struct LightGroup {
    int32_t mode; // 0 = no group
    int32_t arms[4];
    int32_t phase;
    int32_t tailback;
    int32_t hasLights;
};

struct VehicleRecord {
    int32_t topSpeed;
    int32_t speed;
    int32_t length;
    int32_t headway;
    int32_t pos;
    int32_t lane;
    int32_t roadAfterNext;
    int32_t nextRoad;
    int32_t road;
    int32_t routeLaneCap;
    int32_t state;
    int32_t laneTicks;
    int32_t tailRoad;
    int32_t tailOverhang;
    int32_t tailLane;
    int32_t kindFlags;
    int32_t waitCount;
    int32_t prevRoad;
    int32_t driver;
};

constexpr int vehicleOutside = 1;        // state bit 0: waiting outside the layout
constexpr int vehicleLookingForPark = 2; // state bit 1: looking for a car park
constexpr int vehicleCarParkUser = 4;    // state bit 2: a car-park user
constexpr int vehicleParked = 4;         // the state value of a vehicle parked in a bay

using Table10 = std::array<int32_t, 10>;
using Table9 = std::array<int32_t, 9>;
using SceneryItem = std::array<int32_t, 5>; // kind, x, y, dx, dy

struct NetworkModel {
    std::array<VehicleRecord, vehicleCapacity> vehicles;
    std::array<RoadRecord, roadCapacity> roads;
    int32_t laneWidth;
    int32_t roadCount;
    int32_t trackCount;
    int32_t riverCount;
    int32_t trackAdjust;
    int32_t driveOnLeft;
    int32_t turnOnRed;
    int32_t longVehicleMaxLane;
    int32_t stationWait;
    int32_t parkWait;
    std::array<int32_t, 20> boundaryRoads;
    std::array<int32_t, 10> boundaryTracks;
    std::array<int32_t, 10> boundaryRivers;
    std::array<RoundaboutShape, 10> roundabouts;
    std::array<LightGroup, 50> lightGroups;
    std::array<Table10, 20> signalPlans;
    std::array<Table10, 50> trainTableB;
    std::array<Table10, 50> trainTableC;
    std::array<Table9, 50> table9;
    std::array<int32_t, 50> table1;
    std::array<SceneryItem, 50> scenery;
    std::array<int32_t, 4> carPark;
    int32_t extentMinX, extentMinY, extentMaxX, extentMaxY;

    RoadRecord& road(int n) { return roads[static_cast<size_t>(n)]; }
    const RoadRecord& road(int n) const { return roads[static_cast<size_t>(n)]; }
};

// All fields zero, as at construction. The model is large (about 650 KB): keep it on the heap.
void clearModel(NetworkModel& model);

// Resets header, tables, vehicle table and every lane bitmap before a rebuild; the other road fields are left for
// the builder to overwrite.
void resetModel(NetworkModel& model);

// Puts every vehicle record into its state before a run's vehicles are given their kinds and speeds.
void resetVehicle(VehicleRecord& v);

static_assert(sizeof(LaneStrip) == 26 * 4);
static_assert(sizeof(RoadRecord) == 200 * 4, "a road record is exactly 200 words");
static_assert(offsetof(RoadRecord, next) == 12 * 4);
static_assert(offsetof(RoadRecord, lanes) == 17 * 4);
static_assert(offsetof(RoadRecord, hiddenBits) == 147 * 4);
static_assert(offsetof(RoadRecord, dirX) == 172 * 4);
static_assert(offsetof(RoadRecord, angle) == 176 * 4);
static_assert(offsetof(RoadRecord, arcBox) == 178 * 4);
static_assert(offsetof(RoadRecord, startX) == 186 * 4);
static_assert(offsetof(RoadRecord, radius) == 190 * 4);
static_assert(offsetof(RoadRecord, outline) == 191 * 4);
static_assert(sizeof(VehicleRecord) == 19 * 4, "a vehicle record is exactly 19 words");
static_assert(offsetof(VehicleRecord, driver) == 18 * 4);
static_assert(sizeof(RoundaboutShape) == 20 * 4);
static_assert(sizeof(LightGroup) == 8 * 4);

} // namespace jamlog
