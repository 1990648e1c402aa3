// Inspects a built network and reports, per record, what a layout designer must fix.
#pragma once
#include <string>
#include <vector>

#include "model/NetworkModel.h"

namespace jamlog {

enum class Severity { Warning, Error };

struct LayoutProblem {
    int road; // record number, or -1 for a network-wide table
    Severity severity;
    std::string text;
};

constexpr int maxJoinGap = 300; // world units a successor's start may lie from its road's end

// True for the records a build fills: counted roads, tracks and rivers and the three end stubs.
bool isBuilt(const NetworkModel& m, int road);

std::vector<LayoutProblem> checkLayout(const NetworkModel& m);

// "N roads, N tracks, N rivers: N errors, N warnings" followed by one line per problem.
std::string layoutReport(const NetworkModel& m, const std::vector<LayoutProblem>& problems);

} // namespace jamlog
