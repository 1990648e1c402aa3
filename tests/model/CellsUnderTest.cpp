// The cells under a covering road, found by testing only the runs of cells near it, are exactly the cells whose
// middles a test of every cell finds on the road's surface.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "model/RoadBuilder.h"
#include "model/layouts/Junction13Parts.h"

using namespace jamlog;

namespace {

constexpr int W = 130;

RoadRecord segment(int x1, int y1, int x2, int y2, int topLanes = 0, int viaX = 0, int viaY = 0, int cw = 0) {
    RoadRecord r{};
    SegmentArgs a;
    a.x1 = x1, a.y1 = y1, a.x2 = x2, a.y2 = y2;
    a.viaX = viaX, a.viaY = viaY;
    a.topLanes = topLanes;
    a.cw = cw;
    buildSegment(r, a, W);
    return r;
}

struct Low {
    const char* name;
    RoadRecord record;
};

void PrintTo(const Low& low, std::ostream* os) {
    *os << low.name;
}

class CellsUnder : public testing::TestWithParam<Low> {};

TEST_P(CellsUnder, MatchesEveryCellTested) {
    const RoadRecord& low = GetParam().record;
    const int cells = std::min(low.length, maxLaneLength) / 10;
    const CellMiddles middles(low, cells);
    int coveredSomewhere = 0;
    // Roads through the middle of the area at many angles and widths, and some that pass it by.
    for (int angle = 0; angle < 12; ++angle)
        for (int lanes : {0, 2, 4})
            for (int shift : {0, 1700, 6000}) {
                const double t = angle * 3.14159265358979 / 12;
                const int cx = 15000 + shift, cy = 15000 - shift / 2;
                const int dx = static_cast<int>(4000 * std::cos(t)), dy = static_cast<int>(4000 * std::sin(t));
                const RoadRecord cover = segment(cx - dx, cy - dy, cx + dx, cy + dy, lanes);
                std::vector<char> found(static_cast<size_t>(cells), 0);
                markCellsUnder(middles, cover, W, found);
                for (int c = 0; c < cells; ++c) {
                    const bool under = underStraight(cover, pointAlong(low, 10.0 * c + 5), W);
                    ASSERT_EQ(found[static_cast<size_t>(c)] != 0, under)
                        << "cell " << c << ", angle " << angle << ", lanes " << lanes << ", shift " << shift;
                    coveredSomewhere += under;
                }
            }
    EXPECT_GT(coveredSomewhere, 0); // the roads do cross the record
}

INSTANTIATE_TEST_SUITE_P(
    Records, CellsUnder,
    testing::Values(Low{"east", segment(10000, 15000, 20000, 15000)},
                    Low{"steep", segment(14000, 9000, 16500, 21000, 2)},
                    Low{"diagonal", segment(20000, 20000, 10000, 10000, 1)},
                    Low{"longest", segment(12000, 11000, 19500, 19000)},
                    Low{"arc", segment(10000, 15000, 20000, 15000, 1, 15000, 12000, 1)}),
    [](const testing::TestParamInfo<Low>& p) { return std::string(p.param.name); });

} // namespace
