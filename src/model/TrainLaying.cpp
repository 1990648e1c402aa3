// Laying the trains: runs of consecutive carriage records from 2000, head first, each carriage numbered from the tail.
#include "model/TrainLaying.h"

#include <algorithm>

#include "model/InitialRecords.h"

namespace jamlog {

namespace {

constexpr int lengthDrawDivisor = 3277; // rand() / 3277 gives 0..9

// Carriages of one train: the configured count, or with varied lengths c - (k - 4) x c / 9.
int drawTrainLength(Rng& rng, int c, bool varied) {
    if (!varied)
        return c;
    const int k = rng.next() / lengthDrawDivisor;
    return c - (k - 4) * c / 9;
}

} // namespace

void initialiseTrains(NetworkModel& m, Rng& rng, int trains, int speed, int carLength, int carriages, int carriageParam,
                      int options) {
    int c = carriages;
    if ((options & trainOptionShort) && c > shortTrainCarriages)
        c = shortTrainCarriages;
    if (c < 1)
        c = 1;
    const bool varied = (options & optionLongTrains) != 0;
    int next = firstCarriage;
    for (int t = 0; t < trains && next < carriageEnd; ++t) {
        int n = std::max(1, drawTrainLength(rng, c, varied));
        n = std::min(n, carriageEnd - next); // the last train ends at record 2199 at the latest
        for (int i = 0; i < n; ++i) {
            VehicleRecord& v = m.vehicles[static_cast<size_t>(next + i)];
            v.topSpeed = speed;
            v.length = carriageLengthFactor * carLength;
            v.lane = 0;
            v.routeLaneCap = n - i;
            v.kindFlags = (i == 0 ? carriageHead : 0) | (i == n - 1 ? carriageLast : 0);
            v.driver = carriageParam;
        }
        next += n;
    }
}

int trainsEnd(const NetworkModel& m) {
    for (int v = carriageEnd - 1; v >= firstCarriage; --v)
        if (m.vehicles[static_cast<size_t>(v)].kindFlags & carriageLast)
            return v + 1;
    return firstCarriage;
}

} // namespace jamlog
