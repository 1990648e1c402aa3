// Erase-step-draw on pixels: after the erase pass of every vehicle nothing of a body or lamp colour is left.
#include <cstdio>
#include <set>

#include "RenderFixture.h"
#include "sim/PlaceOnRoad.h"

using namespace jamlog;

namespace {

constexpr Colour bodyColour = 0x21C8F5; // appears nowhere in the network
const Colour lampColours[] = {0xC0C0C0, 0x0080FF, 0x6060C0, 0x000080, 0xFF6060, 0xFFFFFF};

struct Mover {
    int road, lane, pos, length;
    uint8_t lamps;
};

struct ErasePixelTest : RenderFixture, ::testing::WithParamInterface<std::tuple<bool, int, int>> {
    std::vector<Mover> movers;

    void place(int n) {
        Mover& v = movers[static_cast<size_t>(n)];
        VehicleDrawRecord& d = (*recs)[static_cast<size_t>(n)];
        placeOnRoad(m->road(v.road), d, v.pos - v.length, v.length, (2 * m->driveOnLeft - 1) * v.lane, m->laneWidth);
        d.stepResult = 0;
        d.lampFlags = v.lamps;
    }

    uint8_t stepMover(int n) {
        Mover& v = movers[static_cast<size_t>(n)];
        v.pos += 37;
        if (v.pos > m->road(v.road).length)
            v.pos = v.length;
        place(n);
        return 0;
    }

    std::set<QRgb> vehicleColours() const {
        std::set<QRgb> out;
        out.insert(QtCanvas::toQColor(lit(bodyColour, st.brightness, st.lampTint)).rgb());
        out.insert(QtCanvas::toQColor(bodyColour).rgb());
        for (Colour c : lampColours)
            out.insert(QtCanvas::toQColor(c).rgb());
        return out;
    }

    static int count(const QImage& img, const std::set<QRgb>& colours, bool report = false) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x)
                if (colours.count(line[x] | 0xFF000000u)) {
                    if (n++ == 0 && report)
                        std::printf("vehicle colour %06x at %d,%d\n", line[x] & 0xFFFFFF, x, y);
                }
        }
        return n;
    }
};

TEST_P(ErasePixelTest, NothingLeftBehind) {
    auto [precise, brightness, scale] = GetParam();
    buildSample();
    st.scale = scale;
    st.set.advanced = precise ? advancedPreciseErasing : 0;
    st.setBrightness(brightness);
    // Cars on the roundabout ring and arms, the motorways and the two-way road, with indicators and brakes.
    const int roads[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 16, 16, 16, 17, 17, 18, 19, 20, 24};
    for (int i = 0; i < 60; ++i) {
        int r = roads[i % std::size(roads)];
        int lane = m->road(r).topLane > 0 ? i % (m->road(r).topLane + 1) : 0;
        uint8_t lamps = static_cast<uint8_t>((i % 3 == 1 ? lampLeftIndicator : 0) | (i % 4 == 2 ? lampBrake : 0));
        movers.push_back({r, lane, 200 + 90 * (i / std::size(roads)), 200, lamps});
        (*recs)[static_cast<size_t>(i)].bodyColour = bodyColour;
        place(i);
    }
    QImage img(2000, 1200, QImage::Format_RGB32);
    QtCanvas canvas(img);
    NetworkPainter(canvas, *m, st).paint();
    std::set<QRgb> colours = vehicleColours();
    ASSERT_EQ(count(img, colours), 0) << "the network already holds a vehicle colour";

    VehiclePainter vp(canvas, *m, st, *recs);
    vp.step = [&](int n) { return stepMover(n); };
    st.screenW = img.width();
    st.screenH = img.height();
    canvas.setPen({PenStyle::Null, 0, 0});
    for (int tick = 0; tick < 12; ++tick) {
        st.flashPhase = tick & 1;
        for (int n = 0; n < static_cast<int>(movers.size()); ++n) {
            vp.moveAndDrawCar(n, erasePass);
            vp.moveAndDrawCar(n, drawPass);
        }
    }
    ASSERT_GT(count(img, colours), 500) << "the vehicles were drawn";
    std::string name =
        "erase_" + std::to_string(precise) + "_" + std::to_string(brightness) + "_" + std::to_string(scale);
    dump(img, name + "_drawn", QRect(0, 0, 420, 420), 2);
    for (int n = 0; n < static_cast<int>(movers.size()); ++n)
        vp.moveAndDrawCar(n, erasePass);
    dump(img, name + "_erased", QRect(0, 0, 420, 420), 2);
    EXPECT_EQ(count(img, colours, true), 0);
}

INSTANTIATE_TEST_SUITE_P(PreciseDayNightScale, ErasePixelTest,
                         ::testing::Combine(::testing::Bool(), ::testing::Values(10, 60),
                                            ::testing::Values(8, 12, 20)));

} // namespace
