// "Huge Car Park": four blocks of eleven parking rows beside a two-way street. In each row an eastbound aisle
// offers nine two-space drive-through bays on its nearside; the bays open onto a westbound exit aisle. The
// aisles of a block snake upwards (east U-turns, west hairpins), and every aisle can leave by a link to the
// block's southbound exit spine, which gives way to the street and turns left onto it.
#include "model/layouts/HugeCarPark.h"

#include <cmath>

#include "model/layouts/Layouts.h"

namespace jamlog {

namespace {

constexpr int parkRoads = 710;
constexpr int carScale = 3;

// Block geometry, world units. Row r's aisle lies at y = firstAisleY - r * rowPitch; its exit aisle rowDepth
// above it; the next row's aisle corridorWidth above that.
constexpr int firstAisleX = 2400; // leaves the west entry road 1000 long, so entering cars queue on it
constexpr int firstAisleY = 11900;
constexpr int rowPitch = 820;
constexpr int corridorWidth = 260;
constexpr int spineReach = 450;  // radius of the links from aisle ends down to the exit spine
constexpr int exitRadius = 200;  // spine onto the street
constexpr int entryRadius = 200; // street into the entrance road
constexpr int entryTurn = 200;   // entrance road into the first aisle
constexpr int streetY = 13200;   // eastbound carriageway; westbound one lane width further south
constexpr int streetWestX = 1000;
constexpr int streetEastX = 18000;
constexpr double rightTurnSplit = 0.5235987756; // 30 degrees: where a right turn meets the far carriageway

void aisleRecords(Builder& b, const CarParkBlock& k, int r) {
    NetworkModel& m = b.model();
    const int W = m.laneWidth;
    const int yN = k.aisleY(r) - rowDepth;
    buildParkingRow(b, {.aisle = k.aisle(r),
                        .exitAisle = k.exitAisle(r),
                        .uTurn = k.uTurn(r),
                        .x = k.x,
                        .y = k.aisleY(r),
                        .exitNext = k.hairpin(r)});
    m.road(k.aisle(r)).next[0] = k.spineLink(r); // leave, or go round to the next row
    // West: a half turn to the right from the exit aisle up into the next aisle (the top road above the last).
    const int yNext = yN - corridorWidth, rh = corridorWidth / 2;
    const int next = r + 1 < rowsPerBlock ? k.aisle(r + 1) : k.topRoad();
    b.arcRaw(k.hairpin(r), {.from = {k.x, yN},
                            .to = {k.x, yNext},
                            .centre = {k.x, yN - rh},
                            .bounds = {k.x - rh - W, yNext - W, k.x, yN + W},
                            .next = next,
                            .cw = 1});
}

// A right-turning quarter link from the end of an eastbound road down onto the spine; gives way to the spine.
void spineLink(Builder& b, const CarParkBlock& k, int road, int y, int mergeInto) {
    const int W = b.model().laneWidth, xe = k.aisleEnd(), xs = k.spineX();
    b.arcRaw(road, {.from = {xe, y},
                    .to = {xs, y + spineReach},
                    .centre = {xe, y + spineReach},
                    .bounds = {xe, y - W, xs + W, y + spineReach},
                    .next = mergeInto,
                    .cw = 1});
}

void blockRecords(Builder& b, const CarParkBlock& k, const CarParkStreet& s) {
    NetworkModel& m = b.model();
    const int W = m.laneWidth;
    for (int r = 0; r < rowsPerBlock; ++r)
        aisleRecords(b, k, r);

    const int yT = k.aisleY(rowsPerBlock);
    b.straightRaw(k.topRoad(), {.from = {k.x, yT}, .to = {k.aisleEnd(), yT}, .next = k.topLink()});
    spineLink(b, k, k.topLink(), yT, k.spine(rowsPerBlock - 1));

    // Spine piece p runs from the merge below aisle p + 1 (or the top road) down to the merge below aisle p.
    const int xs = k.spineX();
    for (int p = 0; p < rowsPerBlock; ++p) {
        const int below = p > 0 ? k.spine(p - 1) : k.spineFoot();
        b.straightRaw(
            k.spine(p),
            {.from = {xs, k.aisleY(p + 1) + spineReach}, .to = {xs, k.aisleY(p) + spineReach}, .next = below});
        spineLink(b, k, k.spineLink(p), k.aisleY(p), below);
        m.road(k.spineLink(p)).control = k.spine(p);
    }

    // Foot of the spine: give way to the street, then turn left onto it.
    const int yJ = streetY - exitRadius;
    b.straightRaw(k.spineFoot(), {.from = {xs, k.aisleY(0) + spineReach},
                                  .to = {xs, yJ},
                                  .next = k.exitTurn(),
                                  .ctl = s.eastbound(2 * k.index + 1)});
    const int xm = xs + exitRadius;
    b.arcRaw(k.exitTurn(), {.from = {xs, yJ},
                            .to = {xm, streetY},
                            .centre = {xm, yJ},
                            .bounds = {xs - W, yJ, xm, streetY + W},
                            .next = s.eastbound(2 * k.index + 2)});

    // Entrance: a left turn off the eastbound carriageway, a right turn from the westbound one (waiting short of
    // the far carriageway, then crossing it), the entrance road, and a right turn into the first aisle.
    const int xe = k.entranceX(), yIn = streetY - entryRadius, yTurn = k.aisleY(0) + entryTurn;
    b.arcRaw(k.entryLeft(), {.from = {xe - entryRadius, streetY},
                             .to = {xe, yIn},
                             .centre = {xe - entryRadius, yIn},
                             .bounds = {xe - entryRadius, yIn, xe + W, streetY + W},
                             .next = k.entryRoad()});
    const int rr = entryRadius + W, cx = xe + rr, cy = streetY + W - rr;
    const int qx = cx - static_cast<int>(std::lround(rr * std::sin(rightTurnSplit)));
    const int qy = cy + static_cast<int>(std::lround(rr * std::cos(rightTurnSplit)));
    b.arcRaw(k.entryRightWait(), {.from = {cx, streetY + W},
                                  .to = {qx, qy},
                                  .centre = {cx, cy},
                                  .bounds = {qx - W, qy - W, cx, streetY + 2 * W},
                                  .next = k.entryRightCross(),
                                  .cw = 1,
                                  .ctl = s.eastbound(2 * k.index)});
    b.arcRaw(k.entryRightCross(), {.from = {qx, qy},
                                   .to = {xe, cy},
                                   .centre = {cx, cy},
                                   .bounds = {xe - W, cy, qx + W, qy + W},
                                   .next = k.entryRoad(),
                                   .cw = 1});
    b.straightRaw(k.entryRoad(), {.from = {xe, yIn}, .to = {xe, yTurn}, .next = k.entryIntoAisle()});
    b.arcRaw(k.entryIntoAisle(), {.from = {xe, yTurn},
                                  .to = {k.x, k.aisleY(0)},
                                  .centre = {k.x, yTurn},
                                  .bounds = {xe - W, k.aisleY(0) - W, k.x, yTurn},
                                  .next = k.aisle(0),
                                  .cw = 1});
    m.road(k.entryLeft()).indicator = 4;
    m.road(k.entryRightWait()).indicator = 8;
    m.road(k.exitTurn()).indicator = 4;
}

// The street: eastbound pieces break at every entrance and every spine merge, westbound pieces at every right
// turn in. Vehicles enter and leave at both ends, where each carriageway's end runs into the other's start.
void streetRecords(Builder& b, const CarParkStreet& s) {
    NetworkModel& m = b.model();
    const int W = m.laneWidth;
    int x = streetWestX;
    for (int i = 0; i < eastboundPieces; ++i) {
        const int c = i / 2;
        int endX, n0, n1;
        if (i == eastboundPieces - 1) {
            endX = streetEastX;
            n0 = n1 = s.westbound(0);
        } else if (i % 2 == 0) { // runs up to block c's entrance
            endX = CarParkBlock(c).entranceX() - entryRadius;
            n0 = s.eastbound(i + 1);
            n1 = CarParkBlock(c).entryLeft();
        } else { // runs past the entrance to the merge of block c's spine
            endX = CarParkBlock(c).spineX() + exitRadius;
            n0 = n1 = s.eastbound(i + 1);
        }
        b.straightRaw(s.eastbound(i), {.from = {x, streetY}, .to = {endX, streetY}, .next = n0});
        m.road(s.eastbound(i)).next[1] = n1;
        x = endX;
    }
    x = streetEastX;
    for (int i = 0; i < westboundPieces; ++i) {
        const int c = blocks - 1 - i;
        int endX, n0, n1;
        if (i == westboundPieces - 1) {
            endX = streetWestX;
            n0 = n1 = s.eastbound(0);
        } else {
            endX = CarParkBlock(c).entranceX() + entryRadius + W;
            n0 = s.westbound(i + 1);
            n1 = CarParkBlock(c).entryRightWait();
        }
        b.straightRaw(s.westbound(i), {.from = {x, streetY + W}, .to = {endX, streetY + W}, .next = n0});
        m.road(s.westbound(i)).next[1] = n1;
        x = endX;
    }
}

} // namespace

int CarParkBlock::entranceX() const {
    return x - entryTurn;
}
int CarParkBlock::aisleEnd() const {
    return x + aisleLength;
}
int CarParkBlock::spineX() const {
    return aisleEnd() + spineReach;
}
int CarParkBlock::aisleY(int r) const {
    return firstAisleY - r * rowPitch;
}
CarParkBlock::CarParkBlock(int block) : index(block), x(firstAisleX + block * blockPitch), base(block * blockRoads) {}

void buildHugeCarPark(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "Huge Car Park";
    a.contentFlags = contentRoads | contentCarPark;
    a.cars *= carScale;
    m.roadCount = parkRoads;
    m.trackCount = 0;
    m.riverCount = 0;
    setExtent(m, {.minX = 1000, .minY = 2000, .maxX = 18000, .maxY = 14000});

    const CarParkStreet street;
    for (int c = 0; c < blocks; ++c)
        blockRecords(b, CarParkBlock(c), street);
    streetRecords(b, street);

    setParkingRowFigures(m);
    m.boundaryRoads[0] = street.eastbound(eastboundPieces - 1);
    m.boundaryRoads[1] = street.westbound(westboundPieces - 1);
}

} // namespace jamlog
