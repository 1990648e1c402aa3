// Long runs of the test railways: cells match the carriages, trains stay in order and together, a single line
// holds one train at a time, reversal happens, and no deadlock builds up with relief off or on.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <vector>

#include "model/BuildLayout.h"
#include "model/LayoutCatalogue.h"
#include "model/layouts/Layouts.h"
#include "sim/TrainFixture.h"
#include "sim/TrainTrack.h"

using namespace jamlog;

namespace {

constexpr long ticksPerHour = 144000; // 25 ms movement ticks

// Simulated hours of the long runs: a short run by default, more with JAMLOG_TRAIN_HOURS.
double runHours() {
    const char* h = std::getenv("JAMLOG_TRAIN_HOURS");
    return h ? std::atof(h) : 0.05;
}

constexpr int facingPoints = 2; // the points record kind of the train sets' facing points

struct RailRun : TrainFixture {
    long longestStandstill = 0;

    std::map<int, std::set<int>> routesAtFacingPoints(int layout, long ticks);

    // Rebuilds every track's lane 0 from the carriage records and compares it with the bitmaps.
    void SetUp() override {
        TrainFixture::SetUp();
        m->stationWait = 20; // the default StnWait
    }

    void expectCellsMatchCarriages(long t) {
        std::map<int, std::array<uint32_t, cellWords>> expected;
        std::map<std::pair<int, int>, int> owner; // (road, cell) -> carriage
        for (int n = firstCarriage; n < trainsEnd; ++n) {
            const VehicleRecord& v = car(n);
            if (v.state & vehicleOutside)
                continue;
            auto mark = [&](int road, int from, int to) {
                auto& bits = expected.try_emplace(road).first->second;
                const int c0 = std::max(from, 0) / 10, c1 = to / 10 - 1;
                for (int c = c0; c <= c1 && c < cellBits; ++c) {
                    ASSERT_FALSE(cellSet(bits.data(), c)) << "carriages " << owner[{road, c}] << " and " << n
                                                          << " on cell " << c << " of " << road << " at tick " << t;
                    owner[{road, c}] = n;
                    setCells(bits.data(), c, c, true);
                }
            };
            mark(v.road, v.pos - v.length, v.pos);
            if (v.tailOverhang < 0) {
                const int end = rail::usableEnd(m->road(v.tailRoad));
                mark(v.tailRoad, end + v.tailOverhang, end);
            }
        }
        for (int r = firstTrack; r < firstTrack + m->trackCount; ++r) {
            std::array<uint32_t, cellWords> want{};
            if (auto it = expected.find(r); it != expected.end())
                want = it->second;
            // Cells beyond the lane's length may keep marks of an earlier layout; nothing reads them.
            const LaneStrip& lane = m->road(r).lanes[0];
            for (int c = 0; c < lane.laneLength / 10 && c < cellBits; ++c)
                ASSERT_EQ(cellSet(lane.occupancy, c), cellSet(want.data(), c))
                    << "track " << r << " cell " << c << " tick " << t;
        }
    }

    // Each carriage behind a head lies behind the one in front, on its road or the road just before.
    void expectTrainsTogether(long t) {
        for (int n = firstCarriage + 1; n < trainsEnd; ++n) {
            const VehicleRecord& v = car(n);
            const VehicleRecord& f = car(n - 1);
            if ((v.kindFlags & carriageHead) || (v.state & vehicleOutside) || (f.state & vehicleOutside))
                continue;
            if (v.road == f.road) {
                // A carriage still at the start of its entry track is wholly outside, behind the tunnel mouth.
                ASSERT_GE(f.pos - v.pos, v.pos > 0 ? v.length : 401) << "carriage " << n << " tick " << t;
            } else {
                const int32_t* next = m->road(v.road).next;
                const bool behind = f.tailRoad == v.road || next[0] == f.road || next[1] == f.road ||
                                    next[2] == f.road || m->road(f.road).control == 0;
                ASSERT_TRUE(behind || m->road(v.road).control == f.road)
                    << "carriage " << n << " on " << v.road << " lost its train on " << f.road << " tick " << t;
            }
        }
    }

    // The trains with a carriage on any of the given tracks.
    std::set<int> trainsOn(const std::set<int>& tracks) {
        std::set<int> heads;
        int head = -1;
        for (int n = firstCarriage; n < trainsEnd; ++n) {
            if (car(n).kindFlags & carriageHead)
                head = n;
            const VehicleRecord& v = car(n);
            if (v.state & vehicleOutside)
                continue;
            if (tracks.count(v.road) || (v.tailOverhang < 0 && tracks.count(v.tailRoad)))
                heads.insert(head);
        }
        return heads;
    }

    // Runs for the given ticks with relief decided as the tick decides it, and tracks the longest time in which
    // every head inside the layout stood (none moved and at least one was inside).
    template <class Check> void run(long ticks, bool reliefOn, Check check) {
        bool relief = false;
        long still = 0;
        for (long t = 0; t < ticks; ++t) {
            const TrainFigures f = tick(t, relief);
            relief = reliefOn && f.stuck > 70 * (f.counted - f.held) / 100;
            const bool allStill = f.counted > 0 && f.stuck + f.held >= f.counted && f.stuck > 0;
            still = allStill ? still + 1 : 0;
            longestStandstill = std::max(longestStandstill, still);
            check(t);
        }
    }
};

} // namespace

TEST_F(RailRun, SingleLineKeepsCellsTrainsAndTokens) {
    build(layoutEntry(24).routine);
    lay(args.trains, 3, args.contentFlags & contentTrainOption);
    const std::set<int> lineA = {505, 506, 507, 508, 525, 526, 527};
    const std::set<int> lineB = {510, 511, 512, 520, 521, 522, 523};
    int admitted = 0;
    run(static_cast<long>(runHours() * ticksPerHour), false, [&](long t) {
        if (t % 50 == 0) {
            expectCellsMatchCarriages(t);
            expectTrainsTogether(t);
        }
        ASSERT_LE(trainsOn(lineA).size(), 1u) << "tick " << t;
        ASSERT_LE(trainsOn(lineB).size(), 1u) << "tick " << t;
        if (m->table9[0][0] > 0)
            ++admitted;
    });
    EXPECT_GT(admitted, 0);
    EXPECT_LT(longestStandstill, 10 * 2400) << "a standstill of ten simulated minutes";
    RecordProperty("longestStandstillTicks", std::to_string(longestStandstill));
}

TEST_F(RailRun, TerminusReversesTrainsWithoutDeadlock) {
    build(layoutEntry(25).routine);
    lay(args.trains, 3, (args.contentFlags & contentTrainOption) | optionLongTrains);
    std::set<int> reversedInto;
    run(static_cast<long>(runHours() * ticksPerHour), false, [&](long t) {
        if (t % 50 == 0) {
            expectCellsMatchCarriages(t);
            expectTrainsTogether(t);
        }
        for (int n = firstCarriage; n < trainsEnd; ++n)
            if ((car(n).kindFlags & carriageHead) && car(n).road >= 520 && car(n).road < 524)
                reversedInto.insert(car(n).road);
        for (int k = 0; k < 4; ++k)
            ASSERT_LE(trainsOn({516 + k, 520 + k}).size(), 1u) << "platform " << k;
    });
    EXPECT_GE(reversedInto.size(), 2u);
    EXPECT_LT(longestStandstill, 10 * 2400);
}

TEST_F(RailRun, ReliefKeepsTheRailwaysRunning) {
    for (LayoutRoutine routine : {layoutEntry(24).routine, layoutEntry(25).routine}) {
        RailRun::SetUp();
        build(routine);
        lay(args.trains, 3, args.contentFlags & contentTrainOption);
        longestStandstill = 0;
        run(static_cast<long>(runHours() * ticksPerHour / 2), true, [&](long t) {
            if (t % 100 == 0)
                expectCellsMatchCarriages(t);
        });
        EXPECT_LT(longestStandstill, 10 * 2400);
    }
}

TEST_F(RailRun, TokenIsVoidOnceTheLastCarriageHasLeftTheSection) {
    build(layoutEntry(24).routine);
    lay(args.trains, 3, args.contentFlags & contentTrainOption);
    long t = 0;
    while (t < 200000 && m->table9[0][0] == 0)
        tick(t++);
    ASSERT_GT(m->table9[0][0], 0);
    const Table9 token = m->table9[0];
    const int head = token[5], last = token[6], section = token[7];
    EXPECT_EQ(m->table1[static_cast<size_t>(section)], head);
    EXPECT_EQ(car(head).headway, 1);
    EXPECT_EQ(car(last).headway, 1);
    EXPECT_EQ(last, head + car(head).routeLaneCap - 1);
    const Table10& s = m->trainTableB[static_cast<size_t>(section)];
    while (t < 400000 && m->table9[0][0] > 0 && m->table9[0][5] == head)
        tick(t++);
    EXPECT_EQ(m->table1[static_cast<size_t>(section)] == head, false);
    EXPECT_EQ(car(last).headway == 1 && m->table9[0][5] != head, false);
    for (int k = 2; k < 2 + s[0]; ++k)
        EXPECT_NE(car(last).road, s[static_cast<size_t>(k)]) << "released too early";
}

// Every railway of the catalogue that is built, through the dispatcher with default settings and tracks only.
TEST_F(RailRun, CatalogueRailwaysKeepTheirInvariantsAndRun) {
    for (int layout : {5, 6, 7, 11, 12, 15, 17, 20, 22, 24, 25}) {
        for (bool reliefOn : {false, true}) {
            BuildParams p;
            p.layout = layout;
            p.contentFlags = contentTracks;
            const BuildResult r = buildLayout(*m, rng, p);
            if (r.layout != layout || r.trackCount == 0 || !(r.contentFlags & contentTracks))
                continue;
            trainsEnd = r.trainsEnd;
            rail = RailwayState{};
            rail.tokens = layoutUsesTokens(*m, r.contentFlags);
            longestStandstill = 0;
            run(static_cast<long>(runHours() * ticksPerHour * 2 / 5), reliefOn, [&](long t) {
                if (t % 100 == 0) {
                    expectCellsMatchCarriages(t);
                    expectTrainsTogether(t);
                }
            });
            std::printf("layout %d %s, relief %s: longest standstill of all trains %ld ticks\n", layout, r.name.c_str(),
                        reliefOn ? "on" : "off", longestStandstill);
            EXPECT_LT(longestStandstill, 10 * 2400) << "layout " << layout;
        }
    }
}

// The branch railways work every single line by tokens: the tracks of a section, with every track that counts as
// occupied with them (the other way over the same line), hold one train at a time, and the tokens go round.
TEST_F(RailRun, BranchTokensAreHeldByOneTrainAtATime) {
    for (int layout : {9, 11, 22}) { // Rural Chaos and the branch railways
        BuildParams p;
        p.layout = layout;
        p.contentFlags = contentTracks;
        const BuildResult r = buildLayout(*m, rng, p);
        if (r.layout != layout)
            continue;
        trainsEnd = r.trainsEnd;
        rail = RailwayState{};
        rail.tokens = layoutUsesTokens(*m, r.contentFlags);
        ASSERT_TRUE(rail.tokens) << r.name;
        std::vector<std::set<int>> lines;
        for (const Table10& s : m->trainTableB) {
            if (s[0] == 0)
                break;
            std::set<int> line(s.begin() + 2, s.begin() + 2 + s[0]);
            for (const Table10& c : m->trainTableC) {
                if (c[0] == 0)
                    break;
                if (line.count(c[1]))
                    for (size_t k = 2; k < c.size() && c[k] != 0; ++k)
                        line.insert(c[k]);
            }
            lines.push_back(line);
        }
        ASSERT_GE(lines.size(), 2u) << r.name;
        std::set<int> held;
        run(static_cast<long>(runHours() * ticksPerHour * 4), false, [&](long t) {
            if (t % 10 != 0)
                return;
            for (size_t s = 0; s < lines.size(); ++s) {
                ASSERT_LE(trainsOn(lines[s]).size(), 1u) << r.name << " section " << s << " tick " << t;
                if (m->table1[s] > 0)
                    held.insert(static_cast<int>(s));
            }
        });
        std::printf("layout %d %s: %zu of %zu sections held a token\n", layout, r.name.c_str(), held.size(),
                    lines.size());
        EXPECT_GE(held.size(), lines.size() / 2) << r.name;
    }
}

// Builds a catalogue railway with tracks only and runs it, gathering for every facing points record the tracks that
// heads went on to from its track (keeping the cells and the trains in order meanwhile).
std::map<int, std::set<int>> RailRun::routesAtFacingPoints(int layout, long ticks) {
    BuildParams p;
    p.layout = layout;
    p.contentFlags = contentTracks;
    const BuildResult r = buildLayout(*m, rng, p);
    std::map<int, std::set<int>> taken; // facing points track -> the tracks heads went on to
    if (r.layout != layout)
        return taken;
    trainsEnd = r.trainsEnd;
    rail = RailwayState{};
    for (const Table10& pts : m->signalPlans)
        if (pts[0] != 0 && pts[1] == facingPoints)
            taken[pts[2]];
    std::map<int, int> headRoad;
    run(ticks, false, [&](long t) {
        if (t % 100 == 0) {
            expectCellsMatchCarriages(t);
            expectTrainsTogether(t);
        }
        for (int n = firstCarriage; n < trainsEnd; ++n) {
            if (!(car(n).kindFlags & carriageHead) || (car(n).state & vehicleOutside))
                continue;
            int& was = headRoad[n];
            if (was != car(n).road && taken.count(was))
                taken[was].insert(car(n).road);
            was = car(n).road;
        }
    });
    return taken;
}

// At every facing points of the crossover railway, trains go both ways: on along their line and over the crossover.
TEST_F(RailRun, CrossoverTrainsTakeBothRoutesAtEveryFacingPoints) {
    const auto taken = routesAtFacingPoints(20, static_cast<long>(runHours() * ticksPerHour * 4));
    ASSERT_EQ(taken.size(), 8u);
    for (const auto& [points, routes] : taken)
        EXPECT_EQ(routes.size(), 2u) << "facing points at the end of " << points;
}

// "Loopy Train Set": trains run round all four reversing loops, where they change sense, and out at the line out:
// at every facing points whose way off is a bend, heads take both ways. (The crossovers' facing points are those
// of "T: Crossover", which its own test watches.)
TEST_F(RailRun, LoopyTrainsRunRoundEveryReversingLoop) {
    const auto taken = routesAtFacingPoints(12, static_cast<long>(runHours() * ticksPerHour * 8));
    int bends = 0;
    for (const auto& [points, routes] : taken) {
        const Table10* rec = nullptr;
        for (const Table10& pts : m->signalPlans)
            if (pts[0] != 0 && pts[1] == facingPoints && pts[2] == points)
                rec = &pts;
        ASSERT_NE(rec, nullptr);
        if (m->road((*rec)[4]).centreX == 0)
            continue; // a straight crossover
        ++bends;
        EXPECT_EQ(routes.size(), 2u) << "facing points at the end of " << points;
    }
    EXPECT_EQ(bends, 5);
}
