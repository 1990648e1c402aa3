// The configuration dialog's reads and writes.
#include "settings/DialogSettings.h"

#include <algorithm>

#include "settings/RunningOwner.h"
#include "settings/SettingBits.h"
#include "settings/StoredSetting.h"
#include "settings/StoredText.h"

namespace jamlog {

namespace {
constexpr int32_t releaseBuild = 3;

int32_t flag(bool b) {
    return b ? 1 : 0;
}
} // namespace

LayoutView readLayoutView(ProfileStore& store, int32_t layout) {
    return {readLayoutValue(store, layout, layoutScale, 1),
            readLayoutValue(store, layout, layoutOriginX, storedOriginOffset) - storedOriginOffset,
            readLayoutValue(store, layout, layoutOriginY, storedOriginOffset) - storedOriginOffset};
}

void writeLayoutView(ProfileStore& store, int32_t layout, const LayoutView& v) {
    writeLayoutValue(store, layout, layoutOriginX, v.originX + storedOriginOffset);
    writeLayoutValue(store, layout, layoutOriginY, v.originY + storedOriginOffset);
    writeLayoutValue(store, layout, layoutScale, v.scale);
}

DialogValues loadDialogValues(const SettingsRecord& r, ProfileStore& store) {
    DialogValues v;
    v.mph = mphFromKmh(r.aveSpd);
    v.factor = r.factor;
    v.driver = r.driver;
    v.layout = r.network;
    v.lights = r.tLights;
    v.cars = r.cars;
    v.trains = r.trains;
    v.boats = r.boats;
    v.trainsBound = trainCarriagesLimit / std::max(1, r.carrs);
    v.designer = r.pro == 1;
    v.view = readLayoutView(store, v.layout);
    if (v.view.scale < noSavedScale)
        v.view.scale = 1;
    v.lockPreview = readStored(store, Setting::Preview);
    v.debugOn = store.GetProfileInt("Settings", "DebugOn", v.debugOn);
    v.testLayouts = readStored(store, Setting::TestLayouts);
    v.canMse = readStored(store, Setting::CanMse);
    v.randomMask = readStored(store, Setting::Random);
    return v;
}

void intoDialogCopy(SettingsRecord& copy, const DialogValues& v) {
    copy.randomMask = v.randomMask;
    copy.trains = v.trains;
}

void fromDialogCopy(const SettingsRecord& copy, DialogValues& v) {
    v.randomMask = copy.randomMask;
    v.trainsBound = trainCarriagesLimit / std::max(1, copy.carrs);
    v.trains = std::min(copy.trains, v.trainsBound);
}

void saveDialogValues(ProfileStore& store, const DialogValues& v) {
    writeStored(store, Setting::Preview, v.lockPreview);
    writeStored(store, Setting::AveSpd, kmhFromMph(v.mph));
    writeStored(store, Setting::CanMse, v.canMse);
    writeStored(store, Setting::Factor, v.factor);
    writeStored(store, Setting::Driver, v.driver);
    writeStored(store, Setting::Network, v.layout);
    writeStored(store, Setting::TLights, v.lights);
    writeStored(store, Setting::Cars, v.cars);
    writeStored(store, Setting::Trains, v.trains);
    writeStored(store, Setting::Boats, v.boats);
    writeLayoutView(store, v.layout, v.view);
    writeStored(store, Setting::Random, v.randomMask);
    if (v.designer) {
        writeStored(store, Setting::TestLayouts, v.testLayouts);
        writeStored(store, Setting::DebugOn, v.debugOn);
    }
}

int32_t readRunning(ProfileStore& store) {
    return readStored(store, Setting::Running);
}
void writeRunning(ProfileStore& store, int32_t value) {
    // The owner first: a process killed between the two writes leaves its id under the marker before.
    if (value != runningIdle)
        recordRunningOwner(store);
    writeStored(store, Setting::Running, value);
}

void writeDesignerMode(ProfileStore& store, bool on) {
    writeStored(store, Setting::Pro, flag(on));
}

int32_t buildRelease(ProfileStore& store) {
    return readStored(store, Setting::Release, releaseBuild);
}

std::string versionTooltip(ProfileStore& store, bool designer) {
    std::string text = "Jamlog, Version " + readStoredText(store, StoredText::DisplayVersion);
    const int32_t update = readStored(store, Setting::CurrentUpdate);
    if (designer && update != 0)
        text += "." + std::to_string(update);
    return text;
}

} // namespace jamlog
