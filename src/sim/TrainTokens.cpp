// Token upkeep of single-line sections: releasing the roads behind a train's last carriage, holding every entry
// road at stop, and admitting one train at a time to a free section (rules at the top of RailwaySignals.cpp).
#include <algorithm>

#include "sim/Occupancy.h"
#include "sim/RailwaySignals.h"
#include "sim/TrainTrack.h"

namespace jamlog {

namespace {

using namespace rail;

constexpr int tokenRoads = 4; // table9 words 1..4
constexpr int tokenHead = 5;
constexpr int tokenLast = 6;
constexpr int tokenSection = 7;
constexpr int tokenProgress = 8;
constexpr int approachFrom = 500; // an entry road counts as approached once occupied from here on
constexpr int pointsPairs[2][2] = {{6, 7}, {8, 9}};

int sectionRoads(const Table10& s) {
    return s[0] < tokenRoads ? s[0] : tokenRoads;
}
int sectionRoad(const Table10& s, int k) {
    return s[static_cast<size_t>(2 + k)];
}
VehicleRecord& vehicle(NetworkModel& m, int n) {
    return m.vehicles[static_cast<size_t>(n)];
}

void clearMark(NetworkModel& m, int carriage, int token) {
    if (carriage < firstCarriage || carriage >= carriageEnd)
        return;
    VehicleRecord& v = vehicle(m, carriage);
    if (v.headway == token + 1)
        v.headway = 0;
}

void voidToken(NetworkModel& m, int i) {
    Table9& t = m.table9[static_cast<size_t>(i)];
    const int section = t[tokenSection];
    if (section >= 0 && section < static_cast<int>(m.table1.size()) &&
        m.table1[static_cast<size_t>(section)] == t[tokenHead])
        m.table1[static_cast<size_t>(section)] = 0;
    clearMark(m, t[tokenHead], i);
    clearMark(m, t[tokenLast], i);
    t.fill(0);
}

// Releases the roads that the token's last carriage has left behind.
void releaseRoads(NetworkModel& m, int i) {
    Table9& t = m.table9[static_cast<size_t>(i)];
    const int last = t[tokenLast];
    if (last < firstCarriage || last >= carriageEnd || (vehicle(m, last).state & vehicleOutside)) {
        voidToken(m, i);
        return;
    }
    const VehicleRecord& v = vehicle(m, last);
    int at = -1;
    for (int k = 0; k < tokenRoads; ++k)
        if (t[static_cast<size_t>(1 + k)] == v.road)
            at = k;
    if (at >= 0 && at + 1 > t[tokenProgress])
        t[tokenProgress] = at + 1;
    const int overhung = v.tailOverhang < 0 ? v.tailRoad : -1;
    int left = 0;
    for (int k = 0; k < tokenRoads; ++k) {
        int32_t& road = t[static_cast<size_t>(1 + k)];
        if (road == 0)
            continue;
        const bool passed = at >= 0 ? k < at : t[tokenProgress] > 0;
        if (passed && road != overhung)
            road = 0;
        else
            ++left;
    }
    t[0] = left;
    if (left == 0)
        voidToken(m, i);
}

int headOn(const NetworkModel& m, int road) {
    for (int n = firstCarriage; n < carriageEnd; ++n) {
        const VehicleRecord& v = m.vehicles[static_cast<size_t>(n)];
        if ((v.kindFlags & carriageHead) && !(v.state & vehicleOutside) && v.road == road)
            return n;
    }
    return -1;
}

// True when the head holds the token of a section entered from `entry`.
bool holdsTokenFrom(const NetworkModel& m, int head, int entry) {
    for (size_t s = 0; s < m.trainTableB.size() && m.trainTableB[s][0] != 0; ++s)
        if (m.trainTableB[s][1] == entry && m.table1[s] == head)
            return true;
    return false;
}

// The road a train reaches after the section's last road, with the section's points set.
int exitRoad(const NetworkModel& m, const Table10& s) {
    const int last = sectionRoad(s, sectionRoads(s) - 1);
    for (const auto& pair : pointsPairs)
        if (s[static_cast<size_t>(pair[0])] == last && last != 0)
            return s[static_cast<size_t>(pair[1])];
    return isTrackNumber(last) ? m.road(last).next[0] : -1;
}

// The road after the section holds no carriage: a train is never let into a single line that it could not leave.
bool exitClear(const NetworkModel& m, const Table10& s) {
    const int exit = exitRoad(m, s);
    return isDeadEnd(m, exit) || !holdsCarriage(m, exit);
}

bool sectionFree(const NetworkModel& m, const Table10& s) {
    for (int k = 0; k < sectionRoads(s); ++k)
        if (trackBusy(m, sectionRoad(s, k)))
            return false;
    return exitClear(m, s);
}

// True when the two tracks are one, or lie on one another (trainTableC lists one with the other).
bool sameTrack(const NetworkModel& m, int a, int b) {
    if (a == b)
        return true;
    for (const Table10& c : m.trainTableC) {
        if (c[0] == 0)
            break;
        if (c[1] == a)
            for (size_t k = 2; k < c.size(); ++k)
                if (c[k] == b)
                    return true;
    }
    return false;
}

// True when the sections share a road: one train at a time may hold either.
bool sectionsConflict(const NetworkModel& m, const Table10& s, const Table10& t) {
    for (int i = 0; i < sectionRoads(s); ++i)
        for (int k = 0; k < sectionRoads(t); ++k)
            if (sameTrack(m, sectionRoad(s, i), sectionRoad(t, k)))
                return true;
    return false;
}

// Waiting claims (table1 below 0): a train that finds its section taken claims it with the next number, and a
// section is only given to its train when no conflicting section holds an older claim from a train that could leave
// that section (its exit is clear), so trains take a shared line in the order they came to it and none waits for
// ever behind trains from another entry; a claimant held by its exit never blocks the others.
int claimOf(const NetworkModel& m, size_t s) {
    return m.table1[s] < 0 ? -m.table1[s] : 0;
}

void claim(NetworkModel& m, size_t s) {
    if (m.table1[s] != 0)
        return;
    int newest = 0;
    for (size_t t = 0; t < m.trainTableB.size() && m.trainTableB[t][0] != 0; ++t)
        newest = std::max(newest, claimOf(m, t));
    m.table1[s] = -(newest + 1);
}

bool olderClaimElsewhere(const NetworkModel& m, size_t s) {
    const int own = claimOf(m, s);
    for (size_t t = 0; t < m.trainTableB.size() && m.trainTableB[t][0] != 0; ++t) {
        const int other = claimOf(m, t);
        if (t != s && other > 0 && (own == 0 || other < own) && exitClear(m, m.trainTableB[t]) &&
            sectionsConflict(m, m.trainTableB[s], m.trainTableB[t]))
            return true;
    }
    return false;
}

int freeTokenSlot(const NetworkModel& m) {
    for (size_t i = 0; i < m.table9.size(); ++i)
        if (m.table9[i][0] <= 0)
            return static_cast<int>(i);
    return -1;
}

bool admit(NetworkModel& m, int section, int head) {
    const Table10& s = m.trainTableB[static_cast<size_t>(section)];
    const int i = freeTokenSlot(m);
    if (i < 0)
        return false;
    for (const auto& pair : pointsPairs) {
        const int points = s[static_cast<size_t>(pair[0])], to = s[static_cast<size_t>(pair[1])];
        if (points != 0 && isTrackNumber(points))
            m.road(points).next[0] = m.road(points).next[1] = m.road(points).next[2] = to;
    }
    Table9& t = m.table9[static_cast<size_t>(i)];
    t.fill(0);
    t[0] = sectionRoads(s);
    for (int k = 0; k < sectionRoads(s); ++k)
        t[static_cast<size_t>(1 + k)] = sectionRoad(s, k);
    const int last = lastCarriageOf(m, head);
    t[tokenHead] = head;
    t[tokenLast] = last;
    t[tokenSection] = section;
    m.table1[static_cast<size_t>(section)] = head;
    vehicle(m, head).headway = i + 1;
    vehicle(m, last).headway = i + 1;
    return true;
}

} // namespace

void upkeepTokens(NetworkModel& m) {
    for (size_t i = 0; i < m.table9.size(); ++i)
        if (m.table9[i][0] > 0)
            releaseRoads(m, static_cast<int>(i));
    auto& sections = m.trainTableB;
    for (size_t s = 0; s < sections.size() && sections[s][0] != 0; ++s)
        if (isTrackNumber(sections[s][1]))
            m.road(sections[s][1]).signalState = 1;
    for (size_t s = 0; s < sections.size() && sections[s][0] != 0; ++s) {
        const int entry = sections[s][1];
        if (!isTrackNumber(entry))
            continue;
        const LaneStrip& lane = lane0(m, entry);
        const int head = lanePercentOccupied(lane, approachFrom, lane.laneLength) < 1 ? -1 : headOn(m, entry);
        if (head < 0) {
            if (m.table1[s] < 0)
                m.table1[s] = 0; // nobody waits here any more
            continue;
        }
        if (holdsTokenFrom(m, head, entry))
            m.road(entry).signalState = 0;
        else if (sectionFree(m, sections[s]) && !olderClaimElsewhere(m, s) && admit(m, static_cast<int>(s), head))
            m.road(entry).signalState = 0;
        else
            claim(m, s);
    }
}

} // namespace jamlog
