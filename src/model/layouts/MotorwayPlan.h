// Carriageways described as chains of pieces: each piece is one road record, straight or an arc about a centre,
// with its own lane count. Where the lane count falls from two to one the piece before closes its offside lane
// with an end taper; where it rises the piece after opens it with a start taper, so the chain's lane drops and
// gains are built the same way everywhere.
#pragma once
#include <array>
#include <span>
#include <vector>

#include "model/Primitives.h"

namespace jamlog {

// One record of a carriageway, on its centre line (the chain's offset moves it to its own side).
struct Piece {
    Point from, to;
    Point centre{}; // arc centre; x 0 = straight
    int cw = 0;     // turning sense of an arc, 1 = clockwise on the screen
    int topLane = 1;
};

struct Chain {
    std::span<const int> roads; // road number of each piece
    std::span<const Piece> pieces;
    int offset = 0;            // lateral offset code of every piece
    std::array<int, 3> then{}; // successors of the last piece
};

constexpr int laneDropTaper = 1; // the closing lane's end moves back 0.4 lane widths
constexpr int laneGainTaper = 1; // the opening lane starts 0.4 lane widths in
constexpr int chainOutlineReach = 900;

// Slip roads: tapers where a slip leaves or joins a carriageway, in steps of 0.4 lane widths. An exit starts a little
// way along the diverging lane and ends one step to its left; an entry ends two steps to its left, at the edge of
// the carriageway it merges into.
constexpr int exitTaperStart = 2, exitTaperEnd = 91, entryTaperStart = 1, entryTaperEnd = 92;
constexpr int courtesyCode = 1000; // a control of 1000 + n: slip road n asks for a courtesy lane change
constexpr int slipIndicator = 4;   // vehicles for a slip road signal to the nearside
constexpr int slipArcReach = 1200; // how far a slip arc's outline reaches beyond the road

// A one-lane slip road turning a quarter about `centre` from `from` to `to`, as one record.
struct SlipArc {
    Point from{}, to{}, centre{};
    int next = 0;
    int startTaper = 0, endTaper = 0;
    int giveWayTo = noControl;
};
void slipArc(Builder& b, int road, const SlipArc& s);

// Builds each piece on its road, each leading to the next and the last to `then`.
void buildChain(Builder& b, const Chain& c);

// Road numbers first .. first + count - 1.
std::vector<int> numbered(int first, int count);

// The pieces of a straight run from `from` to `to` cut into `count` equal records of topLane lanes.
void appendStraight(std::vector<Piece>& out, Point from, Point to, int count, int topLane);

// A quarter-turn or other arc about a centre as one record.
void appendArc(std::vector<Piece>& out, Point from, Point to, Point centre, int cw, int topLane);

// The same run the other way round: pieces reversed, ends swapped, arcs turning the other way.
std::vector<Piece> reversed(std::span<const Piece> pieces);

} // namespace jamlog
