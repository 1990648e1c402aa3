// Entry fields of the property pages: the check round on focus loss, its reset values and messages, HHMM
// clock fields, the trains bound, and the "disable all" entry of the multiple-selection lists.
#include <QListWidget>

#include "SheetFixture.h"

using namespace jamlog;
using namespace jamlog::test;

namespace {

struct EntryCase {
    PageId page;
    SettingRef setting;
    int bit;
    const char* typed;
    const char* shownAfter;
    const char* message; // nullptr: accepted
};

class EntryCheck : public SheetFixture, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(EntryCheck, RefusedEntriesAreResetWithTheirMessage) {
    const EntryCase& c = GetParam();
    dialogCopy[Setting::Carrs] = 8;
    dialogCopy[Setting::Trains] = 20;
    open();
    if (c.message)
        answers.then();
    type(c.page, c.setting, c.typed, c.bit);
    EXPECT_EQ(entry(c.page, c.setting, c.bit)->text(), c.shownAfter);
    ASSERT_EQ(answers.shown().size(), c.message ? 1u : 0u);
    if (c.message) {
        EXPECT_TRUE(answers.shown()[0].contains("WARNING"));
        EXPECT_TRUE(answers.shown()[0].contains(c.message)) << answers.shown()[0].toStdString();
    }
}

constexpr SettingRef sunUpDown{Setting::SunUpDown}, rushPm{Setting::RushPm};
constexpr SettingRef trains{Setting::Trains}, carLen{Setting::CarLen}, slower{Setting::Slower};
INSTANTIATE_TEST_SUITE_P(
    Pages, EntryCheck,
    ::testing::Values(EntryCase{PageId::timers, sunUpDown, 0, "0675", "0600",
                                "Sunrise should be between 0300 and 1000 hrs (24hr clock)"},
                      EntryCase{PageId::timers, sunUpDown, 0, "1000", "1000", nullptr},
                      EntryCase{PageId::timers, sunUpDown, 0, "0300", "0300", nullptr},
                      EntryCase{PageId::timers, sunUpDown, 0, "0259", "0600", "Sunrise should be"},
                      EntryCase{PageId::timers, sunUpDown, 1, "2201", "2000", "Sunset should be between 1500 and 2200"},
                      EntryCase{PageId::timers, rushPm, 1, "1960", "1900", "Rush hour evening finish time"},
                      EntryCase{PageId::custom, trains, -1, "26", "20",
                                "No. of trains should be between 1 and 50 and trains*carriages less than 200"},
                      EntryCase{PageId::custom, trains, -1, "25", "25", nullptr},
                      EntryCase{PageId::custom, slower, -1, "", "20",
                                "Relative speed for boats must be between 10% and 60%"},
                      EntryCase{PageId::design, carLen, -1, "40", "200", "Car Length should be between 10 and 300"},
                      EntryCase{PageId::design, carLen, -1, "50", "50", nullptr},
                      EntryCase{PageId::design, carLen, -1, "300", "300", nullptr},
                      EntryCase{PageId::design, carLen, -1, "301", "200", "Car Length"}));

TEST_F(SheetFixture, EntriesTakeDigitsOnly) {
    open();
    QLineEdit* e = entry(PageId::design, carLen);
    e->clear();
    QTest::keyClicks(e, "-1x2+0");
    EXPECT_EQ(e->text(), "120");
}

// Two refused fields: the first in check order is reset; the other waits for the next focus change.
TEST_F(SheetFixture, OneMessagePerFocusChange) {
    open();
    entry(PageId::design, Setting::PolyThresh)->setText("99");
    answers.then();
    type(PageId::design, carLen, "40");
    ASSERT_EQ(answers.shown().size(), 1u);
    EXPECT_TRUE(answers.shown()[0].contains("Line threshold")) << "PolyThresh comes first in the table";
    EXPECT_EQ(entry(PageId::design, carLen)->text(), "40");
    answers.then();
    type(PageId::design, Setting::Glow, "15");
    ASSERT_EQ(answers.shown().size(), 2u);
    EXPECT_TRUE(answers.shown()[1].contains("Car Length"));
    EXPECT_EQ(entry(PageId::design, carLen)->text(), "200");
    type(PageId::design, carLen, "210");
    EXPECT_EQ(answers.shown().size(), 2u);
}

// OK checks entries that were typed but never left, and stays open on the page of a refused one.
TEST_F(SheetFixture, OkRefusesAnEntryThatWasNeverLeft) {
    open();
    entry(PageId::custom, slower)->setText("70");
    answers.then();
    sheet->accept();
    EXPECT_EQ(sheet->result(), QDialog::Rejected);
    EXPECT_EQ(sheet->tabs()->currentWidget(), &page(PageId::custom));
    EXPECT_EQ(store.size(), 0u);
}

struct ListCase {
    PageId page;
    SettingRef setting;
    int entries;
};
class DisableAll : public SheetFixture, public ::testing::WithParamInterface<ListCase> {};

TEST_P(DisableAll, EntryZeroClearsEveryBit) {
    const ListCase& c = GetParam();
    open();
    auto* list = static_cast<QListWidget*>(page(c.page).control(row(c.page, c.setting)));
    ASSERT_EQ(list->count(), c.entries + 1);
    EXPECT_TRUE(list->item(0)->isSelected());
    list->item(2)->setSelected(true);
    list->item(c.entries)->setSelected(true);
    EXPECT_FALSE(list->item(0)->isSelected());
    EXPECT_EQ(valueOf(page(c.page).values(), c.setting), (1 << 1) | (1 << (c.entries - 1)));
    list->item(0)->setSelected(true);
    EXPECT_EQ(valueOf(page(c.page).values(), c.setting), 0);
    EXPECT_TRUE(list->item(0)->isSelected());
    EXPECT_EQ(list->selectedItems().size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Lists, DisableAll,
                         ::testing::Values(ListCase{PageId::params, Setting::Advanced, 12},
                                           ListCase{PageId::design, Setting::Debug, 15}));

} // namespace
