// The background colour dialog and its colour buttons.
#include "app/sheet/CRandBackDlg.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QStyleOptionButton>
#include <QVBoxLayout>
#include <functional>
#include <qdrawutil.h>

#include "app/CMessageDlg.h"
#include "app/sheet/ProgramIcon.h"
#include "app/sheet/SettingRef.h"

namespace jamlog {

namespace {
constexpr SettingRef colourSettings[backgroundColours] = {
    Setting::BackCol0, Setting::BackCol1, Setting::BackCol2, Setting::BackCol3,
    Setting::BackCol4, Setting::BackCol5, Setting::BackCol6};
constexpr SettingRef cycle{Setting::RndBack};
constexpr int32_t cycleBits = 0x3F; // bits 0-5: colours 1-6; bit 6 belongs to the Random page
constexpr const char* emptyMessage =
    "You must select at least one colour!\n\nYou can disable Random Settings on the Properties page";
constexpr int frame = 2; // pixels of the button's edge

QColor toQColor(int32_t ref) {
    return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF);
}
int32_t toColourRef(const QColor& c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}
} // namespace

ColourButton::ColourButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

void ColourButton::setColour(int32_t colourRef) {
    value = colourRef;
    update();
}

void ColourButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    qDrawShadePanel(&p, r, palette(), hasFocus(), frame);
    const QColor fill = toQColor(value);
    p.fillRect(r.adjusted(frame, frame, -frame, -frame), fill);
    p.setPen(fill.lightness() > 128 ? Qt::black : Qt::white);
    p.drawText(r, Qt::AlignCenter, text());
}

CRandBackDlg::CRandBackDlg(ProfileStore& s, QWidget* parent) : QDialog(parent), store(s) {
    setWindowTitle("Random Background Selection");
    setWindowIcon(programIcon());
    const int32_t stored = readStored(store, cycle);
    auto* layout = new QVBoxLayout(this);
    auto* defaultGroup = new QGroupBox("Default Background Colour");
    auto* defaultRow = new QHBoxLayout(defaultGroup);
    auto* cycleGroup = new QGroupBox("Select Background Colours to Cycle");
    auto* cycleGrid = new QGridLayout(cycleGroup);
    for (int i = 0; i < backgroundColours; ++i) {
        auto* b = new ColourButton(QString("Change Back Col %1...").arg(i));
        b->setColour(readStored(store, colourSettings[i]));
        b->setToolTip("Click to change this background colour");
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 8 * frame);
        connect(b, &QPushButton::clicked, this, [this, i] { chooseColour(i); });
        colourButtons[i] = b;
        if (i == 0) {
            defaultRow->addWidget(b);
            continue;
        }
        auto* box = new QCheckBox;
        box->setChecked(stored & (1 << (i - 1)));
        box->setToolTip("Check to include this colour in random cycling");
        cycleBoxes[i - 1] = box;
        cycleGrid->addWidget(box, i - 1, 0);
        cycleGrid->addWidget(b, i - 1, 1);
    }
    layout->addWidget(defaultGroup);
    layout->addWidget(cycleGroup);
    auto* row = new QHBoxLayout;
    const struct {
        const char* label;
        const char* tip;
        std::function<void()> run;
    } actions[] = {
        {"Select All", "Select all colours in random list",
         [this] {
             for (QCheckBox* b : cycleBoxes)
                 b->setChecked(true);
         }},
        {"Unselect All", "Unselect all colours from random list",
         [this] {
             for (QCheckBox* b : cycleBoxes)
                 b->setChecked(false);
         }},
        {"Reset All Colours", "Reset all colours to program defaults", [this] { resetColours(); }},
    };
    for (const auto& a : actions) {
        auto* b = new QPushButton(a.label);
        b->setToolTip(a.tip);
        connect(b, &QPushButton::clicked, this, a.run);
        row->addWidget(b);
    }
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setToolTip("Click to accept current colours and settings");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CRandBackDlg::chooseColour(int i) {
    const QColor chosen = QColorDialog::getColor(toQColor(colourButtons[i]->colour()), this, colourButtons[i]->text(),
                                                 QColorDialog::DontUseNativeDialog);
    if (chosen.isValid())
        colourButtons[i]->setColour(toColourRef(chosen));
}

void CRandBackDlg::resetColours() {
    for (int i = 0; i < backgroundColours; ++i)
        colourButtons[i]->setColour(definition(colourSettings[i]).defaultValue);
}

void CRandBackDlg::accept() {
    int32_t bits = 0;
    for (int i = 0; i < backgroundColours - 1; ++i)
        if (cycleBoxes[i]->isChecked())
            bits |= 1 << i;
    if (bits == 0) {
        CMessageDlg("WARNING", emptyMessage, "", this).exec();
        return;
    }
    for (int i = 0; i < backgroundColours; ++i)
        writeStored(store, colourSettings[i], colourButtons[i]->colour());
    writeStored(store, cycle, bits | (readStored(store, cycle) & ~cycleBits));
    QDialog::accept();
}

} // namespace jamlog
