// Single-line tokens: trains from two entries take a shared line in the order they came to it, and a train that
// could not leave the line (its exit is taken) never holds up the other entry.
#include "model/layouts/RailLayoutParts.h"
#include "sim/Occupancy.h"
#include "sim/TrainFixture.h"

using namespace jamlog;

namespace {

// Entries 500 and 501 both lead onto the single line 502, which runs on to 503; the section from 501 sets the
// points at the end of 502 towards 504 instead.
struct TrainTokens : TrainFixture {
    void SetUp() override {
        TrainFixture::SetUp();
        raillayout::buildTracks(b, {{500, 1000, 1000, 3000, 1000, 502},
                                    {501, 1000, 2000, 3000, 2000, 502},
                                    {502, 3000, 1000, 5000, 1000, 503},
                                    {503, 5000, 1000, 7000, 1000, 500},
                                    {504, 5000, 2000, 7000, 2000, 501}});
        m->trackCount = 5;
        raillayout::addRecord(m->trainTableB, {1, 500, 502});
        raillayout::addRecord(m->trainTableB, {1, 501, 502, 0, 0, 0, 502, 504});
    }
    // A one-carriage train standing with its head at `pos` on `track`.
    void stand(int n, int track, int pos) {
        VehicleRecord& v = car(n);
        v = VehicleRecord{};
        v.kindFlags = carriageHead | carriageLast;
        v.routeLaneCap = 1;
        v.length = 800;
        v.road = track;
        v.pos = pos;
        markRange(m->road(track).lanes[0], pos - 800, pos);
    }
    void leave(int n) {
        VehicleRecord& v = car(n);
        clearRange(m->road(v.road).lanes[0], v.pos - v.length, v.pos);
        v.state = vehicleOutside;
    }
    int sig(int t) { return m->road(t).signalState; }
};

} // namespace

TEST_F(TrainTokens, SharedLineGoesToTheTrainThatCameFirst) {
    stand(2000, 502, 1500); // a train without a token on the single line
    stand(2001, 501, 1900); // the first to wait
    upkeepTokens(*m);
    EXPECT_EQ(sig(501), 1);
    stand(2002, 500, 1900); // the second, from the entry that is looked at first
    upkeepTokens(*m);
    EXPECT_EQ(sig(500), 1);
    leave(2000);
    upkeepTokens(*m);
    EXPECT_EQ(sig(501), 0) << "the earlier train is admitted";
    EXPECT_EQ(sig(500), 1);
    EXPECT_EQ(m->table1[1], 2001);
    EXPECT_EQ(m->road(502).next[0], 504) << "the section's points are set for it";
    // The later train keeps its claim and follows once the line is free again.
    for (int i = 0; i < 3; ++i)
        upkeepTokens(*m);
    EXPECT_EQ(sig(500), 1);
    leave(2001);
    upkeepTokens(*m); // the token is void once its last carriage has left
    upkeepTokens(*m);
    EXPECT_EQ(sig(500), 0);
    EXPECT_EQ(m->table1[0], 2002);
}

TEST_F(TrainTokens, ClaimOfATrainHeldByItsExitDoesNotBlockTheOtherEntry) {
    stand(2000, 502, 1500);
    stand(2001, 501, 1900); // claims first, but its way out, 504, is taken
    stand(2003, 504, 1500);
    upkeepTokens(*m);
    stand(2002, 500, 1900);
    upkeepTokens(*m);
    leave(2000);
    upkeepTokens(*m);
    EXPECT_EQ(sig(500), 0);
    EXPECT_EQ(sig(501), 1);
    EXPECT_EQ(m->table1[0], 2002);
}

TEST_F(TrainTokens, ClaimIsDroppedWhenNoTrainWaitsAnyMore) {
    stand(2000, 502, 1500);
    stand(2001, 501, 1900);
    upkeepTokens(*m);
    EXPECT_LT(m->table1[1], 0);
    leave(2001);
    upkeepTokens(*m);
    EXPECT_EQ(m->table1[1], 0);
    stand(2002, 500, 1900);
    leave(2000);
    upkeepTokens(*m);
    EXPECT_EQ(sig(500), 0) << "a stale claim would have held this train";
}
