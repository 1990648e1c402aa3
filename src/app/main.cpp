// jamlog entry point: one parse of the command line, then the headless tools, the texts, or the run modes.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/CSaverApp.h"
#include "app/CommandLine.h"
#include "app/Install.h"
#include "app/Tools.h"
#include "platform/ProcessIdentity.h"

namespace {

using jamlog::ToolKind;

struct ToolEntry {
    ToolKind kind;
    int (*run)(const jamlog::ToolArgs&);
};

constexpr ToolEntry tools[] = {{ToolKind::checkLayouts, jamlog::runCheckLayouts},
                               {ToolKind::dumpLayout, jamlog::runDumpLayout},
                               {ToolKind::simulate, jamlog::runSimulate},
                               {ToolKind::snapshot, jamlog::runSnapshot},
                               {ToolKind::exportSettings, jamlog::runExport},
                               {ToolKind::importSettings, jamlog::runImport}};

constexpr const char* versionText = "Jamlog 2010 Screen Saver 5.0\n";

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const jamlog::CommandLine c = jamlog::parseCommandLine(args, std::getenv("XSCREENSAVER_WINDOW"));
    if (!c.ok()) {
        std::fprintf(stderr, "%s\n", c.error.c_str());
        return 2;
    }
    jamlog::setProcessIdentity(jamlog::thisProcess());
    switch (c.mode) {
    case jamlog::RunMode::tool:
        for (const ToolEntry& t : tools)
            if (t.kind == c.tool)
                return t.run(c.toolArgs);
        return 2;
    case jamlog::RunMode::help:
        std::fputs(jamlog::usageText().c_str(), stdout);
        return 0;
    case jamlog::RunMode::version:
        std::fputs(versionText, stdout);
        return 0;
    case jamlog::RunMode::install:
        return jamlog::runInstall(argv[0]);
    default:
        return jamlog::runSaverApp(c, argc, argv);
    }
}
