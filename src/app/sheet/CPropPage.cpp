// Building a page from its rows, and the mechanics every page shares.
#include "app/sheet/CPropPage.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "app/CMessageDlg.h"
#include "app/sheet/PageLayout.h"
#include "app/sheet/PageValues.h"
#include "app/sheet/ProgramIcon.h"

namespace jamlog {

namespace {
constexpr int entryWidth = 56; // pixels: four digits
constexpr int entryDigits = 4; // the longest accepted entry, 3000 or an HHMM time
constexpr int listRows = 9;    // rows a multiple-selection list shows before it scrolls
constexpr const char* warningHeading = "WARNING";

bool isEntry(const ControlRow& r) {
    return r.kind == Control::number || r.kind == Control::clock;
}

QString shownText(const ControlRow& row, int32_t shown) {
    return row.kind == Control::clock ? QString("%1").arg(shown, entryDigits, 10, QChar('0')) : QString::number(shown);
}
} // namespace

CPropPage::CPropPage(const PageSpec& spec, SettingsRecord& values, bool multiMonitor, QWidget* parent)
    : QWidget(parent), page(spec), record(values), monitors(multiMonitor) {
    build();
    showValues();
}

bool CPropPage::hasEntries() const {
    return std::ranges::any_of(page.rows, isEntry);
}

QWidget* CPropPage::makeControl(const ControlRow& row) {
    QWidget* w = nullptr;
    switch (row.kind) {
    case Control::check: {
        auto* box = new QCheckBox(row.label) /* "&&" shows one ampersand */;
        connect(box, &QCheckBox::clicked, this, [this] { readCheckBoxes(); });
        w = box;
        break;
    }
    case Control::combo: {
        auto* combo = new QComboBox;
        for (const char* e : row.entries)
            combo->addItem(e);
        connect(combo, &QComboBox::currentIndexChanged, this, [this, &row](int i) {
            valueOf(record, row.setting) = i;
            applyEnableRules(*this);
        });
        w = combo;
        break;
    }
    case Control::slider: {
        auto* slider = new QSlider(Qt::Horizontal);
        const SettingDef& d = definition(row.setting);
        slider->setRange(d.minValue, d.maxValue);
        connect(slider, &QSlider::valueChanged, this, [this, &row](int v) { valueOf(record, row.setting) = v; });
        w = slider;
        break;
    }
    case Control::number:
    case Control::clock: {
        auto* edit = new QLineEdit;
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
        edit->setMaxLength(entryDigits);
        edit->setFixedWidth(entryWidth);
        edit->installEventFilter(this);
        w = edit;
        break;
    }
    case Control::bitList: {
        auto* list = new QListWidget;
        list->setSelectionMode(QAbstractItemView::MultiSelection);
        for (const char* e : row.entries)
            list->addItem(e);
        list->setFixedHeight(list->sizeHintForRow(0) * shownListRows(row) + 2 * list->frameWidth());
        const size_t index = controls.size();
        connect(list, &QListWidget::itemSelectionChanged, this, [this, index] { bitListChanged(controls[index]); });
        w = list;
        break;
    }
    case Control::button: {
        auto* b = new QPushButton(row.label);
        connect(b, &QPushButton::clicked, this, [this, a = row.action] { runAction(a); });
        buttons.emplace_back(row.action, b);
        w = b;
        break;
    }
    }
    w->setToolTip(row.tooltip);
    controls.push_back({&row, w});
    return w;
}

void CPropPage::build() {
    auto* outer = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    outer->addLayout(columns);
    const std::vector<PageColumn> split = splitIntoColumns(page.rows);
    for (size_t c = 0; c < split.size(); ++c) {
        auto* column = new QVBoxLayout;
        columns->addLayout(column, 1);
        if (page.smartFeatures && c + 1 == split.size())
            column->addWidget(smartFeaturesBadge(this), 0, Qt::AlignRight);
        for (const PageBlock& block : split[c].blocks) {
            QWidget* holder = block.group ? new QGroupBox(block.group) : new QWidget;
            auto* form = new QFormLayout(holder);
            if (!block.group)
                form->setContentsMargins(0, 0, 0, 0);
            QGridLayout* boxes = nullptr; // check boxes of a long group go in two columns
            int boxCount = 0;
            for (const ControlRow* row : block.rows) {
                QWidget* w = makeControl(*row);
                if (row->hidden) {
                    w->setParent(holder);
                    w->hide();
                } else if (row->kind == Control::check && block.twoColumns) {
                    if (!boxes)
                        form->addRow(boxes = new QGridLayout);
                    boxes->addWidget(w, boxCount / 2, boxCount % 2);
                    ++boxCount;
                } else if (row->kind == Control::check) {
                    form->addRow(w);
                } else if (row->kind == Control::slider) {
                    auto* ends = new QHBoxLayout;
                    ends->addWidget(new QLabel(row->entries[0]));
                    ends->addWidget(w, 1);
                    ends->addWidget(new QLabel(row->entries[1]));
                    form->addRow(new QLabel(row->label));
                    form->addRow(ends);
                } else if (row->kind == Control::bitList) {
                    form->addRow(new QLabel(row->label));
                    form->addRow(w);
                } else {
                    form->addRow(row->label, w);
                }
            }
            column->addWidget(holder);
        }
        column->addStretch(1);
    }
    if (page.warning) {
        auto* warning = new QLabel(page.warning);
        warning->setWordWrap(true);
        outer->addWidget(warning);
    }
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    for (const ControlRow& row : page.rows)
        if (row.kind == Control::button)
            buttonRow->addWidget(makeControl(row));
    outer->addLayout(buttonRow);
}

QWidget* CPropPage::control(const ControlRow& row) const {
    for (const Bound& b : controls)
        if (b.row == &row)
            return b.widget;
    return nullptr;
}

QCheckBox* CPropPage::checkBox(SettingRef setting, int bit) const {
    for (const Bound& b : controls)
        if (b.row->kind == Control::check && b.row->setting == setting && b.row->bit == bit)
            return static_cast<QCheckBox*>(b.widget);
    return nullptr;
}

QPushButton* CPropPage::button(Action action) const {
    for (const auto& [a, b] : buttons)
        if (a == action)
            return b;
    return nullptr;
}

void CPropPage::showValues() {
    for (const Bound& b : controls) {
        const ControlRow& row = *b.row;
        const QSignalBlocker quiet(b.widget);
        switch (row.kind) {
        case Control::check:
            static_cast<QCheckBox*>(b.widget)->setChecked(checkedIn(row, record));
            break;
        case Control::combo:
            static_cast<QComboBox*>(b.widget)->setCurrentIndex(valueOf(record, row.setting));
            break;
        case Control::slider:
            static_cast<QSlider*>(b.widget)->setValue(valueOf(record, row.setting));
            break;
        case Control::number:
        case Control::clock:
            static_cast<QLineEdit*>(b.widget)->setText(shownText(row, shownEntry(row, record)));
            break;
        case Control::bitList: {
            auto* list = static_cast<QListWidget*>(b.widget);
            const int32_t bits = valueOf(record, row.setting);
            list->item(0)->setSelected(bits == 0);
            for (int i = 1; i < list->count(); ++i)
                list->item(i)->setSelected((bits >> (i - 1)) & 1);
            break;
        }
        case Control::button:
            break;
        }
    }
    applyEnableRules(*this);
}

void CPropPage::readCheckBoxes() {
    for (const Bound& b : controls)
        if (b.row->kind == Control::check)
            setChecked(*b.row, record, static_cast<QCheckBox*>(b.widget)->isChecked());
    applyEnableRules(*this);
}

// Entry 0 is "disable all": choosing it while any bit is set clears them all; choosing any bit deselects it.
void CPropPage::bitListChanged(const Bound& b) {
    auto* list = static_cast<QListWidget*>(b.widget);
    int32_t& bits = valueOf(record, b.row->setting);
    const QSignalBlocker quiet(list);
    if (list->item(0)->isSelected() && bits != 0) {
        bits = 0;
        for (int i = 1; i < list->count(); ++i)
            list->item(i)->setSelected(false);
        return;
    }
    bits = 0;
    for (int i = 1; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            bits |= int32_t(1) << (i - 1);
    if (bits != 0)
        list->item(0)->setSelected(false);
}

bool CPropPage::checkEntries() {
    struct Typed {
        const Bound* bound;
        int32_t shown;
    };
    std::vector<Typed> entries;
    for (const Bound& b : controls)
        if (isEntry(*b.row))
            entries.push_back({&b, static_cast<QLineEdit*>(b.widget)->text().toInt()});
    std::ranges::stable_sort(entries, {}, [](const Typed& t) { return entryCheckRank(*t.bound->row); });
    for (const Typed& t : entries)
        storeEntry(*t.bound->row, record, t.shown);
    // The typed figures are checked, not the values they convert to: 0675 is refused, not read as 07:15.
    for (const Typed& t : entries) {
        const ControlRow& row = *t.bound->row;
        const EntryRule rule = entryRule(row, record);
        if (rule.accepts(t.shown))
            continue;
        storeEntry(row, record, rule.resetShown);
        static_cast<QLineEdit*>(t.bound->widget)->setText(shownText(row, rule.resetShown));
        warningOpen = true;
        CMessageDlg message(warningHeading, QString::fromUtf8(rule.message.data(), rule.message.size()), "", this);
        message.exec();
        warningOpen = false;
        return false;
    }
    return true;
}

bool CPropPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !warningOpen)
        checkEntries();
    return QWidget::eventFilter(watched, event);
}

void CPropPage::runAction(Action action) {
    switch (action) {
    case Action::useDefaults:
        applyPageDefaults(page, record);
        showValues();
        break;
    case Action::unselectAll:
        unselectAllValues(page, record);
        showValues();
        break;
    default:
        Q_EMIT actionRequested(action);
        break;
    }
}

} // namespace jamlog
