// Every built layout, in the content, lights and flip variations the catalogue offers, must build the very records
// of the stored reference: a change to the builder or to a layout's code that moves any record shows here. A
// layout changed on purpose gets its new rows from this test's failure message.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "BuiltLayoutHashes.h"
#include "model/BuildLayout.h"
#include "model/InitialRecords.h"
#include "model/LayoutCatalogue.h"
#include "model/LayoutRoutine.h"

using namespace jamlog;

namespace {

struct Variant {
    const char* name;
    int contentFlags;
    bool flip;
    int lights;
};

constexpr int R = contentRoads, T = contentTracks, V = contentRivers, L = contentPelican;
constexpr Variant variants[] = {
    {"default", BuildParams::contentDefault, false, 3},
    {"flipped", BuildParams::contentDefault, true, 3},
    {"roads+tracks", R | T, false, 3},
    {"tracks+rivers", T | V, false, 3},
    {"pelican only", L, true, 3},
    {"nothing", 0, false, 3},
    {"one light mode", BuildParams::contentDefault, false, 1},
};

uint64_t fnv1a(uint64_t h, const void* data, size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i)
        h = (h ^ p[i]) * 1099511628211ull;
    return h;
}

// Everything the build writes besides the vehicles, which belong to the vehicle initialisation: all road records,
// the header and the network tables, and what the routine reports back.
uint64_t builtRecordsHash(int layout, const Variant& v) {
    auto m = std::make_unique<NetworkModel>();
    clearModel(*m);
    BuildParams p;
    p.layout = layout;
    p.contentFlags = v.contentFlags;
    p.lights = v.lights;
    if (v.flip)
        p.options |= optionFlip;
    p.cars = p.trains = p.boats = 0; // no vehicle marks a cell
    Rng rng(1);
    const BuildResult r = buildLayout(*m, rng, p);
    const auto* first = reinterpret_cast<const unsigned char*>(&m->roads);
    const auto* last = reinterpret_cast<const unsigned char*>(&m->extentMaxY) + sizeof m->extentMaxY;
    uint64_t h = fnv1a(14695981039346656037ull, first, static_cast<size_t>(last - first));
    const int reported[] = {r.layout, r.contentFlags, r.roadCount, r.trackCount, r.riverCount, r.countedTracks};
    h = fnv1a(h, reported, sizeof reported);
    return fnv1a(h, r.name.data(), r.name.size());
}

std::string row(int layout, const Variant& v, uint64_t hash) {
    char text[96];
    std::snprintf(text, sizeof text, "    {%d, \"%s\", 0x%016llxull},", layout, v.name,
                  static_cast<unsigned long long>(hash));
    return text;
}

} // namespace

TEST(BuiltLayoutRecords, EveryBuiltLayoutBuildsTheStoredRecords) {
    std::string wrong, all;
    size_t checked = 0;
    for (int layout : builtLayouts())
        for (const Variant& v : variants) {
            const uint64_t h = builtRecordsHash(layout, v);
            all += row(layout, v, h) + "\n";
            const BuiltLayoutHash* stored = nullptr;
            for (const BuiltLayoutHash& s : builtLayoutHashes)
                if (s.layout == layout && std::string(s.variant) == v.name)
                    stored = &s;
            if (stored)
                ++checked;
            if (!stored || stored->hash != h)
                wrong += row(layout, v, h) + (stored ? "  (differs)\n" : "  (no stored row)\n");
        }
    EXPECT_EQ(checked, std::size(builtLayoutHashes)) << "stored rows for layouts that are no longer built";
    EXPECT_TRUE(wrong.empty()) << "records differ from the stored reference:\n"
                               << wrong << "all rows, for tests/model/BuiltLayoutHashes.h after a deliberate change:\n"
                               << all;
}

TEST(BuiltLayoutRecords, TheHashSeesEveryVariationAndTheFlip) {
    // Guards the reference itself: variations that build other records must hash differently.
    const int layout = 0;
    EXPECT_NE(builtRecordsHash(layout, variants[0]), builtRecordsHash(layout, variants[1]));
    EXPECT_NE(builtRecordsHash(layout, variants[0]), builtRecordsHash(layout, variants[5]));
    EXPECT_EQ(builtRecordsHash(layout, variants[0]), builtRecordsHash(layout, variants[0]));
}
