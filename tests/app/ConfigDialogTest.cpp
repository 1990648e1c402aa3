// The configuration dialog driven through its real widgets: the control rules, each layout's view, Save with
// km/h and mph, OK against Cancel, designer clicks, Reset All, re-activation, and the About, Statistics and
// Help dialogs.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/dialog/CAboutDlg.h"
#include "app/dialog/CHelpDlg.h"
#include "app/dialog/CSaverDlg.h"
#include "app/dialog/CStatisticsDlg.h"
#include "app/sheet/CPropSheet.h"
#include "settings/StartupVersion.h"
#include "sim/TimerTable.h"

using namespace jamlog;

namespace {

CSaverDlg::Options manual() {
    CSaverDlg::Options o;
    o.seed = 3;
    o.startTimers = false;
    o.screens = ScreenMetrics{};
    o.program = "true"; // a test run that ends at once
    return o;
}

template <class T> T* child(QWidget& dlg, const char* name) {
    T* w = dlg.findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// Answers the message boxes that come up while it lives, in turn, with the buttons named, and keeps their
// captions and texts as "caption|text".
class BoxAnswers : public QObject {
public:
    explicit BoxAnswers(QStringList buttons) : buttons(std::move(buttons)) {
        connect(&timer, &QTimer::timeout, this, [this] { answer(); });
        timer.start(5);
    }
    QStringList seen;

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box == last || buttons.isEmpty())
            return;
        last = box;
        seen << box->windowTitle() + "|" + box->text();
        const QString wanted = buttons.takeFirst();
        for (QAbstractButton* b : box->buttons())
            if (b->text().remove('&') == wanted)
                return b->click();
        box->close();
    }
    QStringList buttons;
    QTimer timer;
    QPointer<QMessageBox> last; // null once that box is gone, even when the next one takes its address
};

void moveSlider(QSlider* s, int value) {
    s->setValue(value);
    Q_EMIT s->sliderReleased();
}

// Two layouts the list offers, for switching between them.
std::pair<int, int> twoOfferedIndices(QComboBox* list) {
    EXPECT_GE(list->count(), 2);
    return {0, list->count() - 1};
}

} // namespace

TEST(ConfigDialog, TrainsSliderEndsAtTwoHundredCarriagesAndClampsItsValue) {
    MemoryProfileStore store;
    store.WriteProfileInt("Custom", "Carrs", 8);
    store.WriteProfileInt("Config", "Trains", 40);
    CSaverDlg dlg(store, manual());
    auto* trains = child<QSlider>(dlg, "trains");
    EXPECT_EQ(trains->minimum(), 1);
    EXPECT_EQ(trains->maximum(), 25);
    moveSlider(child<QSlider>(dlg, "speed"), 9);
    EXPECT_EQ(dlg.values().trains, 25);
    dlg.accept();
    EXPECT_EQ(store.GetProfileInt("Config", "Trains", 0), 25);
}

TEST(ConfigDialog, DrivingStyleSetsTheSpeed) {
    struct Case {
        int driver, mph;
    };
    for (Case c : {Case{3, 40}, Case{1, 80}, Case{2, 60}, Case{4, 20}, Case{0, 70}}) {
        MemoryProfileStore store;
        store.WriteProfileInt("Config", "Driver", c.driver == 0 ? 3 : 0);
        CSaverDlg dlg(store, manual());
        child<QComboBox>(dlg, "driverList")->setCurrentIndex(c.driver);
        EXPECT_EQ(dlg.values().mph, c.mph) << c.driver;
        // The slider starts at 30 mph: Sunday drivers' 20 show in the field only.
        EXPECT_EQ(child<QSlider>(dlg, "speed")->value(), std::max(3, c.mph / 10)) << c.driver;
        EXPECT_EQ(child<QLineEdit>(dlg, "mph")->text(), QString::number(c.mph)) << c.driver;
        EXPECT_EQ(dlg.preview()->simulation().settings().driver, c.driver);
    }
}

// Every slider reaches the running preview: speed, trains and boats rebuild its run (the build gives the vehicles
// their speeds and counts) once a drag is let go, slow motion takes effect at the next step, and the view's
// sliders rebuild nothing.
TEST(ConfigDialog, SpeedTrainsBoatsAndSlowMotionReachThePreview) {
    MemoryProfileStore store;
    CSaverDlg dlg(store, manual());
    const Simulation& sim = dlg.preview()->simulation();
    const int runs = sim.state().runs;
    auto* speed = child<QSlider>(dlg, "speed");
    speed->setSliderDown(true);
    speed->setValue(4);
    EXPECT_EQ(sim.state().runs, runs);
    speed->setSliderDown(false);
    EXPECT_EQ(sim.state().runs, runs + 1);
    EXPECT_EQ(sim.settings().aveSpd, kmhFromMph(40));
    moveSlider(child<QSlider>(dlg, "trains"), 3);
    EXPECT_EQ(sim.settings().trains, 3);
    moveSlider(child<QSlider>(dlg, "boats"), 2);
    EXPECT_EQ(sim.settings().boats, 2);
    EXPECT_EQ(sim.state().runs, runs + 3);
    moveSlider(child<QSlider>(dlg, "slowMotion"), 4);
    EXPECT_EQ(sim.settings().factor, 4);
    moveSlider(child<QSlider>(dlg, "zoom"), 3);
    EXPECT_EQ(sim.state().runs, runs + 3);
}

TEST(ConfigDialog, AverageSpeedShowsInMphAndIsStoredBackInKmh) {
    MemoryProfileStore store;
    store.WriteProfileInt("Config", "AveSpd", 112);
    CSaverDlg dlg(store, manual());
    EXPECT_EQ(child<QLineEdit>(dlg, "mph")->text(), "70");
    EXPECT_EQ(child<QSlider>(dlg, "speed")->value(), 7);
    dlg.accept();
    EXPECT_EQ(store.GetProfileInt("Config", "AveSpd", 0), 112);
}

TEST(ConfigDialog, EachLayoutKeepsItsOwnView) {
    MemoryProfileStore store;
    CSaverDlg dlg(store, manual());
    auto* list = child<QComboBox>(dlg, "layoutList");
    auto* zoom = child<QSlider>(dlg, "zoom");
    const auto [a, b] = twoOfferedIndices(list);
    list->setCurrentIndex(a);
    const int layoutA = list->itemData(a).toInt(), layoutB = list->itemData(b).toInt();
    moveSlider(zoom, 400);
    list->setCurrentIndex(b);
    EXPECT_EQ(dlg.preview()->simulation().state().layout, layoutB);
    EXPECT_EQ(store.GetProfileInt(layoutSection(layoutA), "Scale", 0), 400);
    moveSlider(zoom, 700);
    const int originB = child<QSlider>(dlg, "originX")->value();
    list->setCurrentIndex(a);
    EXPECT_EQ(zoom->value(), 400);
    EXPECT_EQ(dlg.values().view.scale, 400);
    EXPECT_EQ(store.GetProfileInt(layoutSection(layoutB), "Scale", 0), 700);
    EXPECT_EQ(store.GetProfileInt(layoutSection(layoutB), "OriginX", 0), originB + 100000);
    // The preview shows the stored scale at its own width.
    EXPECT_EQ(dlg.preview()->view().baseScale, 400);
}

TEST(ConfigDialog, DefaultViewGoesBackToTheFitAndIsStoredAsScaleOne) {
    MemoryProfileStore store;
    CSaverDlg dlg(store, manual());
    auto* zoom = child<QSlider>(dlg, "zoom");
    const int fitted = zoom->value();
    moveSlider(zoom, fitted + 100);
    EXPECT_EQ(dlg.preview()->view().baseScale, fitted + 100);
    QTest::mouseClick(child<QPushButton>(dlg, "defaultView"), Qt::LeftButton);
    EXPECT_EQ(zoom->value(), fitted);
    EXPECT_EQ(dlg.preview()->view().baseScale, fitted);
    dlg.accept();
    EXPECT_EQ(store.GetProfileInt(layoutSection(dlg.values().layout), "Scale", 0), 1);
}

TEST(ConfigDialog, OkSavesTheDialogsValuesAndCancelNone) {
    for (bool ok : {true, false}) {
        MemoryProfileStore store;
        {
            CSaverDlg dlg(store, manual());
            EXPECT_EQ(store.GetProfileInt("Settings", "Running", -1), 0);
            moveSlider(child<QSlider>(dlg, "cars"), 123);
            moveSlider(child<QSlider>(dlg, "boats"), 9);
            moveSlider(child<QSlider>(dlg, "slowMotion"), 17);
            child<QCheckBox>(dlg, "canMse")->setChecked(false);
            child<QCheckBox>(dlg, "random")->setChecked(false);
            EXPECT_EQ(dlg.preview()->simulation().settings().cars, 123);
            QTest::mouseClick(child<QPushButton>(dlg, ok ? "ok" : "cancel"), Qt::LeftButton);
        }
        EXPECT_EQ(store.GetProfileInt("Config", "Cars", -1), ok ? 123 : -1) << ok;
        EXPECT_EQ(store.GetProfileInt("Config", "Boats", -1), ok ? 9 : -1) << ok;
        EXPECT_EQ(store.GetProfileInt("Config", "Factor", -1), ok ? 17 : -1) << ok;
        EXPECT_EQ(store.GetProfileInt("Config", "CanMse", -1), ok ? 0 : -1) << ok;
        EXPECT_EQ(store.GetProfileInt("Random", "Random", -1), ok ? 0x1FFFFE : -1) << ok;
    }
}

TEST(ConfigDialog, SeventhIconClickTurnsDesignerModeOn) {
    MemoryProfileStore store;
    CSaverDlg dlg(store, manual());
    auto* icon = child<QLabel>(dlg, "icon");
    for (int click = 1; click <= 8; ++click) {
        QTest::mouseClick(icon, Qt::LeftButton);
        EXPECT_EQ(store.GetProfileInt("Settings", "Pro", -1), click >= 7 ? 1 : 0) << click;
    }
    EXPECT_EQ(dlg.iconClicks(), 8);
}

TEST(ConfigDialog, DesignerModeShowsItsTitleSwitchesAndTestLayouts) {
    for (int pro : {0, 1}) {
        MemoryProfileStore store;
        store.WriteProfileInt("Settings", "Pro", pro);
        store.WriteProfileInt("Settings", "TestLayouts", 1);
        store.WriteProfileInt("Version", "Release", 1);
        CSaverDlg dlg(store, manual());
        EXPECT_EQ(child<QLineEdit>(dlg, "title")->text(), pro ? "Jamlog 2010 Designer" : "Jamlog 2010 Saver Beta");
        EXPECT_EQ(child<QCheckBox>(dlg, "debugOn")->isVisibleTo(&dlg), pro == 1);
        EXPECT_EQ(child<QCheckBox>(dlg, "testLayouts")->isVisibleTo(&dlg), pro == 1);
        auto* list = child<QComboBox>(dlg, "layoutList");
        EXPECT_EQ(list->itemText(list->count() - 1).startsWith("T: "), pro == 1);
    }
}

TEST(ConfigDialog, ResetAllRemovesTheWholeStoreAfterThePreviewsLastWrites) {
    MemoryProfileStore store;
    store.WriteProfileInt("Counters", "Elapsed", 50);
    CSaverDlg dlg(store, manual());
    BoxAnswers answers({"Yes", "OK"});
    QTest::mouseClick(child<QPushButton>(dlg, "resetAll"), Qt::LeftButton);
    EXPECT_EQ(answers.seen,
              QStringList({"Jamlog 2010 Reset Warning|Are you sure you want to delete all Jamlog settings?",
                           "Jamlog 2010 Reset Completed|All settings removed\nJamlog will now close"}));
    EXPECT_EQ(store.size(), 0u);
    EXPECT_EQ(dlg.result(), CSaverDlg::resetResult);
    EXPECT_EQ(dlg.preview(), nullptr);
}

TEST(ConfigDialog, ResetAllAnsweredNoKeepsEverything) {
    MemoryProfileStore store;
    CSaverDlg dlg(store, manual());
    const size_t before = store.size();
    BoxAnswers answers({"No"});
    QTest::mouseClick(child<QPushButton>(dlg, "resetAll"), Qt::LeftButton);
    EXPECT_EQ(store.size(), before);
    EXPECT_NE(dlg.preview(), nullptr);
}

TEST(ConfigDialog, ApplyAndTestSavesMarksTheRunAndReloadsTheViewWhenItHasEnded) {
    MemoryProfileStore store;
    CSaverDlg dlg(store, manual());
    moveSlider(child<QSlider>(dlg, "cars"), 77);
    BoxAnswers answers({"OK"}); // the installation's report, if this machine gives one
    QTest::mouseClick(child<QPushButton>(dlg, "applyTest"), Qt::LeftButton);
    EXPECT_EQ(store.GetProfileInt("Config", "Cars", 0), 77);
    EXPECT_TRUE(dlg.waitForTestRun(10000));
    QApplication::processEvents();
    EXPECT_TRUE(dlg.isEnabled());
    EXPECT_EQ(store.GetProfileInt("Settings", "Running", -1), 1); // "true" is no saver: nobody turned it into 2

    // The saver's load turns 1 into 2; the dialog then finds 2, clears it and shows the stored view again.
    store.WriteProfileInt("Settings", "Running", 2);
    store.WriteProfileInt(layoutSection(dlg.values().layout), "Scale", 640);
    dlg.reactivated();
    EXPECT_EQ(store.GetProfileInt("Settings", "Running", -1), 0);
    EXPECT_EQ(child<QSlider>(dlg, "zoom")->value(), 640);
    EXPECT_EQ(dlg.preview()->view().baseScale, 640);
}

TEST(ConfigDialog, LockingThePreviewFreezesIt) {
    MemoryProfileStore store;
    CSaverDlg dlg(store, manual());
    auto* lock = child<QCheckBox>(dlg, "lock");
    for (bool locked : {true, false}) {
        lock->setChecked(locked);
        const int ticks = dlg.preview()->simulation().state().tickCount;
        dlg.preview()->onTimer(timerMove);
        EXPECT_EQ(dlg.preview()->simulation().state().tickCount == ticks, locked);
        EXPECT_EQ(dlg.preview()->frozen(), locked);
    }
    dlg.accept();
    EXPECT_EQ(store.GetProfileInt("Settings", "Preview", -1), 0);
}

TEST(ConfigDialog, HelpMenuHoldsTheThreeCommandsAndF1OpensHelp) {
    MemoryProfileStore store;
    CSaverDlg dlg(store, manual());
    QStringList items;
    for (QAction* a : child<QPushButton>(dlg, "help")->menu()->actions())
        items << a->text();
    EXPECT_EQ(items, QStringList({"&About Jamlog 2010...", "Jamlog 2010 &Help...", "Jamlog 2010 &Statistics..."}));
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    QString caption;
    bool frozenMeanwhile = false;
    QTimer::singleShot(0, &dlg, [&] {
        QWidget* w = QApplication::activeModalWidget();
        caption = w ? w->windowTitle() : QString();
        frozenMeanwhile = dlg.preview()->frozen();
        if (w)
            w->close();
    });
    QTest::keyClick(&dlg, Qt::Key_F1);
    EXPECT_EQ(caption, "Jamlog 2010 Screen Saver Help");
    EXPECT_TRUE(frozenMeanwhile);
    EXPECT_FALSE(dlg.preview()->frozen());
}

TEST(ConfigDialog, AboutShowsTheVersionEditionAndTotals) {
    MemoryProfileStore store;
    startupVersion(store, "jamlog", 100);
    store.WriteProfileInt("Counters", "Elapsed", 3000);
    store.WriteProfileInt("Counters", "Longest", 45);
    CAboutDlg about(store);
    EXPECT_EQ(about.windowTitle(), "About Jamlog 2010 Screen Saver");
    EXPECT_EQ(child<QLineEdit>(about, "versionLine")->text(), "Version 5.01  (5.01.0345.0)   Release  10-Oct-10");
    EXPECT_EQ(child<QLineEdit>(about, "editionLine")->text(), "Update 1  64-bit Edition");
    const QString totals = child<QLabel>(about, "statistics")->text();
    EXPECT_TRUE(totals.contains("Elapsed: 2 days, 2 hrs, 0 mins")) << totals.toStdString();
    EXPECT_TRUE(totals.contains("Longest Run: 45 mins")) << totals.toStdString();
}

TEST(ConfigDialog, StatisticsKeepTheirColumnsAndResetKeepsTheTotals) {
    MemoryProfileStore store;
    store.WriteProfileInt(layoutSection(0), "Elapsed", 3000);
    store.WriteProfileInt(layoutSection(0), "Jamlogs", 5);
    store.WriteProfileInt("Counters", "Elapsed", 3000);
    CStatisticsDlg dlg(store);
    EXPECT_EQ(dlg.windowTitle(), "Jamlog 2010 Layout Statistics");
    auto* text = child<QPlainTextEdit>(dlg, "statisticsText");
    EXPECT_TRUE(text->toPlainText().contains("Classic Layout      \t3000\t  5\t  0\n"));
    EXPECT_TRUE(QFontInfo(text->font()).fixedPitch());
    EXPECT_EQ(text->tabStopDistance(), 8 * QFontMetricsF(text->font()).horizontalAdvance(' '));
    BoxAnswers answers({"Yes"});
    QTest::mouseClick(child<QPushButton>(dlg, "resetStats"), Qt::LeftButton);
    EXPECT_EQ(answers.seen,
              QStringList({"Jamlog 2010 Reset Warning|Are you sure you want to reset usage statistics?"}));
    EXPECT_EQ(store.GetProfileInt(layoutSection(0), "Elapsed", -1), 0);
    EXPECT_EQ(store.GetProfileInt("Counters", "Elapsed", -1), 3000);
}

TEST(ConfigDialog, HelpShowsTheGuideFromTheResource) {
    CHelpDlg help;
    EXPECT_EQ(help.windowTitle(), "Jamlog 2010 Screen Saver Help");
    EXPECT_NE(help.findChild<QLabel*>(), nullptr);
    EXPECT_EQ(help.findChild<QLabel*>()->text(), "Jamlog 2010 Screen Saver Mini-Help");
    const QString guide = child<QTextBrowser>(help, "guide")->toPlainText();
    for (const char* section : {"Quick start", "The legend", "Installing under xscreensaver", "The command line"})
        EXPECT_TRUE(guide.contains(section)) << section;
}

TEST(ConfigDialog, FitsA1024By600Screen) {
    MemoryProfileStore store;
    CSaverDlg dlg(store, manual());
    dlg.show();
    EXPECT_LE(dlg.frameGeometry().width(), 1024);
    EXPECT_LE(dlg.frameGeometry().height(), 560); // room for a panel
    // The preview keeps the screen's 16:9 inside its frame.
    const QSize p = dlg.preview()->size();
    EXPECT_NEAR(p.width() * 100 / p.height(), 177, 2);
}

TEST(ConfigDialog, PropertySheetOutcomes) {
    struct Case {
        int sheetResult;
        bool newPreview, dialogEnds;
    };
    for (Case c : {Case{QDialog::Accepted, true, false}, Case{QDialog::Rejected, false, false},
                   Case{CPropSheet::importedCode, false, true}}) {
        MemoryProfileStore store;
        CSaverDlg dlg(store, manual());
        moveSlider(child<QSlider>(dlg, "cars"), 99);
        child<QCheckBox>(dlg, "random")->setChecked(false);
        const CDrawWnd* before = dlg.preview();
        QTimer::singleShot(0, &dlg, [&] {
            auto* sheet = qobject_cast<CPropSheet*>(QApplication::activeModalWidget());
            if (sheet && c.sheetResult == QDialog::Accepted)
                sheet->accept(); // the sheet's own OK, which writes the store
            else if (sheet)
                sheet->done(c.sheetResult);
        });
        QTest::mouseClick(child<QPushButton>(dlg, "properties"), Qt::LeftButton);
        EXPECT_EQ(dlg.preview() != nullptr && dlg.preview() != before, c.newPreview) << c.sheetResult;
        EXPECT_EQ(dlg.result() == QDialog::Accepted, c.dialogEnds) << c.sheetResult;
        EXPECT_EQ(store.GetProfileInt("Settings", "Running", -1), 0) << c.sheetResult;
        // An import's settings are not overwritten by the dialog's; a new preview keeps the dialog's values.
        if (c.dialogEnds) {
            EXPECT_EQ(store.GetProfileInt("Config", "Cars", -1), -1);
        } else {
            EXPECT_EQ(dlg.preview()->simulation().settings().cars, 99) << c.sheetResult;
            EXPECT_FALSE(dlg.preview()->frozen());
        }
        if (c.newPreview) {
            EXPECT_EQ(store.GetProfileInt("Random", "Random", -1), 0x1FFFFE); // the sheet stored the dialog's mask
        }
    }
}
