// Points records: alternating road successors, facing points with a drawn route, trailing junctions, diamond
// crossings and the guarded conflict of kind 0 (rules at the top of RailwaySignals.cpp).
#include "sim/RailwaySignals.h"
#include "sim/TrainTrack.h"

namespace jamlog {

namespace {

using namespace rail;

constexpr int spareWord = 9;

struct Points {
    int kind, a, b, c, d, e, f, g;
};

Points read(const Table10& p) {
    return {p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8]};
}

void setSuccessors(RoadRecord& r, int n0, int n1, int n2) {
    r.next[0] = n0;
    r.next[1] = n1;
    r.next[2] = n2;
}

void showStop(NetworkModel& m, int track) {
    if (isTrackNumber(track))
        m.road(track).signalState = 1;
}

bool empty(const NetworkModel& m, int track) {
    return !holdsCarriage(m, track);
}

void roadAlternation(NetworkModel& m, const Points& p, int runCounter) {
    if (p.a < 0 || p.a >= roadCapacity)
        return;
    RoadRecord& r = m.road(p.a);
    if (runCounter % p.kind == 0)
        setSuccessors(r, p.b, p.c, p.d);
    else
        setSuccessors(r, p.b, p.b, p.b);
}

// True when every carriage on track A belongs to a train whose head is still on A: no train has started onto the
// route, so the route may change without parting a train from its carriages.
bool noTrainPassing(const NetworkModel& m, int a) {
    for (int n = firstCarriage; n < carriageEnd; ++n) {
        const VehicleRecord& v = m.vehicles[static_cast<size_t>(n)];
        if ((v.state & vehicleOutside) || !(v.road == a || (v.tailOverhang < 0 && v.tailRoad == a)))
            continue;
        int head = n;
        while (head > firstCarriage && !(m.vehicles[static_cast<size_t>(head)].kindFlags & carriageHead))
            --head;
        if (m.vehicles[static_cast<size_t>(head)].road != a)
            return false;
    }
    return true;
}

void facingPoints(NetworkModel& m, Rng& rng, const Points& p, int runCounter, bool relief, const TrackLoops* loops) {
    if (!isTrackNumber(p.a))
        return;
    RoadRecord& a = m.road(p.a);
    auto refused = [&](int route) { return loops && loopRefuses(*loops, p.a, route); };
    auto open = [&](int route) { return isThroughTrack(m, route) && !trackBusy(m, route) && !refused(route); };
    // A route is drawn while A is empty; a train standing on A whose route is blocked takes another open route, so
    // that a train bound for a free branch never waits behind a full main line (and the reverse).
    const bool idle = empty(m, p.a);
    const bool redraw = idle ? runCounter % p.kind == 0 : !open(a.next[0]) && noTrainPassing(m, p.a);
    if (redraw) {
        int free[3], n = 0;
        for (int route : {p.b, p.c, p.d})
            if (open(route))
                free[n++] = route;
        if (n > 0) {
            const int route = free[rng.next() * n / (Rng::maxValue + 1)];
            setSuccessors(a, route, route, route);
        }
    }
    const int route = a.next[0];
    const bool flank = holdsCarriage(m, p.e) || holdsCarriage(m, p.f) || holdsCarriage(m, p.g);
    if (relief)
        return;
    if (trackBusy(m, route) || refused(route) || flank)
        a.signalState = 1;
    else if (route != p.b && a.signalState == 0)
        a.signalState = cautionSignal;
}

void trailingJunction(NetworkModel& m, Rng& rng, Table10& rec, const Points& p, bool relief, const TrackLoops* loops) {
    const int feeders[6] = {p.b, p.c, p.d, p.e, p.f, p.g};
    // A feeder whose train the loop beyond holds back never has priority: it would hold the loop's own trains at
    // the junction, and the loop could then never make room for it.
    auto waits = [&](int f) {
        return isTrackNumber(f) && holdsCarriageNearEnd(m, f, farEnd) && !(loops && loopRefuses(*loops, f, p.a));
    };
    int owner = rec[spareWord];
    if (owner != 0 && !waits(owner))
        owner = 0;
    if (owner == 0) {
        int waiting[6], n = 0;
        for (int f : feeders)
            if (waits(f))
                waiting[n++] = f;
        if (n > 0)
            owner = waiting[rng.next() * n / (Rng::maxValue + 1)];
    }
    rec[spareWord] = owner;
    if (relief || owner == 0)
        return;
    for (int f : feeders)
        if (f != owner)
            showStop(m, f);
}

void diamondCrossing(NetworkModel& m, const Points& p, int runCounter, bool relief) {
    if (relief)
        return;
    const bool aBusy = holdsCarriage(m, p.a), bBusy = holdsCarriage(m, p.b);
    if (bBusy)
        showStop(m, p.c);
    if (aBusy)
        showStop(m, p.d);
    if (!aBusy && !bBusy && holdsCarriageNearEnd(m, p.c, farEnd) && holdsCarriageNearEnd(m, p.d, farEnd))
        showStop(m, runCounter % 2 ? p.c : p.d);
}

void guardedConflict(NetworkModel& m, const Points& p) {
    const bool farEndEmpty = !holdsCarriageNearEnd(m, p.f, farEnd);
    if (!(empty(m, p.a) && empty(m, p.b) && empty(m, p.e) && farEndEmpty))
        showStop(m, p.d);
    if (holdsCarriage(m, p.c)) {
        showStop(m, p.b);
        showStop(m, p.f);
        showStop(m, p.g);
    }
    if (isTrackNumber(p.b) && m.road(p.b).signalState <= 0 && empty(m, p.d))
        showStop(m, p.d);
}

} // namespace

void workPoints(NetworkModel& m, Rng& rng, int runCounter, bool reliefActive, const TrackLoops* loops) {
    for (int i = 0; i < maxPointsRecords; ++i) {
        Table10& rec = m.signalPlans[static_cast<size_t>(i)];
        if (rec[0] == 0)
            break;
        const Points p = read(rec);
        if (p.kind >= 1 && p.kind <= pointsFacingMax) {
            if (p.c < firstTrack)
                roadAlternation(m, p, runCounter);
            else
                facingPoints(m, rng, p, runCounter, reliefActive, loops);
        } else if (p.kind == pointsMerge) {
            trailingJunction(m, rng, rec, p, reliefActive, loops);
        } else if (p.kind == pointsCrossing) {
            diamondCrossing(m, p, runCounter, reliefActive);
        } else if (p.kind == pointsConflict && isTrackNumber(p.a)) {
            guardedConflict(m, p);
        }
    }
}

} // namespace jamlog
