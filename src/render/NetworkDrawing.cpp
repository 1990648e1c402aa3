// The order of a full paint and of the network within it.
#include "render/NetworkDrawing.h"

#include "model/LayoutRoutine.h"

namespace jamlog {

bool NetworkPainter::hasRoads() const {
    return (s.content & contentRoads) && m.roadCount > 0;
}

void NetworkPainter::paint() {
    s.backColour = dim(s.set.backCol, s.brightness);
    c.fillSurface(s.backColour);
    network();
    drawLightIcons();
}

void NetworkPainter::network() {
    bool overlays = !s.smallWindow;
    if (overlays && s.debugOn(debugShowGrid))
        drawGrid();
    if (s.content & contentRivers)
        for (int i = 0; i < m.riverCount && firstRiver + i < roadCapacity; ++i)
            drawRiverBed(firstRiver + i);
    if (s.content & contentTracks) {
        for (int i = 0; i < m.trackCount && firstTrack + i < roadCapacity; ++i)
            drawTrackBed(firstTrack + i);
        if (!s.snowy())
            for (int i = 0; i < m.trackCount && firstTrack + i < roadCapacity; ++i)
                drawRails(firstTrack + i);
    }
    if (s.content & contentRoads) {
        for (int i = 0; i < m.roadCount && i < roadCapacity; ++i) {
            drawRoad(i);
            if (s.set.dynRW)
                drawRoadworks(i, false);
            c.resetClip();
        }
    }
    if ((s.content & contentDrawFlag) && !s.snowy())
        for (int i = 0; i < static_cast<int>(m.scenery.size()); ++i)
            drawScenery(i);
    if (overlays && s.debugOn(debugNumberRoads))
        drawRoadNumbers();
}

} // namespace jamlog
