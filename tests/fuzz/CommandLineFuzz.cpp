// Fuzz target: arbitrary argument vectors (and an XSCREENSAVER_WINDOW value) through the one command-line parser.
// Every input either parses or gives one line that names the problem, and a run's one-run options, loaded through
// the store the saver wraps around the user's, leave that store exactly as a run without them leaves it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/RunOverrides.h"
#include "settings/SettingsRecord.h"
#include "settings/StartupVersion.h"

namespace {

[[noreturn]] void finding(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

// A store as the saver finds it at start, after one run without options.
jamlog::MemoryProfileStore loadedStore(const jamlog::RunOverrides& overrides) {
    jamlog::MemoryProfileStore base;
    jamlog::startupVersion(base, "jamlog", 0);
    jamlog::OverriddenStore store(base, overrides);
    jamlog::loadSettings(store);
    return base;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Arguments are separated by NUL bytes; a first byte with its low bit set makes the first argument the value
    // of XSCREENSAVER_WINDOW instead.
    std::vector<std::string> args(1);
    for (size_t i = 1; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    if (size <= 1)
        args.clear();
    std::string hostWindow;
    const bool hostGiven = size > 0 && (data[0] & 1) && !args.empty();
    if (hostGiven) {
        hostWindow = args.front();
        args.erase(args.begin());
    }
    const jamlog::CommandLine c = jamlog::parseCommandLine(args, hostGiven ? hostWindow.c_str() : nullptr);
    if (!c.ok()) {
        if (c.error.find('\n') != std::string::npos || c.error.rfind("jamlog: ", 0) != 0 ||
            c.error.size() <= std::string("jamlog: ").size())
            finding("not one line naming the problem", c.error);
        return 0;
    }
    if (c.mode == jamlog::RunMode::preview && c.windowId == 0)
        finding("a preview without a window", "");
    if (c.overrides.any() && loadedStore(c.overrides).contents() != loadedStore({}).contents())
        finding("the one-run options reached the store", args.empty() ? "" : args.front());
    return 0;
}
