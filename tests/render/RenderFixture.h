// A hand-built network with every kind of record the drawing knows (plain and motorway roads, a roundabout, a
// light junction, tracks with a platform, a river, scenery), plus the drawing state over it.
#pragma once
#include <QImage>
#include <cstdlib>
#include <string>

#include "model/Assemblies.h"
#include "model/LayoutRoutine.h"
#include "platform/QtCanvas.h"
#include "platform/RecordingCanvas.h"
#include "render/NetworkDrawing.h"
#include "render/VehicleDrawing.h"
#include "support/ModelFixture.h"

struct RenderFixture : ModelFixture {
    jamlog::DrawState st;
    std::unique_ptr<jamlog::VehicleDrawTable> recs = std::make_unique<jamlog::VehicleDrawTable>();

    void buildSample() {
        using namespace jamlog;
        fourArmRoundabout(b, 0, 1, 600, {12, 13, 14, 15});
        for (int r = 12; r < 16; ++r)
            b.straightRoad(r, 1000 + r, 1100 + r, 0, r, r, r, -1);
        b.straightRoad(16, 601, 1901, 2, 16, 16, 16, -1); // three-lane motorway, eastbound
        b.straightRoad(17, 1903, 603, 2, 17, 17, 17, -1);
        b.twoWay(18, 19, 608, 1908, 0, 18, 19, 0, 0, 0, 0); // single-lane two-way road
        lightJunction(b, 0, 16 + 1, 30, 1505, {20, 21, 22, 23}, {24, 25, 26, 27}, 0, 1, 500);
        for (int k = 0; k < 4; ++k) {
            static const int from[4] = {1502, 1805, 1508, 1205}, to[4] = {1504, 1605, 1506, 1405};
            b.straightRoad(20 + k, from[k], to[k], 0, 30 + k, 30 + k, 30 + k, -1);
            b.straightRoad(24 + k, to[k], from[k], 0, 24 + k, 24 + k, 24 + k, -1);
        }
        m->roadCount = 42;
        b.straightRoad(500, 110, 1910, 0, 500, 500, 500, -1);
        b.straightRoad(501, 1911, 111, 0, 501, 501, 501, -1);
        m->road(501).edgeStyle = edgeStylePlatform; // a platform beside it
        m->trackCount = 2;
        b.straightRoad(700, 2, 1902, 0, 700, 700, 700, -1);
        m->riverCount = 1;
        m->scenery[0] = {1, 10000, 6000, 1500, 0};
        m->scenery[1] = {3, 4000, 6500, 0, 800};
        m->extentMinX = 0;
        m->extentMinY = 0;
        m->extentMaxX = 20000;
        m->extentMaxY = 12000;
        st.content = contentRoads | contentTracks | contentRivers | contentDrawFlag;
        st.scale = 10;
        st.refreshColours();
    }

    // Writes the image to $JAMLOG_PNG_DIR/name.png when that variable is set, for looking at by eye.
    static void dump(const QImage& img, const std::string& name, QRect crop = {}, int enlarge = 1) {
        const char* dir = std::getenv("JAMLOG_PNG_DIR");
        if (!dir)
            return;
        QImage part = crop.isNull() ? img : img.copy(crop);
        if (enlarge > 1)
            part = part.scaled(part.size() * enlarge);
        part.save(QString::fromStdString(std::string(dir) + "/" + name + ".png"));
    }
};
