// Per-user file locations through QStandardPaths.
#include "platform/UserPaths.h"

#include <QStandardPaths>
#include <system_error>

#include "platform/QtProfileStore.h"
#include "settings/SettingsExport.h"

namespace jamlog {

std::filesystem::path userDataFolder() {
    std::filesystem::path base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
    std::filesystem::path folder = base / QtProfileStore::organisation / QtProfileStore::application;
    std::error_code ignored; // a folder that cannot be made shows up as a failed open of the file in it
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

std::filesystem::path designerLogPath() {
    return userDataFolder() / designerLogFileName;
}

} // namespace jamlog
