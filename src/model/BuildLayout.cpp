// The layout dispatcher: reset, end stubs, the layout routine, the optional half turn, short-road limits and the
// initial vehicle, train and boat records.
#include "model/BuildLayout.h"

#include <algorithm>

#include "model/InitialRecords.h"
#include "model/LayoutCatalogue.h"
#include "model/TrainLaying.h"

namespace jamlog {

namespace {

constexpr int stubStart = 9899, stubEnd = 9999;
constexpr int designerMargin = 1000;
constexpr int maxBoats = vehicleCapacity - firstBoat;

// Half turn of every counted record and scenery item about the centre of the extent; the extent stays.
void halfTurn(NetworkModel& m) {
    const int sx = m.extentMinX + m.extentMaxX, sy = m.extentMinY + m.extentMaxY;
    auto flipRange = [&](int first, int count) {
        for (int r = first; r < first + count && r < roadCapacity; ++r)
            flipSegment(m.road(r), -1, -1, sx, sy);
    };
    flipRange(0, m.roadCount);
    flipRange(firstTrack, m.trackCount);
    flipRange(firstRiver, m.riverCount);
    for (SceneryItem& s : m.scenery) {
        if (s[0] == 0)
            continue;
        s[1] = sx - s[1];
        s[2] = sy - s[2];
        s[3] = -s[3];
        s[4] = -s[4];
    }
}

// Short roads are limited to half the base speed; a camera goes where that limit is above 40000.
void limitShortRoads(NetworkModel& m, int baseSpeed) {
    const int limit = baseSpeed / 2;
    for (int r = 0; r < m.roadCount && r < roadCapacity; ++r) {
        RoadRecord& road = m.road(r);
        if (road.length >= shortRoadLength)
            continue;
        road.speedLimit = limit;
        if (limit > 40000 && road.kind > 7)
            road.kind -= cameraBit;
    }
}

} // namespace

void buildEndStubs(Builder& b) {
    b.straightRoad(roadStub, {.from = stubStart, .to = stubEnd, .next = trackStub});
    b.straightRoad(trackStub, {.from = stubStart, .to = stubEnd, .next = trackStub});
    b.straightRoad(riverStub, {.from = stubStart, .to = stubEnd, .next = riverStub});
}

BuildResult buildLayout(NetworkModel& m, Rng& rng, const BuildParams& p) {
    m.laneWidth = p.lanWid;
    resetModel(m); // counts, trackAdjust, car park, drive side, tables and vehicle records

    Builder b(m);
    buildEndStubs(b);
    m.longVehicleMaxLane = p.lvm;
    m.stationWait = p.stnWait;
    m.parkWait = p.parkWait;

    BuildResult out;
    out.layout = resolveLayout(p.layout);
    LayoutArgs a;
    a.contentFlags = p.contentFlags;
    a.cars = p.cars;
    a.trains = p.trains;
    a.boats = p.boats;
    a.carLength = p.carLen;
    a.lights = p.lights;
    a.name = "Network";
    if (LayoutRoutine routine = layoutEntry(out.layout).routine)
        routine(b, a);

    int options = p.options;
    if (options & optionFlip)
        halfTurn(m);
    limitShortRoads(m, p.baseSpeed);
    if (a.contentFlags & contentCarPark)
        options |= optionCarPark;

    if (a.contentFlags & contentRoads)
        initialiseRoadVehicles(m, rng, std::clamp(a.cars, 0, firstCarriage), p.baseSpeed, p.carLen, p.vSlow, p.driver,
                               options);
    if (a.contentFlags & contentTracks)
        initialiseTrains(m, rng, a.trains, p.baseSpeed * p.faster / 100, p.carLen, p.carrs,
                         (a.contentFlags & contentShortTrains) ? 2 : 4,
                         (a.contentFlags & contentTrainOption) + options);
    const int boats = std::clamp(a.boats, 0, maxBoats);
    if (a.contentFlags & contentRivers)
        initialiseBoats(m, rng, boats, p.baseSpeed * p.slower / 100, p.carLen, p.advanced);

    if (p.designer) {
        m.extentMinX -= designerMargin;
        m.extentMinY -= designerMargin;
        m.extentMaxX += designerMargin;
        m.extentMaxY += designerMargin;
    }
    m.turnOnRed = (m.driveOnLeft == 0 && !(options & optionAdvanced4)) ? 1 : 0;

    out.contentFlags = a.contentFlags;
    out.cars = a.cars;
    out.trains = a.trains;
    out.boats = a.boats;
    out.roadCount = m.roadCount;
    out.trackCount = m.trackCount;
    out.riverCount = m.riverCount;
    out.countedTracks = m.trackCount - m.trackAdjust;
    out.trainsEnd = (a.contentFlags & contentTracks) ? trainsEnd(m) : firstCarriage;
    out.boatsEnd = (a.contentFlags & contentRivers) ? firstBoat + boats : firstBoat;
    out.name = a.name;
    return out;
}

} // namespace jamlog
