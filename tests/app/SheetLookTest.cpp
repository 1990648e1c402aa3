// Every page fits a 1024x600 screen with nothing cut off. With JAMLOG_SHEET_PICTURES set to a folder, the
// pages' pictures are also saved there (docs/ holds the ones in the repository).
#include <QAbstractButton>
#include <QLabel>
#include <QScreen>
#include <QTabBar>

#include "SheetFixture.h"

using namespace jamlog;
using namespace jamlog::test;

namespace {

constexpr QSize smallScreen{1024, 600};

// A label or button narrower than its text needs shows it cut off.
void expectNothingClipped(QWidget* page, const char* title) {
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(page))
            continue;
        const bool texty = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w);
        if (!texty)
            continue;
        if (auto* l = qobject_cast<QLabel*>(w); l && l->wordWrap())
            continue;
        EXPECT_GE(w->width(), w->minimumSizeHint().width()) << title << ": " << w->metaObject()->className();
    }
}

TEST_F(SheetFixture, EveryPageFitsASmallScreen) {
    open();
    sheet->adjustSize();
    sheet->show();
    const QByteArray folder = qgetenv("JAMLOG_SHEET_PICTURES");
    EXPECT_LE(sheet->frameGeometry().width(), smallScreen.width());
    EXPECT_LE(sheet->frameGeometry().height(), smallScreen.height());
    EXPECT_GE(sheet->tabs()->tabBar()->width(), sheet->tabs()->tabBar()->sizeHint().width()) << "tab titles cut off";
    for (int i = 0; i < pageCount; ++i) {
        sheet->tabs()->setCurrentIndex(i);
        QApplication::processEvents();
        const PageSpec& spec = propertyPages()[i];
        expectNothingClipped(sheet->tabs()->currentWidget(), spec.title);
        if (folder.isEmpty())
            continue;
        QString name =
            QString("sheet-%1.png").arg(QString(spec.title).toLower().replace(QRegularExpression("[^a-z]+"), "-"));
        sheet->grab().save(QString::fromLocal8Bit(folder) + "/" + name);
    }
}

// Each row's control carries the row's label and tooltip; hidden rows are never shown.
TEST_F(SheetFixture, EveryRowHasItsControl) {
    open();
    for (const PageSpec& spec : propertyPages())
        for (const ControlRow& row : spec.rows) {
            QWidget* w = page(spec.id).control(row);
            ASSERT_NE(w, nullptr) << spec.title << ": " << row.label;
            EXPECT_EQ(w->toolTip(), row.tooltip) << row.label;
            EXPECT_EQ(w->isVisibleTo(&page(spec.id)), !row.hidden) << row.label;
            if (auto* b = qobject_cast<QAbstractButton*>(w)) {
                EXPECT_EQ(b->text(), row.label);
            }
        }
}

} // namespace
