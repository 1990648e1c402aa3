// A property page built from its rows: check boxes, lists, sliders, entry fields and buttons, each with its
// tooltip, working on the sheet's copy of the settings. Check boxes and lists write the copy at once; entry
// fields are checked, all of them in order, whenever one loses the focus.
#pragma once
#include <QCheckBox>
#include <QPushButton>
#include <QWidget>
#include <vector>

#include "app/sheet/PageRows.h"

namespace jamlog {

class CPropPage : public QWidget {
    Q_OBJECT
public:
    CPropPage(const PageSpec& spec, SettingsRecord& values, bool multiMonitor, QWidget* parent = nullptr);

    const PageSpec& spec() const { return page; }
    bool multiMonitor() const { return monitors; }
    SettingsRecord& values() { return record; }

    // Sets every control from the values and applies the page's enable rules.
    void showValues();
    // Reads the entry fields and checks them in order; the first refused one is reset and its message shown.
    // Returns false when one was refused.
    bool checkEntries();
    bool hasEntries() const;

    // The control of a row (nullptr for rows of other pages), the check box of a setting's bit, a button.
    QWidget* control(const ControlRow& row) const;
    QCheckBox* checkBox(SettingRef setting, int bit = -1) const;
    QPushButton* button(Action action) const;

Q_SIGNALS:
    // A button whose work needs the sheet: the selection dialogs and the settings file.
    void actionRequested(jamlog::Action action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Bound {
        const ControlRow* row;
        QWidget* widget;
    };
    void build();
    QWidget* makeControl(const ControlRow& row);
    void readCheckBoxes();
    void bitListChanged(const Bound& b);
    void runAction(Action action);

    const PageSpec& page;
    SettingsRecord& record;
    bool monitors;
    std::vector<Bound> controls;
    std::vector<std::pair<Action, QPushButton*>> buttons;
    bool warningOpen = false; // a refused entry's message is showing
};

// The enable rules of each page, applied after every change.
void applyEnableRules(CPropPage& page);

} // namespace jamlog
