// PLACEHOLDER: replaced by the tool itself.
#include "app/Tools.h"

#include <cstdio>

namespace jamlog {

int runSimulate(const ToolArgs&) {
    std::fprintf(stderr, "jamlog: this tool is not built yet\n");
    return 2;
}

} // namespace jamlog
