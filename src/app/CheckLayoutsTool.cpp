// jamlog --check-layouts [N ...]: builds layouts with the default settings, runs the layout checker and compares
// the counts, extent, drive side and content flags with the catalogue. Exit 1 when anything is wrong.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "model/BuildLayout.h"
#include "settings/SettingsRecord.h"
#include "app/Tools.h"
#include "model/LayoutCatalogue.h"
#include "model/LayoutChecker.h"

namespace jamlog {

namespace {

bool parseLayout(const std::string& s, int& out) {
    if (s.empty() || s.size() > 3)
        return false;
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    out = std::atoi(s.c_str());
    return out < layoutNumbers;
}

// Differences between a build and its catalogue entry, one text each.
std::vector<std::string> catalogueMismatches(const NetworkModel& m, const BuildResult& r, int userFlags) {
    const LayoutEntry& e = layoutEntry(r.layout);
    std::vector<std::string> out;
    auto expect = [&](bool ok, const char* what, long want, long got) {
        if (!ok)
            out.push_back(std::string(what) + " " + std::to_string(got) + ", expected " + std::to_string(want));
    };
    if (r.name != e.name)
        out.push_back("name \"" + r.name + "\", expected \"" + std::string(e.name) + "\"");
    const int flags = e.content.expected(userFlags);
    expect(r.contentFlags == flags, "content flags", flags, r.contentFlags);
    const int roads = expectedRoads(e, r.contentFlags);
    expect(countMatches(roads, m.roadCount, (r.contentFlags & contentRoads) != 0), "roadCount", roads, m.roadCount);
    expect(countMatches(e.tracks, m.trackCount, (r.contentFlags & contentTracks) != 0), "trackCount", e.tracks,
           m.trackCount);
    expect(countMatches(e.rivers, m.riverCount, (r.contentFlags & contentRivers) != 0), "riverCount", e.rivers,
           m.riverCount);
    const int adjust = expectedTrackAdjust(e, r.contentFlags);
    expect(m.trackAdjust == adjust, "trackAdjust", adjust, m.trackAdjust);
    expect(m.driveOnLeft == e.driveOnLeft, "driveOnLeft", e.driveOnLeft, m.driveOnLeft);
    const int want[4] = {e.minX, e.minY, e.maxX, e.maxY};
    const int got[4] = {m.extentMinX, m.extentMinY, m.extentMaxX, m.extentMaxY};
    const char* names[4] = {"extentMinX", "extentMinY", "extentMaxX", "extentMaxY"};
    for (int i = 0; i < 4; ++i)
        expect(want[i] == anyExtent || want[i] == got[i], names[i], want[i], got[i]);
    return out;
}

} // namespace

int runCheckLayouts(const ToolArgs& args) {
    std::vector<int> layouts;
    for (const std::string& a : args) {
        int n = 0;
        if (!parseLayout(a, n)) {
            std::fprintf(stderr, "jamlog: --check-layouts: bad layout number '%s' (0 to %d)\n", a.c_str(),
                         layoutNumbers - 1);
            return 2;
        }
        layouts.push_back(n);
    }
    if (layouts.empty())
        layouts = builtLayouts();

    const SettingsRecord settings = defaultSettings();
    auto model = std::make_unique<NetworkModel>();
    clearModel(*model);
    int failed = 0, errors = 0, warnings = 0;
    for (int n : layouts) {
        if (!layoutIsBuilt(n)) {
            std::printf("%2d %-20s not built\n", n, std::string(layoutEntry(n).name).c_str());
            ++failed;
            ++errors;
            continue;
        }
        const BuildParams p = buildParamsFrom(settings, n);
        Rng rng(1);
        const BuildResult r = buildLayout(*model, rng, p);
        const std::vector<LayoutProblem> problems = checkLayout(*model);
        const std::vector<std::string> mismatches = catalogueMismatches(*model, r, p.contentFlags);
        int e = static_cast<int>(mismatches.size()), w = 0;
        for (const LayoutProblem& q : problems)
            (q.severity == Severity::Error ? e : w)++;
        std::printf("%2d %-20s %d roads, %d tracks, %d rivers: %d errors, %d warnings\n", n, r.name.c_str(),
                    model->roadCount, model->trackCount, model->riverCount, e, w);
        for (const std::string& s : mismatches)
            std::printf("   catalogue: %s\n", s.c_str());
        for (const LayoutProblem& q : problems)
            if (q.severity == Severity::Error)
                std::printf("   record %d: %s\n", q.road, q.text.c_str());
        errors += e;
        warnings += w;
        if (e)
            ++failed;
    }
    std::printf("%zu layouts checked, %d with errors: %d errors, %d warnings\n", layouts.size(), failed, errors,
                warnings);
    return errors ? 1 : 0;
}

} // namespace jamlog
