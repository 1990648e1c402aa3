// The motorway and road layouts built from carriageway chains: every record they count is built by the build
// itself (none is left over from an earlier layout), the figures match the catalogue, and every lane that a
// taper closes or opens is one that traffic can leave or never enters.
#include <gtest/gtest.h>

#include <memory>

#include "model/Bitmap.h"
#include "model/BuildLayout.h"
#include "model/InitialRecords.h"
#include "model/LayoutCatalogue.h"

using namespace jamlog;

namespace {

constexpr int chainLayouts[] = {2, 3, 4, 16, 18};
constexpr int32_t leftOver = -424242; // a length no build writes

struct RoadLayoutRecords : ::testing::TestWithParam<int> {
    std::unique_ptr<NetworkModel> m = std::make_unique<NetworkModel>();
    void build(int options) {
        clearModel(*m);
        for (RoadRecord& r : m->roads)
            r.length = leftOver;
        BuildParams p;
        p.layout = GetParam();
        p.options = options;
        Rng rng(5);
        buildLayout(*m, rng, p);
    }
};

TEST_P(RoadLayoutRecords, EveryCountedRecordIsBuiltAndMatchesTheCatalogue) {
    if (!layoutIsBuilt(GetParam()))
        GTEST_SKIP() << "not built";
    build(0);
    const LayoutEntry& e = layoutEntry(GetParam());
    EXPECT_EQ(m->roadCount, e.roads);
    EXPECT_EQ(m->extentMinX, e.minX);
    EXPECT_EQ(m->extentMaxY, e.maxY);
    for (int n = 0; n < m->roadCount; ++n)
        EXPECT_NE(m->road(n).length, leftOver) << "road " << n << " is counted but not built";
}

// A start taper marks the first cells of lane 1: nothing may drive into that lane from the road before. An end
// taper marks its last cells: the lane must end there, every successor holding traffic to its nearside lane.
TEST_P(RoadLayoutRecords, NoLaneIsBlockedByATaperMarker) {
    if (!layoutIsBuilt(GetParam()))
        GTEST_SKIP() << "not built";
    for (int options : {0, optionFlip}) {
        build(options);
        for (int n = 0; n < m->roadCount; ++n) {
            const RoadRecord& r = m->road(n);
            if (r.topLane < 1 || r.boxCode != 0)
                continue;
            const LaneStrip& lane = r.lanes[1];
            const int last = lane.laneLength / 10 - 1;
            if (last > 0 && anyCellSet(lane.occupancy, 0, 0))
                EXPECT_EQ(r.laneCap, 0) << "road " << n << " opens lane 1 behind a marker but lets traffic in";
            if (last > 0 && anyCellSet(lane.occupancy, last, last))
                for (int s : r.next)
                    EXPECT_EQ(m->road(s).laneCap, 0) << "road " << n << " closes lane 1 but " << s << " goes on";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Chains, RoadLayoutRecords, ::testing::ValuesIn(chainLayouts),
                         [](const ::testing::TestParamInfo<int>& i) { return std::to_string(i.param); });

} // namespace
