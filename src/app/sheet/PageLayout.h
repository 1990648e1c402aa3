// How a page's rows are placed: the rows that are not buttons, in two columns of blocks; a block is a run of
// rows under one group title, or a run of rows without one.
#pragma once
#include <span>
#include <vector>

#include "app/sheet/PageRows.h"

namespace jamlog {

struct PageBlock {
    const char* group = nullptr;
    std::vector<const ControlRow*> rows;
    bool twoColumns = false; // a long group of check boxes shows them side by side
};

struct PageColumn {
    std::vector<PageBlock> blocks;
};

// The rows a multiple-selection list shows before it scrolls.
int shownListRows(const ControlRow& list);

// Splits at the group boundary that best halves the rows' heights.
std::vector<PageColumn> splitIntoColumns(std::span<const ControlRow> rows);

} // namespace jamlog
