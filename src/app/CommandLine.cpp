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

constexpr ToolEntry toolTable[] = {{"--check-layouts", ToolKind::checkLayouts},
                                   {"--dump-layout", ToolKind::dumpLayout},
                                   {"--simulate", ToolKind::simulate},
                                   {"--snapshot", ToolKind::snapshot},
                                   {"--export", ToolKind::exportSettings},
                                   {"--import", ToolKind::importSettings}};

CommandLine failure(const std::string& message) {
    CommandLine c;
    c.error = "jamlog: " + message;
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

// The options that may follow a run mode: --seed N.
bool parseTrailing(const std::vector<std::string>& args, size_t from, CommandLine& c) {
    for (size_t i = from; i < args.size(); ++i) {
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
    parseTrailing(args, from, c);
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
    size_t next = 1;
    if (isOneOf(first, "-root", "--root")) {
        c.mode = RunMode::host;
        // The host's settings program previews with "-root -window-id ID".
        if (args.size() > 1 && isOneOf(args[1], "-window-id", "--window-id")) {
            if (args.size() < 3)
                return failure("missing window id after '" + args[1] + "'");
            const auto id = parseWindowId(args[2], true);
            if (!id)
                return failure("malformed window id '" + args[2] + "'");
            c.windowId = *id;
            return withTrailing(c, args, 3);
        }
    } else if (isOneOf(first, "-window-id", "--window-id")) {
        if (args.size() < 2)
            return failure("missing window id after '" + first + "'");
        const auto id = parseWindowId(args[1], true);
        if (!id)
            return failure("malformed window id '" + args[1] + "'");
        c.mode = RunMode::host;
        c.windowId = *id;
        return withTrailing(c, args, 2);
    }
    if (c.mode == RunMode::host) {
        if (hostWindow != nullptr) {
            const auto id = parseWindowId(hostWindow, true);
            if (!id)
                return failure(std::string("malformed window id 'XSCREENSAVER_WINDOW=") + hostWindow + "'");
            c.windowId = *id;
        }
        return args.empty() ? c : withTrailing(c, args, next);
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

const char* usageText() {
    return "usage: jamlog [c | s | p HANDLE]          configuration, full screen, preview in window HANDLE\n"
           "       jamlog -root | -window-id ID        draw into the screen-saver host's window\n"
           "       jamlog --window [--seed N]          a normal resizable window\n"
           "       jamlog --install                    make jamlog the selected xscreensaver hack\n"
           "       jamlog --check-layouts [N ...]      check the layouts\n"
           "       jamlog --dump-layout N [--flip]     the built model as JSON\n"
           "       jamlog --simulate N --minutes M ... a headless run\n"
           "       jamlog --snapshot FILE.png ...      a picture of a layout\n"
           "       jamlog --export FILE | --import FILE\n"
           "       jamlog --help | --version\n";
}

} // namespace jamlog
