// What the configuration dialog reads and writes: its working values taken from the view's copy and the store,
// each layout's stored view, the Running handshake, designer mode and the version texts of its tooltips.
#pragma once
#include <cstdint>
#include <string>

#include "settings/ProfileStore.h"
#include "settings/SettingBits.h"
#include "settings/SettingsRecord.h"

namespace jamlog {

// A layout's view as stored in its own section: scale, and the origin in world units (stored + 100000).
struct LayoutView {
    int32_t scale = 1, originX = 0, originY = 0;
};
constexpr int32_t noSavedScale = 2; // stored scales below this mean the default view

// Average speed: stored in km/h, shown in mph.
constexpr int32_t mphFromKmh(int32_t kmh) {
    return kmh * 5 / 8;
}
constexpr int32_t kmhFromMph(int32_t mph) {
    return mph * 8 / 5;
}

constexpr int32_t trainCarriagesLimit = 200; // trains x carriages

// The dialog's own values, starting at the settings' defaults.
struct DialogValues {
    static constexpr SettingValues defaults{};
    int32_t layout = defaults.network, driver = defaults.driver, lights = defaults.tLights;
    int32_t mph = mphFromKmh(defaults.aveSpd), factor = defaults.factor;
    int32_t cars = defaults.cars, trains = defaults.trains, boats = defaults.boats;
    int32_t trainsBound = trainCarriagesLimit / defaults.carrs;
    LayoutView view;
    int32_t lockPreview = defaults.preview, canMse = defaults.canMse, randomMask = defaults.randomMask;
    int32_t debugOn = 0; // the dialog reads 0 where the view reads the default 1
    int32_t testLayouts = defaults.testLayouts;
    bool designer = false;
};

// The dialog's values at initialisation, from its view's loaded copy and the store; the view is the layout's
// stored one (a scale below noSavedScale asks for the default view).
DialogValues loadDialogValues(const SettingsRecord& viewCopy, ProfileStore& store);

// The property sheet works on the dialog's copy of the settings: it is given the dialog's own layout mask and
// trains, and hands back the mask and the trains and their bound as it stored them.
void intoDialogCopy(SettingsRecord& copy, const DialogValues& v);
void fromDialogCopy(const SettingsRecord& copy, DialogValues& v);

// Save for OK and "Apply & Test": the dialog's own values, each written individually; km/h from mph.
void saveDialogValues(ProfileStore& store, const DialogValues& v);

// Layout's stored view; absent values read as scale 1 and origin 0.
LayoutView readLayoutView(ProfileStore& store, int32_t layout);
void writeLayoutView(ProfileStore& store, int32_t layout, const LayoutView& v);

int32_t readRunning(ProfileStore& store);
void writeRunning(ProfileStore& store, int32_t value);

// The icon's clicks: designer mode from the next start on once more than six clicks were counted.
void writeDesignerMode(ProfileStore& store, bool on);

// The configuration dialog's kind of build: Version\Release, 3 (a release) when absent.
int32_t buildRelease(ProfileStore& store);

// "Jamlog, Version 5.01.0345", with ".N" for a nonzero update in designer mode.
std::string versionTooltip(ProfileStore& store, bool designer);

} // namespace jamlog
