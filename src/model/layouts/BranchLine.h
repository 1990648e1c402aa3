// A single-track branch off a double-track main line, worked by train tokens: a junction of facing points and a
// trailing merge, a short double track where trains wait for the first token, single lines between passing loops
// and a terminus at the far end where trains reverse.
#pragma once
#include <vector>

#include "model/Primitives.h"

namespace jamlog::branchline {

constexpr int side = 145; // each direction this far to its left of a double track's centre line

// The shape of a branch along its own axis, from the main line outwards, in raw units.
struct Profile {
    int radius = 1200; // the curves off and back onto the main line
    int wait = 1850;   // the double track beyond the curves: with its curve it holds the longest train
    int kink = 990;    // the turnouts between double and single track, a track each
    // The single lines, each of one or two tracks; a passing loop lies between two of them.
    std::vector<std::vector<int>> singles;
    int loop = 3750;     // a passing loop's platforms
    int terminus = 3500; // the terminus platform, and the way back out beside it
};

// The number of tracks a branch of this profile builds.
int trackCount(const Profile& p);
// The distance along the main line from the branch's centre line to either end of its junction.
int junctionHalf(const Profile& p);
// The distance from the main line to the terminus buffers.
int reach(const Profile& p);

// Where a branch leaves: its centre line crosses the feeding track's line at (x, y); sense 1 branches north off an
// eastbound track, -1 south off a westbound one. The feeding track `points` ends at the junction, `through` runs
// on past it and `rejoin` starts where the branch comes back.
struct Junction {
    int x = 0, y = 0, sense = 1;
    int points = 0, through = 0, rejoin = 0;
};

// The record numbers of a built branch: the curves, every track out in running order and back in running order.
struct Built {
    int curveOut = 0, curveIn = 0;
    std::vector<int> out, in;
    int end = 0; // one past the last record used
};

// Builds the branch on records from `first`, its sections and their twins, and the points at its junction.
Built build(Builder& b, const Profile& p, const Junction& j, int first);

// A branch on its own, northwards from the edge of the layout at (x, y), where trains enter on its way out and leave
// at the end of its way back (a boundary track, which leads into the way out), on records from `first`; no curves.
// Turn it into place with transformRun.
Built buildFromEdge(Builder& b, const Profile& p, int x, int y, int first);

// A run of one main-line direction from x to x along its line.
struct Leg {
    int from = 0, to = 0;
    bool fixed = false; // a junction's through track or a station: never split
    int style = 0;
};

// The legs of one direction from `start` to `end`: the fixed ones as given, the runs between them split, the
// longest piece first, until there are `wanted`.
std::vector<Leg> planLegs(std::vector<Leg> fixedLegs, int start, int end, int wanted);
// The fixed leg of a junction whose branch centre line is at x, for a direction running `sense` (1 east, -1 west).
Leg junctionLeg(const Profile& p, int x, int sense);

// One direction of the main line at height y, on records from `first` in running order; the last leads to `after`.
struct MainLine {
    std::vector<Leg> legs;
    int y = 0, first = 0;
    int last() const { return first + static_cast<int>(legs.size()) - 1; }
};
void buildMainLine(Builder& b, const MainLine& line, int after);

// Builds a branch off the main line at x (north off an eastbound line, south off a westbound one); returns one past
// its last record.
int buildOff(Builder& b, const Profile& p, const MainLine& line, int x, int sense, int first);

} // namespace jamlog::branchline
