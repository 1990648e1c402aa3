// jamlog --check-layouts: exit codes for clean layouts, bad arguments and unbuilt layouts, and the build
// parameters taken from the default settings.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/BuildLayout.h"
#include "settings/SettingsRecord.h"
#include "app/Tools.h"
#include "model/InitialRecords.h"
#include "model/LayoutCatalogue.h"
#include "model/LayoutRoutine.h"
#include "sim/CatalogueLayouts.h"

using namespace jamlog;

TEST(CheckLayoutsTool, ExitStatusFollowsWhatWasFound) {
    EXPECT_EQ(runCheckLayouts({"29"}), 0);
    EXPECT_EQ(runCheckLayouts({"0", "29"}), 0);
    EXPECT_EQ(runCheckLayouts({"30"}), 2);
    EXPECT_EQ(runCheckLayouts({"-1"}), 2);
    EXPECT_EQ(runCheckLayouts({"29", "x"}), 2);
    EXPECT_EQ(runCheckLayouts({""}), 2);
    for (int n = 1; n < layoutNumbers; ++n)
        if (!layoutIsBuilt(n))
            EXPECT_EQ(runCheckLayouts({std::to_string(n)}), 1) << n; // not built yet
    EXPECT_EQ(runCheckLayouts({}), 0);    // every built layout: sound, with the catalogue's figures
}

TEST(CheckLayoutsTool, DefaultSettingsGiveTheDefaultBuild) {
    const BuildParams p = buildParamsFrom(defaultSettings(), 17);
    EXPECT_EQ(p.layout, 17);
    EXPECT_EQ(p.contentFlags, contentRoads | contentTracks | contentRivers | contentPelican);
    EXPECT_EQ(p.baseSpeed, 1120);
    EXPECT_EQ(p.lights, 3);
    EXPECT_EQ(p.options, optionFire | optionLongTrains);
    EXPECT_FALSE(p.designer);
    const BuildParams d; // the struct's own defaults agree with the settings' defaults
    EXPECT_EQ(d.contentFlags, p.contentFlags);
    EXPECT_EQ(d.options, p.options);
    EXPECT_EQ(d.cars, p.cars);
    EXPECT_EQ(d.parkWait, p.parkWait);
}

TEST(CheckLayoutsTool, ServiceBuildsTheRequestedLayout) {
    auto m = std::make_unique<NetworkModel>();
    clearModel(*m);
    LayoutRequest q;
    q.layout = 29;
    q.contentFlags = contentRoads;
    q.cars = 100;
    Rng rng(1);
    const LayoutService s = catalogueLayouts();
    const LayoutOutcome out = s.build(*m, rng, q);
    EXPECT_EQ(out.name, "T: Junctions");
    EXPECT_EQ(out.cars, 300);
    EXPECT_EQ(out.switches, contentRoads);
    EXPECT_EQ(s.family(17), 3);
}
