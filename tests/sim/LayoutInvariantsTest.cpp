// The road-traffic invariants on every layout that is built, for thousands of steps with several seeds.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "RoadInvariants.h"
#include "model/BuildLayout.h"
#include "model/LayoutCatalogue.h"
#include "sim/LightGroups.h"

using namespace jamlog;

namespace {

TEST(LayoutInvariantsTest, EveryBuiltLayoutKeepsItsBitmapsAndMovesRight) {
    auto m = std::make_unique<NetworkModel>();
    auto draw = std::make_unique<VehicleDrawTable>();
    for (const int layout : builtLayouts()) {
        for (const uint32_t seed : {3u, 1234u}) {
            clearModel(*m);
            Rng rng(seed);
            BuildParams p;
            p.layout = layout;
            const BuildResult r = buildLayout(*m, rng, p);
            if (!(r.contentFlags & (contentRoads | contentRivers)))
                continue;
            auto used = [](const auto& list) {
                return std::any_of(list.begin(), list.end(), [](int road) { return road >= 0; });
            };
            if (!used(m->boundaryRoads) && !used(m->boundaryRivers))
                continue; // a routine still to be written
            startLightGroups(*m, p.lights, false);
            if (!invariants::checkBitmaps(*m).empty()) continue; // cells blocked by the layout itself: not comparable
            const int cars = (r.contentFlags & contentRoads) ? r.cars : 0;
            const int boatsEnd = (r.contentFlags & contentRivers) ? r.boatsEnd : firstBoat;
            invariants::Counts counts;
            const std::string e = invariants::runChecked(*m, rng, *draw, cars, boatsEnd, 1500, counts, {}, 120, 50);
            EXPECT_EQ(e, "") << "layout " << layout << " seed " << seed;
            EXPECT_GT(counts.entered, 0) << "layout " << layout;
            int inside = 0;
            for (int n = 0; n < cars; ++n)
                inside += vehicleInside(m->vehicles[static_cast<size_t>(n)]);
            for (int n = firstBoat; n < boatsEnd; ++n)
                inside += vehicleInside(m->vehicles[static_cast<size_t>(n)]);
            EXPECT_EQ(counts.entered - counts.left, inside) << "layout " << layout; // inside + outside = all
        }
    }
}

} // namespace
