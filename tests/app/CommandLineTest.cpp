// The command-line parser: every switch form, host ids, tools and bad arguments.
#include <gtest/gtest.h>

#include "app/CommandLine.h"

using namespace jamlog;

namespace {
CommandLine parse(std::vector<std::string> args, const char* host = nullptr) {
    return parseCommandLine(args, host);
}
} // namespace

TEST(CommandLine, ScreenSaverSwitchesCountOnlyTheirFirstLetter) {
    EXPECT_EQ(parse({}).mode, RunMode::configuration);
    for (const char* s : {"S", "s", "/s", "-S", "/S", "-s"})
        EXPECT_EQ(parse({s}).mode, RunMode::fullScreen) << s;
    for (const char* s : {"c", "C", "/c", "-c", "c:1234", "/C:5678"}) {
        const CommandLine c = parse({s});
        EXPECT_TRUE(c.ok()) << s;
        EXPECT_EQ(c.mode, RunMode::configuration) << s;
    }
    EXPECT_EQ(parse({"/c", "1234"}).mode, RunMode::configuration);
    EXPECT_EQ(parse({"/saver"}).mode, RunMode::fullScreen);
}

TEST(CommandLine, PreviewTakesADecimalHandle) {
    const CommandLine c = parse({"/p", "123456"});
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.mode, RunMode::preview);
    EXPECT_EQ(c.windowId, 123456u);
    EXPECT_EQ(parse({"P", "4294967295"}).windowId, 4294967295u);
    EXPECT_EQ(parse({"-p"}).error, "jamlog: missing window handle after '-p'");
    EXPECT_EQ(parse({"p", "0x12"}).error, "jamlog: malformed window handle '0x12'");
    EXPECT_FALSE(parse({"p", "4294967296"}).ok());
    EXPECT_FALSE(parse({"p", "0"}).ok());
    EXPECT_FALSE(parse({"p", "12a"}).ok());
    EXPECT_FALSE(parse({"p", ""}).ok());
}

TEST(CommandLine, HostWindowIdsInDecimalAndHex) {
    CommandLine c = parse({"-window-id", "0x1a00007"});
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.mode, RunMode::host);
    EXPECT_EQ(c.windowId, 0x1a00007u);
    EXPECT_EQ(parse({"--window-id", "27262983"}).windowId, 27262983u);
    EXPECT_EQ(parse({"-window-id", "0XFF"}).windowId, 255u);
    EXPECT_EQ(parse({"-window-id"}).error, "jamlog: missing window id after '-window-id'");
    EXPECT_EQ(parse({"-window-id", "0x"}).error, "jamlog: malformed window id '0x'");
    EXPECT_FALSE(parse({"-window-id", "0x1g"}).ok());
    EXPECT_FALSE(parse({"-window-id", "0x100000000"}).ok());
    EXPECT_FALSE(parse({"-window-id", "-5"}).ok());
    // The command line wins over the environment.
    EXPECT_EQ(parse({"-window-id", "77"}, "0x99").windowId, 77u);
}

TEST(CommandLine, RootUsesTheHostsEnvironmentOrTheRootWindow) {
    EXPECT_EQ(parse({"-root"}).mode, RunMode::host);
    EXPECT_EQ(parse({"-root"}).windowId, 0u);
    EXPECT_EQ(parse({"--root"}, "0x3c00004").windowId, 0x3c00004u);
    EXPECT_EQ(parse({}, "4194308").mode, RunMode::host);
    EXPECT_EQ(parse({}, "4194308").windowId, 4194308u);
    EXPECT_EQ(parse({"-root"}, "window").error, "jamlog: malformed window id 'XSCREENSAVER_WINDOW=window'");
    EXPECT_FALSE(parse({}, "").ok());
    // An explicit screen-saver switch ignores the environment.
    EXPECT_EQ(parse({"s"}, "0x10").mode, RunMode::fullScreen);
}

TEST(CommandLine, RootWithAWindowIdPreviewsInThatWindow) {
    // The host's settings program sets the environment as well; the command line wins.
    const CommandLine c = parse({"--root", "--window-id", "0x400C9C"}, "0x99");
    EXPECT_EQ(c.mode, RunMode::host);
    EXPECT_EQ(c.windowId, 0x400C9Cu);
    EXPECT_EQ(parse({"-root", "-window-id", "12"}).windowId, 12u);
    EXPECT_EQ(parse({"-root", "-window-id"}).error, "jamlog: missing window id after '-window-id'");
    EXPECT_FALSE(parse({"-root", "-window-id", "0xzz"}).ok());
    EXPECT_FALSE(parse({"-root", "-window-id", "12", "junk"}).ok());
}

TEST(CommandLine, TerminalExtrasAndSeed) {
    EXPECT_EQ(parse({"--window"}).mode, RunMode::window);
    EXPECT_FALSE(parse({"--window"}).seed.has_value());
    EXPECT_EQ(parse({"--window", "--seed", "42"}).seed.value_or(0), 42u);
    EXPECT_EQ(parse({"s", "--seed", "7"}).seed.value_or(0), 7u);
    EXPECT_EQ(parse({"--help"}).mode, RunMode::help);
    EXPECT_EQ(parse({"--version"}).mode, RunMode::version);
    EXPECT_EQ(parse({"--install"}).mode, RunMode::install);
    EXPECT_EQ(parse({"--window", "--seed"}).error, "jamlog: missing number after '--seed'");
    EXPECT_EQ(parse({"--window", "--seed", "x"}).error, "jamlog: malformed seed 'x'");
    EXPECT_EQ(parse({"--window", "extra"}).error, "jamlog: unknown argument 'extra'");
    EXPECT_EQ(parse({"--help", "me"}).error, "jamlog: unknown argument 'me'");
}

TEST(CommandLine, ToolsKeepTheirOperands) {
    const CommandLine c = parse({"--simulate", "14", "--minutes", "30"});
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.mode, RunMode::tool);
    EXPECT_EQ(c.tool, ToolKind::simulate);
    EXPECT_EQ(c.toolArgs, (std::vector<std::string>{"14", "--minutes", "30"}));
    EXPECT_EQ(parse({"--check-layouts"}).tool, ToolKind::checkLayouts);
    EXPECT_EQ(parse({"--snapshot", "a.png"}).tool, ToolKind::snapshot);
    EXPECT_EQ(parse({"--export", "f"}).tool, ToolKind::exportSettings);
    EXPECT_EQ(parse({"--import", "f"}).tool, ToolKind::importSettings);
}

TEST(CommandLine, UnknownArgumentsAreNamed) {
    EXPECT_EQ(parse({"x"}).error, "jamlog: unknown argument 'x'");
    EXPECT_EQ(parse({"--windows"}).error, "jamlog: unknown argument '--windows'");
    EXPECT_EQ(parse({"--s"}).error, "jamlog: unknown argument '--s'");
    EXPECT_EQ(parse({""}).error, "jamlog: unknown argument ''");
    EXPECT_EQ(parse({"/"}).error, "jamlog: unknown argument '/'");
    EXPECT_EQ(parse({"-root", "junk"}).error, "jamlog: unknown argument 'junk'");
}

// The error stays one line whatever the argument holds: control characters are written out, a huge argument is cut.
TEST(CommandLine, ErrorsStayOneLine) {
    EXPECT_EQ(parse({"\n5"}).error, "jamlog: unknown argument '\\x0a5'");
    EXPECT_EQ(parse({"s", "--seed", "1\r\t\x7f"}).error, "jamlog: malformed seed '1\\x0d\\x09\\x7f'");
    EXPECT_EQ(parse({"-window-id", "0x1\n"}).error, "jamlog: malformed window id '0x1\\x0a'");
    const std::string huge = parse({std::string(100000, 'x')}).error;
    EXPECT_LE(huge.size(), 310u);
    EXPECT_EQ(huge.substr(huge.size() - 3), "...");
}
