// The "Import" and "Export" buttons: a file dialog, the settings file operation and its result message.
#pragma once
#include <QWidget>
#include <filesystem>

#include "settings/ProfileStore.h"
#include "settings/SettingsExport.h"

namespace jamlog {

// A cancelled file dialog counts as a file that could not be opened.
SettingsFileResult exportWithDialog(ProfileStore& store, QWidget* parent);
SettingsFileResult importWithDialog(ProfileStore& store, const std::filesystem::path& designerLog, QWidget* parent);

} // namespace jamlog
