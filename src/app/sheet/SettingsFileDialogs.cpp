// File dialogs for the settings file, in Qt's own look so that they behave alike on every desktop.
#include "app/sheet/SettingsFileDialogs.h"

#include <QDir>
#include <QFileDialog>

#include "app/CMessageDlg.h"

namespace jamlog {

namespace {
constexpr const char* fileFilters = "Jamlog Files (*.jmx);;All Files (*)";

QString qt(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The chosen file, or an empty path when the dialog was cancelled.
std::filesystem::path chooseFile(QWidget* parent, bool saving) {
    QFileDialog dlg(parent, saving ? qt(exportHeading) : qt(importHeading), QDir::homePath(), fileFilters);
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dlg.setDefaultSuffix(qt(settingsFileExtension));
    dlg.selectFile(qt(settingsFileDefaultName) + "." + qt(settingsFileExtension));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().front().toStdString();
}

void report(QWidget* parent, std::string_view heading, std::string_view text) {
    CMessageDlg(qt(heading), qt(text), "", parent).exec();
}
} // namespace

SettingsFileResult exportWithDialog(ProfileStore& store, QWidget* parent) {
    const std::filesystem::path file = chooseFile(parent, true);
    const SettingsFileResult r = file.empty() ? SettingsFileResult::cannotOpen : exportSettings(store, file);
    report(parent, exportHeading, exportMessage(r));
    return r;
}

SettingsFileResult importWithDialog(ProfileStore& store, const std::filesystem::path& designerLog, QWidget* parent) {
    const std::filesystem::path file = chooseFile(parent, false);
    const SettingsFileResult r =
        file.empty() ? SettingsFileResult::cannotOpen : importSettings(store, file, designerLog);
    report(parent, importHeading, importMessage(r));
    return r;
}

} // namespace jamlog
