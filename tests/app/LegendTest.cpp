// The legend: colour derivation, background, corners, title by release and the slots.
#include <gtest/gtest.h>

#include "platform/RecordingCanvas.h"
#include "render/Legend.h"

using namespace jamlog;

TEST(Legend, ColoursOfTheDefaultGreenBackground) {
    const LegendColours c = legendColours(0x007000); // r 0, g 0x70: dark
    EXPECT_EQ(c.title, rgb(0x98, 0x65, 0));
    EXPECT_EQ(c.first, rgb(0x1C, 0x4C, 0)); // g is not below 0x70
    EXPECT_EQ(c.other, rgb(0x98, 0x98, 0));
    EXPECT_EQ(c.marked, rgb(0x80, 0x58, 0x58));
    const LegendColours light = legendColours(rgb(0x90, 0x60, 0x10)); // r + g = 240: not dark, r >= 0x70
    EXPECT_EQ(light.title, rgb(0x48, 0x30, 0));
    EXPECT_EQ(light.first, rgb(0x30, 0x90, 0));
    EXPECT_EQ(light.other, rgb(0x48, 0x48, 0));
    EXPECT_EQ(light.marked, rgb(0x40, 0x20, 0x20));
}

TEST(Legend, BackgroundScalesWithBrightnessAndStartsBlackWithoutColours) {
    EXPECT_EQ(legendBackground(0x007000, 10, false, 1), 0x006400u); // 112 x 90 / 100
    EXPECT_EQ(legendBackground(0x007000, 10, true, 1), 0x003800u);  // k 5: 112 x 50 / 100
    EXPECT_EQ(legendBackground(0x505050, 10, false, 0), 0u);
    // A low divisor never carries into the next channel.
    EXPECT_EQ(legendBackground(0x00C0C0, 1, false, 1), 0x00FFFFu);
}

TEST(Legend, SizeCornersAndTheClockwiseWalk) {
    const LegendRect r = legendSize(16, 8, false);
    EXPECT_EQ(r.width, 152);
    EXPECT_EQ(r.height, 148);
    EXPECT_EQ(legendSize(16, 8, true).height, 260);
    LegendRect corners[4];
    for (int k = 0; k < 4; ++k)
        corners[k] = legendAtCorner(r, k, 1920, 1080);
    EXPECT_EQ(corners[0].x, 2);
    EXPECT_EQ(corners[0].y, 2);
    EXPECT_EQ(corners[1].x, 1766);
    EXPECT_EQ(corners[1].y, 2);
    EXPECT_EQ(corners[2].x, 1766);
    EXPECT_EQ(corners[2].y, 930);
    EXPECT_EQ(corners[3].x, 2);
    EXPECT_EQ(corners[3].y, 930);
    EXPECT_EQ(legendAtCorner(r, 7, 1920, 1080).y, 930); // minute 7: bottom-left
    for (int k = 0; k < 4; ++k) {
        const LegendRect next = legendNextCorner(corners[k], 1920, 1080);
        EXPECT_EQ(next.x, corners[(k + 1) % 4].x) << k;
        EXPECT_EQ(next.y, corners[(k + 1) % 4].y) << k;
    }
    // Judged by the half of the screen the top-left point lies in, wherever it was dropped.
    EXPECT_EQ(legendNextCorner(LegendRect{1000, 100, 152, 148}, 1920, 1080).y, 930);
    const LegendRect moved = legendCentredAt(corners[0], 500, 400);
    EXPECT_EQ(moved.x, 424);
    EXPECT_EQ(moved.y, 326);
    EXPECT_EQ(moved.width, 152);
}

TEST(Legend, TitleByReleaseAndHeight) {
    EXPECT_EQ(legendTitle(0, "5.01", 0, 260), "Jamlog 5.01"); // a test build shows it at any height
    EXPECT_EQ(legendTitle(1, "", 0, 148), "Jamlog 2010 Beta");
    EXPECT_EQ(legendTitle(2, "", 0, 148), "Jamlog 2010  RC  ");
    EXPECT_EQ(legendTitle(3, "", 12, 148), "Jamlog 2010 ++");
    EXPECT_EQ(legendTitle(3, "", 9, 148), "Jamlog 2010 ++++");
    EXPECT_EQ(legendTitle(3, "", 0, 199), "Jamlog 2010 ");
    EXPECT_EQ(legendTitle(3, "", 2, 260), ""); // the 16-line debug legend has no title
    EXPECT_EQ(legendTitle(2, "", 2, 200), "");
}

TEST(Legend, SlotsOfRoadAndTrainLayouts) {
    LegendSlots s;
    s[0] = "Classic";
    LegendFigures f;
    f.carsNow = 99;
    f.carsStuck = 50;
    f.carsMax = 180;
    f.fewTracks = true;
    f.jams = 3;
    f.relief = 1;
    f.elapsedMin = 42;
    f.clock = 605;
    fillLegendSlots(s, f);
    EXPECT_EQ(s[0], "Classic");
    EXPECT_EQ(s[1], "CarsNow = 99");
    EXPECT_EQ(s[2], "CarsMax = 180");
    EXPECT_EQ(s[3], "CarsStuck = 50%");
    EXPECT_EQ(s[4], "Jamlogs = 3");
    EXPECT_EQ(s[5], "Relief = Active");
    EXPECT_EQ(s[6], "ElapsedMin = 42");
    EXPECT_EQ(s[7], "SimTime = 10:05");
    EXPECT_EQ(s[8], "");
    f.fewTracks = false;
    f.trainsNow = 9;
    f.trainsStuck = 3; // 3 x 50 / 10 + 50 x 50 / 100 = 15 + 25
    fillLegendSlots(s, f);
    EXPECT_EQ(s[3], "TrafficStuck = 40%");
    f.trainLayout = true;
    f.relief = 2;
    fillLegendSlots(s, f);
    EXPECT_EQ(s[2], "TrainsStill = 30%");
    EXPECT_EQ(s[3], "Carriages = ~4");
    EXPECT_EQ(s[5], "Relief = Quick");
    f.inTerminus = 2;
    f.relief = 1;
    fillLegendSlots(s, f);
    EXPECT_EQ(s[3], "InTerminus = 2");
    EXPECT_EQ(s[5], "Relief = SPAD");
}

TEST(Legend, DebugLoadingAndFirstStartSlots) {
    LegendSlots s;
    LegendFigures f;
    f.debugLegend = true;
    f.vsl = 1;
    f.screenW = 1920;
    f.screenH = 1080;
    f.loading = true;
    fillLegendSlots(s, f);
    EXPECT_EQ(s[12], "MWay VSL = On");
    EXPECT_EQ(s[14], "Screen 1920x1080");
    EXPECT_EQ(s[2], ".Simulation");
    EXPECT_EQ(s[3], ".Information");
    EXPECT_EQ(s[5], ".Loading...");
    f = LegendFigures{};
    f.neverConfigured = true;
    fillLegendSlots(s, f);
    EXPECT_EQ(s[1], "");
    EXPECT_EQ(s[2], "Personalise this");
    EXPECT_EQ(s[4], "in its settings:");
    EXPECT_EQ(s[5], "run jamlog with"); // the configuration program, as a Linux user starts it
    EXPECT_EQ(s[6], "no options");
    EXPECT_EQ(s[7], "");
}

TEST(Legend, LinesDrawBlankFirstAndDotLinesInColourD) {
    const LegendColours colours = legendColours(0x007000);
    LegendSlots s;
    s[0] = "Classic";
    s[1] = "CarsNow = 5";
    s[2] = ".Simulation";
    RecordingCanvas c;
    redrawLegendLines(c, colours, 16, s, false);
    std::vector<CanvasCall> texts;
    for (const CanvasCall& call : c.calls)
        if (call.op == CanvasOp::Text)
            texts.push_back(call);
    ASSERT_EQ(texts.size(), 16u); // 8 lines, each over a blank line
    EXPECT_EQ(texts[0].text, std::string(49, ' '));
    EXPECT_EQ(texts[1].text, "Classic");
    EXPECT_EQ(texts[1].points[0].y, 16);
    EXPECT_EQ(texts[1].textColour, colours.first);
    EXPECT_EQ(texts[3].textColour, colours.other);
    EXPECT_EQ(texts[5].text, "Simulation");
    EXPECT_EQ(texts[5].textColour, colours.marked);
    EXPECT_EQ(texts[15].points[0].y, 128);
    EXPECT_EQ(texts[1].backColour, colours.background);
    RecordingCanvas debug;
    redrawLegendLines(debug, colours, 16, s, true);
    EXPECT_EQ(debug.calls.size(), 30u);
}
