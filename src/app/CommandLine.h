// The one parser of jamlog's command line: the screen-saver switches (c, s, p HANDLE with an optional "/" or "-"),
// the X host conventions (-root, -window-id ID, XSCREENSAVER_WINDOW), the terminal extras and the headless tools.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/RunOverrides.h"

namespace jamlog {

enum class RunMode {
    configuration, // none, c, C, c:1234
    fullScreen,    // s
    preview,       // p HANDLE: a child of the given window
    host,          // -root, -window-id ID or XSCREENSAVER_WINDOW: draw into the host's window until killed
    window,        // --window: a normal resizable window
    help,
    version,
    install, // --install: make jamlog the selected xscreensaver hack
    tool,    // one of the headless tools; toolIndex says which
};

enum class ToolKind { checkLayouts, dumpLayout, simulate, snapshot, exportSettings, importSettings };

struct CommandLine {
    RunMode mode = RunMode::configuration;
    ToolKind tool = ToolKind::checkLayouts;
    std::vector<std::string> toolArgs; // the operands after a tool's switch
    uint32_t windowId = 0;             // preview and host: the window to draw in (0 in host mode: the root window)
    std::optional<uint32_t> seed;      // --seed N: replayable runs
    RunOverrides overrides;            // settings changed for this run only
    std::string error;                 // not empty: the one-line message; the program exits with status 2
    bool ok() const { return error.empty(); }
};

// Parses the arguments after the program name. `hostWindow` is the value of XSCREENSAVER_WINDOW, or nullptr.
CommandLine parseCommandLine(const std::vector<std::string>& args, const char* hostWindow);

// A window id in decimal or 0x hexadecimal, nonzero and within 32 bits; nullopt when malformed.
std::optional<uint32_t> parseWindowId(const std::string& text, bool allowHex);

// The text of --help.
std::string usageText();

} // namespace jamlog
