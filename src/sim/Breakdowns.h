// The breakdowns ring: each long-interval tick repairs the oldest breakdown and breaks down a random vehicle.
#pragma once
#include <array>

#include "model/NetworkModel.h"
#include "model/Rng.h"

namespace jamlog {

constexpr int maxBreakdownSlots = 11; // BkDownNo is at most 10

struct BreakdownRing {
    struct Slot {
        int vehicle = -1; // -1 = empty
        int savedTopSpeed = 0;
    };
    std::array<Slot, maxBreakdownSlots> slots{};
    int index = 0;
    int lastIndex = 2; // BkDownNo: the ring holds lastIndex + 1 slots
};

// An empty ring of BkDownNo + 1 slots.
BreakdownRing makeBreakdownRing(int bkDownNo);

// One long-interval tick with breakdowns on; `cars` is the configured car count.
void stepBreakdowns(NetworkModel& m, Rng& rng, BreakdownRing& ring, int cars);

} // namespace jamlog
