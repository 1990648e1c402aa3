// jamlog --dump-layout N [--flip]: builds layout N with the default settings and prints the model as one JSON
// object, for layout designers. Numbers without a routine build "Classic Layout", as the dispatcher does.
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

#include "app/DumpLayoutTool.h"
#include "model/BuildLayout.h"
#include "settings/SettingsRecord.h"
#include "app/ToolValues.h"
#include "app/Tools.h"
#include "model/LayoutCatalogue.h"
#include "model/LayoutChecker.h"

namespace jamlog {

namespace {

constexpr int flipOption = 1;

// Writes one JSON object member after another, with the commas between them.
class JsonOut {
public:
    explicit JsonOut(std::string& text) : out(text) {}
    JsonOut& key(const char* name) {
        separate();
        out += '"';
        out += name;
        out += "\":";
        fresh = true;
        return *this;
    }
    JsonOut& value(long long v) {
        separate();
        out += std::to_string(v);
        return *this;
    }
    JsonOut& value(double v) {
        separate();
        if (!std::isfinite(v)) {
            out += "null";
        } else {
            char text[32];
            std::snprintf(text, sizeof text, "%.17g", v);
            out += text;
        }
        return *this;
    }
    JsonOut& value(const std::string& s) {
        separate();
        out += '"';
        for (const char c : s) {
            if (c == '"' || c == '\\')
                out += '\\';
            out += c;
        }
        out += '"';
        return *this;
    }
    template <typename Range> JsonOut& array(const Range& r) {
        open('[');
        for (const auto& v : r)
            value(static_cast<long long>(v));
        return close(']');
    }
    JsonOut& open(char bracket) {
        separate();
        out += bracket;
        fresh = true;
        return *this;
    }
    JsonOut& close(char bracket) {
        out += bracket;
        fresh = false;
        return *this;
    }
    template <typename T> JsonOut& field(const char* name, const T& v) {
        key(name);
        return value(v);
    }

private:
    void separate() {
        if (!fresh)
            out += ',';
        fresh = false;
    }
    std::string& out;
    bool fresh = true;
};

void dumpRoad(JsonOut& j, const NetworkModel& m, int n) {
    const RoadRecord& r = m.road(n);
    j.open('{').field("number", static_cast<long long>(n));
    const std::pair<const char*, int32_t> scalars[] = {
        {"length", r.length},       {"topLane", r.topLane},     {"laneCap", r.laneCap},
        {"edgeStyle", r.edgeStyle}, {"signalState", r.signalState}, {"clockwise", r.clockwise},
        {"boxCode", r.boxCode},     {"indicator", r.indicator}, {"kind", r.kind},
        {"speedLimit", r.speedLimit}, {"flow", r.flow},         {"control", r.control},
        {"isArc", r.isArc},         {"nearsideGain", r.nearsideGain}, {"startX", r.startX},
        {"startY", r.startY},       {"backX", r.backX},         {"backY", r.backY},
        {"dirXi", r.dirXi},         {"dirYi", r.dirYi},         {"centreX", r.centreX},
        {"centreY", r.centreY},     {"radius", r.radius},       {"spare", r.spare},
    };
    for (const auto& [name, v] : scalars)
        j.field(name, static_cast<long long>(v));
    j.field("dirX", r.dirX).field("dirY", r.dirY).field("angle", r.angle);
    j.key("next").array(r.next);
    j.key("arcBox").array(r.arcBox);
    j.key("outline").array(r.outline);
    j.field("endX", static_cast<long long>(r.endX())).field("endY", static_cast<long long>(r.endY()));
    j.field("hiddenCells", static_cast<long long>(countCells(r.hiddenBits, 0, cellBits - 1)));
    j.close('}');
}

std::string dumpModel(const NetworkModel& m, const BuildResult& b) {
    std::string text;
    JsonOut j(text);
    j.open('{');
    j.field("name", b.name).field("layout", static_cast<long long>(b.layout));
    j.field("family", static_cast<long long>(layoutFamily(b.layout)));
    j.field("contentFlags", static_cast<long long>(b.contentFlags));
    const std::pair<const char*, int32_t> header[] = {
        {"roadCount", m.roadCount},   {"trackCount", m.trackCount},   {"riverCount", m.riverCount},
        {"trackAdjust", m.trackAdjust}, {"driveOnLeft", m.driveOnLeft}, {"turnOnRed", m.turnOnRed},
        {"extentMinX", m.extentMinX}, {"extentMinY", m.extentMinY},   {"extentMaxX", m.extentMaxX},
        {"extentMaxY", m.extentMaxY}, {"laneWidth", m.laneWidth},
    };
    for (const auto& [name, v] : header)
        j.field(name, static_cast<long long>(v));
    j.key("boundaryRoads").array(m.boundaryRoads);
    j.key("boundaryTracks").array(m.boundaryTracks);
    j.key("boundaryRivers").array(m.boundaryRivers);
    j.key("lightGroups").open('[');
    for (size_t g = 0; g < m.lightGroups.size(); ++g) {
        const LightGroup& l = m.lightGroups[g];
        if (l.mode == 0)
            continue;
        j.open('{').field("number", static_cast<long long>(g)).field("mode", static_cast<long long>(l.mode));
        j.key("arms").array(l.arms);
        j.field("phase", static_cast<long long>(l.phase)).field("hasLights", static_cast<long long>(l.hasLights));
        j.close('}');
    }
    j.close(']');
    j.key("signalPlans").open('[');
    for (const Table10& plan : m.signalPlans)
        j.array(plan);
    j.close(']');
    j.key("scenery").open('[');
    for (const SceneryItem& item : m.scenery)
        if (item[0] != 0)
            j.array(item);
    j.close(']');
    j.key("carPark").array(m.carPark);
    j.key("roads").open('[');
    const std::pair<int, int> ranges[] = {
        {0, m.roadCount}, {firstTrack, firstTrack + m.trackCount}, {firstRiver, firstRiver + m.riverCount}};
    for (const auto& [from, to] : ranges)
        for (int n = from; n < to && n < roadCapacity; ++n)
            dumpRoad(j, m, n);
    j.close(']');
    j.close('}');
    return text;
}

} // namespace

std::string layoutDumpJson(int layout, bool flip) {
    BuildParams p = buildParamsFrom(defaultSettings(), layout);
    if (flip)
        p.options |= flipOption;
    auto model = std::make_unique<NetworkModel>();
    clearModel(*model);
    Rng rng(1);
    const BuildResult r = buildLayout(*model, rng, p);
    return dumpModel(*model, r);
}

int runDumpLayout(const ToolArgs& args) {
    long long layout = 0;
    bool flip = false;
    bool haveLayout = false;
    for (const std::string& a : args) {
        if (a == "--flip") {
            flip = true;
        } else if (!haveLayout && parseNumber(a, -1000000, 1000000, layout)) {
            haveLayout = true;
        } else {
            std::fprintf(stderr, "jamlog: --dump-layout: bad argument '%s' (N [--flip])\n", a.c_str());
            return 2;
        }
    }
    if (!haveLayout) {
        std::fprintf(stderr, "jamlog: --dump-layout: missing layout number\n");
        return 2;
    }
    std::printf("%s\n", layoutDumpJson(static_cast<int>(layout), flip).c_str());
    return 0;
}

} // namespace jamlog
