// Layout 21 "T: Test Drawing" painted by day, without vehicles, and compared with the reviewed picture
// tests/render/data/test_drawing.png, so that a change to the road drawing shows as a failure. After a deliberate
// change, run the test with JAMLOG_REGENERATE_REFERENCE=1: it writes the new picture over the reference (and still
// fails, as a reminder); look at it before committing it. The recording canvas shows every drawing branch the layout
// is there for.
#include <QColor>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "RenderFixture.h"
#include "model/BuildLayout.h"

using namespace jamlog;

namespace {

constexpr int testDrawingLayout = 21;
constexpr int referenceScale = 40;       // world units per pixel: the layout's 18000 x 12000 on 450 x 300 pixels
constexpr int channelTolerance = 8;      // a pixel differs when a channel moves further than this
constexpr double differingShare = 0.002; // and the picture when more than this share of its pixels differ
constexpr int dayBrightness = 10;

const QString referencePath = QStringLiteral(JAMLOG_SOURCE_DIR "/tests/render/data/test_drawing.png");

struct TestDrawingReference : RenderFixture {
    void buildTestDrawing() {
        BuildParams p;
        p.layout = testDrawingLayout;
        p.contentFlags = contentRoads;
        Rng rng(1);
        const BuildResult r = buildLayout(*m, rng, p);
        ASSERT_EQ(r.layout, testDrawingLayout);
        st.content = r.contentFlags;
        st.layout = testDrawingLayout;
        st.scale = referenceScale;
        st.refreshColours();
        st.setBrightness(dayBrightness);
    }
    void paintOn(Canvas& c) {
        c.setWindowOrigin(m->extentMinX / referenceScale, m->extentMinY / referenceScale);
        NetworkPainter(c, *m, st).paint();
    }
};

int differingPixels(const QImage& a, const QImage& b) {
    int differ = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            const int most =
                std::max({std::abs(p.red() - q.red()), std::abs(p.green() - q.green()), std::abs(p.blue() - q.blue())});
            differ += most > channelTolerance;
        }
    return differ;
}

} // namespace

TEST_F(TestDrawingReference, MatchesTheReviewedPicture) {
    buildTestDrawing();
    const int w = (m->extentMaxX - m->extentMinX) / referenceScale,
              h = (m->extentMaxY - m->extentMinY) / referenceScale;
    QImage img(w, h, QImage::Format_RGB32);
    {
        QtCanvas c(img);
        paintOn(c);
    }
    dump(img, "test_drawing");
    if (std::getenv("JAMLOG_REGENERATE_REFERENCE")) {
        ASSERT_TRUE(img.save(referencePath));
        FAIL() << "reference written to " << referencePath.toStdString() << ": look at it before committing it";
    }
    const QImage reference(referencePath);
    ASSERT_FALSE(reference.isNull()) << "no reference picture at " << referencePath.toStdString();
    ASSERT_EQ(reference.size(), img.size());
    const int differ = differingPixels(img, reference.convertToFormat(QImage::Format_RGB32));
    EXPECT_LE(differ, static_cast<int>(differingShare * w * h))
        << "the drawing changed: run with JAMLOG_PNG_DIR=<folder> to see the new picture";
}

// Every lane count is drawn, arcs turn both ways, and each marking the edge styles choose between appears: lane
// separators, the dashed centre of a single lane, the hard shoulder's edge line and studs, and solid edge lines.
TEST_F(TestDrawingReference, EveryLaneCountEdgeStyleAndArcKindIsDrawn) {
    buildTestDrawing();
    std::set<int> lanes, styles;
    for (int r = 0; r < m->roadCount; ++r) {
        lanes.insert(m->road(r).topLane);
        styles.insert(m->road(r).edgeStyle);
    }
    EXPECT_EQ(lanes, (std::set<int>{0, 1, 2, 3}));
    for (int style : {0, edgeStyleLink, 4, 5, 7, 8, 9})
        EXPECT_TRUE(styles.count(style)) << "edge style " << style;

    RecordingCanvas c;
    paintOn(c);
    std::set<PenStyle> lines;
    for (const CanvasCall& call : c.of(CanvasOp::Line))
        lines.insert(call.pen.style);
    for (PenStyle s : {PenStyle::Solid, PenStyle::Dash, PenStyle::DashDot, PenStyle::Dot})
        EXPECT_TRUE(lines.count(s)) << "pen style " << static_cast<int>(s);
    std::set<std::pair<int, int>> arcTurns; // (clockwise, lanes) of the arcs built
    for (int r = 0; r < m->roadCount; ++r)
        if (m->road(r).arc())
            arcTurns.insert({m->road(r).clockwise, m->road(r).topLane});
    for (int cw : {0, 1})
        for (int top : {0, 1, 2, 3})
            EXPECT_TRUE(arcTurns.count({cw, top})) << "arc clockwise " << cw << " with " << top + 1 << " lanes";
    EXPECT_FALSE(c.of(CanvasOp::Arc).empty());
}
