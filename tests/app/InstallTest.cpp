// The ~/.xscreensaver edit: jamlog first in programs, mode one, selected 0, everything else kept.
#include <gtest/gtest.h>

#include "app/Install.h"

using namespace jamlog;

namespace {
constexpr const char* exe = "/opt/jamlog/jamlog";
const std::string ours = "  \"Jamlog\"\t\t/opt/jamlog/jamlog --root";
} // namespace

TEST(Install, CreatesAMissingFile) {
    const InstallEdit e = installedConfig("", false, exe);
    EXPECT_EQ(e.text, "mode:\t\tone\nselected:\t\t0\nprograms:\t\t\\\n" + ours + "\t\t\\n\n");
    EXPECT_NE(e.report.find("created the file"), std::string::npos);
}

TEST(Install, PutsJamlogFirstAndKeepsEveryOtherLine) {
    const std::string before = "# XScreenSaver Preferences\n"
                               "timeout:\t0:10:00\n"
                               "mode:\t\trandom\n"
                               "selected:\t-1\n"
                               "programs:\t\t\t\t\t\t\t      \\\n"
                               "\t\t\t\tmaze -root\t\t\t\t    \\n\\\n"
                               "  - GL: \t\t\t\tsuperquadrics -root\t\t    \\n\n"
                               "\n"
                               "pointerHysteresis: 10\n";
    const InstallEdit e = installedConfig(before, true, exe);
    const std::string want = "# XScreenSaver Preferences\n"
                             "timeout:\t0:10:00\n"
                             "mode:\t\tone\n"
                             "selected:\t\t0\n"
                             "programs:\t\t\\\n" +
                             ours + "\t\t\\n\\\n" +
                             "\t\t\t\tmaze -root\t\t\t\t    \\n\\\n"
                             "  - GL: \t\t\t\tsuperquadrics -root\t\t    \\n\n"
                             "\n"
                             "pointerHysteresis: 10\n";
    EXPECT_EQ(e.text, want);
    EXPECT_NE(e.report.find("set mode: one (was random)"), std::string::npos);
    // A second install changes nothing.
    const InstallEdit again = installedConfig(e.text, true, exe);
    EXPECT_EQ(again.text, e.text);
    EXPECT_EQ(again.report, "");
}

TEST(Install, AFirstEntryOnTheKeysLineAndAnEmptyValue) {
    const InstallEdit inline_ = installedConfig("programs: maze -root \\n\\\n  xeyes\n", true, exe);
    EXPECT_EQ(inline_.text, "programs:\t\t\\\n" + ours + "\t\t\\n\\\n\t\tmaze -root \\n\\\n  xeyes\nmode:\t\tone\n" +
                                "selected:\t\t0\n");
    const InstallEdit empty = installedConfig("programs:\nfade: True\n", true, exe);
    EXPECT_EQ(empty.text, "programs:\t\t\\\n" + ours + "\t\t\\n\nfade: True\nmode:\t\tone\nselected:\t\t0\n");
}
