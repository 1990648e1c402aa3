// The culling canvas of the scroll strips: only what cannot touch the surface is dropped.
#include <gtest/gtest.h>

#include <array>

#include "app/CullingCanvas.h"
#include "platform/RecordingCanvas.h"

using namespace jamlog;

TEST(CullingCanvas, DropsOnlyShapesThatMissTheSurface) {
    RecordingCanvas rec(10, 500); // a strip ten pixels wide
    CullingCanvas c(rec);
    c.setWindowOrigin(100, 0); // device x = logical x - 100: the strip is logical x 100..109
    c.setPen({PenStyle::Solid, 1, 0});
    c.line({0, 50}, {90, 50});   // ends 10 pixels left of the strip
    c.line({0, 60}, {300, 60});  // crosses it without a point inside
    c.line({96, 70}, {97, 80});  // a stroke's reach away
    c.ellipse(120, 0, 200, 100); // to the right
    c.ellipse(50, 0, 150, 100);  // around it
    EXPECT_EQ(rec.of(CanvasOp::Line).size(), 2u);
    EXPECT_EQ(rec.of(CanvasOp::Ellipse).size(), 1u);

    rec.clear();
    c.setPen({PenStyle::Geometric, 20, 0}); // a wide stroke reaches further
    c.line({85, 50}, {85, 90});
    c.setPen({PenStyle::Null, 0, 0});
    c.line({85, 50}, {85, 90});
    c.polygon(std::array<CanvasPoint, 3>{{{0, 0}, {80, 0}, {0, 80}}}.data(), 3);
    EXPECT_EQ(rec.of(CanvasOp::Line).size(), 1u);
    EXPECT_TRUE(rec.of(CanvasOp::Polygon).empty());
}

TEST(CullingCanvas, AClipOffTheSurfaceHidesEverythingUntilReset) {
    RecordingCanvas rec(10, 500);
    CullingCanvas c(rec);
    c.setWindowOrigin(100, 0);
    const CanvasPoint far[4] = {{300, 0}, {400, 0}, {400, 100}, {300, 100}};
    c.clipToPolygon(far, 4);
    c.line({0, 60}, {300, 60});
    c.text(105, 10, "50");
    c.fillSurface(0x112233); // fills ignore the clip
    EXPECT_TRUE(rec.of(CanvasOp::Clip).empty());
    EXPECT_TRUE(rec.of(CanvasOp::Line).empty());
    EXPECT_TRUE(rec.of(CanvasOp::Text).empty());
    EXPECT_EQ(rec.of(CanvasOp::FillSurface).size(), 1u);
    c.resetClip();
    c.line({0, 60}, {300, 60});
    c.text(105, 10, "50");
    EXPECT_EQ(rec.of(CanvasOp::Line).size(), 1u);
    EXPECT_EQ(rec.of(CanvasOp::Text).size(), 1u);
    const CanvasPoint near[4] = {{90, 0}, {104, 0}, {104, 100}, {90, 100}};
    c.clipToPolygon(near, 4);
    EXPECT_EQ(rec.of(CanvasOp::Clip).size(), 1u);
}
