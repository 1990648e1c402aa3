// Record plan and car-park figures of "Huge Car Park", shared by the routine and its checks.
#pragma once
#include "model/layouts/CarParkRow.h"

namespace jamlog {

constexpr int blocks = 4;
constexpr int rowsPerBlock = 11;
constexpr int blockRoads = 174;
constexpr int blockPitch = 4000;
constexpr int eastboundPieces = 2 * blocks + 1;
constexpr int westboundPieces = blocks + 1;

// Record numbers of one block; each row takes eleven records: nine bays, the aisle, the exit aisle.
struct CarParkBlock {
    explicit CarParkBlock(int block);
    int index, x, base; // x: where the aisles start

    int bay(int r, int j) const { return base + 11 * r + j; }
    int aisle(int r) const { return base + 11 * r + baysPerAisle; }
    int exitAisle(int r) const { return aisle(r) + 1; }
    int uTurn(int r) const { return base + 121 + r; }
    int hairpin(int r) const { return base + 132 + r; }
    int topRoad() const { return base + 143; }
    int topLink() const { return base + 144; }
    int spineLink(int r) const { return base + 145 + r; }
    int spine(int p) const { return base + 156 + p; }
    int spineFoot() const { return base + 167; }
    int exitTurn() const { return base + 168; }
    int entryLeft() const { return base + 169; }
    int entryRightWait() const { return base + 170; }
    int entryRightCross() const { return base + 171; }
    int entryRoad() const { return base + 172; }
    int entryIntoAisle() const { return base + 173; }

    int entranceX() const;
    int aisleEnd() const;
    int spineX() const;
    int aisleY(int r) const; // r = rowsPerBlock gives the top road
};

struct CarParkStreet {
    int eastbound(int i) const { return blocks * blockRoads + i; }
    int westbound(int i) const { return blocks * blockRoads + eastboundPieces + i; }
};

} // namespace jamlog
