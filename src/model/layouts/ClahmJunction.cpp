// "Clahm Junction" (layout 17): a double-track railway junction, three turned copies of one double-track piece
// that branches away on two wide arcs, joined into one network and turned by 160 degrees.
#include <algorithm>

#include "model/layouts/Layouts.h"

namespace jamlog {

namespace {

constexpr int clahmTracks = 120;
constexpr int pieceTracks = 10; // tracks 500..509: outbound 500-504, return 505-509
constexpr int offsetSteps = 2;  // each direction two offset steps to its own side of the centre line
constexpr int railGroupMode = 6;
constexpr int firstSignalGroup = 25;

void buildPiece(Builder& b) {
    b.twoWay(500, 509, {.from = 14, .to = 714, .nextA = 501, .nextB = 510, .offset = offsetSteps});
    b.twoWay(501, 508, {.from = 714, .to = 1414, .nextA = 502, .nextB = 509, .offset = offsetSteps});
    b.twoWay(502, 507, {.from = 1414, .to = 2114, .nextA = 503, .nextB = 508, .offset = offsetSteps});
    b.twoWayArc(503, 506,
                {.from = 2114,
                 .to = 2815,
                 .centre = {21000, 38500},
                 .outline = {2112, 2120, 2820, 2812},
                 .nextA = 504,
                 .nextB = 507,
                 .cw = 1,
                 .offset = offsetSteps});
    b.twoWayArc(504, 505,
                {.from = 2815,
                 .to = 3317,
                 .centre = {21400, 38500},
                 .outline = {2812, 2820, 3320, 3312},
                 .nextA = 515,
                 .nextB = 506,
                 .cw = 1,
                 .offset = offsetSteps});
}

void setGroup(NetworkModel& m, int group, int a0, int a1, int a2, int a3) {
    LightGroup& g = m.lightGroups[static_cast<size_t>(group)];
    g.mode = railGroupMode;
    g.arms[0] = a0;
    g.arms[1] = a1;
    g.arms[2] = a2;
    g.arms[3] = a3;
    g.phase = 0;
}

// Trains vanish into the tunnel mouth at the start of a track.
void hideMouth(RoadRecord& r, int carLength) {
    const int cells = std::min(carLength / 10, r.length / 10);
    if (cells > 0)
        setCells(r.hiddenBits, 0, cells - 1, true);
}

} // namespace

void buildClahmJunction(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "Clahm Junction";
    setExtent(m, {.minX = 3000, .minY = 2000, .maxX = 30000, .maxY = 20000});
    m.trackCount = clahmTracks;
    a.contentFlags = contentTracks;

    buildPiece(b);
    copyRun(m, 510, pieceTracks, 0, 0, 600);
    copyRun(m, 520, pieceTracks, 0, 0, 1400);
    transformRun(m, 525, 5, 0, 0, -2200); // the copied return tracks move up beside their outbound tracks
    for (int platform : {502, 517, 522, 527})
        m.road(platform).edgeStyle = edgeStylePlatform;

    copyRun(m, 530, 30, 0, 0, -2200);
    copyRun(m, 560, 60, 0, 0, -4400);
    for (int r = 560; r < 620; ++r)
        flipSegment(m.road(r), -1, -1, 35000, 17600);
    transformRun(m, 500, clahmTracks, 160, 36000, 15000);

    // The turned copy joins the first group.
    std::fill(std::begin(m.road(614).next), std::end(m.road(614).next), 500);
    std::fill(std::begin(m.road(619).next), std::end(m.road(619).next), 505);

    for (int i = 0; i < 6; ++i) {
        const int v = 507 + 20 * i, w = 510 + 20 * i;
        setGroup(m, firstSignalGroup + i, v - 5, v, v + 5, v + 10);
        setGroup(m, firstSignalGroup + 6 + i, w - 10, w, w - 5, w + 5);
    }

    for (int t = 500; t < 620; t += 10) {
        hideMouth(m.road(t), a.carLength);
        hideMouth(m.road(t + 5), a.carLength);
    }

    const int boundary[] = {509, 504, 529, 524, 549, 544, 569, 564, 589, 584};
    std::copy(std::begin(boundary), std::end(boundary), m.boundaryTracks.begin());
}

} // namespace jamlog
