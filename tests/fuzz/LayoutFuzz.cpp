// Fuzz target: every layout number (and numbers outside the catalogue), every combination of content flags, with
// and without the half turn, on random settings within the ranges the pages accept, through buildLayout and the
// layout checker. A build must write no record outside the ones it fills (the standard library's bounds checks
// catch an index past a table), and a layout that checks clean on the default settings must check clean on all.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <tuple>

#include "model/BuildLayout.h"
#include "model/LayoutCatalogue.h"
#include "model/LayoutChecker.h"
#include "settings/SettingsTable.h"

namespace {

using namespace jamlog;

constexpr int contentCombinations = 16; // roads, tracks, rivers, pelican

int errorCount(const NetworkModel& m) {
    int errors = 0;
    for (const LayoutProblem& p : checkLayout(m))
        errors += p.severity == Severity::Error;
    return errors;
}

BuildParams paramsOf(const SettingValues& s, int layout, int content, bool flip) {
    BuildParams p(s, layout);
    p.contentFlags = content;
    if (flip)
        p.options |= optionFlip;
    return p;
}

// Whether the layout checks clean when built with the default settings, remembered per choice. Designer mode counts
// as a choice: it widens the extent, which decides which links the checker sees as running off the picture.
bool cleanAtDefaults(int layout, int content, bool flip, bool designer) {
    static std::map<std::tuple<int, int, bool, bool>, bool> known;
    const auto key = std::make_tuple(layout, content, flip, designer);
    if (auto it = known.find(key); it != known.end())
        return it->second;
    auto m = std::make_unique<NetworkModel>();
    clearModel(*m);
    Rng rng(1);
    SettingValues defaults;
    defaults.pro = designer ? 1 : 0;
    buildLayout(*m, rng, paramsOf(defaults, layout, content, flip));
    return known[key] = errorCount(*m) == 0;
}

// A road record the build did not fill must still be as clearModel left it. One comparison of the whole record:
// a loop over its bytes would spend most of an input in the coverage hooks of its comparisons.
bool untouched(const RoadRecord& r) {
    static const RoadRecord cleared = [] {
        RoadRecord z;
        std::memset(static_cast<void*>(&z), 0, sizeof z);
        return z;
    }();
    return std::memcmp(&r, &cleared, sizeof r) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    static auto m = std::make_unique<NetworkModel>();
    const int layout = in.ConsumeIntegralInRange(-2, layoutNumbers + 1);
    const int content = in.ConsumeIntegralInRange(0, contentCombinations - 1);
    const bool flip = in.ConsumeBool();
    const uint32_t seed = in.ConsumeIntegral<uint32_t>();
    SettingValues s;
    for (const SettingDef& d : settingsTable())
        if (in.remaining_bytes() > 0)
            s[d.id] = in.ConsumeIntegralInRange(d.minValue, d.maxValue);

    clearModel(*m);
    Rng rng(seed);
    const BuildResult r = buildLayout(*m, rng, paramsOf(s, layout, content, flip));
    for (int n = 0; n < roadCapacity; ++n)
        if (!isBuilt(*m, n) && !untouched(m->road(n))) {
            std::fprintf(stderr, "layout %d (content %d, flip %d) wrote road record %d, which it does not fill\n",
                         r.layout, content, flip, n);
            std::abort();
        }
    if (cleanAtDefaults(layout, content, flip, s.pro != 0) && errorCount(*m) != 0) {
        std::fprintf(stderr, "layout %d (content %d, flip %d) checks clean on the defaults but not here:\n%s\n",
                     r.layout, content, flip, layoutReport(*m, checkLayout(*m)).c_str());
        std::abort();
    }
    return 0;
}
