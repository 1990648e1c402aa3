// Vehicle drawing on the recording canvas: shadows at night, the daylight headlight rule, emergency vehicles,
// precise erasing and the glow margins of the erase polygon.
#include "RenderFixture.h"

using namespace jamlog;

namespace {

constexpr Colour body = 0x21C8F5;

struct VehicleDrawingTest : RenderFixture {
    RecordingCanvas rc;
    std::unique_ptr<VehiclePainter> vp;

    void SetUp() override {
        RenderFixture::SetUp();
        st.scale = 10;
        st.refreshColours();
        vp = std::make_unique<VehiclePainter>(rc, *m, st, *recs);
        for (int n = 0; n < 120; ++n)
            car(n);
    }
    // An eastbound car of length 200 with its rear at (1000, 1000).
    void car(int n, uint8_t lamps = 0) {
        VehicleDrawRecord& d = (*recs)[static_cast<size_t>(n)];
        d = {130, 0, 1200, 1000, 1000, 1000, 0, lamps, body};
    }
    int polygonsOf(Colour c) const {
        int k = 0;
        for (const CanvasCall& call : rc.of(CanvasOp::Polygon))
            k += call.brush.colour == c;
        return k;
    }
    std::vector<CanvasCall> polygons() const { return rc.of(CanvasOp::Polygon); }
};

TEST_F(VehicleDrawingTest, ShadowsOffTurnsCarsBlackAboveTwoThirdsOfDimming) {
    st.set.shadows = 0; // Dimming 50: the threshold is 33
    st.setBrightness(33);
    vp->moveAndDrawCar(1, drawPass);
    EXPECT_EQ(polygons().front().brush.colour, lit(body, 33, st.lampTint));
    rc.clear();
    st.setBrightness(34);
    vp->moveAndDrawCar(1, drawPass);
    EXPECT_EQ(polygons().front().brush.colour, rgb(17, 2, 0)); // only the street-light tint remains
    rc.clear();
    st.set.shadows = 1;
    vp->moveAndDrawCar(1, drawPass);
    EXPECT_EQ(polygons().front().brush.colour, lit(body, 34, st.lampTint));
}

// A run draws colours for the road vehicles only: carriages and boats are never left black by day.
TEST_F(VehicleDrawingTest, CarriagesAndBoatsWithoutAColourShowOneByDay) {
    for (int n : {firstCarriage, firstBoat}) {
        VehicleDrawRecord& d = (*recs)[static_cast<size_t>(n)];
        d = {130, 0, 1200, 1000, 1000, 1000, 0, 0, 0};
        for (Colour recorded : {Colour(0), body}) {
            d.bodyColour = recorded;
            st.set.shadows = 0;
            st.setBrightness(fullDaylight);
            rc.clear();
            n == firstCarriage ? vp->moveAndDrawCarriage(n, drawPass) : vp->moveAndDrawBoat(n, drawPass);
            const Colour drawn = polygons().front().brush.colour;
            EXPECT_NE(drawn, 0u) << n;
            if (recorded != 0)
                EXPECT_EQ(drawn, body) << n; // a colour the record has is kept
            // Black at night all the same while Shadows is off.
            st.setBrightness(40);
            rc.clear();
            n == firstCarriage ? vp->moveAndDrawCarriage(n, drawPass) : vp->moveAndDrawBoat(n, drawPass);
            EXPECT_EQ(polygons().front().brush.colour, 0u) << n;
        }
    }
}

TEST_F(VehicleDrawingTest, InDaylightOnlyEveryTenthCarShowsHeadlights) {
    st.set.fire = 0;
    for (int n : {10, 11, 20, 23})
        vp->moveAndDrawCar(n, drawPass);
    EXPECT_EQ(polygonsOf(0xC0C0C0), 2 * 2); // cars 10 and 20, two lamps each
    EXPECT_TRUE((*recs)[10].lampFlags & lampHeadlights);
    EXPECT_FALSE((*recs)[11].lampFlags & lampHeadlights);
    EXPECT_EQ(polygonsOf(0x000080), 2 * 2); // tail lights by the same rule
    rc.clear();
    st.set.advanced = advancedScandinavianLights;
    for (int n : {10, 11, 20, 23})
        vp->moveAndDrawCar(n, drawPass);
    EXPECT_EQ(polygonsOf(0xC0C0C0), 4 * 2);
    rc.clear();
    st.set.advanced = 0;
    st.set.debug = debugNoVehicleLights;
    for (int n : {10, 11})
        vp->moveAndDrawCar(n, drawPass);
    EXPECT_EQ(polygonsOf(0xC0C0C0), 0);
    rc.clear();
    st.setBrightness(16); // past Dusk: every car
    for (int n : {10, 11})
        vp->moveAndDrawCar(n, drawPass);
    EXPECT_EQ(polygonsOf(0xC0C0C0), 2 * 2);
}

TEST_F(VehicleDrawingTest, BrakeLightsShowByDayAndParkedCarsShowNone) {
    st.set.fire = 0;
    car(11, lampBrake);
    vp->moveAndDrawCar(11, drawPass);
    EXPECT_EQ(polygonsOf(0x6060C0), 2);
    rc.clear();
    st.setBrightness(40);
    car(12, lampParked);
    vp->moveAndDrawCar(12, drawPass);
    EXPECT_EQ(polygons().size(), 1u); // the body alone
    rc.clear();
    st.set.brake = 0; // Brake off: the step's lamp flags are dropped
    car(13, lampBrake | lampLeftIndicator);
    vp->moveAndDrawCar(13, drawPass);
    EXPECT_EQ(polygonsOf(0x6060C0), 0);
    EXPECT_EQ(polygonsOf(0x0080FF), 0);
    EXPECT_EQ(polygonsOf(0x000080), 2); // tail lights at night still
}

TEST_F(VehicleDrawingTest, EveryFiftiethVehicleIsAnEmergencyVehicle) {
    for (int n : {0, 49, 50, 100})
        vp->moveAndDrawCar(n, drawPass);
    EXPECT_EQ(polygonsOf(0xFF6060), 3 * 2); // a front and a rear blue lamp on 0, 50 and 100
    EXPECT_TRUE((*recs)[50].lampFlags & lampBlue);
    EXPECT_FALSE((*recs)[49].lampFlags & lampBlue);
    rc.clear();
    st.scale = 20; // zoomed out: one lamp in the middle, only in flash phase 1
    st.flashPhase = 0;
    vp->moveAndDrawCar(50, drawPass);
    EXPECT_EQ(polygonsOf(0xFF6060), 0);
    st.flashPhase = 1;
    vp->moveAndDrawCar(50, drawPass);
    EXPECT_EQ(polygonsOf(0xFF6060), 1);
    rc.clear();
    st.scale = 10;
    st.set.fire = 0;
    vp->moveAndDrawCar(50, drawPass);
    EXPECT_EQ(polygonsOf(0xFF6060), 0);
}

TEST_F(VehicleDrawingTest, EraseGrowsByTheGlowMarginsOfTheLampsShown) {
    st.set.bevel = 0;
    car(3, lampHeadlights | lampRearLights);
    vp->moveAndDrawCar(3, erasePass);
    auto p = polygons();
    ASSERT_EQ(p.size(), 2u); // the body's own shape, then the outlined erase quadrilateral
    EXPECT_EQ(p[1].pen.style, PenStyle::Geometric);
    EXPECT_EQ(p[1].pen.width, 9 / 10 + 2);
    EXPECT_EQ(p[1].points[0].x, (1200 + 60 * 130 / 100) / 10); // 4 x Glow per cent ahead
    EXPECT_EQ(p[1].points[1].x, (1000 - 30 * 130 / 100) / 10); // 2 x Glow per cent behind
    rc.clear();
    car(4); // no lamps: 20 and 10 per cent
    vp->moveAndDrawCar(4, erasePass);
    p = polygons();
    EXPECT_EQ(p[1].points[0].x, (1200 + 20 * 130 / 100) / 10);
    EXPECT_EQ(p[1].points[1].x, (1000 - 10 * 130 / 100) / 10);
    for (const CanvasCall& c : p)
        EXPECT_EQ(c.brush.colour, 0x808080u);
}

TEST_F(VehicleDrawingTest, PreciseErasingRedrawsTheBodyAndLampsInTheEraseColour) {
    st.set.advanced = advancedPreciseErasing;
    st.setBrightness(40);
    st.set.fire = 0;
    vp->moveAndDrawCar(5, drawPass);
    auto drawn = polygons();
    rc.clear();
    vp->moveAndDrawCar(5, erasePass);
    auto erased = polygons();
    ASSERT_EQ(drawn.size(), erased.size());
    for (size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(erased[i].points, drawn[i].points) << i; // the very same shapes, nothing of the road beside
        EXPECT_EQ(erased[i].brush.colour, lit(0x808080, 40, st.lampTint));
        EXPECT_EQ(erased[i].pen.style, PenStyle::Null);
    }
}

TEST_F(VehicleDrawingTest, ZoomedOutCarsAreLinesAndHeadlightBeamsAtNight) {
    st.scale = 40;
    st.polygonMode = false;
    vp->moveAndDrawCar(7, drawPass);
    auto lines = rc.of(CanvasOp::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].points, (std::vector<CanvasPoint>{{30, 25}, {25, 25}}));
    rc.clear();
    st.setBrightness(30);
    vp->moveAndDrawCar(7, drawPass);
    lines = rc.of(CanvasOp::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].points, (std::vector<CanvasPoint>{{30, 25}, {1330 / 40, 25}})); // forward one axis length
    EXPECT_EQ(lines[0].pen.colour, 0xFFFFFFu);
    rc.clear();
    vp->moveAndDrawCar(7, erasePass);
    EXPECT_EQ(rc.of(CanvasOp::Line)[0].points, lines[0].points);
}

TEST_F(VehicleDrawingTest, OffScreenAndHiddenCarsAreNotDrawn) {
    (*recs)[8].stepResult = drawHidden;
    vp->moveAndDrawCar(8, drawPass);
    vp->originX = -200; // the rear at pixel 100 - 200
    vp->moveAndDrawCar(9, drawPass);
    EXPECT_TRUE(rc.calls.empty());
}

TEST_F(VehicleDrawingTest, SnowLeavesATraceBehindTheCar) {
    st.set.weather = weatherSnowy;
    st.set.backCol = 0xE0E0E0;
    vp->moveAndDrawCar(1, erasePass);
    EXPECT_EQ(polygonsOf(0xE0E0E0), 2);
    EXPECT_EQ(polygonsOf(rgb(128, 112, 96)), 2); // (1280, 1120, 960) over B, one bar each side
}

} // namespace
