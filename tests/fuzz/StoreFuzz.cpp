// Fuzz target: arbitrary values in every key of the settings table and in every layout's own values (any integer,
// text where a number belongs, missing keys, huge and negative numbers), loaded through the real load as a saver's
// view loads them. The view then builds the layout the values choose and runs a few hundred movement ticks with
// drawing onto a small image. Nothing may crash or trip a sanitizer, and no tick may take long.
// Built twice: fuzz_store as above, and fuzz_store_load (STORE_NO_PREPOP) with pre-population switched off in the
// loaded record, as a user may switch it off. A stored pre-population of up to a thousand rounds of every vehicle
// takes most of a full input's time, so the second reaches many more stored values, layouts and ticks an hour.
#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "StoreValues.h"
#include "app/ViewCore.h"
#include "model/LayoutCatalogue.h"
#include "settings/SettingBits.h"
#include "settings/SettingsRecord.h"
#include "sim/CatalogueLayouts.h"
#include "sim/VirtualClock.h"

namespace {

using namespace jamlog;

constexpr int viewW = 48, viewH = 32;
constexpr int maxTicks = 200;
constexpr auto tickLimit = std::chrono::seconds(5); // far above any tick, sanitizers and all

// A view as the saver's window makes one: the drawing state and the simulation from the loaded record, the
// layout's saved view or the default fit, and every run start fitted anew.
struct HeadlessView : ViewCore {
    HeadlessView(ProfileStore& store, const SettingsRecord& record, uint32_t seed, int clockMinutes)
        : ViewCore(viewW, viewH, nullptr), store(store) {
        drawState().set = renderSettingsFrom(record);
        drawState().refreshColours();
        makeSimulation(simSettingsFromRecord(record), catalogueLayouts());
        seedSequence(seed);
        simulation().create(clockMinutes);
        holdCanvas();
        fit();
    }
    void fit() {
        runs = simulation().state().runs;
        syncFromRun();
        ScreenMetrics screens;
        screens.primaryW = screens.virtualW = viewW;
        screens.primaryH = screens.virtualH = viewH;
        view().setScreens(screens);
        view().loadView(store, drawState().layout);
        view().resize(viewW);
        paintFrame();
    }
    ProfileStore& store;
    int runs = 0;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv); // fonts for the drawing's texts
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const uint32_t seed = in.ConsumeIntegral<uint32_t>();
    const int clockMinutes = in.ConsumeIntegralInRange(-100, 24 * 60 + 100);
    const int ticks = in.ConsumeIntegralInRange(1, maxTicks);
    const int layout = in.ConsumeIntegralInRange(-1, layoutNumbers);
    MemoryProfileStore store;
    fillStore(store, in, layout);

    SettingsRecord record = loadSettings(store, ScreenSizes{viewW, viewH, viewW, viewH});
#ifdef STORE_NO_PREPOP
    record.advanced |= advancedNoPrePop;
#endif
    HeadlessView view(store, record, seed, clockMinutes);
    VirtualClock clock(view.simulation());
    for (int i = 0; i < ticks; ++i) {
        const auto start = std::chrono::steady_clock::now();
        clock.runUntilFired(timerMove);
        if (std::chrono::steady_clock::now() - start > tickLimit) {
            std::fprintf(stderr, "tick %d on layout %d took more than %lld s\n", i, view.simulation().state().layout,
                         static_cast<long long>(tickLimit.count()));
            std::abort();
        }
        if (view.simulation().state().runs != view.runs)
            view.fit();
    }
    return 0;
}
