// Network drawing on the recording canvas: colour arithmetic, road surfaces and markings, snow, preview widths.
#include "RenderFixture.h"
#include "model/LayoutCatalogue.h"

#include "model/layouts/Layouts.h"

using namespace jamlog;

namespace {

TEST(ColourArithmetic, FullDaylightLeavesColoursUnchanged) {
    for (Colour c : {0x808080u, 0x303030u, 0x708C8Cu, 0x21C8F5u, 0xFFFFFFu}) {
        EXPECT_EQ(dim(c, 10), c);
        EXPECT_EQ(lit(c, 10, {}), c);
    }
    EXPECT_EQ(over(1600, 10), 160);
}

TEST(ColourArithmetic, GreyRoadAtNightWithAndWithoutStreetLights) {
    Tint t = streetTint(60, true);
    EXPECT_EQ(t.r, 30);
    EXPECT_EQ(t.g, 5);
    EXPECT_EQ(t.b, 0);
    EXPECT_EQ(streetTint(10, true).r, 0); // no glow in full daylight
    EXPECT_EQ(lit(0x808080, 60, t), rgb(51, 26, 21));
    EXPECT_EQ(lit(0x808080, 60, streetTint(60, false)), rgb(21, 21, 21));
    EXPECT_EQ(dim(0x808080, 60), rgb(20, 20, 20)); // 128 x (1000 / 60) / 100
    EXPECT_EQ(over(1920, 5), 128);                 // 384 masked to 8 bits
}

struct RoadDrawingTest : RenderFixture {
    RecordingCanvas rc;
    void SetUp() override {
        RenderFixture::SetUp();
        st.content = contentRoads;
        st.scale = 10;
        st.refreshColours();
    }
    std::vector<CanvasCall> lines(PenStyle style) const {
        std::vector<CanvasCall> out;
        for (const CanvasCall& c : rc.of(CanvasOp::Line))
            if (c.pen.style == style)
                out.push_back(c);
        return out;
    }
    void draw(int road) { NetworkPainter(rc, *m, st).drawRoad(road); }
};

TEST_F(RoadDrawingTest, SingleLaneRoadHasSolidNearEdgeAndDashedCentreLine) {
    b.straightRoad(0, 101, 901, 0, 0, 0, 0, -1); // (1000, 1000) to (9000, 1000), heading east
    draw(0);
    auto polys = rc.of(CanvasOp::Polygon);
    ASSERT_EQ(polys.size(), 1u);
    // Half-width 130 x 9 / 10 = 117 units, 11 pixels; drawn from the end (t = L + 1) back to the start.
    std::vector<CanvasPoint> surface = {{900, 89}, {100, 89}, {100, 111}, {900, 111}};
    EXPECT_EQ(polys[0].points, surface);
    EXPECT_EQ(polys[0].brush.colour, 0x808080u);
    auto solid = lines(PenStyle::Solid), dashed = lines(PenStyle::Dash);
    ASSERT_EQ(solid.size(), 1u);
    ASSERT_EQ(dashed.size(), 1u);
    EXPECT_EQ(solid[0].points, (std::vector<CanvasPoint>{{900, 93}, {100, 93}})); // offset -5: 65 units nearside
    EXPECT_EQ(dashed[0].points, (std::vector<CanvasPoint>{{900, 106}, {100, 106}}));
    EXPECT_EQ(solid[0].pen.colour, rgb(160, 160, 160)); // 1600 / B, no glow by day
    EXPECT_TRUE(lines(PenStyle::DashDot).empty());
    EXPECT_TRUE(lines(PenStyle::Dot).empty());
}

TEST_F(RoadDrawingTest, ThreeLaneRoadHasHardShoulderAndStuds) {
    b.straightRoad(0, 101, 901, 2, 0, 0, 0, -1);
    draw(0);
    auto polys = rc.of(CanvasOp::Polygon);
    ASSERT_EQ(polys.size(), 1u);
    // Width 20 tenths about offset 7: from -13 to +27 tenths, i.e. y 1000 - 169 ... 1000 + 351.
    EXPECT_EQ(polys[0].points[0].y, (1091 / 10) - (130 * 20 / 10) / 10);
    EXPECT_EQ(polys[0].points[2].y, (1091 / 10) + (130 * 20 / 10) / 10);
    auto separators = lines(PenStyle::DashDot);
    ASSERT_EQ(separators.size(), 2u);
    EXPECT_EQ(separators[0].points[0].y, 106); // offset 5
    EXPECT_EQ(separators[1].points[0].y, 119); // offset 15
    auto solid = lines(PenStyle::Solid);
    ASSERT_EQ(solid.size(), 1u);
    EXPECT_EQ(solid[0].points[0].y, 84); // outer edge of the shoulder, offset -12
    auto studs = lines(PenStyle::Dot);
    ASSERT_EQ(studs.size(), 2u);
    EXPECT_EQ(studs[0].points[0].y, 93); // red studs on the near side, offset -5
    EXPECT_EQ(studs[0].pen.colour, rgb(192, 0, 0));
    EXPECT_EQ(studs[1].points[0].y, 131); // amber studs on the far side, offset 24
    EXPECT_EQ(studs[1].pen.colour, rgb(192, 128, 0));
}

TEST_F(RoadDrawingTest, StudsOffLeavesOnlySurfaces) {
    st.set.studs = 0;
    b.straightRoad(0, 101, 901, 2, 0, 0, 0, -1);
    b.straightRoad(1, 103, 903, 0, 1, 1, 1, -1);
    draw(0);
    draw(1);
    EXPECT_EQ(rc.of(CanvasOp::Polygon).size(), 2u);
    EXPECT_TRUE(rc.of(CanvasOp::Line).empty());
    EXPECT_TRUE(rc.of(CanvasOp::Arc).empty());
}

TEST_F(RoadDrawingTest, PreviewSurfacesAreTenSixthsWider) {
    b.straightRoad(0, 101, 901, 0, 0, 0, 0, -1);
    st.scale = 1;
    draw(0);
    st.smallWindow = true;
    draw(0);
    auto polys = rc.of(CanvasOp::Polygon);
    ASSERT_EQ(polys.size(), 2u);
    EXPECT_EQ(polys[0].points[2].y - polys[0].points[0].y, 2 * 117); // 130 x 9 / 10
    EXPECT_EQ(polys[1].points[2].y - polys[1].points[0].y, 2 * 195); // 130 x 9 / 6
}

TEST_F(RoadDrawingTest, ArcSurfaceIsAClippedThickArc) {
    b.roundaboutShape(0, 505, 800);
    b.roundaboutArc(0, 0, 0, 1, 1, 1, 1, 3, -1);
    draw(0);
    auto arcs = rc.of(CanvasOp::Arc);
    ASSERT_GE(arcs.size(), 1u);
    EXPECT_EQ(arcs[0].pen.style, PenStyle::Geometric);
    EXPECT_EQ(arcs[0].pen.width, (130 * 14 * 2 / 10) / 10); // width 5 x 1 + 9 tenths
    // The first call clips to the outline and the last resets the clip.
    ASSERT_EQ(rc.calls.front().op, CanvasOp::Clip);
    EXPECT_EQ(rc.calls.front().points[0], (CanvasPoint{m->road(0).outline[0] / 10, m->road(0).outline[1] / 10}));
    EXPECT_EQ(rc.calls.back().op, CanvasOp::ResetClip);
}

// The service loop of "Classic Layout" on pixels: its crown shows, and nothing of it lands on its street, where the
// street draws itself, or beyond the street's far side.
TEST_F(RoadDrawingTest, ServiceLoopShowsWholeBesideItsStreet) {
    LayoutArgs a;
    a.contentFlags = contentRoads;
    layoutEntry(0).routine(b, a);
    int loop = -1;
    for (int r = 0; r < m->roadCount; ++r)
        if (m->road(r).centreX != 0 && m->road(r).indicator == 4 && m->road(r).control >= 0)
            loop = r;
    ASSERT_GE(loop, 0);
    const RoadRecord& l = m->road(loop);
    QImage img(600, 400, QImage::Format_RGB32);
    img.fill(Qt::black);
    const int left = 750, top = 1050; // pixels of the world at scale 10
    {
        QtCanvas c(img);
        c.setWindowOrigin(left, top);
        NetworkPainter(c, *m, st).drawRoad(loop);
    }
    dump(img, "service-loop");
    auto at = [&](int32_t x, int32_t y) { return img.pixel(x / 10 - left, y / 10 - top) & 0xFFFFFF; };
    const int32_t midX = l.startX - l.backX / 2, crownY = l.centreY - l.radius;
    EXPECT_EQ(at(midX, crownY), 0x808080u) << "the crown";
    for (int32_t x : {l.startX, l.endX()}) {
        EXPECT_EQ(at(x, l.startY + 20), 0u) << "on the street's own lane at " << x;
        EXPECT_EQ(at(x, l.startY + 2 * 72), 0u) << "on the other carriageway at " << x;
        EXPECT_EQ(at(x, l.startY + 2 * 72 + 200), 0u) << "beyond the street at " << x;
        EXPECT_NE(at(x, l.startY - 117), 0u) << "where the loop leaves the street at " << x;
    }
}

TEST_F(RoadDrawingTest, SnowHidesRoadsTracksRailsAndScenery) {
    buildSample();
    st.set.weather = weatherSnowy;
    st.set.backCol = 0xE0E0E0;
    st.refreshColours();
    NetworkPainter(rc, *m, st).network();
    EXPECT_TRUE(rc.of(CanvasOp::Line).empty()) << "no markings, rails or walls";
    EXPECT_TRUE(rc.of(CanvasOp::Polyline).empty());
    // Roads and tracks lie under snow; only the river keeps its colour.
    for (const CanvasCall& c : rc.of(CanvasOp::Polygon))
        EXPECT_TRUE(c.brush.colour == 0xE0E0E0u || c.brush.colour == 0x607048u) << std::hex << c.brush.colour;
    for (const CanvasCall& c : rc.of(CanvasOp::Arc))
        EXPECT_EQ(c.pen.colour, 0xE0E0E0u);
    // The light icons' box is the background colour.
    rc.clear();
    NetworkPainter(rc, *m, st).drawLightIcons();
    auto texts = rc.of(CanvasOp::Text);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, " ");
    EXPECT_TRUE(texts[0].opaque);
    EXPECT_EQ(texts[0].backColour, 0xE0E0E0u);
}

TEST_F(RoadDrawingTest, TrackBedsAreDimmedAndRailsFollowTheStyle) {
    b.straightRoad(500, 101, 901, 0, 500, 500, 500, -1);
    m->trackCount = 1;
    st.content = contentTracks;
    st.setBrightness(20);
    NetworkPainter(rc, *m, st).network();
    auto polys = rc.of(CanvasOp::Polygon);
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].brush.colour, dim(0x607070, 20));
    auto rails = lines(PenStyle::Geometric);
    ASSERT_EQ(rails.size(), 2u);
    EXPECT_EQ(rails[0].pen.colour, rgb(52, 48, 40)); // (1040, 960, 800) over B
    EXPECT_EQ(rails[0].pen.width, (40 * 6 / 10) / 8);
    rc.clear();
    st.set.rails = railsClassic;
    NetworkPainter(rc, *m, st).network();
    polys = rc.of(CanvasOp::Polygon);
    ASSERT_EQ(polys.size(), 2u); // the classic bed and its dark strip
    EXPECT_EQ(polys[0].brush.colour, dim(0x405070, 20));
    EXPECT_EQ(polys[1].brush.colour, dim(0x404040, 20));
    EXPECT_TRUE(rc.of(CanvasOp::Line).empty());
}

TEST_F(RoadDrawingTest, LightGlyphsFollowTheSignalState) {
    b.straightRoad(1, 101, 901, 0, 1, 1, 1, -1);
    m->lightGroups[0] = {1, {1, -1, -1, -1}, 0, 0, 1};
    struct Case {
        int state;
        const char* glyph;
        Colour colour;
        int raise;
    };
    const Case cases[] = {{0, ".", 0x00FF00, 0},
                          {-1, ".", 0x00FFFF, 45 / 10 + 2},
                          {-2, ":", 0x00FFFF, 20 / 10},
                          {1, ".", 0x0000FF, 90 / 10 + 4},
                          {3, ".", 0x0000FF, 90 / 10 + 4}};
    for (const Case& k : cases) {
        m->road(1).signalState = k.state;
        rc.clear();
        NetworkPainter(rc, *m, st).drawLightIcons();
        auto texts = rc.of(CanvasOp::Text);
        ASSERT_EQ(texts.size(), 2u) << k.state;
        EXPECT_EQ(texts[0].font.face, "Courier New");
        EXPECT_EQ(texts[0].font.height, 210 / 10 + 9);
        EXPECT_EQ(texts[0].font.width, 90 / 10 + 3);
        EXPECT_EQ(texts[1].text, k.glyph);
        EXPECT_EQ(texts[1].textColour, k.colour);
        EXPECT_FALSE(texts[1].opaque);
        EXPECT_EQ(texts[0].points[0].y - texts[1].points[0].y, k.raise);
    }
    m->road(1).signalState = -3; // nothing lit: only the box
    rc.clear();
    NetworkPainter(rc, *m, st).drawLightIcons();
    EXPECT_EQ(rc.of(CanvasOp::Text).size(), 1u);
    st.set.tlState = 0;
    rc.clear();
    NetworkPainter(rc, *m, st).drawLightIcons();
    EXPECT_TRUE(rc.of(CanvasOp::Text).empty());
}

TEST_F(RoadDrawingTest, LimitSignShowsTheLimitInTensOfMph) {
    b.straightRoad(0, 101, 901, 0, 0, 0, 0, -1);
    m->roadCount = 1;
    m->road(0).speedLimit = 800; // 800 x 5 / 800 = 5, shown as 50
    NetworkPainter(rc, *m, st).drawAllSigns();
    auto texts = rc.of(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "50");
    EXPECT_EQ(texts[0].font.face, "Sans Serif");
    rc.clear();
    m->road(0).speedLimit = noSpeedLimit; // unlimited roads get no signs
    NetworkPainter(rc, *m, st).drawAllSigns();
    EXPECT_TRUE(rc.calls.empty());
    rc.clear();
    m->road(0).speedLimit = 800;
    m->road(0).boxCode = 1; // nor do the roads inside a junction box
    NetworkPainter(rc, *m, st).drawAllSigns();
    EXPECT_TRUE(rc.calls.empty());
}

} // namespace
