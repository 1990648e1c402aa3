// "Huge Car Park": catalogue figures, a clean check, and the car-park codes and words read by the simulation.
#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <vector>

#include "model/BuildLayout.h"
#include "model/LayoutCatalogue.h"
#include "support/ModelFixture.h"

#include "model/LayoutChecker.h"
#include "model/layouts/HugeCarPark.h"
#include "model/layouts/Layouts.h"

using namespace jamlog;

namespace {

constexpr int closeJoin = 5; // units between a road's end and its successor's start

struct CarPark : ModelFixture {
    LayoutArgs args;
    void build(int laneWidth = 130) {
        m->laneWidth = laneWidth;
        buildEndStubs(b);
        args.contentFlags = contentRoads | contentTracks | contentRivers | contentPelican;
        args.cars = 200;
        args.trains = 7;
        args.boats = 9;
        layoutEntry(19).routine(b, args);
    }
    bool isBoundary(int n) const {
        for (int r : m->boundaryRoads)
            if (r == n)
                return true;
        return false;
    }
    // Point at distance d along a straight road, lane k to the right of its line.
    static std::pair<double, double> along(const RoadRecord& r, double d, int k, double W) {
        return {r.startX + d * r.dirX / W - k * r.dirY, r.startY + d * r.dirY / W + k * r.dirX};
    }
    // Roads reachable over successors from the given roads (bays join through the car-park rules instead).
    void checkBays();
    std::vector<char> reachableFrom(const std::vector<int>& from) const {
        std::vector<char> seen(roadCapacity, 0);
        std::deque<int> todo(from.begin(), from.end());
        while (!todo.empty()) {
            int n = todo.front();
            todo.pop_front();
            if (seen[static_cast<size_t>(n)])
                continue;
            seen[static_cast<size_t>(n)] = 1;
            for (int s : m->road(n).next)
                if (!seen[static_cast<size_t>(s)])
                    todo.push_back(s);
        }
        return seen;
    }
};

TEST_F(CarPark, CatalogueFigures) {
    build();
    EXPECT_EQ(args.name, "Huge Car Park");
    EXPECT_EQ(args.contentFlags, contentRoads | contentCarPark); // the user's tracks, rivers, pelicans dropped
    EXPECT_EQ(args.cars, 600);
    EXPECT_EQ(args.trains, 7);
    EXPECT_EQ(args.boats, 9);
    EXPECT_EQ(m->roadCount, 710);
    EXPECT_EQ(m->trackCount, 0);
    EXPECT_EQ(m->riverCount, 0);
    EXPECT_EQ(m->extentMinX, 1000);
    EXPECT_EQ(m->extentMinY, 2000);
    EXPECT_EQ(m->extentMaxX, 18000);
    EXPECT_EQ(m->extentMaxY, 14000);
    EXPECT_EQ(m->driveOnLeft, 1);
    EXPECT_EQ(m->carPark[0], bayOrigin);
    EXPECT_EQ(m->carPark[1], baysPerAisle);
    EXPECT_EQ(m->carPark[2], bayLanes);
    EXPECT_EQ(m->carPark[3], bayPitch);
}

TEST_F(CarPark, CheckerCleanAtEveryLaneWidth) {
    for (int W : {100, 130, 180}) {
        resetModel(*m);
        build(W);
        auto problems = checkLayout(*m);
        EXPECT_TRUE(problems.empty()) << "lane width " << W << "\n" << layoutReport(*m, problems);
    }
}

TEST_F(CarPark, RoadsMeetEndToStart) {
    build();
    // The end stubs fall inside the counted range and must have been rebuilt as car-park roads.
    for (int n : {roadStub, trackStub, riverStub})
        EXPECT_LT(m->road(n).startX, m->extentMaxX) << n;
    for (int n = 0; n < m->roadCount; ++n) {
        const RoadRecord& r = m->road(n);
        if (r.control >= 811 && r.control <= 898)
            continue; // bays: below
        for (int s : r.next) {
            ASSERT_TRUE(s >= 0 && s < m->roadCount) << n << " -> " << s;
            if (isBoundary(n))
                continue; // leaving vehicles go no further; entering ones start on s
            const RoadRecord& t = m->road(s);
            EXPECT_LE(std::hypot(t.startX - r.endX(), t.startY - r.endY()), closeJoin) << n << " -> " << s;
        }
    }
}

TEST_F(CarPark, AislesAndBaysAgreeWithTheCarParkWords) {
    build();
    checkBays();
}

// The half turn of the dispatcher moves every record, but positions along roads stay: bays still line up.
TEST_F(CarPark, HalfTurnKeepsBaysLinedUp) {
    build();
    for (int n = 0; n < m->roadCount; ++n)
        flipSegment(m->road(n), -1, -1, m->extentMinX + m->extentMaxX, m->extentMinY + m->extentMaxY);
    checkBays();
    auto problems = checkLayout(*m);
    EXPECT_TRUE(problems.empty()) << layoutReport(*m, problems);
}

void CarPark::checkBays() {
    const int W = m->laneWidth, origin = m->carPark[0], first = m->carPark[1], lanes = m->carPark[2],
              pitch = m->carPark[3];
    ASSERT_LT(origin, pitch); // a search from the aisle's start never reaches below the first bay
    int aisles = 0, bays = 0;
    for (int R = 0; R < m->roadCount; ++R) {
        const RoadRecord& aisle = m->road(R);
        if (aisle.control != aisleCode)
            continue;
        ++aisles;
        // The first road searched from the aisle's start and from its end.
        EXPECT_EQ((0 - origin) / pitch - first + R, R - first) << R;
        EXPECT_GE((aisle.length - origin) / pitch - first + R, R) << R;
        const RoadRecord& exit = m->road(R + 1);
        EXPECT_TRUE(exit.control < 801 || exit.control > 899) << R + 1;
        for (int B = R - first; B < R; ++B) {
            const RoadRecord& bay = m->road(B);
            ++bays;
            ASSERT_GE(bay.control, 811) << B;
            ASSERT_LE(bay.control, 898) << B;
            EXPECT_EQ(bay.topLane, lanes - 1) << B;
            EXPECT_GT(bay.length, 305) << B; // cars wait at 281-305 along the bay
            for (int s : bay.next)
                EXPECT_EQ(s, R + 1) << B;
            for (int k = 0; k < lanes; ++k) {
                // In: the car's front reaches the mouth on the aisle just where the space starts.
                const int mouth = W * k + (first - R + B) * pitch + origin;
                ASSERT_LE(mouth + 100, aisle.length) << B;
                auto [ax, ay] = along(aisle, mouth, 0, W);
                auto [bx, by] = along(bay, 0, k, W);
                EXPECT_LE(std::hypot(ax - bx, ay - by), W) << B << " lane " << k;
                // Out: the car appears on the exit aisle where the space ends.
                const int at = (first - bay.control + 890) * pitch - W * k;
                ASSERT_GE(at, 0) << B;
                ASSERT_LE(at, exit.length) << B;
                auto [jx, jy] = along(exit, at, 0, W);
                auto [ex, ey] = along(bay, bay.length, k, W);
                EXPECT_LE(std::hypot(jx - ex, jy - ey), W) << B << " lane " << k;
            }
        }
    }
    EXPECT_EQ(aisles, blocks * rowsPerBlock);
    EXPECT_EQ(bays, blocks * rowsPerBlock * baysPerAisle);
    // No other record carries a car-park code: only aisles and their bays.
    int coded = 0;
    for (int n = 0; n < m->roadCount; ++n)
        coded += m->road(n).control >= 801 && m->road(n).control <= 899;
    EXPECT_EQ(coded, aisles + bays);
}

TEST_F(CarPark, EveryAisleReachableAndEveryBayLeadsOut) {
    build();
    std::vector<int> entries;
    for (int n : m->boundaryRoads)
        if (n >= 0)
            entries.push_back(m->road(n).next[0]);
    ASSERT_EQ(entries.size(), 2u);
    auto fromOutside = reachableFrom(entries);
    for (int n = 0; n < m->roadCount; ++n) {
        const RoadRecord& r = m->road(n);
        const bool bay = r.control >= 811 && r.control <= 898;
        if (r.control == aisleCode)
            EXPECT_TRUE(fromOutside[static_cast<size_t>(n)]) << "aisle " << n;
        if (!bay)
            EXPECT_TRUE(fromOutside[static_cast<size_t>(n)]) << n;
        if (!bay)
            continue;
        auto fromBay = reachableFrom({r.next[2]});
        EXPECT_TRUE(fromBay[static_cast<size_t>(m->boundaryRoads[0])] ||
                    fromBay[static_cast<size_t>(m->boundaryRoads[1])])
            << "bay " << n;
    }
}

TEST_F(CarPark, BoundaryEntriesAreTheStreetEnds) {
    build();
    int used = 0;
    for (int n : m->boundaryRoads) {
        if (n < 0)
            continue;
        ++used;
        ASSERT_LT(n, m->roadCount);
        const RoadRecord& r = m->road(n);
        const bool westEnd = r.endX() == m->extentMinX, eastEnd = r.endX() == m->extentMaxX;
        EXPECT_TRUE(westEnd || eastEnd) << n;
        const RoadRecord& entry = m->road(r.next[0]);
        EXPECT_EQ(entry.startX, r.endX()) << n;
        EXPECT_LE(std::abs(entry.startY - r.endY()), 300) << n;
        EXPECT_EQ(r.next[0], r.next[1]);
        EXPECT_EQ(r.next[0], r.next[2]);
        EXPECT_EQ(entry.control, -1) << "vehicles start on a plain street";
    }
    EXPECT_EQ(used, 2);
}

TEST_F(CarPark, MergesAndTheRightTurnGiveWay) {
    build();
    const CarParkStreet street;
    for (int c = 0; c < blocks; ++c) {
        const CarParkBlock k(c);
        // Each link onto the spine yields to the spine piece arriving at the same point.
        for (int r = 0; r < rowsPerBlock; ++r) {
            const RoadRecord& link = m->road(k.spineLink(r));
            const RoadRecord& spine = m->road(link.control);
            EXPECT_EQ(link.control, k.spine(r));
            EXPECT_EQ(spine.next[0], link.next[0]);
            EXPECT_LE(std::hypot(spine.endX() - link.endX(), spine.endY() - link.endY()), closeJoin);
        }
        // The spine's foot yields to the eastbound street it turns onto; the right turn in yields to the
        // eastbound street that it crosses, before it crosses.
        const RoadRecord& foot = m->road(k.spineFoot());
        EXPECT_EQ(m->road(foot.control).next[0], m->road(k.exitTurn()).next[0]);
        const RoadRecord& wait = m->road(k.entryRightWait());
        const RoadRecord& eastbound = m->road(wait.control);
        EXPECT_EQ(wait.control, street.eastbound(2 * c));
        EXPECT_GT(wait.endY(), eastbound.startY + m->laneWidth / 2 - 10); // still short of the far carriageway
        EXPECT_LT(m->road(k.entryRightCross()).endY(), eastbound.startY);
    }
}

} // namespace

namespace {

// The checker judges a bay by where its cars come out, so a bay with the wrong code is reported.
TEST_F(CarPark, CheckerCatchesABayWithTheWrongCode) {
    build();
    const CarParkBlock k(1);
    m->road(k.bay(4, 2)).control = firstBayCode + 5;
    bool reported = false;
    for (const auto& p : checkLayout(*m))
        reported |= p.road == k.bay(4, 2) && p.severity == Severity::Error && p.text.find("space 0 joins") == 0;
    EXPECT_TRUE(reported) << layoutReport(*m, checkLayout(*m));
}

} // namespace
