// The property sheet's pages and dialogs: "Use Defaults" figures, enable rules, "Unselect All", the selection
// dialogs, the OK round trip, Cancel, the last page, Import and Export.
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QListWidget>
#include <QSlider>
#include <QTemporaryDir>

#include "SheetFixture.h"
#include "app/sheet/CRandBackDlg.h"
#include "app/sheet/CRandSetDlg.h"
#include "model/LayoutCatalogue.h"

using namespace jamlog;
using namespace jamlog::test;

namespace {

struct Figure {
    SettingRef setting;
    int32_t value;
};
struct DefaultsCase {
    PageId page;
    std::vector<Figure> figures;
};
class UseDefaults : public SheetFixture, public ::testing::WithParamInterface<DefaultsCase> {};

// Every value of the page is first moved off its default; the button must bring back the page's own figures.
TEST_P(UseDefaults, GiveThePageFigures) {
    const DefaultsCase& c = GetParam();
    for (const Figure& f : c.figures)
        valueOf(dialogCopy, f.setting) = f.value + 1;
    store.WriteProfileInt("Screen", "NoMM", 1); // the sheet reads NoMM from the store
    open();
    page(c.page).button(Action::useDefaults)->click();
    for (const Figure& f : c.figures)
        EXPECT_EQ(valueOf(page(c.page).values(), f.setting), f.value) << f.setting.name();
    EXPECT_EQ(page(c.page).values()[Setting::NoMM], 1) << "Use Defaults leaves NoMM alone";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Pages, UseDefaults, ::testing::Values(
    DefaultsCase{PageId::screen, {{Setting::Studs, 1}, {Setting::Colours, 1}, {Setting::Shadows, 1}, {Setting::TLState, 1},
        {Setting::Bevel, 1}, {Setting::StLights, 1}, {Setting::Tarmac, 0}, {Setting::Rails, 0}, {Setting::Weather, 0}, {Setting::UpdSpd, 75}}},
    DefaultsCase{PageId::timed, {{Setting::Wandering, 3}, {Setting::Traffic, 1}, {Setting::Annotate, 0}, {Setting::DayLight, 1},
        {Setting::Legend, 1}, {Setting::TLoff, 0}, {Setting::TLauto, 1}, {Setting::BHols, 1}, {Setting::PeakTL, 1}, {Setting::DynRW, 1}, {Setting::VaryTrains, 1}}},
    DefaultsCase{PageId::effects, {{Setting::Night, 0}, {Setting::VLTrains, 1}, {Setting::Mouse, 0}, {Setting::Brake, 1},
        {Setting::Tracks, 1}, {Setting::Fire, 1}, {Setting::Reset, 1}, {Setting::Relief, 1}, {Setting::Season, 1},
        {Setting::Rivers, 1}, {Setting::Pelican, 1}, {Setting::Roads, 1}}},
    DefaultsCase{PageId::speed, {{Setting::ESL, 1}, {Setting::VSL, 1}, {Setting::SLSigns, 1}, {Setting::VSLSigns, 1},
        {Setting::RWSigns, 1}, {Setting::RSL, 1}, {Setting::RWL, 1}, {Setting::VSlow, 0}, {Setting::Breakdowns, 0}, {Setting::Gatso, 1}}},
    DefaultsCase{PageId::random, {{Setting::Random, 0x1FFFFF}, {Setting::RndSettings, 0x1FFFFF}}},
    DefaultsCase{PageId::custom, {{Setting::RndIntvl, 5}, {Setting::BkDownNo, 2}, {Setting::CarInc, 10}, {Setting::LVM, 2},
        {Setting::SLPercent, 20}, {Setting::VSLBusy, 40}, {Setting::Carrs, 4}, {Setting::Trains, 10}, {Setting::Faster, 120},
        {Setting::Slower, 25}, {Setting::StnWait, 20}, {Setting::ParkWait, 240}}},
    DefaultsCase{PageId::timers, {{Setting::WanderIntvl, 8}, {Setting::LongIntvl, 15}, {Setting::AnnotIntvl, 2}, {Setting::DrawIntvl, 3},
        {Setting::TLightIntvl, 3}, {Setting::SimClkIntvl, 50}, {Setting::FlashIntvl, 5},
        {Setting::SunUpDown, 360 * 10000 + 1200}, {Setting::RushAm, 300 * 10000 + 540}, {Setting::RushPm, 900 * 10000 + 1140}}},
    DefaultsCase{PageId::params, {{Setting::WanderDist, 1}, {Setting::WanderZoom, 2}, {Setting::Dimming, 50}, {Setting::Dusk, 15},
        {Setting::RThresh, 70}, {Setting::SignSize, 35}, {Setting::Accel, 5}, {Setting::Advanced, 0}}},
    DefaultsCase{PageId::design, {{Setting::PolyThresh, 30}, {Setting::CarLen, 200}, {Setting::Glow, 15}, {Setting::CarWid, 40},
        {Setting::LanWid, 130}, {Setting::ProcCorr, 5}, {Setting::HCorr, 10}, {Setting::VCorr, 10}, {Setting::ACorr, 10},
        {Setting::PrePop, 400}, {Setting::Debug, 0}}}));
// clang-format on

TEST_F(SheetFixture, TimersShowTheirDefaultsAsClockTimes) {
    open();
    page(PageId::timers).button(Action::useDefaults)->click();
    const char* shown[] = {"0600", "2000", "0500", "0900", "1500", "1900"};
    int i = 0;
    for (SettingRef s :
         {SettingRef{Setting::SunUpDown}, SettingRef{Setting::RushAm}, SettingRef{Setting::RushPm}})
        for (int half : {0, 1})
            EXPECT_EQ(entry(PageId::timers, s, half)->text(), shown[i++]);
}

constexpr SettingRef mask{Setting::Random}, vary{Setting::RndSettings}, back{Setting::RndBack};

TEST_F(SheetFixture, RandomPageEnableRules) {
    open();
    CPropPage& p = page(PageId::random);
    auto box = [&](SettingRef s, int bit) { return p.checkBox(s, bit); };
    auto click = [&](SettingRef s, int bit) { box(s, bit)->click(); };
    EXPECT_TRUE(box(vary, 11)->isEnabled());
    click(vary, 10); // weather off: no snow
    EXPECT_FALSE(box(vary, 11)->isEnabled());
    click(vary, 14); // speed limits off: no cameras, no signs
    EXPECT_FALSE(box(vary, 13)->isEnabled());
    EXPECT_FALSE(box(vary, 15)->isEnabled());
    EXPECT_TRUE(box(vary, 16)->isEnabled());
    click(vary, 0); // no effects: the sixteen boxes from "Daylight Cycling" are off, the others stay
    for (int bit = 5; bit <= 17; ++bit)
        EXPECT_FALSE(box(vary, bit)->isEnabled()) << bit;
    EXPECT_TRUE(box(vary, 1)->isEnabled());
    EXPECT_TRUE(p.button(Action::selectColours)->isEnabled());
    click(back, 6);
    EXPECT_FALSE(p.button(Action::selectColours)->isEnabled());
    click(mask, 0); // no random layouts
    for (int bit : {0, 1, 2, 3, 4})
        EXPECT_FALSE(box(vary, bit)->isEnabled()) << bit;
    EXPECT_FALSE(box(back, 6)->isEnabled());
    for (Action a : {Action::unselectAll, Action::selectLayouts, Action::selectColours})
        EXPECT_FALSE(p.button(a)->isEnabled());
    EXPECT_TRUE(p.button(Action::useDefaults)->isEnabled());
    EXPECT_EQ(p.values()[Setting::Random], 0x1FFFFE);
    EXPECT_EQ(p.values()[Setting::RndSettings], 0x7FFFF & ~(1 << 10 | 1 << 14 | 1));
}

TEST_F(SheetFixture, RandomUnselectAllKeepsEffectsBreakdownsAndTheHiddenBoxes) {
    dialogCopy[Setting::Random] = 0x1FFFFF;
    store.WriteProfileInt("Random", "RndSettings", 0x1FFFFF);
    open();
    CPropPage& p = page(PageId::random);
    p.button(Action::unselectAll)->click();
    EXPECT_EQ(p.values()[Setting::Random], 0);
    EXPECT_EQ(p.values()[Setting::RndSettings], 1 | 1 << 17 | 1 << 18 | 1 << 19 | 1 << 20);
    EXPECT_EQ(p.values()[Setting::RndBack] & 64, 0);
    EXPECT_FALSE(p.checkBox(mask, 0)->isChecked());
    EXPECT_FALSE(p.checkBox(vary, 1)->isEnabled());
    EXPECT_FALSE(p.checkBox(vary, 18)->isVisible());
}

TEST_F(SheetFixture, CheckPageEnableRules) {
    multiMonitor = false;
    dialogCopy[Setting::NoMM] = 0;
    open();
    QCheckBox* noMM = page(PageId::screen).checkBox(Setting::NoMM);
    EXPECT_TRUE(noMM->isChecked());
    EXPECT_FALSE(noMM->isEnabled());
    CPropPage& timed = page(PageId::timed);
    timed.checkBox(Setting::Wandering, 0)->click();
    EXPECT_FALSE(timed.checkBox(Setting::Wandering, 1)->isEnabled());
    EXPECT_EQ(timed.values()[Setting::Wandering], 2);
    CPropPage& speed = page(PageId::speed);
    for (auto [master, sign] : {std::pair{Setting::RSL, Setting::SLSigns}, {Setting::VSL, Setting::VSLSigns},
                                {Setting::RWL, Setting::RWSigns}}) {
        speed.checkBox(master)->click();
        EXPECT_FALSE(speed.checkBox(sign)->isEnabled()) << settingDef(sign).name;
    }
    timed.button(Action::unselectAll)->click();
    EXPECT_EQ(timed.values()[Setting::Wandering], 0);
    EXPECT_EQ(timed.values()[Setting::Traffic], 0);
}

TEST_F(SheetFixture, LayoutDialogRefusesAnEmptySelection) {
    CRandSetDlg dlg(0x1FFFFF);
    for (int k = 0; k < cyclingLayouts; ++k) {
        EXPECT_EQ(dlg.layoutBox(k)->isEnabled(), layoutIsBuilt(k)) << k;
        EXPECT_NE(dlg.layoutBox(k)->toolTip(), "") << k;
    }
    for (QPushButton* b : dlg.findChildren<QPushButton*>())
        if (b->text() == "Unselect All")
            b->click();
    answers.then();
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    ASSERT_EQ(answers.shown().size(), 1u);
    EXPECT_TRUE(answers.shown()[0].contains("You must select at least one layout!"));
    dlg.layoutBox(0)->setChecked(true);
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.layoutBits(), 1 << 1);
}

TEST_F(SheetFixture, SelectLayoutsKeepsTheSwitchAndTakesTheChosenBits) {
    open();
    answers.then([](QDialog* d) {
        auto* dlg = static_cast<CRandSetDlg*>(d);
        for (int k = 0; k < cyclingLayouts; ++k)
            dlg->layoutBox(k)->setChecked(k == 0);
        dlg->accept();
    });
    page(PageId::random).button(Action::selectLayouts)->click();
    EXPECT_EQ(page(PageId::random).values()[Setting::Random], 1 | 1 << 1);
}

TEST_F(SheetFixture, ColourDialogWritesColoursAndCycleBits) {
    store.WriteProfileInt("Random", "RndBack", 64 | 3);
    CRandBackDlg dlg(store);
    EXPECT_TRUE(dlg.cycleBox(1)->isChecked());
    EXPECT_FALSE(dlg.cycleBox(3)->isChecked());
    for (int c = 1; c <= 6; ++c)
        dlg.cycleBox(c)->setChecked(false);
    answers.then();
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(store.GetProfileInt("Random", "BackCol2", -1), -1) << "a refused OK writes nothing";
    dlg.cycleBox(3)->setChecked(true);
    answers.then([](QDialog* d) {
        auto* chooser = qobject_cast<QColorDialog*>(d);
        ASSERT_NE(chooser, nullptr);
        EXPECT_EQ(chooser->currentColor(), QColor(0x70, 0x60, 0x40)) << "opens on the current colour";
        chooser->setCurrentColor(QColor(0x11, 0x22, 0x33));
        chooser->accept();
    });
    dlg.colourButton(2)->click();
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(store.GetProfileInt("Random", "BackCol2", -1), 0x332211);
    EXPECT_EQ(store.GetProfileInt("Random", "BackCol6", -1), 0x202020);
    EXPECT_EQ(store.GetProfileInt("Random", "RndBack", -1), 64 | 4);
}

// One control changed on every page, then OK: each value is in the store, the dialog's copy follows, and the
// active page is remembered.
TEST_F(SheetFixture, OkWritesEveryPageAndCancelNothing) {
    store.WriteProfileInt("Random", "RndBack", 5); // the colour dialog's bits survive the sheet
    open();
    page(PageId::screen).checkBox(Setting::NoMM)->click();
    static_cast<QComboBox*>(page(PageId::screen).control(row(PageId::screen, Setting::Weather)))
        ->setCurrentIndex(2);
    static_cast<QSlider*>(page(PageId::screen).control(row(PageId::screen, Setting::UpdSpd)))->setValue(30);
    page(PageId::timed).checkBox(Setting::Legend)->click();
    page(PageId::effects).checkBox(Setting::Mouse)->click();
    page(PageId::speed).checkBox(Setting::Gatso)->click();
    page(PageId::random).checkBox(back, 6)->click();
    type(PageId::custom, Setting::BkDownNo, "7");
    type(PageId::timers, Setting::RushAm, "0415", 0);
    type(PageId::params, Setting::Accel, "12");
    type(PageId::design, Setting::Glow, "9");
    static_cast<QListWidget*>(page(PageId::design).control(row(PageId::design, Setting::Debug)))
        ->item(3)
        ->setSelected(true);
    sheet->tabs()->setCurrentIndex(6);
    sheet->accept();
    ASSERT_EQ(sheet->result(), QDialog::Accepted);
    EXPECT_TRUE(answers.shown().empty());
    const Figure expected[] = {
        {Setting::NoMM, 1},         {Setting::Weather, 2},  {Setting::UpdSpd, 30},
        {Setting::Legend, 0},        {Setting::Mouse, 1},   {Setting::Gatso, 0},
        {Setting::RndBack, 64 | 5}, {Setting::BkDownNo, 7}, {Setting::RushAm, 255 * 10000 + 540},
        {Setting::Accel, 12},       {Setting::Glow, 9},     {Setting::Debug, 4},
        {Setting::PPageLast, 6}};
    for (const Figure& f : expected) {
        EXPECT_EQ(stored(f.setting), f.value) << f.setting.name();
        EXPECT_EQ(valueOf(dialogCopy, f.setting), f.value) << f.setting.name();
    }
    EXPECT_TRUE(sheet->noMMChanged());

    const size_t values = store.size();
    const SettingsRecord before = dialogCopy;
    open();
    EXPECT_EQ(sheet->tabs()->currentIndex(), 6) << "reopens on the last page";
    page(PageId::speed).checkBox(Setting::ESL)->click();
    type(PageId::design, Setting::Glow, "20");
    sheet->reject();
    EXPECT_EQ(store.size(), values);
    EXPECT_EQ(stored(Setting::ESL), 1);
    EXPECT_EQ(stored(Setting::Glow), 9);
    EXPECT_TRUE(static_cast<const SettingValues&>(dialogCopy) == static_cast<const SettingValues&>(before));
}

// Import and Export through the buttons, the file dialog answered with a path, or cancelled.
TEST_F(SheetFixture, ImportAndExportThroughTheButtons) {
    QTemporaryDir dir;
    const QString file = dir.filePath("saved.jmx");
    store.WriteProfileInt("Version", "Current Version", 500);
    store.WriteProfileInt("Params", "Accel", 17);
    open();
    auto answerFile = [&](const QString& path) {
        answers.then([path](QDialog* d) {
            auto* chooser = qobject_cast<QFileDialog*>(d);
            ASSERT_NE(chooser, nullptr);
            EXPECT_EQ(chooser->defaultSuffix(), "jmx");
            EXPECT_TRUE(chooser->selectedFiles().value(0).endsWith("/jamlog.jmx"));
            EXPECT_EQ(chooser->nameFilters(), QStringList({"Jamlog Files (*.jmx)", "All Files (*)"}));
            if (path.isEmpty())
                return chooser->reject();
            chooser->selectFile(path);
            static_cast<QDialog*>(chooser)->accept();
        });
        answers.then();
    };
    answerFile(file);
    page(PageId::params).button(Action::exportFile)->click();
    EXPECT_TRUE(answers.shown()[1].contains("Jamlog has saved your settings")) << answers.shown()[1].toStdString();
    EXPECT_EQ(QFileInfo(file).size(), 1558);

    answerFile("");
    page(PageId::params).button(Action::importFile)->click();
    EXPECT_TRUE(answers.shown()[3].contains("Unable to open file for reading"));
    EXPECT_FALSE(sheet->isVisible());

    store.WriteProfileInt("Params", "Accel", 5);
    sheet->show();
    answerFile(file);
    page(PageId::params).button(Action::importFile)->click();
    EXPECT_TRUE(answers.shown()[5].contains("Jamlog will now exit"));
    EXPECT_EQ(sheet->result(), CPropSheet::importedCode);
    EXPECT_EQ(store.GetProfileInt("Params", "Accel", 0), 17);
}

} // namespace
