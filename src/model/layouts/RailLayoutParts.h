// Table-driven helpers of the hand-laid railways: straight tracks in raw units, tunnel mouths, bridges and the
// signalling tables.
#pragma once
#include <initializer_list>

#include "model/Primitives.h"

namespace jamlog::raillayout {

// One straight track in raw units, with its successor(s) and its edge style (1 = platform).
struct TrackRow {
    int road;
    int x1, y1, x2, y2;
    int next0, next1 = -1, next2 = -1; // -1: same as next0
    int style = 0;
};

// Builds every row; successors given once stand for all three.
void buildTracks(Builder& b, std::initializer_list<TrackRow> rows);
void buildTrack(Builder& b, const TrackRow& t);

// Hides the first (atStart) or last cells of a track over the given length, as at a tunnel mouth.
void hideMouth(NetworkModel& m, int track, int length, bool atStart);

// Hides the cells of a straight east-west track within `half` of where it crosses the vertical line x, as under a
// road bridge; nothing when it does not cross it.
void hideUnderX(RoadRecord& track, int32_t x, int half);

// Appends a record to a ten-word table list (the first record whose word 0 is 0).
void addRecord(std::array<Table10, 50>& table, std::initializer_list<int> words);
void addRecord(std::array<Table10, 50>& table, const Table10& words);
void addPoints(NetworkModel& m, std::initializer_list<int> words);

// trainTableC records for a pair of tracks that lie on one another: each counts as occupied with the other.
void addTwins(NetworkModel& m, int a, int b);

} // namespace jamlog::raillayout
