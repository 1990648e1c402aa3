// jamlog entry point: dispatches the headless tools; the saver's run modes come with the windows.
#include "app/Tools.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    struct Entry {
        const char* flag;
        int (*run)(const jamlog::ToolArgs&);
    };
    static const Entry tools[] = {{"--check-layouts", jamlog::runCheckLayouts},
                                  {"--simulate", jamlog::runSimulate},
                                  {"--snapshot", jamlog::runSnapshot},
                                  {"--export", jamlog::runExport},
                                  {"--import", jamlog::runImport}};
    if (argc > 1) {
        for (const Entry& e : tools) {
            if (std::strcmp(argv[1], e.flag) == 0) {
                return e.run(jamlog::ToolArgs(argv + 2, argv + argc)); // the operands after the switch
            }
        }
    }
    std::fprintf(stderr, "jamlog: unknown argument '%s'\n", argc > 1 ? argv[1] : "");
    return 2;
}
