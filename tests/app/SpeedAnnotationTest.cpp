// The speed annotations beside long roads: the length rule by zoom, the figure and its alignment.
#include <gtest/gtest.h>
#include <memory>

#include "model/BuildLayout.h"
#include "platform/RecordingCanvas.h"
#include "render/Legend.h"

using namespace jamlog;

namespace {

struct Annotated {
    std::unique_ptr<NetworkModel> m = std::make_unique<NetworkModel>();
    DrawState s;
    int road = -1;
    Annotated() {
        Rng rng;
        rng.seed(1);
        buildLayout(*m, rng, BuildParams{});
        for (int r = 0; r < m->roadCount && r < roadCapacity; ++r)
            if (road < 0 || m->road(r).length > m->road(road).length)
                road = r;
        s.scale = 10;
        s.backColour = 0x00F020;
        s.set.updSpd = 75;
        s.set.procCorr = 5;
        s.set.factor = 10;
    }
    std::vector<CanvasCall> texts(int zoom) {
        RecordingCanvas c;
        drawSpeedAnnotation(c, *m, s, road, zoom);
        std::vector<CanvasCall> out;
        for (const CanvasCall& call : c.calls)
            if (call.op == CanvasOp::Text)
                out.push_back(call);
        return out;
    }
};

} // namespace

TEST(SpeedAnnotation, OnlyRoadsOfAtLeast40000OverZoom) {
    Annotated a;
    ASSERT_GE(a.road, 0);
    const int length = a.m->road(a.road).length;
    ASSERT_GT(length, 0);
    if (length < 40000) {
        EXPECT_TRUE(a.texts(1).empty()) << "a road shorter than 40000 at zoom 1";
    }
    const int first = (40000 + length - 1) / length; // the smallest zoom with 40000 / zoom <= length
    if (first > 1) {
        EXPECT_TRUE(a.texts(first - 1).empty());
    }
    EXPECT_EQ(a.texts(first).size(), 1u) << "zooming out shows more of them";
}

TEST(SpeedAnnotation, FigureFontAndColours) {
    Annotated a;
    a.m->road(a.road).flow = 32;
    const auto t = a.texts(1000);
    ASSERT_EQ(t.size(), 1u);
    // ((75 / 5 + 10) x 32) / 16 = 50, in four columns either way round.
    EXPECT_TRUE(t[0].text == "  50" || t[0].text == "50  ") << t[0].text;
    EXPECT_EQ(t[0].font.height, 125 / 10 + 5);
    EXPECT_EQ(t[0].font.width, 50 / 10 + 2);
    EXPECT_EQ(t[0].font.weight, 500);
    EXPECT_EQ(t[0].backColour, 0x00F020u);
    EXPECT_EQ(t[0].textColour, 0x003020u); // green 0xF0 + 64 wraps to 0x30
}
