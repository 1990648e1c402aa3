// The configuration dialog's reads and writes.
#include "settings/DialogSettings.h"

#include <algorithm>

namespace jamlog {

namespace {
constexpr int32_t savedOffset = 100000; // stored origins are kept positive
constexpr int32_t trainCarriagesLimit = 200;
constexpr int32_t releaseBuild = 3;
constexpr int32_t dialogDebugOnDefault = 0; // the view reads 1

int32_t flag(bool b) {
    return b ? 1 : 0;
}
} // namespace

LayoutView readLayoutView(ProfileStore& store, int32_t layout) {
    const std::string section = layoutSection(layout);
    return {store.GetProfileInt(section, "Scale", 1),
            store.GetProfileInt(section, "OriginX", savedOffset) - savedOffset,
            store.GetProfileInt(section, "OriginY", savedOffset) - savedOffset};
}

void writeLayoutView(ProfileStore& store, int32_t layout, const LayoutView& v) {
    const std::string section = layoutSection(layout);
    store.WriteProfileInt(section, "OriginX", v.originX + savedOffset);
    store.WriteProfileInt(section, "OriginY", v.originY + savedOffset);
    store.WriteProfileInt(section, "Scale", v.scale);
}

DialogValues loadDialogValues(const SettingsRecord& r, ProfileStore& store) {
    DialogValues v;
    v.mph = mphFromKmh(r.get("Config", "AveSpd"));
    v.factor = r.get("Config", "Factor");
    v.driver = r.get("Config", "Driver");
    v.layout = r.get("Config", "Network");
    v.lights = r.get("Config", "TLights");
    v.cars = r.get("Config", "Cars");
    v.trains = r.get("Config", "Trains");
    v.boats = r.get("Config", "Boats");
    v.trainsBound = trainCarriagesLimit / std::max(1, r.get("Custom", "Carrs"));
    v.designer = r.get("Settings", "Pro") == 1;
    v.view = readLayoutView(store, v.layout);
    if (v.view.scale < noSavedScale)
        v.view.scale = 1;
    v.lockPreview = store.GetProfileInt("Settings", "Preview", 0);
    v.debugOn = store.GetProfileInt("Settings", "DebugOn", dialogDebugOnDefault);
    v.testLayouts = store.GetProfileInt("Settings", "TestLayouts", 0);
    v.canMse = store.GetProfileInt("Config", "CanMse", 1);
    v.randomMask = store.GetProfileInt("Random", "Random", 0x1FFFFF);
    return v;
}

void intoDialogCopy(SettingsRecord& copy, const DialogValues& v) {
    copy.at("Random", "Random") = v.randomMask;
    copy.at("Config", "Trains") = v.trains;
}

void fromDialogCopy(const SettingsRecord& copy, DialogValues& v) {
    v.randomMask = copy.get("Random", "Random");
    v.trainsBound = trainCarriagesLimit / std::max(1, copy.get("Custom", "Carrs"));
    v.trains = std::min(copy.get("Config", "Trains"), v.trainsBound);
}

void saveDialogValues(ProfileStore& store, const DialogValues& v) {
    store.WriteProfileInt("Settings", "Preview", v.lockPreview);
    const auto config = [&](const char* name, int32_t value) { store.WriteProfileInt("Config", name, value); };
    config("AveSpd", kmhFromMph(v.mph));
    config("CanMse", v.canMse);
    config("Factor", v.factor);
    config("Driver", v.driver);
    config("Network", v.layout);
    config("TLights", v.lights);
    config("Cars", v.cars);
    config("Trains", v.trains);
    config("Boats", v.boats);
    writeLayoutView(store, v.layout, v.view);
    store.WriteProfileInt("Random", "Random", v.randomMask);
    if (v.designer) {
        store.WriteProfileInt("Settings", "TestLayouts", v.testLayouts);
        store.WriteProfileInt("Settings", "DebugOn", v.debugOn);
    }
}

int32_t readRunning(ProfileStore& store) {
    return store.GetProfileInt("Settings", "Running", runningIdle);
}
void writeRunning(ProfileStore& store, int32_t value) {
    store.WriteProfileInt("Settings", "Running", value);
}

void writeDesignerMode(ProfileStore& store, bool on) {
    store.WriteProfileInt("Settings", "Pro", flag(on));
}

int32_t buildRelease(ProfileStore& store) {
    return store.GetProfileInt("Version", "Release", releaseBuild);
}

std::string versionTooltip(ProfileStore& store, bool designer) {
    std::string text = "Jamlog, Version " + store.GetProfileString("Version", "DisplayVersion", "Unknown");
    const int32_t update = store.GetProfileInt("Version", "Current Update", 0);
    if (designer && update != 0)
        text += "." + std::to_string(update);
    return text;
}

} // namespace jamlog
