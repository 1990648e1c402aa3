// The property sheet and the page buttons that open further dialogs.
#include "app/sheet/CPropSheet.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/sheet/CRandBackDlg.h"
#include "app/sheet/CRandSetDlg.h"
#include "app/sheet/ProgramIcon.h"
#include "app/sheet/SettingsFileDialogs.h"
#include "platform/UserPaths.h"
#include "settings/SettingsSave.h"

namespace jamlog {

namespace {
constexpr SettingRef lastPage{Setting::PPageLast};
constexpr SettingRef layoutMask{Setting::Random};
constexpr int32_t cyclingSwitch = 1; // bit 0 of the layout mask
} // namespace

CPropSheet::Options CPropSheet::systemOptions() {
    return {QGuiApplication::screens().size() > 1, designerLogPath()};
}

CPropSheet::CPropSheet(SettingsRecord& copy, ProfileStore& s, QWidget* parent)
    : CPropSheet(copy, s, systemOptions(), parent) {}

CPropSheet::CPropSheet(SettingsRecord& copy, ProfileStore& s, const Options& o, QWidget* parent)
    : QDialog(parent), dialogCopy(copy), store(s), options(o), values(sheetSettings(copy, s)) {
    setWindowTitle("Jamlog 2010 Screen Saver");
    setWindowIcon(programIcon());
    auto* layout = new QVBoxLayout(this);
    pageTabs = new QTabWidget;
    pageTabs->setUsesScrollButtons(false); // every tab title in view
    for (const PageSpec& spec : propertyPages()) {
        auto* p = new CPropPage(spec, values, options.multiMonitor);
        connect(p, &CPropPage::actionRequested, this, [this, p](Action a) { runAction(p, a); });
        pages[static_cast<size_t>(spec.id)] = p;
        pageTabs->addTab(p, spec.title);
    }
    const int stored = readStored(store, lastPage);
    pageTabs->setCurrentIndex(stored >= 0 && stored < pageCount ? stored : 0);
    layout->addWidget(pageTabs);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CPropSheet::accept() {
    // An entry typed but never left is checked here, so no refused value reaches the store.
    for (CPropPage* p : pages)
        if (p->hasEntries() && !p->checkEntries()) {
            pageTabs->setCurrentWidget(p);
            return;
        }
    const SheetSave saved = saveSheetSettings(store, values, options.multiMonitor);
    writeStored(store, lastPage, pageTabs->currentIndex());
    dialogCopy = saved.stored;
    valueOf(dialogCopy, lastPage) = pageTabs->currentIndex();
    noMMWasChanged = saved.noMMChanged;
    QDialog::accept();
}

void CPropSheet::runAction(CPropPage* p, Action action) {
    switch (action) {
    case Action::backColours:
    case Action::selectColours:
        CRandBackDlg(store, this).exec();
        break;
    case Action::selectLayouts:
        selectLayouts(p);
        break;
    case Action::importFile:
    case Action::exportFile:
        runSettingsFile(action);
        break;
    default:
        break;
    }
}

void CPropSheet::selectLayouts(CPropPage* p) {
    int32_t& mask = valueOf(values, layoutMask);
    CRandSetDlg dlg(mask, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    mask = (mask & cyclingSwitch) | dlg.layoutBits();
    p->showValues();
}

void CPropSheet::runSettingsFile(Action action) {
    const bool importing = action == Action::importFile;
    const SettingsFileResult r =
        importing ? importWithDialog(store, options.designerLog, this) : exportWithDialog(store, this);
    if (importing && r == SettingsFileResult::ok)
        done(importedCode);
}

} // namespace jamlog
