// The one-run options: one row per option, each reading its value into RunOverrides; the store then turns the
// choices into the settings they replace. A fixed layout also turns random cycling off, and both layout choices
// keep the last layout shown, so that the user's next ordinary run starts where it would have.
#include "app/RunOverrides.h"

#include <algorithm>

#include "app/ToolValues.h"
#include "model/LayoutCatalogue.h"
#include "settings/DialogSettings.h"
#include "settings/SettingsTable.h"
#include "settings/StoredSetting.h"

namespace jamlog {

namespace {

constexpr int32_t wanderingScrollBit = 1; // bit 1 (variable zoom) stays as stored


int32_t minMph() {
    return mphFromKmh(settingDef(Setting::AveSpd).minValue);
}
int32_t maxMph() {
    return mphFromKmh(settingDef(Setting::AveSpd).maxValue);
}

bool readLayout(const std::string& v, RunOverrides& o) {
    long long n = 0;
    if (v == "random")
        o.layout = randomLayout;
    else if (parseNumber(v, 0, layoutNumbers - 1, n) && layoutIsBuilt(static_cast<int>(n)))
        o.layout = static_cast<int>(n);
    else
        return false;
    return true;
}

bool readCars(const std::string& v, RunOverrides& o) {
    long long n = 0;
    if (!parseNumber(v, settingDef(Setting::Cars).minValue, settingDef(Setting::Cars).maxValue, n))
        return false;
    o.cars = static_cast<int>(n);
    return true;
}

bool readSpeed(const std::string& v, RunOverrides& o) {
    long long n = 0;
    if (!parseNumber(v, minMph(), maxMph(), n))
        return false;
    o.mph = static_cast<int>(n);
    return true;
}

bool readDayNight(const std::string& v, RunOverrides& o) {
    if (v == "cycle")
        o.dayNight = DayNight::cycle;
    else if (v == "day")
        o.dayNight = DayNight::day;
    else if (v == "night")
        o.dayNight = DayNight::night;
    else
        return false;
    return true;
}

std::string carsHelp() {
    return "the number of cars, " + std::to_string(settingDef(Setting::Cars).minValue) + " to " +
           std::to_string(settingDef(Setting::Cars).maxValue);
}

std::string speedHelp() {
    return "the average speed in mph, " + std::to_string(minMph()) + " to " + std::to_string(maxMph());
}

struct OverrideOption {
    const char* flag;
    const char* operand; // nullptr: a switch that takes no value
    bool (*read)(const std::string& value, RunOverrides& o);
    void (*set)(RunOverrides& o); // a switch's effect
    std::string (*help)();
};

constexpr OverrideOption options[] = {
    {"--layout", "N|random", readLayout, nullptr, [] { return std::string("a built layout, or random cycling"); }},
    {"--cars", "N", readCars, nullptr, carsHelp},
    {"--speed", "MPH", readSpeed, nullptr, speedHelp},
    {"--daylight", "cycle|day|night", readDayNight, nullptr,
     [] { return std::string("light through 24 hours, always day or always night"); }},
    {"--legend", nullptr, nullptr, [](RunOverrides& o) { o.legend = true; },
     [] { return std::string("show the legend popup"); }},
    {"--no-legend", nullptr, nullptr, [](RunOverrides& o) { o.legend = false; },
     [] { return std::string("hide the legend popup"); }},
    {"--wander", nullptr, nullptr, [](RunOverrides& o) { o.wander = true; },
     [] { return std::string("wandering scroll on"); }},
    {"--no-wander", nullptr, nullptr, [](RunOverrides& o) { o.wander = false; },
     [] { return std::string("wandering scroll off"); }},
};

} // namespace

int parseRunOverride(const std::vector<std::string>& args, size_t i, RunOverrides& o, std::string& error) {
    for (const OverrideOption& opt : options) {
        if (args[i] != opt.flag)
            continue;
        if (opt.operand == nullptr) {
            opt.set(o);
            return 1;
        }
        if (i + 1 >= args.size()) {
            error = "missing " + std::string(opt.operand) + " after '" + opt.flag + "'";
            return -1;
        }
        if (!opt.read(args[i + 1], o)) {
            error = "bad value '" + args[i + 1] + "' for '" + opt.flag + "' (" + opt.help() + ")";
            return -1;
        }
        return 2;
    }
    return 0;
}

std::string runOverridesUsage() {
    std::string out;
    for (const OverrideOption& opt : options) {
        std::string left = std::string("  ") + opt.flag + (opt.operand ? std::string(" ") + opt.operand : "");
        left.resize(std::max<size_t>(left.size() + 1, 30), ' ');
        out += left + opt.help() + "\n";
    }
    return out;
}

OverriddenStore::OverriddenStore(ProfileStore& store, const RunOverrides& o) : base(store) {
    const auto stored = [&](Setting k) { return readStored(base, k); };
    const auto shield = [&](Setting k, int32_t value) {
        shielded[{std::string(settingDef(k).section), std::string(settingDef(k).name)}] = value;
    };
    if (o.layout) {
        int32_t mask = stored(Setting::Random);
        if (*o.layout == randomLayout) {
            if ((mask & ~1) == 0) // no layout chosen: cycle over all of them
                mask = settingDef(Setting::Random).defaultValue;
            shield(Setting::Random, mask | 1);
        } else {
            shield(Setting::Random, mask & ~1);
            shield(Setting::Network, *o.layout);
        }
        shield(Setting::LastNet, stored(Setting::LastNet));
    }
    if (o.cars)
        shield(Setting::Cars, *o.cars);
    if (o.mph)
        shield(Setting::AveSpd, kmhFromMph(*o.mph));
    if (o.dayNight) {
        shield(Setting::DayLight, *o.dayNight == DayNight::cycle ? 1 : 0);
        if (*o.dayNight != DayNight::cycle)
            shield(Setting::Night, *o.dayNight == DayNight::night ? 1 : 0);
    }
    if (o.legend)
        shield(Setting::Legend, *o.legend ? 1 : 0);
    if (o.wander)
        shield(Setting::Wandering,
               *o.wander ? stored(Setting::Wandering) | wanderingScrollBit : stored(Setting::Wandering) & ~wanderingScrollBit);
}

int32_t OverriddenStore::GetProfileInt(const std::string& section, const std::string& entry, int32_t defaultValue) {
    const auto it = shielded.find({section, entry});
    return it != shielded.end() ? it->second : base.GetProfileInt(section, entry, defaultValue);
}

bool OverriddenStore::WriteProfileInt(const std::string& section, const std::string& entry, int32_t value) {
    const auto it = shielded.find({section, entry});
    if (it == shielded.end())
        return base.WriteProfileInt(section, entry, value);
    it->second = value;
    return true;
}

std::string OverriddenStore::GetProfileString(const std::string& section, const std::string& entry,
                                              const std::string& defaultValue) {
    return base.GetProfileString(section, entry, defaultValue);
}

bool OverriddenStore::WriteProfileString(const std::string& section, const std::string& entry,
                                         const std::string& value) {
    return base.WriteProfileString(section, entry, value);
}

void OverriddenStore::deleteProgramKey() {
    base.deleteProgramKey();
}

} // namespace jamlog
