// Headless tools of the jamlog command line, one file each. Each takes the arguments after its own switch,
// prints to stdout, reports bad arguments on one stderr line and returns the exit status (2 for bad input).
#pragma once
#include <string>
#include <vector>

namespace jamlog {

using ToolArgs = std::vector<std::string>;

int runCheckLayouts(const ToolArgs& args); // --check-layouts [N ...]
int runDumpLayout(const ToolArgs& args);   // --dump-layout N [--flip]
int runSimulate(const ToolArgs& args);     // --simulate N --minutes M [--seed S] [--cars C] ...
int runSnapshot(const ToolArgs& args);     // --snapshot FILE.png [--layout N] ...
int runExport(const ToolArgs& args);       // --export FILE
int runImport(const ToolArgs& args);       // --import FILE

} // namespace jamlog
