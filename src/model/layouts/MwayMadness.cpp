// "Mway Madness": three motorways of four-lane carriageways: two across the layout from west to east, in the north
// and in the south, and one from north to south through the middle, which crosses the other two on bridges. Where
// they cross, four free-flow links turn left from each motorway onto the other. Each east-west motorway has a
// roundabout interchange near either end, and the north-south one has a turned copy half way between the others;
// their cross roads lead into two grids of local roads with light junctions, one west and one east of the middle
// motorway, and the western grid has a slip road of its own onto the southern motorway. The motorways are cut into
// short sections, each with its own variable speed limit and camera. A double-track railway runs from north to south
// beside the middle motorway and under the other two.
#include <array>
#include <cmath>
#include <iterator>
#include <vector>

#include "model/RoundaboutInterchange.h"
#include "model/TrainLaying.h"
#include "model/layouts/BridgeCover.h"
#include "model/layouts/Layouts.h"
#include "model/layouts/LocalRoadPlan.h"
#include "model/layouts/MotorwayPlan.h"
#include "model/layouts/StreetPlan.h"

namespace jamlog {

namespace {

constexpr int madnessRoads = 499;
constexpr int madnessTracks = 48;
constexpr int carScale = 5;
constexpr int trainDivisor = 6;
constexpr int32_t minX = 1000, minY = 1000, maxX = 48000, maxY = 36000;

constexpr int motorwayLanes = 3;
constexpr int32_t carriagewayHalfGap = 500; // each carriageway's nearside line from its motorway's centre line
constexpr int32_t northY = 7500, southY = 29500, middleX = 24500; // the motorways' centre lines
constexpr int32_t linkRadius = 2500;                              // the free-flow links turn a quarter about this
constexpr int32_t maxSection = 1500; // a motorway is cut into sections of at most this length
constexpr int longestCarLengths = 2; // the bridges hide a stretch this long either side

// The roundabout interchanges: the template at roads 0-27 and its copies, in the order of their first roads. The
// middle one is turned a quarter clockwise: its motorway runs north-south and its cross road east-west.
enum Interchange { northWest, northEast, southWest, southEast, middle, interchangeCount };
constexpr std::array<Point, interchangeCount> interchangeCentre{
    {{8000, northY}, {41000, northY}, {8000, southY}, {41000, southY}, {middleX, 18500}}};
constexpr Point templateCentre{7000, 6500};
constexpr int32_t interchangeHalfLength = 7000; // along its motorway from its centre
constexpr int base(Interchange k) {
    return k * interchangeRoads;
}
// Template roads: the motorway in (eastbound, westbound) and out, the cross road southbound in and out, northbound
// in and out. Turned a quarter, eastbound becomes southbound and southbound westbound.
constexpr int eastIn = 0, eastOut = 2, westIn = 3, westOut = 5;
constexpr int southIn = 6, southOut = 8, northIn = 9, northOut = 11;

// The carriageways between the interchanges and out to the edges, in running order. Each runs along a straight line
// from `from` through the points where its stretches end: where a link leaves or joins, and at its own end.
enum Carriageway {
    northEastbound,
    northWestbound,
    southEastbound,
    southWestbound,
    southboundUpper, // north of the middle interchange
    southboundLower,
    northboundLower,
    northboundUpper,
    carriagewayCount
};
constexpr int32_t westEndX = interchangeCentre[northWest].x + interchangeHalfLength;
constexpr int32_t eastStartX = interchangeCentre[northEast].x - interchangeHalfLength;
constexpr int32_t middleNorthY = interchangeCentre[middle].y - interchangeHalfLength;
constexpr int32_t middleSouthY = interchangeCentre[middle].y + interchangeHalfLength;
constexpr int32_t northboundX = middleX - carriagewayHalfGap, southboundX = middleX + carriagewayHalfGap;
// Where the links leave and join: a link's radius beyond the carriageway it turns onto or off.
constexpr int32_t westOfMiddle = northboundX - linkRadius, eastOfMiddle = southboundX + linkRadius;
constexpr int32_t northOfNorth = northY - carriagewayHalfGap - linkRadius;
constexpr int32_t southOfNorth = northY + carriagewayHalfGap + linkRadius;
constexpr int32_t northOfSouth = southY - carriagewayHalfGap - linkRadius;
constexpr int32_t southOfSouth = southY + carriagewayHalfGap + linkRadius;

struct CarriagewayPlan {
    Point from;
    std::vector<Point> ends; // of each stretch
};

// The local roads: two lanes each way, as the interchanges' cross roads, in two grids of three rows and two columns.
// The outer columns meet the cross roads of the east-west motorways' interchanges, the inner ones the middle
// interchange's cross road.
constexpr LocalRoadShape localRoad{.topLanes = 1, .offset = 3, .boxHalf = 500};
constexpr std::array<int32_t, 3> rowY{14500, 18500, 22500};
constexpr std::array<int32_t, 2> westColumnX{8000, 17500}, eastColumnX{41000, 31500}; // outer, inner
constexpr int32_t maxLocalPiece = 2500;
constexpr int junctionRoads = 12;

// The western grid's slip road onto the southern motorway: south from its inner south junction, then a quarter
// turn onto the eastbound carriageway.
constexpr int32_t slipRadius = 1500;
constexpr int slipStraights = 2;

// Record numbers: the interchanges, the grids, then the carriageways' sections (as many as maxSection cuts them
// into), the links and the slip road, which ends on the last road.
constexpr int firstJunction = interchangeCount * interchangeRoads; // 140
constexpr int gridJunctions = 2 * static_cast<int>(rowY.size() * westColumnX.size());
constexpr int firstLocalLink = firstJunction + gridJunctions * junctionRoads;
constexpr int freeFlowLinks = 8;
constexpr int slipRoads = slipStraights + 1;
constexpr int firstSlip = madnessRoads - slipRoads;

// The railway: a double track along x = railX, each direction two offset steps to its own side, in equal pieces.
constexpr int32_t railX = 20000;
constexpr int railOffset = 2;
constexpr int railPieces = madnessTracks / 2;
constexpr std::array<int, 2> stationPieces{8, 15}; // each with the piece after it

void setNext(RoadRecord& r, int n) {
    r.next[0] = r.next[1] = r.next[2] = n;
}
void setNext(RoadRecord& r, const std::array<int, 3>& n) {
    r.next[0] = n[0];
    r.next[1] = n[1];
    r.next[2] = n[2];
}

int32_t distance(Point a, Point z) {
    return static_cast<int32_t>(std::lround(std::hypot(double(z.x) - a.x, double(z.y) - a.y)));
}

int piecesFor(int32_t length, int32_t maxPiece) {
    return (length + maxPiece - 1) / maxPiece;
}

// The interchange template and its copies, each moved (and the middle one turned) to its centre.
void buildInterchanges(Builder& b) {
    NetworkModel& m = b.model();
    roundaboutInterchange(b, {0, 0, 0, 0}); // the successors out of each interchange are set below
    for (int k = interchangeCount - 1; k >= 0; --k) {
        const Point c = interchangeCentre[static_cast<size_t>(k)];
        const bool turned = k == middle;
        // A quarter turn takes (x, y) to (-y, x).
        const Point moved = turned ? Point{-templateCentre.y, templateCentre.x} : templateCentre;
        const double degrees = turned ? 90 : 0;
        if (k > 0)
            copyRun(m, base(Interchange(k)), interchangeRoads, degrees, c.x - moved.x, c.y - moved.y);
        else
            transformRun(m, 0, interchangeRoads, degrees, c.x - moved.x, c.y - moved.y);
    }
}

struct BuiltCarriageway {
    int first = 0, last = 0;
    std::vector<int> stretchEnd; // the last section of each stretch
};

BuiltCarriageway buildCarriageway(Builder& b, int first, const CarriagewayPlan& plan, int then) {
    std::vector<Piece> pieces;
    BuiltCarriageway out;
    Point at = plan.from;
    for (Point end : plan.ends) {
        appendStraight(pieces, at, end, piecesFor(distance(at, end), maxSection), motorwayLanes);
        out.stretchEnd.push_back(first + static_cast<int>(pieces.size()) - 1);
        at = end;
    }
    const std::vector<int> roads = numbered(first, static_cast<int>(pieces.size()));
    buildChain(b, {.roads = roads, .pieces = pieces, .offset = 0, .then = {then, then, then}});
    out.first = first;
    out.last = roads.back();
    return out;
}

// A left turn from the end of stretch `off` of one carriageway to the end of stretch `onto` of another, which lets
// it in: a quarter turn about the corner where the normals at both ends meet.
struct FreeFlowLink {
    Carriageway from;
    int off;
    Carriageway to;
    int onto;
};
constexpr std::array<FreeFlowLink, freeFlowLinks> links{{
    {northEastbound, 0, northboundUpper, 1},
    {southboundUpper, 0, northEastbound, 1},
    {northWestbound, 0, southboundUpper, 1},
    {northboundUpper, 0, northWestbound, 1},
    {southEastbound, 1, northboundLower, 1},
    {southboundLower, 0, southEastbound, 2},
    {southWestbound, 0, southboundLower, 1},
    {northboundLower, 0, southWestbound, 1},
}};

// The road `courtesy` ends where `slip` joins it: its traffic moves over to let the slip's in, and the slip gives
// way to it and runs on where it does.
void letIn(NetworkModel& m, int courtesy, int slip) {
    m.road(courtesy).control = courtesyCode + slip;
    m.road(slip).control = courtesy;
    setNext(m.road(slip), m.road(courtesy).next[0]);
}

void buildLink(Builder& b, int road, int diverging, int courtesy) {
    NetworkModel& m = b.model();
    const Point from = b.endOf(diverging), to = b.endOf(courtesy);
    const bool offEastWest = m.road(diverging).dirYi == 0;
    const Point corner = offEastWest ? Point{from.x, to.y} : Point{to.x, from.y};
    slipArc(b, road,
            {.from = from, .to = to, .centre = corner, .startTaper = exitTaperStart, .endTaper = entryTaperEnd});
    setNext(m.road(diverging), {diverging + 1, diverging + 1, road});
    letIn(m, courtesy, road);
}

void buildRailway(Builder& b) {
    NetworkModel& m = b.model();
    const int last = firstTrack + madnessTracks - 1;
    auto yAt = [](int i) { return (minY + (maxY - minY) * i / railPieces) / 100 * 100; };
    auto atStation = [](int i) {
        for (int s : stationPieces)
            if (i == s || i == s + 1)
                return true;
        return false;
    };
    for (int i = 0; i < railPieces; ++i) {
        const int down = firstTrack + i, up = last - i;
        b.twoWayFine(down, up,
                     {.from = fineOf(railX, yAt(i)),
                      .to = fineOf(railX, yAt(i + 1)),
                      .nextA = down + 1,
                      .nextB = up == last ? firstTrack : up + 1,
                      .style = atStation(i) ? edgeStylePlatform : 0,
                      .offset = railOffset});
    }
    m.boundaryTracks[0] = firstTrack + railPieces - 1; // southbound out at the south edge
    m.boundaryTracks[1] = last;                        // northbound out at the north edge
}

} // namespace

void buildMwayMadness(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "Mway Madness";
    a.contentFlags = contentRoads | (a.contentFlags & (contentTracks | contentPelican));
    a.cars *= carScale;
    a.trains /= trainDivisor;
    m.roadCount = madnessRoads;
    m.trackCount = madnessTracks;
    m.riverCount = 0;
    setExtent(m, {.minX = minX, .minY = minY, .maxX = maxX, .maxY = maxY});

    buildInterchanges(b);

    // The local grids, declared first: the slip road's merge lies where the western grid's slip comes down.
    LocalRoadPlan p(b, localRoad, firstLocalLink);
    int junctionBase = firstJunction;
    auto grid = [&](const std::array<int32_t, 2>& columnX, int32_t edgeX) {
        std::array<std::array<int, 3>, 2> j{};
        for (size_t c = 0; c < columnX.size(); ++c)
            for (size_t r = 0; r < rowY.size(); ++r) {
                j[c][r] = p.junction({columnX[c], rowY[r]}, junctionBase);
                junctionBase += junctionRoads;
            }
        auto link = [&](int from, int to, Point a0, Point z0) {
            p.straight(from, to, piecesFor(distance(a0, z0), maxLocalPiece));
        };
        for (size_t r = 0; r < rowY.size(); ++r) {
            const Point edge{edgeX, rowY[r]}, outer{columnX[0], rowY[r]}, inner{columnX[1], rowY[r]};
            link(p.edge(edge), j[0][r], edge, outer);
            link(j[0][r], j[1][r], outer, inner);
        }
        for (size_t c = 0; c < columnX.size(); ++c)
            for (size_t r = 0; r + 1 < rowY.size(); ++r)
                link(j[c][r], j[c][r + 1], {columnX[c], rowY[r]}, {columnX[c], rowY[r + 1]});
        return j;
    };
    const auto westGrid = grid(westColumnX, minX), eastGrid = grid(eastColumnX, maxX);
    const int top = 0, centreRow = 1, bottom = 2, outerColumn = 0, innerColumn = 1;
    // The cross roads of the interchanges are the grids' outer arms.
    struct CrossArm {
        Interchange interchange;
        int node, arm;
        int in, out; // template roads arriving at the junction and leaving it
    };
    const CrossArm crossArms[] = {
        {northWest, westGrid[outerColumn][top], north, southOut, northIn},
        {southWest, westGrid[outerColumn][bottom], south, northOut, southIn},
        {northEast, eastGrid[outerColumn][top], north, southOut, northIn},
        {southEast, eastGrid[outerColumn][bottom], south, northOut, southIn},
        {middle, westGrid[innerColumn][centreRow], east, southOut, northIn},
        {middle, eastGrid[innerColumn][centreRow], west, northOut, southIn},
    };
    for (const CrossArm& c : crossArms) {
        p.arriving(c.node, c.arm, base(c.interchange) + c.in);
        p.leaving(c.node, c.arm, base(c.interchange) + c.out);
    }
    const int slipJunction = westGrid[innerColumn][bottom];
    p.leaving(slipJunction, south, firstSlip);
    const Point slipTop = p.departurePoint(slipJunction, south);
    const int32_t slipMergeX = slipTop.x + slipRadius;

    // The carriageways and the links between them.
    const int32_t nEast = northY - carriagewayHalfGap, nWest = northY + carriagewayHalfGap;
    const int32_t sEast = southY - carriagewayHalfGap, sWest = southY + carriagewayHalfGap;
    const std::array<CarriagewayPlan, carriagewayCount> plans{{
        {{westEndX, nEast}, {{westOfMiddle, nEast}, {eastOfMiddle, nEast}, {eastStartX, nEast}}},
        {{eastStartX, nWest}, {{eastOfMiddle, nWest}, {westOfMiddle, nWest}, {westEndX, nWest}}},
        {{westEndX, sEast}, {{slipMergeX, sEast}, {westOfMiddle, sEast}, {eastOfMiddle, sEast}, {eastStartX, sEast}}},
        {{eastStartX, sWest}, {{eastOfMiddle, sWest}, {westOfMiddle, sWest}, {westEndX, sWest}}},
        {{southboundX, minY}, {{southboundX, northOfNorth}, {southboundX, southOfNorth}, {southboundX, middleNorthY}}},
        {{southboundX, middleSouthY}, {{southboundX, northOfSouth}, {southboundX, southOfSouth}, {southboundX, maxY}}},
        {{northboundX, maxY}, {{northboundX, southOfSouth}, {northboundX, northOfSouth}, {northboundX, middleSouthY}}},
        {{northboundX, middleNorthY}, {{northboundX, southOfNorth}, {northboundX, northOfNorth}, {northboundX, minY}}},
    }};
    // Where each carriageway runs on; the two that leave the layout run on into the other direction's first road.
    const std::array<int, carriagewayCount> then{base(northEast) + eastIn, base(northWest) + westIn,
                                                 base(southEast) + eastIn, base(southWest) + westIn,
                                                 base(middle) + eastIn,    -1,
                                                 base(middle) + westIn,    -1};
    std::array<BuiltCarriageway, carriagewayCount> cw{};
    const int firstSection = p.nextFree();
    int section = firstSection;
    for (int k = 0; k < carriagewayCount; ++k) {
        cw[static_cast<size_t>(k)] =
            buildCarriageway(b, section, plans[static_cast<size_t>(k)], then[static_cast<size_t>(k)]);
        section = cw[static_cast<size_t>(k)].last + 1;
    }
    const int firstLink = section; // the links end where the slip road begins

    setNext(m.road(cw[southboundLower].last), cw[northboundLower].first);
    setNext(m.road(cw[northboundUpper].last), cw[southboundUpper].first);
    for (size_t i = 0; i < links.size(); ++i) {
        const FreeFlowLink& l = links[i];
        buildLink(b, firstLink + static_cast<int>(i), cw[l.from].stretchEnd[static_cast<size_t>(l.off)],
                  cw[l.to].stretchEnd[static_cast<size_t>(l.onto)]);
    }

    // Out of the interchanges: onto the carriageways, to the grids, or out at an edge and back on the other way.
    auto out = [&](Interchange k, int road, int next) { setNext(m.road(base(k) + road), next); };
    out(northWest, eastOut, cw[northEastbound].first);
    out(northEast, westOut, cw[northWestbound].first);
    out(southWest, eastOut, cw[southEastbound].first);
    out(southEast, westOut, cw[southWestbound].first);
    out(middle, eastOut, cw[southboundLower].first);
    out(middle, westOut, cw[northboundUpper].first);
    const int edgeEnds[][2] = {
        {base(northWest) + westOut, base(northWest) + eastIn},
        {base(northEast) + eastOut, base(northEast) + westIn},
        {base(southWest) + westOut, base(southWest) + eastIn},
        {base(southEast) + eastOut, base(southEast) + westIn},
        {base(northWest) + northOut, base(northWest) + southIn},
        {base(northEast) + northOut, base(northEast) + southIn},
        {base(southWest) + southOut, base(southWest) + northIn},
        {base(southEast) + southOut, base(southEast) + northIn},
    };
    for (const auto& e : edgeEnds)
        setNext(m.road(e[0]), e[1]);
    for (const CrossArm& c : crossArms)
        setNext(m.road(base(c.interchange) + c.in), p.successorsAt(c.node, c.arm));

    // The slip road: straight down from the junction, then the quarter turn onto the eastbound carriageway.
    std::vector<Piece> down;
    appendStraight(down, slipTop, {slipTop.x, sEast - slipRadius}, slipStraights, 0);
    const int slipArcRoad = firstSlip + slipStraights;
    buildChain(
        b,
        {.roads = numbered(firstSlip, slipStraights), .pieces = down, .then = {slipArcRoad, slipArcRoad, slipArcRoad}});
    slipArc(b, slipArcRoad,
            {.from = {slipTop.x, sEast - slipRadius},
             .to = {slipMergeX, sEast},
             .centre = {slipMergeX, sEast - slipRadius},
             .startTaper = entryTaperStart,
             .endTaper = entryTaperEnd});
    letIn(m, cw[southEastbound].stretchEnd[0], slipArcRoad);
    for (int r = firstSlip; r < slipArcRoad; ++r)
        m.road(r).indicator = slipIndicator;

    // Boundaries: the motorways' ends first, the east-west ones twice so that a fair share of traffic enters on
    // them, then the cross roads' ends at the edges; the grids add their own edges.
    const int boundaries[] = {
        base(northWest) + westOut,  base(northEast) + eastOut,  base(southWest) + westOut,  base(southEast) + eastOut,
        cw[northboundUpper].last,   cw[southboundLower].last,   base(northWest) + northOut, base(northEast) + northOut,
        base(southWest) + southOut, base(southEast) + southOut, base(northWest) + westOut,  base(northEast) + eastOut,
        base(southWest) + westOut,  base(southEast) + eastOut,
    };
    for (size_t i = 0; i < std::size(boundaries); ++i)
        m.boundaryRoads[i] = boundaries[i];
    p.build(a.lights, 0);

    buildRailway(b);
    // The middle motorway passes over the other two, and the railway under every road it meets.
    const RecordRun eastWest{cw[northEastbound].first, cw[southWestbound].last + 1 - cw[northEastbound].first};
    const RecordRun northSouth{cw[southboundUpper].first, cw[northboundUpper].last + 1 - cw[southboundUpper].first};
    hideBeneath(m, eastWest, northSouth, longestCarLengths * a.carLength);
    hideBeneath(m, RecordRun{firstTrack, madnessTracks}, RecordRun{0, madnessRoads}, underpassHalf(0, a.carLength));
}

} // namespace jamlog
