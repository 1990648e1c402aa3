// A repeated overlay draws an item again when its calls change or something was drawn over it, and nothing else;
// the items here are limit signs.
#include <gtest/gtest.h>

#include "app/RepeatedOverlay.h"
#include "app/TrackingCanvas.h"
#include "render/RenderFixture.h"

using namespace jamlog;

namespace {

constexpr int imageW = 1200, imageH = 800;

struct RepeatedOverlayTest : RenderFixture {
    RepeatedOverlay overlay;
    const RepeatedOverlay::ItemDrawing signsOf = [this](Canvas& c, int road) {
        NetworkPainter(c, *m, st).drawRoadSigns(road);
    };
    DirtyTiles screen;
    void SetUp() override {
        RenderFixture::SetUp();
        b.straightRoad(0, 101, 701, 0, 0, 0, 0, -1);    // two long roads, far apart, each with a limit sign
        b.straightRoad(1, 1101, 1107, 0, 1, 1, 1, -1); // heading south
        m->roadCount = 2;
        m->road(0).speedLimit = m->road(1).speedLimit = 800;
        st.content = contentRoads;
        st.scale = 10;
        st.refreshColours();
        overlay.resize(imageW, imageH);
        screen.resize(imageW, imageH);
    }
    // The pixel box of a road's sign disc.
    std::array<int, 4> discOf(int road) {
        RecordingCanvas rc;
        NetworkPainter(rc, *m, st).drawRoadSigns(road);
        const CanvasCall disc = rc.of(CanvasOp::Ellipse).at(0);
        return {disc.points[0].x, disc.points[0].y, disc.points[1].x, disc.points[1].y};
    }
    // Passes of the overlay onto a recording canvas: the texts of the signs it drew.
    std::vector<std::string> pass(RecordingCanvas& rc) {
        rc.clear();
        TrackingCanvas tracked(rc, screen, {&overlay.damage()});
        overlay.draw(tracked, m->roadCount, signsOf, 0, 0);
        std::vector<std::string> texts;
        for (const CanvasCall& c : rc.of(CanvasOp::Text))
            texts.push_back(c.text);
        return texts;
    }
};

TEST_F(RepeatedOverlayTest, DrawsOnlyTheSignsThatChangedOrWereDrawnOver) {
    RecordingCanvas rc;
    EXPECT_EQ(pass(rc), (std::vector<std::string>{"50", "50"})) << "the first pass draws every sign";
    EXPECT_TRUE(pass(rc).empty()) << "nothing changed, nothing drawn over";

    m->road(1).speedLimit = 1120; // 70
    EXPECT_EQ(pass(rc), std::vector<std::string>{"70"});

    const auto disc = discOf(0);
    overlay.damage().mark(disc[0], disc[1], disc[0], disc[1]); // a vehicle passed over the first sign
    EXPECT_EQ(pass(rc), std::vector<std::string>{"50"});

    overlay.damage().mark(disc[0], disc[1], disc[0], disc[1]);
    overlay.scrolled(0, imageH); // the marked pixels moved off the surface with a scroll
    EXPECT_TRUE(pass(rc).empty());

    overlay.forget(); // a full paint
    EXPECT_EQ(pass(rc).size(), 2u);
}

// What was drawn over a sign looks as it does when every sign is drawn again.
TEST_F(RepeatedOverlayTest, RestoresWhatWasDrawnOverASign) {
    QImage reused(imageW, imageH, QImage::Format_RGB32), every(imageW, imageH, QImage::Format_RGB32);
    reused.fill(Qt::darkGreen);
    QtCanvas qc(reused);
    TrackingCanvas tracked(qc, screen, {&overlay.damage()});
    overlay.draw(tracked, m->roadCount, signsOf, 0, 0);
    const QImage before = reused.copy();
    const auto disc = discOf(0);
    tracked.setPen({PenStyle::Null, 0, 0});
    tracked.setBrush({true, 0x00FF00});
    tracked.rectangle(disc[0], disc[1], disc[2], disc[3]);
    every = reused.copy();
    overlay.draw(tracked, m->roadCount, signsOf, 0, 0);
    QtCanvas all(every);
    NetworkPainter(all, *m, st).drawAllSigns();
    EXPECT_NE(reused, before) << "the box's corners stay green";
    EXPECT_EQ(reused, every);
}

} // namespace
