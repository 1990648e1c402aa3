// The command-line settings file operations: messages and exit codes.
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

#include "app/SettingsFileTool.h"

using namespace jamlog;

TEST(SettingsFileTool, ExportThenImportReportsSuccessAndAMissingFileFails) {
    auto dir = std::filesystem::temp_directory_path() / "jamlog_settings_tool";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    MemoryProfileStore store;
    store.WriteProfileInt("Version", "Current Version", 500);
    std::ostringstream out;
    EXPECT_EQ(runSettingsFile(store, SettingsFileOperation::exportFile, dir / "s.jmx", dir / "log.txt", out), 0);
    EXPECT_EQ(out.str(), "Export Settings: Jamlog has saved your settings\n");
    EXPECT_EQ(std::filesystem::file_size(dir / "s.jmx"), 1558u);

    MemoryProfileStore fresh;
    fresh.WriteProfileInt("Version", "Current Version", 503);
    out.str("");
    EXPECT_EQ(runSettingsFile(fresh, SettingsFileOperation::importFile, dir / "s.jmx", dir / "log.txt", out), 0);

    out.str("");
    EXPECT_EQ(runSettingsFile(fresh, SettingsFileOperation::importFile, dir / "none.jmx", dir / "log.txt", out), 1);
    EXPECT_EQ(out.str(), "Import Settings: Unable to open file for reading\n");
    std::filesystem::permissions(dir / "s.jmx", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    std::filesystem::remove_all(dir);
}
