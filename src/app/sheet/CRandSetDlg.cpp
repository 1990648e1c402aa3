// The layout selection dialog: twenty boxes in three groups; layouts not built yet are shown but cannot be
// chosen.
#include "app/sheet/CRandSetDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/CMessageDlg.h"
#include "app/sheet/ProgramIcon.h"
#include "model/LayoutCatalogue.h"

namespace jamlog {

namespace {
struct LayoutBox {
    int layout;
    const char* label;
};
struct LayoutGroup {
    const char* title;
    std::initializer_list<LayoutBox> boxes;
};
// clang-format off
const LayoutGroup groups[] = {
    {"Road and Rail Layouts to Cycle", {{0, "Classic Layout"}, {1, "Jamlog USA"}, {2, "Motorway Madness"},
        {3, "Diamond Max"}, {4, "Circular Motorway"}, {8, "Magic Roundabout"}, {16, "Radial Roads"},
        {18, "Bunching Cars"}, {19, "Big Car Park"}, {11, "Branch Lines"}, {17, "Clahm Junction"}}},
    {"Combination Layouts to Cycle", {{10, "Junction 13"}, {13, "Moscow Jam"}, {14, "City Bridges"}, {9, "Rural Chaos"}}},
    {"Model Train Sets to Cycle", {{5, "Little Train Set"}, {6, "Big Train Set"}, {7, "Fig8 Train Set"},
        {12, "Loopy Train Set"}, {15, "Home Train Set"}}},
};
// clang-format on
constexpr const char* boxTip = "Check to include this layout in random cycling";
constexpr const char* notBuiltTip = "This layout is not built yet, so random cycling passes over it";
constexpr const char* emptyMessage =
    "You must select at least one layout!\n\nYou can disable Random Layouts on the Properties page";
constexpr int groupColumns = 2;

int32_t layoutBit(int layout) {
    return int32_t(1) << (layout + 1);
}
} // namespace

CRandSetDlg::CRandSetDlg(int32_t mask, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Random Change Layout Selection");
    setWindowIcon(programIcon());
    auto* layout = new QVBoxLayout(this);
    for (const LayoutGroup& g : groups) {
        auto* box = new QGroupBox(g.title);
        auto* grid = new QGridLayout(box);
        int n = 0;
        for (const LayoutBox& b : g.boxes) {
            auto* check = new QCheckBox(b.label);
            const bool built = layoutIsBuilt(b.layout);
            check->setChecked(mask & layoutBit(b.layout));
            check->setEnabled(built);
            check->setToolTip(built ? boxTip : notBuiltTip);
            boxes[b.layout] = check;
            grid->addWidget(check, n / groupColumns, n % groupColumns);
            ++n;
        }
        layout->addWidget(box);
    }
    auto* row = new QHBoxLayout;
    auto* all = new QPushButton("Select All");
    all->setToolTip("Check all layouts for random cycling");
    auto* none = new QPushButton("Unselect All");
    none->setToolTip("Unselect all road layouts from random list");
    connect(all, &QPushButton::clicked, this, [this] { setAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { setAll(false); });
    row->addWidget(all);
    row->addWidget(none);
    row->addStretch(1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setToolTip("Click to accept current settings");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    row->addWidget(buttons);
    layout->addLayout(row);
}

void CRandSetDlg::setAll(bool on) {
    for (QCheckBox* b : boxes)
        b->setChecked(on);
}

int32_t CRandSetDlg::layoutBits() const {
    int32_t bits = 0;
    for (int k = 0; k < cyclingLayouts; ++k)
        if (boxes[k]->isChecked())
            bits |= layoutBit(k);
    return bits;
}

void CRandSetDlg::accept() {
    // Only layouts that can be built count: a cycle of unbuilt layouts would show nothing new.
    bool any = false;
    for (QCheckBox* b : boxes)
        any = any || (b->isEnabled() && b->isChecked());
    if (!any) {
        CMessageDlg("WARNING", emptyMessage, "", this).exec();
        return;
    }
    QDialog::accept();
}

} // namespace jamlog
