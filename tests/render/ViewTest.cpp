// The view transform: default fit, wander limits, wheel and menu zoom limits, panning while wandering, the saved
// view round trip and the preview scale.
#include "render/View.h"
#include "settings/ProfileStore.h"
#include "support/ModelFixture.h"

using namespace jamlog;

namespace {

struct CountingHost : ViewHost {
    int scrolls = 0, lastDx = 0, lastDy = 0, invalidations = 0;
    void scrollWindow(int dx, int dy) override {
        ++scrolls;
        lastDx = dx;
        lastDy = dy;
    }
    void invalidate() override { ++invalidations; }
    void updateWindow() override {}
    void moveToVirtualOrigin() override { ++moves; }
    void relayoutLegend() override {}
    void showLegendFirstTime() override { ++legendShows; }
    int moves = 0, legendShows = 0;
};

struct ViewTest : ModelFixture {
    DrawState st;
    CountingHost host;
    View view{st, *m, host};

    void extent(int minX, int minY, int maxX, int maxY) {
        m->extentMinX = minX;
        m->extentMinY = minY;
        m->extentMaxX = maxX;
        m->extentMaxY = maxY;
    }
    void screen(int w, int h) {
        ScreenMetrics s;
        s.primaryW = s.virtualW = w;
        s.primaryH = s.virtualH = h;
        view.setScreens(s);
    }
};

TEST_F(ViewTest, DefaultFitCentresTheExtentVertically) {
    screen(1920, 1080);
    extent(0, 0, 40000, 20000);
    st.set.wandering = 0;
    view.fitView(0);
    EXPECT_EQ(view.baseScale, 800);
    EXPECT_EQ(view.originY, 40000 * 50 / 177 - 10000); // world units until re-applied
    view.resize(1920);
    EXPECT_EQ(view.zoom, 38);
    EXPECT_EQ(st.scale, 800 / 38);
    EXPECT_EQ(view.originY, (40000 * 50 / 177 - 10000) / 21);
    EXPECT_TRUE(st.polygonMode); // 21 <= PolyThresh 30
}

TEST_F(ViewTest, WideExtentFallsBackToHalfTheScreenWidth) {
    screen(1920, 1080);
    extent(-5000, 0, 95000, 30000);
    view.fitView(0);
    EXPECT_EQ(view.baseScale, 960);
    EXPECT_EQ(view.originX, 5000);
    EXPECT_EQ(view.originY, 0);
}

TEST_F(ViewTest, NarrowExtentDoesNotWanderHorizontally) {
    screen(1920, 1080);
    extent(0, 0, 5000, 60000); // narrower than the screen even at the clamped scale 5, but taller
    view.fitView(0);
    view.resize(1920);
    ASSERT_GE(st.scale, 5);
    ASSERT_LE(st.scale, 20);
    int x = view.originX, y = view.originY;
    for (int i = 0; i < 50; ++i)
        view.wander();
    EXPECT_EQ(view.originX, x);
    EXPECT_NE(view.originY, y);
}

TEST_F(ViewTest, SmallExtentDoesNotWanderAtAll) {
    screen(1920, 1080);
    extent(0, 0, 5000, 4000);
    view.fitView(0);
    view.resize(1920);
    int x = view.originX, y = view.originY;
    for (int i = 0; i < 50; ++i)
        view.wander();
    EXPECT_EQ(view.originX, x);
    EXPECT_EQ(view.originY, y);
    EXPECT_EQ(host.scrolls, 0);
}

TEST_F(ViewTest, WanderingBouncesOffTheExtentEdges) {
    screen(200, 100);
    extent(0, 0, 4000, 1000);
    st.set.wandering = 1; // wander without zoom: scale 20 / WanderZoom = 10
    view.zoom = 4;
    view.baseScale = 40;
    view.fitView(2);
    ASSERT_EQ(st.scale, 10); // extent 400 pixels wide, screen 200: x wanders, y (100 pixels) does not
    int minX = view.originX, maxX = view.originX;
    for (int i = 0; i < 1000; ++i) {
        view.wander();
        minX = std::min(minX, view.originX);
        maxX = std::max(maxX, view.originX);
    }
    EXPECT_EQ(minX, 200 - 4000 / 10 - 1); // the right edge one step inside the screen before turning
    EXPECT_EQ(maxX, 1);
}

// The very first steps are `WanderDist` pixels, not one, on each axis that wanders.
TEST_F(ViewTest, WanderingStepsByWanderDistFromTheFirstStep) {
    screen(200, 100);
    extent(0, 0, 4000, 4000);
    st.set.wandering = 1;
    st.set.wanderDist = 3;
    view.zoom = 4;
    view.baseScale = 40;
    view.fitView(2);
    view.originX = view.originY = -50; // well inside the extent on both axes
    view.wander();
    EXPECT_EQ(view.originX, -47);
    EXPECT_EQ(view.originY, -47);
    EXPECT_EQ(host.lastDx, 3);
    EXPECT_EQ(host.lastDy, 3);
}

TEST_F(ViewTest, WheelStopsAtFiveAndFortySix) {
    screen(1920, 1080);
    extent(0, 0, 40000, 20000);
    st.scale = 8;
    for (int i = 0; i < 20; ++i)
        view.zoomByWheel(120, 500, 500);
    EXPECT_EQ(st.scale, 5);
    EXPECT_EQ(view.panActive, 1);
    for (int i = 0; i < 60; ++i)
        view.zoomByWheel(-120, 500, 500);
    EXPECT_EQ(st.scale, 46);
    EXPECT_FALSE(st.polygonMode);
}

TEST_F(ViewTest, MaxZoomInLandsOnTen) {
    screen(1920, 1080);
    extent(0, 0, 40000, 20000);
    view.baseScale = 800;
    for (int start : {5, 9, 46}) {
        st.scale = start;
        view.panActive = 0;
        view.maxZoomIn();
        EXPECT_EQ(st.scale, 10);
        EXPECT_EQ(view.zoom, 80);
        EXPECT_TRUE(st.polygonMode);
        EXPECT_EQ(view.originX, 1); // pan was off: switched on at the origin (1, 1)
        EXPECT_EQ(view.panActive, 1);
    }
    view.maxZoomOut();
    EXPECT_EQ(st.scale, ((40000 + 1500) / 50) / (1920 / 50 + 1));
}

TEST_F(ViewTest, OnePixelMovesDoNotPanWhileWandering) {
    screen(1920, 1080);
    extent(0, 0, 100000, 60000);
    st.scale = 10;
    view.panActive = 1;
    view.lastMouseX = 500;
    view.lastMouseY = 500;
    int x = view.originX;
    EXPECT_EQ(view.panToMouse(501, 700), 1); // CanMse on: the move may end the saver
    EXPECT_EQ(view.panToMouse(700, 499), 1);
    EXPECT_EQ(view.originX, x);
    EXPECT_EQ(view.panToMouse(700, 700), 0);
    EXPECT_EQ(view.originX, ((700 - 1920) * 100000 / 10) / 1920 - 0 - 700 + 1920);
    st.set.wandering = 0;
    EXPECT_EQ(view.panToMouse(701, 700), 0); // without wandering one pixel pans
    EXPECT_EQ(view.lastMouseX, 701);
}

TEST_F(ViewTest, MouseAtTheEdgesShowsTheExtentEdges) {
    screen(1000, 500);
    extent(2000, 0, 52000, 30000);
    st.scale = 10; // 5000 pixels wide
    view.panActive = 1;
    st.set.wandering = 0;
    view.panToMouse(1000, 250);
    EXPECT_EQ(2000 / 10 + view.originX, 0); // left edge at the screen's left edge
    view.panToMouse(0, 250);
    EXPECT_EQ(52000 / 10 + view.originX, 1000);
}

TEST_F(ViewTest, SavedViewRoundTrips) {
    screen(1920, 1080);
    extent(0, 0, 80000, 40000);
    st.set.wandering = 0;
    MemoryProfileStore store;
    view.resize(1920);
    for (int s : {5, 13, 25, 46}) {
        st.scale = s;
        view.originX = -1234;
        view.originY = 321;
        view.panActive = 1;
        view.saveView(store, 7);
        EXPECT_EQ(view.panActive, 0);
        EXPECT_EQ(store.GetProfileInt("Config\\Net7", "OriginX", 0), -1234 * s + 100000);
        View again(st, *m, host);
        again.zoom = 1920 / 50;
        again.loadView(store, 7);
        again.fitView(2);
        EXPECT_EQ(st.scale, s);
        EXPECT_NEAR(again.originX, -1234, 1);
        EXPECT_NEAR(again.originY, 321, 1);
    }
}

TEST_F(ViewTest, NoSavedViewRunsTheDefaultFit) {
    screen(1920, 1080);
    extent(0, 0, 40000, 20000);
    MemoryProfileStore store;
    view.loadView(store, 3);
    EXPECT_EQ(view.baseScale, 800);
}

TEST_F(ViewTest, PreviewScaleIsNinetySevenNinetyNinths) {
    screen(1920, 1080);
    extent(0, 0, 40000, 20000);
    view.fitView(0);
    view.resize(1920);
    st.set.wandering = 0;
    view.fitView(0);
    view.resize(1920);
    int full = st.scale;
    View preview(st, *m, host);
    preview.setScreens({1920, 1080, 0, 0, 1920, 1080});
    preview.fitView(0);
    preview.resize(1920);
    st.smallWindow = true;
    preview.fitView(0);
    preview.zoom = 1920 / 50;
    preview.fitView(2);
    EXPECT_EQ(st.scale, full * 97 / 99);
    preview.resize(300);
    EXPECT_TRUE(st.smallWindow);
    EXPECT_EQ(st.scale, (800 / 6) * 97 / 99);
}

TEST_F(ViewTest, PreviewThatGrowsLeavesThePreviewBehaviour) {
    ScreenMetrics two; // side by side, so that a full-size view moves to the virtual desktop's corner
    two.virtualW = 3840;
    view.setScreens(two);
    extent(0, 0, 60000, 40000);
    st.set.legend = 1;
    View fresh(st, *m, host); // full size from the start, for reference
    fresh.setScreens(two);
    fresh.fitView(0);
    fresh.resize(1920);
    const int fullScale = st.scale;
    host = CountingHost{};
    view.fitView(0);
    view.resize(300);
    EXPECT_TRUE(st.smallWindow);
    EXPECT_EQ(host.moves, 0);
    EXPECT_EQ(host.legendShows, 0);
    int x = view.originX;
    view.wander();
    EXPECT_EQ(view.originX, x);

    view.resize(1920);
    EXPECT_FALSE(st.smallWindow);
    EXPECT_EQ(host.moves, 1);
    EXPECT_EQ(host.legendShows, 1); // the legend waited for the full-size view
    EXPECT_EQ(st.scale, fullScale); // the wandering fit, without the preview's shrink
    x = view.originX;
    view.wander();
    EXPECT_NE(view.originX, x);

    view.resize(1800);
    view.resize(400);
    EXPECT_TRUE(st.smallWindow);
    EXPECT_EQ(host.legendShows, 1); // only ever once
}

TEST_F(ViewTest, ScreensFollowTheDrawingAreaRule) {
    ScreenMetrics sideBySide;
    sideBySide.virtualW = 3840;
    st.set.noMM = 0;
    view.setScreens(sideBySide);
    EXPECT_EQ(st.screenW, 3840);
    EXPECT_EQ(view.aspect, 355);
    st.set.noMM = 1;
    view.setScreens(sideBySide);
    EXPECT_EQ(st.screenW, 1920);
    ScreenMetrics stacked; // as wide as the primary screen: one monitor's width, so NoMM is forced
    stacked.virtualH = 2160;
    st.set.noMM = 0;
    view.setScreens(stacked);
    EXPECT_EQ(st.set.noMM, 1);
    EXPECT_EQ(st.screenH, 1080);
    ScreenMetrics tall; // a portrait screen: the aspect is raised to 120
    tall.primaryW = tall.virtualW = 1080;
    tall.primaryH = tall.virtualH = 1920;
    view.setScreens(tall);
    EXPECT_EQ(view.aspect, 120);
}

} // namespace
