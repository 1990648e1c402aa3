// Balancing a page's rows over two columns.
#include "app/sheet/PageLayout.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace jamlog {

namespace {
constexpr int maxListRows = 13;
constexpr int sliderHeight = 2; // label line and slider line
constexpr int groupFrame = 1;   // a group's title and frame
constexpr size_t longGroup = 8; // more check boxes than this go side by side

int height(const ControlRow& r) {
    if (r.hidden)
        return 0;
    if (r.kind == Control::bitList)
        return shownListRows(r) / 2; // list rows are about half a field high
    if (r.kind == Control::slider)
        return sliderHeight;
    return 1;
}

bool sameGroup(const char* a, const char* b) {
    return a == b || (a && b && std::strcmp(a, b) == 0);
}

std::vector<PageBlock> blocksOf(std::span<const ControlRow> rows) {
    std::vector<PageBlock> blocks;
    for (const ControlRow& r : rows) {
        if (r.kind == Control::button)
            continue;
        if (blocks.empty() || !sameGroup(blocks.back().group, r.group))
            blocks.push_back({r.group, {}});
        blocks.back().rows.push_back(&r);
    }
    for (PageBlock& b : blocks) {
        size_t boxes = 0;
        for (const ControlRow* r : b.rows)
            boxes += r->kind == Control::check && !r->hidden;
        b.twoColumns = b.group && boxes > longGroup;
    }
    return blocks;
}

int blockHeight(const PageBlock& b) {
    int h = 0;
    for (const ControlRow* r : b.rows)
        h += height(*r);
    if (b.twoColumns)
        h = (h + 1) / 2;
    return h + (b.group ? groupFrame : 0);
}
} // namespace

int shownListRows(const ControlRow& list) {
    return std::min(static_cast<int>(list.entries.size()), maxListRows);
}

std::vector<PageColumn> splitIntoColumns(std::span<const ControlRow> rows) {
    // Ungrouped runs may be split row by row; groups stay whole.
    std::vector<PageBlock> pieces;
    for (PageBlock& b : blocksOf(rows)) {
        if (b.group) {
            pieces.push_back(std::move(b));
            continue;
        }
        for (const ControlRow* r : b.rows)
            pieces.push_back({nullptr, {r}});
    }
    int total = 0;
    for (const PageBlock& p : pieces)
        total += blockHeight(p);
    size_t best = pieces.size();
    int bestGap = total, above = 0;
    for (size_t i = 0; i <= pieces.size(); ++i) {
        const int gap = std::abs(2 * above - total);
        if (gap < bestGap)
            bestGap = gap, best = i;
        if (i < pieces.size())
            above += blockHeight(pieces[i]);
    }
    std::vector<PageColumn> columns(2);
    for (size_t i = 0; i < pieces.size(); ++i) {
        std::vector<PageBlock>& blocks = columns[i < best ? 0 : 1].blocks;
        // Neighbouring ungrouped rows share one form so that their fields line up.
        if (!pieces[i].group && !blocks.empty() && !blocks.back().group)
            blocks.back().rows.push_back(pieces[i].rows[0]);
        else
            blocks.push_back(std::move(pieces[i]));
    }
    return columns;
}

} // namespace jamlog
