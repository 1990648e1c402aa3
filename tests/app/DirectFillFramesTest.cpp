// Vehicles filled straight into the back buffer give the same frames, byte for byte, as the painter drawing
// everything: two views of one run, one each way, compared after each of 200 movement ticks, by day and at night,
// on a road layout with trains, one with boats and the largest car park.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <tuple>

#include "app/SnapshotView.h"
#include "settings/SettingsRecord.h"
#include "sim/CatalogueLayouts.h"
#include "sim/Clock.h"
#include "sim/VirtualClock.h"

using namespace jamlog;

namespace {

constexpr int frameW = 800, frameH = 500;
constexpr int ticks = 200;

std::unique_ptr<SnapshotView> viewOf(int layout, bool night, bool directFill) {
    MemoryProfileStore defaults;
    SimSettings s = simSettingsFromRecord(loadSettings(defaults));
    s.network = layout;
    s.randomMask = 0;
    s.rndSettings = 0;
    s.night = night ? 1 : 0; // the run starts in the dark
    auto v = std::make_unique<SnapshotView>(frameW, frameH, s, catalogueLayouts(), 3);
    v->setDirectFill(directFill);
    return v;
}

// The first row at which two frames of one size differ, or -1.
int firstDifferentRow(const QImage& a, const QImage& b) {
    const size_t rowBytes = static_cast<size_t>(a.width()) * 4;
    for (int y = 0; y < a.height(); ++y)
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), rowBytes) != 0)
            return y;
    return -1;
}

class DirectFillFrames : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(DirectFillFrames, MatchThePainterEveryTick) {
    const auto [layout, night] = GetParam();
    auto direct = viewOf(layout, night, true), painted = viewOf(layout, night, false);
    const int clock = night ? clockAt(0, 30) : clockAt(12, 0);
    direct->start(clock);
    painted->start(clock);
    ASSERT_EQ(direct->drawState().night(), night); // lamps lit on every vehicle, or only on some
    ASSERT_TRUE(direct->drawState().polygonMode && !direct->drawState().smallWindow) << "vehicles drawn as lines";
    VirtualClock directClock(direct->simulation()), paintedClock(painted->simulation());
    ASSERT_EQ(firstDifferentRow(direct->image(), painted->image()), -1) << "first paint";
    int vehicleTicks = 0;
    for (int t = 0; t < ticks; ++t) {
        ASSERT_TRUE(directClock.runUntilFired(timerMove));
        ASSERT_TRUE(paintedClock.runUntilFired(timerMove));
        vehicleTicks += direct->simulation().state().counts.counted + direct->simulation().state().counts.boats > 0;
        ASSERT_EQ(firstDifferentRow(direct->image(), painted->image()), -1) << "tick " << t;
    }
    EXPECT_GT(vehicleTicks, ticks / 2); // vehicles were on the road to be drawn
}

INSTANTIATE_TEST_SUITE_P(LayoutsByDayAndNight, DirectFillFrames,
                         ::testing::Combine(::testing::Values(0, 10, 19), ::testing::Bool()));

} // namespace
