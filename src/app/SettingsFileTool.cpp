// --export FILE and --import FILE: the settings file operations of the settings page, without the page.
#include "app/SettingsFileTool.h"

#include <cstdio>
#include <iostream>

#include "app/Tools.h"
#include "platform/QtProfileStore.h"
#include "platform/UserPaths.h"
#include "settings/SettingsExport.h"

namespace jamlog {

int runSettingsFile(ProfileStore& store, SettingsFileOperation op, const std::filesystem::path& file,
                    const std::filesystem::path& designerLog, std::ostream& out) {
    bool exporting = op == SettingsFileOperation::exportFile;
    SettingsFileResult r = exporting ? exportSettings(store, file) : importSettings(store, file, designerLog);
    out << (exporting ? exportHeading : importHeading) << ": " << (exporting ? exportMessage(r) : importMessage(r))
        << '\n';
    return r == SettingsFileResult::ok ? 0 : 1;
}

namespace {

int runWithUserStore(const ToolArgs& args, SettingsFileOperation op, const char* flag) {
    if (args.size() != 1 || args[0].empty()) {
        std::fprintf(stderr, "jamlog: %s needs exactly one file name\n", flag);
        return 2;
    }
    QtProfileStore store;
    std::filesystem::path log = op == SettingsFileOperation::importFile ? designerLogPath() : std::filesystem::path();
    return runSettingsFile(store, op, args[0], log, std::cout);
}

} // namespace

int runExport(const ToolArgs& args) {
    return runWithUserStore(args, SettingsFileOperation::exportFile, "--export");
}
int runImport(const ToolArgs& args) {
    return runWithUserStore(args, SettingsFileOperation::importFile, "--import");
}

} // namespace jamlog
