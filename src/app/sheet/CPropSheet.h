// The property sheet: nine pages in tabs over a copy of the settings, OK and Cancel. OK checks the entry pages,
// writes every page value at once, remembers the active page and hands the new values to the main dialog;
// Cancel drops them.
#pragma once
#include <QDialog>
#include <QTabWidget>
#include <array>
#include <filesystem>

#include "app/sheet/CPropPage.h"
#include "settings/ProfileStore.h"

namespace jamlog {

class CPropSheet : public QDialog {
    Q_OBJECT
public:
    // exec() ends with this after a successful import: the main dialog then ends with OK and the program
    // closes, so that the next start reads the imported settings.
    static constexpr int importedCode = 9;

    struct Options {
        bool multiMonitor;                 // the system has more than one monitor
        std::filesystem::path designerLog; // where an import in designer mode logs its fields
    };
    static Options systemOptions();

    // dialogCopy: the main dialog's settings; on OK it receives the values as stored.
    CPropSheet(SettingsRecord& dialogCopy, ProfileStore& store, QWidget* parent = nullptr);
    CPropSheet(SettingsRecord& dialogCopy, ProfileStore& store, const Options& options, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return pageTabs; }
    CPropPage* page(PageId id) const { return pages[static_cast<size_t>(id)]; }
    // Whether the last OK changed NoMM (the main dialog then puts a layout on its default view back to it).
    bool noMMChanged() const { return noMMWasChanged; }

    void accept() override;

private:
    void runAction(CPropPage* page, Action action);
    void selectLayouts(CPropPage* page);
    void runSettingsFile(Action action);

    SettingsRecord& dialogCopy;
    ProfileStore& store;
    Options options;
    SettingsRecord values; // the pages' copy
    QTabWidget* pageTabs = nullptr;
    std::array<CPropPage*, pageCount> pages{};
    bool noMMWasChanged = false;
};

} // namespace jamlog
