// Pieces shared by the two test T junctions: closing the absent arm of a light junction and mirroring a layout so
// that its traffic keeps right.
#pragma once
#include <array>

#include "model/Primitives.h"
#include "model/layouts/AvenuePlan.h"

namespace jamlog {

namespace testTee {

// Highest movement of a light junction's arm (0 straight on, 1 offside turn, 2 nearside turn).
constexpr int junctionMovements = 3;
constexpr int hiddenStyle = 4;   // drawn only when roads are numbered
constexpr int crossingStyle = 9; // the crossings of a light junction's box

// A light junction on roads base..base+11 whose arm `absent` has neither approach nor exit. Its three roads from
// that arm and the three towards it stay in the box's numbering, where the conflict tests look for them, but no
// route uses them: the turns are hidden, the two crossings are cut back to the major road's far edge, and the
// hidden `sink` road joins the ends of the roads towards the arm to the start of the roads from it, so that every
// record still reaches an exit. Each approach offers only the movements that lead to an exit, and the side road's
// turns get all its lanes, since none of them goes straight on.
struct ClosedArm {
    int base = 0;
    int absent = 0;
    int sink = 0;
    std::array<int, 4> approaches{};
    int offset = 0;   // lateral offset code of the junction's roads
    int halfSize = 0; // of the box
    int roadEdge = 0; // distance of the major road's far edge from its centre line
    int centre = 0;   // cell point
};
void closeArm(Builder& b, const ClosedArm& c);

// The road numbers of a T junction of avenues that closes its north arm: the sink, the box, then the links.
constexpr int avenueTeeSink = 0; // no junction box is named by -1
constexpr int avenueTeeBase = 1; // roads 1-12
constexpr int avenueTeeFirstLink = 13;
constexpr int avenueTeeEdge = 335; // how far the box's crossings reach from the centre line

// Closes the north arm of the plan's junction `tee` about cell point `centre`, numbered as above.
void closeAvenueTee(Builder& b, const AvenuePlan& p, int tee, const AvenueShape& shape, int centre);

// Turns records first..first+count-1 over about the vertical line x = axisSum / 2: traffic built keeping left then
// keeps right. Straights keep their zero centre and their outline marker.
void mirrorRun(NetworkModel& m, int first, int count, int32_t axisSum);

} // namespace testTee

} // namespace jamlog
