// The view window's menu commands and the legend they reach: Next Layout with cycling off, Annotate Speeds, the
// debug commands and their designer-mode hiding, the flash phase in the day, the cursor after a mouse move, and
// the legend's title, colours, invitation and refresh at a layout change.
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ManualWindow.h"
#include "app/CLegWnd.h"
#include "app/CSaverWnd.h"
#include "settings/DialogSettings.h"
#include "sim/TimerTable.h"

using namespace jamlog;

namespace {

struct Shown {
    std::unique_ptr<CSaverWnd> w;
    Shown(ProfileStore& store, bool full) : w(std::make_unique<CSaverWnd>(store, manualOptions(true), full)) {
        w->resize(800, 500);
        w->show();
        QApplication::processEvents();
    }
    CSaverWnd* operator->() { return w.get(); }
    const CLegWnd& legend() { return *w->legendWindow(); }
};

void sendMove(QWidget& w, int x, int y) {
    QMouseEvent e(QEvent::MouseMove, QPointF(x, y), w.mapToGlobal(QPointF(x, y)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

// The texts of the right-button menu as it opens, a sub-menu's items as "Sub/Item".
std::vector<std::string> mainMenuTexts(QWidget& w) {
    std::vector<std::string> texts;
    QTimer::singleShot(50, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return;
        for (QAction* a : menu->actions()) {
            texts.push_back(a->text().toStdString());
            if (a->menu() != nullptr)
                for (QAction* item : a->menu()->actions())
                    texts.push_back(a->text().toStdString() + "/" + item->text().toStdString());
        }
        menu->close();
    });
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(20, 20), w.mapToGlobal(QPointF(20, 20)), Qt::RightButton,
                  Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
    return texts;
}

bool has(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

} // namespace

TEST(ViewCommands, NextLayoutWithCyclingOffMovesOnAndBooksTheCounters) {
    MemoryProfileStore store;
    store.WriteProfileInt("Random", "Random", 0x1ffffe); // every layout, cycling off
    Shown w(store, false);
    const int first = w->drawState().layout;
    for (int i = 0; i < 3; ++i)
        w->onTimer(timerMinute);
    ASSERT_EQ(w->drawState().layout, first) << "no cycling by itself";
    w->runCommand(cmdNextLayout);
    EXPECT_NE(w->drawState().layout, first);
    EXPECT_EQ(store.GetProfileInt(layoutSection(first), "Elapsed", 0), 3) << "the minutes on the layout left";
    EXPECT_EQ(w.legend().slots()[0], w->simulation().state().layoutName.substr(0, legendSlotChars));
}

TEST(ViewCommands, AnnotateSpeedsDrawsAndRemovesTheFigures) {
    MemoryProfileStore store;
    store.WriteProfileInt("Timed", "Annotate", 0);
    Shown w(store, false);
    w->redrawAll();
    const QImage plain = w->backBuffer().copy();
    w->runCommand(cmdAnnotate);
    w->redrawAll();
    EXPECT_NE(w->backBuffer(), plain) << "the speed figures are drawn beside the long roads";
    w->runCommand(cmdAnnotate);
    w->redrawAll();
    EXPECT_EQ(w->backBuffer(), plain);
}

TEST(ViewCommands, DebugCommandsShowOnlyInDesignerModeOrWithDebugBits) {
    struct Case {
        int pro, debug;
        bool shown;
    } cases[] = {{0, 0, false}, {1, 0, true}, {0, 2, true}};
    for (const Case& c : cases) {
        MemoryProfileStore store;
        store.WriteProfileInt("Settings", "Pro", c.pro);
        store.WriteProfileInt("Design", "Debug", c.debug);
        Shown w(store, false);
        const auto texts = mainMenuTexts(*w.w);
        ASSERT_TRUE(has(texts, "Annotate Speeds")) << "the menu was read";
        EXPECT_EQ(has(texts, "Debug On"), c.shown) << c.pro << " " << c.debug;
        EXPECT_EQ(has(texts, "Debug/Legend"), c.shown) << c.pro << " " << c.debug;
        EXPECT_TRUE(has(texts, "Daylight/Clock to Dusk"));
    }
}

TEST(ViewCommands, OneRowPerCommandEachInItsMenu) {
    std::set<int> ids;
    for (const MenuCommand& c : menuCommands()) {
        EXPECT_TRUE(ids.insert(c.id).second) << "twice: " << c.id;
        EXPECT_NE(c.run, nullptr) << c.id;
        EXPECT_EQ(c.menu == PopupMenu::zoom, c.id >= cmdZoomIn) << c.id;
        EXPECT_EQ(findMenuCommand(c.id), &c);
    }
    EXPECT_EQ(ids.size(), 35u);
    EXPECT_EQ(findMenuCommand(154), nullptr);
}

TEST(ViewCommands, ChecksFollowTheirSettingsAndReachTheRun) {
    MemoryProfileStore store;
    Shown w(store, false);
    const auto checked = [&](int id) { return findMenuCommand(id)->checked(*w.w); };
    EXPECT_TRUE(checked(cmdFreezePan));
    w->runCommand(cmdFreezePan);
    EXPECT_FALSE(checked(cmdFreezePan));
    EXPECT_FALSE(checked(cmdNumberRoads));
    w->runCommand(cmdNumberRoads);
    EXPECT_TRUE(checked(cmdNumberRoads));
    EXPECT_EQ(w->drawState().set.debug, debugNumberRoads);
    EXPECT_EQ(w->simulation().settings().debug, debugNumberRoads) << "the run reads the same bits";
    EXPECT_EQ(w->view().cursorState, 1); // Debug now non-zero
    w->runCommand(cmdDayLights);
    EXPECT_EQ(w->drawState().set.debug & (debugDayLights | debugNoVehicleLights),
              debugDayLights | debugNoVehicleLights);
    EXPECT_EQ(w->drawState().set.advanced & advancedScandinavianLights, advancedScandinavianLights);
    w->runCommand(cmdAlwaysDark);
    EXPECT_TRUE(checked(cmdAlwaysDark));
    EXPECT_FALSE(checked(cmdDayCycling));
    EXPECT_EQ(w->simulation().settings().night, 1);
    const bool lightsWereOff = checked(cmdLightsOff);
    w->runCommand(cmdLightsOff);
    EXPECT_NE(checked(cmdLightsOff), lightsWereOff);
    EXPECT_TRUE(checked(cmdLegend));
    w->runCommand(cmdLegend);
    EXPECT_FALSE(checked(cmdLegend));
    EXPECT_FALSE(w.legend().isVisible());
}

TEST(ViewCommands, ExitSaverOnlyFullScreen) {
    MemoryProfileStore store;
    Shown window(store, false);
    EXPECT_FALSE(has(mainMenuTexts(*window.w), "Exit Saver")) << "a window is closed by its user";
    Shown full(store, true);
    EXPECT_TRUE(has(mainMenuTexts(*full.w), "Exit Saver"));
    full->runCommand(cmdMainExit);
    QApplication::processEvents();
    EXPECT_FALSE(full->isVisible());
}

TEST(ViewCommands, DebugOnAndTheDebugLegendResizeAndRefillTheLegend) {
    MemoryProfileStore store;
    store.WriteProfileInt("Settings", "Pro", 1);
    store.WriteProfileInt("Design", "Debug", 1);    // the long legend
    store.WriteProfileInt("Config", "AveSpd", 112); // configured once: the figures, not the invitation
    Shown w(store, false);
    const int tall = w.legend().height();
    w->runCommand(cmdDebugOn); // Debug off
    const int shortHeight = w.legend().height();
    EXPECT_LT(shortHeight, tall);
    EXPECT_EQ((tall - 4) * 9, (shortHeight - 4) * 16) << "16 lines, then 9";
    EXPECT_EQ(w.legend().slots()[8], "");
    w->runCommand(cmdDebugLegend); // its bit on again
    EXPECT_EQ(w.legend().height(), tall);
    EXPECT_EQ(w.legend().slots()[8].rfind("Bright = ", 0), 0u) << w.legend().slots()[8];
    w->runCommand(cmdDebugOn); // Debug off, then on again with the stored value
    w->runCommand(cmdDebugOn);
    EXPECT_EQ(w.legend().height(), tall);
}

TEST(ViewCommands, TheFlashTimerDrivesTheFlashPhaseInTheDay) {
    MemoryProfileStore store;
    store.WriteProfileInt("Timed", "DynRW", 0); // no roadworks lamps to redraw
    store.WriteProfileInt("Timed", "DayLight", 0);
    Shown w(store, false);
    for (int phase : {1, 0, 1}) {
        w->onTimer(timerFlash);
        EXPECT_EQ(w->drawState().flashPhase, phase);
    }
}

TEST(ViewCommands, AMouseMoveShowsTheCursorUntilTheTwoSecondTimer) {
    MemoryProfileStore store;
    Shown w(store, true);
    EXPECT_EQ(w->cursor().shape(), Qt::BlankCursor);
    sendMove(*w.w, 30, 30);
    sendMove(*w.w, 40, 35);
    EXPECT_EQ(w->cursor().shape(), Qt::ArrowCursor) << "shown after a move";
    w->onTimer(timerUpkeep);
    EXPECT_EQ(w->cursor().shape(), Qt::BlankCursor) << "hidden again by the 2-second timer";
}

TEST(ViewCommands, TheLegendRefreshesAllItsFiguresAtARandomLayoutChange) {
    MemoryProfileStore store;
    store.WriteProfileInt("Custom", "RndIntvl", 3);
    saveDialogValues(store, DialogValues{}); // configured: the figures, not the invitation
    Shown configured(store, false);
    const int first = configured->drawState().layout;
    for (int i = 0; i < 3; ++i)
        configured->onTimer(timerMinute);
    ASSERT_NE(configured->drawState().layout, first) << "cycled at minute 3";
    EXPECT_EQ(configured.legend().slots()[6], "ElapsedMin = 3");
}

TEST(LegendWindow, TitleColoursAndInvitationFromTheStore) {
    MemoryProfileStore store;
    store.WriteProfileInt("Version", "Release", 3);
    store.WriteProfileString("Version", "ExtraKit", "Update 2");
    store.WriteProfileInt("Screen", "Colours", 0);
    const SettingsRecord record = loadSettings(store, ScreenSizes{1920, 1080, 1920, 1080});
    CLegWnd legend(record, store);
    EXPECT_EQ(legend.title(), "Jamlog 2010 ++");
    EXPECT_EQ(legend.colours().background, 0u) << "Colours 0: black at start";
    DrawState s;
    s.set.backCol = 0x007000;
    s.brightness = 10;
    legend.brightnessChanged(s);
    EXPECT_EQ(legend.colours().background, 0x006400u) << "coloured at the first change";
    auto model = std::make_unique<NetworkModel>(); // an empty model, not the stack's leftovers
    clearModel(*model);
    const NetworkModel& m = *model;
    legend.refreshText(RunState{}, SimSettings{}, s, m);
    EXPECT_EQ(legend.slots()[5], "run jamlog with") << "never configured: the invitation";
    saveDialogValues(store, DialogValues{});
    CLegWnd configured(loadSettings(store, ScreenSizes{1920, 1080, 1920, 1080}), store);
    configured.refreshText(RunState{}, SimSettings{}, s, m);
    EXPECT_EQ(configured.slots()[6].rfind("ElapsedMin = ", 0), 0u) << "saved once: the figures";
}

TEST(LegendWindow, AWindowKeepsItsLegendInsideTheView) {
    MemoryProfileStore store;
    Shown window(store, false);
    const CLegWnd& legend = window.legend();
    EXPECT_EQ(legend.parentWidget(), window.w.get());
    EXPECT_TRUE(legend.isVisible());
    EXPECT_TRUE(window->rect().contains(legend.geometry())) << "in a corner of the view";
    window->resize(600, 400);
    QApplication::processEvents();
    EXPECT_TRUE(window->rect().contains(legend.geometry()));
    Shown full(store, true);
    EXPECT_TRUE(full.legend().isWindow()) << "full screen: a window of its own above the saver";
}

TEST(LegendTitle, KitDigitOfTheStoredText) {
    EXPECT_EQ(extraKitDigit("Update 1"), 1);
    EXPECT_EQ(extraKitDigit("Update 12"), 2);
    EXPECT_EQ(extraKitDigit(""), 0);
    EXPECT_EQ(extraKitDigit("none"), 0);
    EXPECT_EQ(legendTitle(3, "", extraKitDigit("Update 1"), 148), "Jamlog 2010 +");
}
