// The ~/.xscreensaver edit: jamlog first in programs, mode one, selected 0, everything else kept.
#include <gtest/gtest.h>

#include "app/Install.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <sstream>

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
                             "selected:\t0\n"
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

TEST(Install, JamlogLaterInTheListOrOnTheKeysLineAfterAnotherHack) {
    // The same entry further down moves to the front; the hack that was first stays, once.
    const std::string later = "mode:\t\tone\nselected:\t\t0\n"
                              "programs:\t\t\\\n"
                              "\t\tmaze -root\t\\n\\\n" +
                              ours +
                              "\t\t\\n\\\n"
                              "\t\tswirl -root\t\\n\n";
    const InstallEdit moved = installedConfig(later, true, exe);
    EXPECT_EQ(moved.text, "mode:\t\tone\nselected:\t\t0\n"
                          "programs:\t\t\\\n" +
                              ours + "\t\t\\n\\\n" + "\t\tmaze -root\t\\n\\\n\t\tswirl -root\t\\n\n");
    EXPECT_EQ(moved.report, "moved first in programs: /opt/jamlog/jamlog --root\n");

    // A hack on the key's own line comes before the next line's jamlog: jamlog is not first yet.
    const InstallEdit keyLine =
        installedConfig("mode: one\nselected: 0\nprograms: maze -root \\n\\\n" + ours + " \\n\n", true, exe);
    EXPECT_EQ(keyLine.text, "mode: one\nselected: 0\nprograms:\t\t\\\n" + ours + "\t\t\\n\\\n\t\tmaze -root \\n\n");
}

TEST(Install, TheBlockNeverEndsInAContinuationThatSwallowsTheNextKey) {
    // Jamlog was the last hack: once it moves, the new last line must end the value.
    const std::string before = "programs:\t\\\n  maze -root \\n\\\n- " + ours + " \\n\nfade: False\n";
    const InstallEdit e = installedConfig(before, true, exe);
    EXPECT_EQ(e.text, "programs:\t\t\\\n" + ours + "\t\t\\n\\\n  maze -root \\n\nfade: False\nmode:\t\tone\n" +
                          "selected:\t\t0\n");
    // A disabled jamlog in front is replaced by an enabled one.
    const InstallEdit disabled =
        installedConfig("mode: one\nselected: 0\nprograms: \\\n-" + ours + " \\n\n", true, exe);
    EXPECT_EQ(disabled.text, "mode: one\nselected: 0\nprograms:\t\t\\\n" + ours + "\t\t\\n\n");
}

TEST(Install, KeysAreSetWhereverTheyStandAndOnlyAsKeys) {
    // A repeated key is set each time (the later one wins when the file is read); comments stay as they are;
    // "mode:" inside another resource's continued value is not a key.
    const std::string before = "! mode: random\n"
                               "mode:  random\n"
                               "textLiteral:  first line \\n\\\n"
                               "mode: blank\n"
                               "mode:\tblank\n";
    const InstallEdit e = installedConfig(before, true, exe);
    EXPECT_EQ(e.text, "! mode: random\n"
                      "mode:  one\n"
                      "textLiteral:  first line \\n\\\n"
                      "mode: blank\n"
                      "mode:\tone\n"
                      "selected:\t\t0\n"
                      "programs:\t\t\\\n" +
                          ours + "\t\t\\n\n");
    EXPECT_NE(e.report.find("set mode: one (was random)"), std::string::npos);
    EXPECT_NE(e.report.find("set mode: one (was blank)"), std::string::npos);
}

TEST(Install, PathsThatNeedQuotingOrCannotBeWritten) {
    EXPECT_EQ(hackCommand("/usr/bin/jamlog"), "/usr/bin/jamlog --root");
    EXPECT_EQ(hackCommand("/home/a b/it's/jamlog"), "'/home/a b/it'\\''s/jamlog' --root");
    const InstallEdit spaced = installedConfig("", false, "/home/a b/jamlog");
    EXPECT_NE(spaced.text.find("\"Jamlog\"\t\t'/home/a b/jamlog' --root\t\t\\n\n"), std::string::npos);
    EXPECT_EQ(installedConfig(spaced.text, true, "/home/a b/jamlog").report, "");

    const InstallEdit bad = installedConfig("mode: random\n", true, "/tmp/back\\slash/jamlog");
    EXPECT_FALSE(bad.error.empty());
    EXPECT_EQ(bad.text, "");
}

namespace {

std::string readFile(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const QString& path, const std::string& text) {
    std::ofstream(path.toStdString(), std::ios::binary) << text;
}

} // namespace

TEST(Install, FindsTheExecutableAsItWasStarted) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString bin = dir.filePath("bin");
    ASSERT_TRUE(QDir().mkpath(bin));
    writeFile(bin + "/jamlog", "#!/bin/sh\n");
    QFile::setPermissions(bin + "/jamlog", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const std::string root = dir.path().toStdString();

    // Started by name along PATH: the PATH entry, not the working folder.
    EXPECT_EQ(executablePath("jamlog", "/nonexistent:" + root + "/bin", "/"), root + "/bin/jamlog");
    // Started by a relative path: against the working folder, cleaned.
    EXPECT_EQ(executablePath("./bin/../bin/jamlog", "", root), root + "/bin/jamlog");
    EXPECT_EQ(executablePath("jamlog", "/nonexistent", root), "");
    EXPECT_EQ(executablePath("", root + "/bin", root), "");
}

TEST(Install, WritesTheFileWholeOrNotAtAll) {
    if (QStandardPaths::findExecutable("xscreensaver").isEmpty())
        GTEST_SKIP() << "xscreensaver is not installed";
    const QByteArray display = qgetenv("DISPLAY");
    qunsetenv("DISPLAY"); // no test run on a daemon of the person running the tests
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    // Absent: created.
    const QString fresh = dir.filePath("fresh");
    InstallOutcome r = installScreenSaver(exe, fresh.toStdString());
    EXPECT_TRUE(r.ok) << r.message;
    EXPECT_EQ(readFile(fresh), installedConfig("", false, exe).text);
    EXPECT_NE(r.message.find("created the file"), std::string::npos);
    r = installScreenSaver(exe, fresh.toStdString());
    EXPECT_TRUE(r.ok);
    EXPECT_NE(r.message.find("already"), std::string::npos);

    // Through a symbolic link: the target is edited, the link and the target's permissions stay.
    const QString target = dir.filePath("dotfiles-xscreensaver"), link = dir.filePath("link");
    writeFile(target, "timeout: 0:05:00\n");
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    const QFile::Permissions permissions = QFile::permissions(target);
    ASSERT_TRUE(QFile::link(target, link));
    r = installScreenSaver(exe, link.toStdString());
    EXPECT_TRUE(r.ok) << r.message;
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readFile(target), installedConfig("timeout: 0:05:00\n", true, exe).text);
    EXPECT_EQ(QFile::permissions(target), permissions);

    // A folder where the file should be, a folder that does not exist, a path that cannot be written: an error
    // naming the file, nothing written.
    r = installScreenSaver(exe, dir.path().toStdString());
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("nothing was changed"), std::string::npos);
    r = installScreenSaver(exe, dir.filePath("missing/.xscreensaver").toStdString());
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("cannot write"), std::string::npos);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("missing")));
    r = installScreenSaver("/a\\b/jamlog", fresh.toStdString());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(readFile(fresh), installedConfig("", false, exe).text);

    if (!display.isEmpty())
        qputenv("DISPLAY", display);
}
