// Ring roundabouts, the four-arm roundabout template and the light junction.
#include "model/Assemblies.h"

#include <algorithm>

namespace jamlog {

namespace {

// A quarter turn clockwise on the screen (y grows downwards), applied q times.
Point quarterTurn(Point p, int q) {
    for (int i = 0; i < q; ++i)
        p = {-p.y, p.x};
    return p;
}

// Builds the eight ring segments; arcsOfferExits chooses whether arcs or straights carry the exits.
void ringSegments(Builder& b, int base, int cx, int cy, int s, const std::array<int, 4>& exits, bool arcsOfferExits) {
    for (int q = 0; q < 4; ++q) {
        Point from = quarterTurn({-s, -s / 2}, q), to = quarterTurn({-s / 2, -s}, q);
        Point via = quarterTurn({s / 4, s / 4}, q);
        Point nextFrom = quarterTurn({-s, -s / 2}, (q + 1) % 4);
        int arc = base + 2 * q, side = arc + 1, nextArc = base + (2 * q + 2) % 8;
        int exit = exits[static_cast<size_t>(q)];
        SegmentArgs a;
        a.x1 = cx + from.x;
        a.y1 = cy + from.y;
        a.x2 = cx + to.x;
        a.y2 = cy + to.y;
        a.viaX = cx + via.x;
        a.viaY = cy + via.y;
        a.topLanes = 1;
        a.cw = 1;
        a.style = edgeStyleLink;
        a.offset = 1;
        if (arcsOfferExits) {
            a.next0 = exit;
            a.next1 = exit;
            a.next2 = side;
        } else {
            a.next0 = a.next1 = a.next2 = side;
        }
        // The made-up outline of a three-point arc crosses itself here. The fitted one reaches beyond the circle by
        // the two-lane band and the bulge of the arc between its ends (a fifth of the radius covers the 56 degrees
        // each corner sweeps).
        b.segmentInOutline(arc, a, s / 5 + 2 * b.model().laneWidth);
        SegmentArgs t;
        t.x1 = a.x2;
        t.y1 = a.y2;
        t.x2 = cx + nextFrom.x;
        t.y2 = cy + nextFrom.y;
        t.topLanes = 1;
        t.style = edgeStyleLink;
        t.offset = 1;
        if (arcsOfferExits) {
            t.next0 = t.next1 = t.next2 = nextArc;
        } else {
            t.next0 = exit;
            t.next1 = exit;
            t.next2 = nextArc;
        }
        b.segment(side, t);
    }
}

} // namespace

void ringRoundabout(Builder& b, const RingRoundabout& r) {
    ringSegments(b, r.base, r.centre.x, r.centre.y, r.halfSize, r.exits, true);
}

void ringRoundabout(Builder& b, int base, int cx, int cy, int s, const std::array<int, 4>& exits) {
    ringRoundabout(b, {.base = base, .centre = {cx, cy}, .halfSize = s, .exits = exits});
}

void ringTemplate(Builder& b, int base, const std::array<int, 4>& exits) {
    ringSegments(b, base, 0, 0, 500, exits, false);
    transformRun(b.model(), base, 8, 45, 1, 0);
}

void fourArmRoundabout(Builder& b, int roundabout, int ringLanes, int radius, const std::array<int, 4>& exits) {
    fourArmRoundabout(b, {.roundabout = roundabout, .ringLanes = ringLanes, .radius = radius, .exits = exits});
}

void fourArmRoundabout(Builder& b, const FourArmRoundabout& r) {
    const int roundabout = r.roundabout, ringLanes = r.ringLanes, radius = r.radius;
    const std::array<int, 4>& exits = r.exits;
    constexpr int centre = 202;
    constexpr int armPoints[4] = {200, 402, 204, 2}; // north, east, south, west in cell points
    b.roundaboutShape(roundabout, centre, radius);
    const int style = ringLanes > 0 ? 1 : edgeStyleLink;
    for (int q = 0; q < 4; ++q) {
        int exitRoad = 5 + 2 * q;
        b.roundaboutArc(q, {.roundabout = roundabout,
                            .quarter = q,
                            .topLanes = ringLanes,
                            .next = {exitRoad, exitRoad, (q + 1) % 4},
                            .style = style});
    }
    for (int k = 0; k < 4; ++k) {
        int entry = 4 + 2 * k, exit = entry + 1, into = (k + 1) % 4, target = exits[static_cast<size_t>(k)];
        b.straightRoad(
            entry, {.from = armPoints[k], .to = centre, .next = into, .trimEnd = radius + 50, .offset = 1, .ctl = k});
        b.straightRoad(exit,
                       {.from = centre, .to = armPoints[k], .next = target, .trimStart = radius + 50, .offset = 1});
        b.model().road(exit).indicator = 4;
    }
}

void miniRoundabout(Builder& b, int roundabout) {
    b.roundaboutShape(roundabout, 101, 80);
    for (int q = 0; q < 4; ++q) {
        int n = (q + 1) % 4;
        b.roundaboutArc(q, {.roundabout = roundabout, .quarter = q, .next = n, .style = edgeStyleLink});
    }
}

void lightJunction(Builder& b, int group, int mode, int base, int centre, const std::array<int, 4>& approaches,
                   const std::array<int, 4>& exits, int topLanes, int offset, int s) {
    lightJunction(b, {.group = group,
                      .mode = mode,
                      .base = base,
                      .centre = centre,
                      .approaches = approaches,
                      .exits = exits,
                      .topLanes = topLanes,
                      .offset = offset,
                      .halfSize = s});
}

int junctionMode(int lightsMode, Lamps lamps) {
    if (lamps == Lamps::partTime)
        return lightsPartTimeOff;
    const int mode = std::clamp(lightsMode, lightsFourPhase, lightsOff);
    return lamps == Lamps::extra ? mode + lampsFlag : mode;
}

void lightJunction(Builder& b, const LightJunction& j) {
    const int group = j.group, mode = j.mode, base = j.base, topLanes = j.topLanes, s = j.halfSize;
    const std::array<int, 4>&approaches = j.approaches, &exits = j.exits;
    const Point c = cellPoint(j.centre);
    const int o = static_cast<int>(0.56 * b.model().laneWidth * j.offset);
    const int ctl = base - 1;
    auto at = [&](Point rel, int q) {
        Point p = quarterTurn(rel, q);
        return Point{c.x + p.x, c.y + p.y};
    };
    for (int k = 0; k < 4; ++k) {
        // Seen from arm k = north: vehicles enter at (o, -s) heading south.
        Point in = at({o, -s}, k);
        Point across = at({o, s}, k);
        Point right = at({-s, o}, k), rightCorner = at({-s, -s}, k);
        Point left = at({s, -o}, k), leftCorner = at({s, -s}, k);
        int box = k + 1;
        int exAcross = exits[static_cast<size_t>((k + 2) % 4)];
        int exRight = exits[static_cast<size_t>((k + 3) % 4)];
        int exLeft = exits[static_cast<size_t>((k + 1) % 4)];
        b.straightRaw(
            base + k,
            {.from = in, .to = across, .topLanes = topLanes, .next = exAcross, .box = box, .style = 9, .ctl = ctl});
        b.arcRaw(base + 4 + k, {.from = in,
                                .to = right,
                                .centre = rightCorner,
                                .bounds = {c.x - s, c.y - s, c.x + s, c.y + s},
                                .next = exRight,
                                .cw = 1,
                                .box = box,
                                .style = 4,
                                .ctl = ctl});
        b.model().road(base + 4 + k).indicator = 8;
        b.arcRaw(base + 8 + k, {.from = in,
                                .to = left,
                                .centre = leftCorner,
                                .bounds = {c.x - s, c.y - s, c.x + s, c.y + s},
                                .next = exLeft,
                                .box = box,
                                .style = 8,
                                .ctl = ctl});
        b.model().road(base + 8 + k).indicator = 4;
    }
    LightGroup& g = b.model().lightGroups[static_cast<size_t>(group)];
    g.mode = (mode & lampsFlag) ? mode - lampsFlag : mode;
    for (int k = 0; k < 4; ++k)
        g.arms[k] = approaches[static_cast<size_t>(k)];
    g.phase = 0;
    g.hasLights = (mode & lampsFlag) ? 1 : 0;
}

} // namespace jamlog
