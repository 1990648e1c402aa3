// The catalogue of the thirty layout numbers: names, families, content rules, record counts, count scaling,
// extents, drive side, track adjustment and the routine that builds each one.
#pragma once
#include <string_view>
#include <vector>

#include "model/LayoutRoutine.h"

namespace jamlog {

constexpr int layoutNumbers = 30;
constexpr int catalogueLayoutCount = 20; // layouts 0..19; 20..29 are test layouts
constexpr int testFamily = 6;            // the test layouts share the family of layouts 8, 9, 10, 13, 16 and 18
constexpr int anyExtent = -999999;       // the extent value is chosen by the routine

// How a requested count is scaled: count × mul ÷ div, or replaced by set when set is above 0.
struct CountScale {
    int mul = 1, div = 1, set = 0;
    int apply(int count) const { return set > 0 ? set : count * mul / div; }
};

// Which content bits a layout holds for the user's choice of bits.
struct ContentRule {
    int always = 0;        // set whatever the user chose
    int kept = 0;          // kept from the user's choice
    int withRoads = 0;     // added when the user chose roads
    int keptWithRoads = 0; // kept from the user's choice when the user chose roads
    int withTracks = 0;    // added when the user chose tracks
    int roadsIfNone = 0;   // 1: roads turned on when neither roads nor tracks were chosen
    int expected(int user) const;
};

struct LayoutEntry {
    std::string_view name;
    int family;
    ContentRule content;
    int roads, tracks, rivers;
    int roadsWithTracks; // road count when tracks are on (0 = same as roads)
    CountScale cars, trains, boats;
    int minX, minY, maxX, maxY; // anyExtent where the routine decides
    int driveOnLeft;
    int trackAdjust;
    int trackAdjustNeedsTracks; // 1: trackAdjust applies only when the layout holds tracks
    LayoutRoutine routine;      // nullptr while the layout is not built
};

// The entry of a layout number; numbers outside 1..29 give layout 0's.
const LayoutEntry& layoutEntry(int layout);

// The number that a request for `layout` builds: 0 for numbers outside 1..29 and for layouts not built yet.
int resolveLayout(int layout);

bool layoutIsBuilt(int layout);
std::vector<int> builtLayouts();

// The layouts a selection list offers: 0..19, or all thirty in designer mode with TestLayouts; built ones only.
std::vector<int> offeredLayouts(bool designer, bool testLayouts);

int layoutFamily(int layout);

// Expected figures for the content flags a build produced. A layout without tracks (or rivers) in its content may
// also leave that count at 0.
int expectedRoads(const LayoutEntry& e, int contentOut);
bool countMatches(int expected, int actual, bool present);
int expectedTrackAdjust(const LayoutEntry& e, int contentOut);

} // namespace jamlog
