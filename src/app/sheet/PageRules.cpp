// Which controls of a page are enabled, given its values.
#include <QCheckBox>

#include "app/sheet/CPropPage.h"

namespace jamlog {

namespace {
constexpr SettingRef layoutMask{Setting::Random};
constexpr SettingRef vary{Setting::RndSettings};
constexpr SettingRef colourCycle{Setting::RndBack};
constexpr int varyBackgroundBit = 6;
constexpr int firstEffectBox = 5, lastEffectBox = 20; // "Daylight Cycling" to the hidden "20"
constexpr int weatherBit = 10, snowBit = 11, speedLimitsBit = 14, camerasBit = 13, signsBit = 15;
constexpr int bitsWithOwnRule[] = {1, 2, 3, 4}; // enabled by "Enable Random Layouts" alone

bool on(const CPropPage& p, SettingRef s, int bit = -1) {
    const QCheckBox* box = p.checkBox(s, bit);
    return box && box->isChecked();
}

void enable(CPropPage& p, SettingRef s, int bit, bool enabled) {
    if (QCheckBox* box = p.checkBox(s, bit))
        box->setEnabled(enabled);
}

void enable(CPropPage& p, Action a, bool enabled) {
    if (QPushButton* b = p.button(a))
        b->setEnabled(enabled);
}

void screenRules(CPropPage& p) {
    // With one monitor the view always keeps to it, so the box shows that and cannot be changed.
    const SettingRef noMM{Setting::NoMM};
    if (p.multiMonitor())
        return;
    if (QCheckBox* box = p.checkBox(noMM)) {
        box->setChecked(true);
        box->setEnabled(false);
    }
}

void timedRules(CPropPage& p) {
    const SettingRef wandering{Setting::Wandering};
    enable(p, wandering, 1, on(p, wandering, 0));
}

void speedRules(CPropPage& p) {
    enable(p, Setting::SLSigns, -1, on(p, Setting::RSL));
    enable(p, Setting::VSLSigns, -1, on(p, Setting::VSL));
    enable(p, Setting::RWSigns, -1, on(p, Setting::RWL));
}

void randomRules(CPropPage& p) {
    const bool random = on(p, layoutMask, 0);
    const bool effects = random && on(p, vary, 0);
    for (int bit : bitsWithOwnRule)
        enable(p, vary, bit, random);
    enable(p, vary, 0, random);
    enable(p, colourCycle, varyBackgroundBit, random);
    enable(p, Action::unselectAll, random);
    enable(p, Action::selectLayouts, random);
    enable(p, Action::selectColours, random && on(p, colourCycle, varyBackgroundBit));
    for (int bit = firstEffectBox; bit <= lastEffectBox; ++bit)
        enable(p, vary, bit, effects);
    enable(p, vary, snowBit, effects && on(p, vary, weatherBit));
    enable(p, vary, camerasBit, effects && on(p, vary, speedLimitsBit));
    enable(p, vary, signsBit, effects && on(p, vary, speedLimitsBit));
}
} // namespace

void applyEnableRules(CPropPage& page) {
    switch (page.spec().id) {
    case PageId::screen:
        screenRules(page);
        break;
    case PageId::timed:
        timedRules(page);
        break;
    case PageId::speed:
        speedRules(page);
        break;
    case PageId::random:
        randomRules(page);
        break;
    default:
        break;
    }
}

} // namespace jamlog
