// Parsing of the command line. The screen-saver switches follow the protocol: only the first argument decides
// and only its first character after at most one leading "-" or "/" counts. Long options are matched whole first.
#include "app/CommandLine.h"

#include <cctype>

namespace jamlog {

namespace {

struct ToolEntry {
    const char* flag;
    ToolKind kind;
};

constexpr ToolEntry toolTable[] = {{"--check-layouts", ToolKind::checkLayouts}, {"--dump-layout", ToolKind::dumpLayout},
                                   {"--simulate", ToolKind::simulate},          {"--snapshot", ToolKind::snapshot},
                                   {"--export", ToolKind::exportSettings},      {"--import", ToolKind::importSettings}};

constexpr size_t longestMessage = 300;

// The message as one line of text: control characters (a newline in an argument, say) written as \xHH, and an
// argument of any length cut short.
CommandLine failure(const std::string& message) {
    CommandLine c;
    c.error = "jamlog: ";
    for (char ch : message) {
        if (c.error.size() >= longestMessage) {
            c.error += "...";
            break;
        }
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x20 || byte == 0x7f) {
            constexpr char hex[] = "0123456789abcdef";
            c.error += {'\\', 'x', hex[byte >> 4], hex[byte & 15]};
        } else {
            c.error += ch;
        }
    }
    return c;
}

std::optional<uint32_t> parseNumber(const std::string& text, int base) {
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    uint64_t value = 0;
    for (char ch : text) {
        const int digit = std::isdigit(static_cast<unsigned char>(ch))    ? ch - '0'
                          : std::isxdigit(static_cast<unsigned char>(ch)) ? std::tolower(ch) - 'a' + 10
                                                                          : 99;
        if (digit >= base)
            return std::nullopt;
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    }
    if (value > UINT32_MAX)
        return std::nullopt;
    return static_cast<uint32_t>(value);
}

bool isOneOf(const std::string& arg, const char* single, const char* dashed) {
    return arg == single || arg == dashed;
}

// The options that may follow a run mode: --seed N and the one-run settings; in host mode also -window-id ID,
// which the host's settings program appends after the hack's own arguments.
bool parseTrailing(const std::vector<std::string>& args, size_t from, CommandLine& c, bool& idGiven) {
    for (size_t i = from; i < args.size(); ++i) {
        std::string error;
        const int taken = parseRunOverride(args, i, c.overrides, error);
        if (taken < 0) {
            c = failure(error);
            return false;
        }
        if (taken > 0) {
            i += static_cast<size_t>(taken) - 1;
            continue;
        }
        if (c.mode == RunMode::host && isOneOf(args[i], "-window-id", "--window-id")) {
            if (i + 1 >= args.size()) {
                c = failure("missing window id after '" + args[i] + "'");
                return false;
            }
            const auto id = parseWindowId(args[i + 1], true);
            if (!id) {
                c = failure("malformed window id '" + args[i + 1] + "'");
                return false;
            }
            c.windowId = *id;
            idGiven = true;
            ++i;
            continue;
        }
        if (args[i] != "--seed") {
            c = failure("unknown argument '" + args[i] + "'");
            return false;
        }
        if (i + 1 >= args.size()) {
            c = failure("missing number after '--seed'");
            return false;
        }
        const auto seed = parseNumber(args[i + 1], 10);
        if (!seed) {
            c = failure("malformed seed '" + args[i + 1] + "'");
            return false;
        }
        c.seed = *seed;
        ++i;
    }
    return true;
}

CommandLine withTrailing(CommandLine c, const std::vector<std::string>& args, size_t from) {
    bool idGiven = false;
    parseTrailing(args, from, c, idGiven);
    return c;
}

} // namespace

std::optional<uint32_t> parseWindowId(const std::string& text, bool allowHex) {
    std::optional<uint32_t> id;
    if (allowHex && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        id = parseNumber(text.substr(2), 16);
    else
        id = parseNumber(text, 10);
    if (id && *id == 0)
        return std::nullopt; // no window has id 0
    return id;
}

CommandLine parseCommandLine(const std::vector<std::string>& args, const char* hostWindow) {
    CommandLine c;
    if (args.empty()) {
        if (hostWindow == nullptr)
            return c; // configuration
        c.mode = RunMode::host;
    }
    const std::string first = args.empty() ? std::string() : args[0];

    for (const ToolEntry& t : toolTable) {
        if (first == t.flag) {
            c.mode = RunMode::tool;
            c.tool = t.kind;
            c.toolArgs.assign(args.begin() + 1, args.end());
            return c;
        }
    }
    if (first == "--help" || first == "--version" || first == "--install") {
        if (args.size() > 1)
            return failure("unknown argument '" + args[1] + "'");
        c.mode = first == "--help" ? RunMode::help : first == "--version" ? RunMode::version : RunMode::install;
        return c;
    }
    if (first == "--window") {
        c.mode = RunMode::window;
        return withTrailing(c, args, 1);
    }

    // Host conventions: the id on the command line wins over the host's environment variable.
    const bool root = isOneOf(first, "-root", "--root");
    if (root || isOneOf(first, "-window-id", "--window-id") || c.mode == RunMode::host) {
        c.mode = RunMode::host;
        bool idGiven = false;
        if (!parseTrailing(args, root ? 1 : 0, c, idGiven))
            return c;
        if (!idGiven && hostWindow != nullptr) {
            const auto id = parseWindowId(hostWindow, true);
            if (!id)
                return failure(std::string("malformed window id 'XSCREENSAVER_WINDOW=") + hostWindow + "'");
            c.windowId = *id;
        }
        return c;
    }

    // The screen-saver switches.
    size_t at = (!first.empty() && (first[0] == '-' || first[0] == '/')) ? 1 : 0;
    const char letter =
        at < first.size() ? static_cast<char>(std::tolower(static_cast<unsigned char>(first[at]))) : '\0';
    switch (letter) {
    case 'c':
        return c; // a parent handle after "c:" or as a second argument is not used
    case 's':
        c.mode = RunMode::fullScreen;
        return withTrailing(c, args, 1);
    case 'p': {
        if (args.size() < 2)
            return failure("missing window handle after '" + first + "'");
        const auto id = parseWindowId(args[1], false);
        if (!id)
            return failure("malformed window handle '" + args[1] + "'");
        c.mode = RunMode::preview;
        c.windowId = *id;
        return withTrailing(c, args, 2);
    }
    default:
        return failure("unknown argument '" + first + "'");
    }
}

std::string usageText() {
    return "usage: jamlog [c | s | p HANDLE] [RUN OPTIONS]\n"
           "                 configuration (c, the default), full screen (s), preview in window HANDLE (p)\n"
           "       jamlog -root [-window-id ID] [RUN OPTIONS] | -window-id ID [RUN OPTIONS]\n"
           "                 draw into the screen-saver host's window (or the one XSCREENSAVER_WINDOW names)\n"
           "       jamlog --window [RUN OPTIONS]\n"
           "                 a normal resizable window\n"
           "       jamlog --install\n"
           "                 make jamlog the selected xscreensaver hack in ~/.xscreensaver\n"
           "       jamlog --check-layouts [N ...]\n"
           "                 check the layouts\n"
           "       jamlog --dump-layout N [--flip]\n"
           "                 the built model as JSON\n"
           "       jamlog --simulate N --minutes M [--seed S] [--cars C] [--time HH:MM] [--cycle] [--settings FILE]\n"
           "                 a headless run printing one line of figures per minute\n"
           "       jamlog --snapshot FILE.png [--size WxH] [--time HH:MM] [--minutes M] [--seed S] [--flip]\n"
           "              [RUN OPTIONS]\n"
           "                 a picture of a layout\n"
           "       jamlog --export FILE | --import FILE\n"
           "                 write or read the settings file\n"
           "       jamlog --help | --version\n"
           "\n"
           "RUN OPTIONS change a setting for this run only and store nothing:\n"
           "  --seed N                    replay the run of that seed\n" +
           runOverridesUsage();
}

} // namespace jamlog
