// The generic segment builder and the transforms that rotate, mirror, move and replicate built records.
#pragma once
#include "model/NetworkModel.h"

namespace jamlog {

// Arguments of buildSegment, in their documented order. Points are raw world units.
struct SegmentArgs {
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int32_t viaX = 0, viaY = 0; // 0 = straight; a point on the arc, or the centre when startTaper >= 999
    int32_t p[8] = {};          // outline corners p1..p4 (x, y); all 0 = none given
    int32_t topLanes = 0;
    int32_t next0 = noSuccessor, next1 = noSuccessor, next2 = noSuccessor;
    int32_t cw = 0;
    int32_t box = 0;
    int32_t style = 0;
    int32_t startTaper = 0;
    int32_t endTaper = 0;
    int32_t trimStart = 0, trimEnd = 0;
    int32_t offset = 0;
    int32_t ctl = -1;
    int32_t kindArg = 0;
};

constexpr int centreMarker = 999; // a taper value at or above this marks an arc about a given centre

// Fills one road record from the arguments; W is the lane width. Always returns 1.
int buildSegment(RoadRecord& road, const SegmentArgs& a, int32_t W);

void rotateSegment(RoadRecord& road, double degrees, int32_t dx, int32_t dy, int32_t W);
void flipSegment(RoadRecord& road, int ySign, int xSign, int32_t xShift, int32_t yShift);
void transformRun(NetworkModel& m, int first, int count, double degrees, int32_t dx, int32_t dy);
void copyRun(NetworkModel& m, int first, int count, double degrees, int32_t dx, int32_t dy);

// The arc-about-centre angle convention: angle of P about C, y up; the +1 and 1e-6 avoid a zero divisor.
double angleAbout(int32_t px, int32_t py, int32_t cx, int32_t cy);

} // namespace jamlog
