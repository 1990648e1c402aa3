// The values each layout keeps in its own section ("Config\Net" + base-24 number), in the order of the
// settings export file's per-layout blocks, and the range of layouts whose sections hold usage counts.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace jamlog {

enum LayoutValue : size_t { layoutScale, layoutOriginX, layoutOriginY, layoutElapsed, layoutJamlogs, layoutReliefs };

constexpr std::string_view layoutValueNames[] = {"Scale", "OriginX", "OriginY", "Elapsed", "Jamlogs", "Reliefs"};

// What a read of each value is clamped to: a saved view's scale and origin (pixels plus the stored offset of
// 100000) to what any view of a layout can have, so that the view's arithmetic on them cannot overflow; the
// counts as stored.
struct LayoutValueBounds {
    int32_t low, high;
};
constexpr LayoutValueBounds layoutValueBounds[] = {
    {1, 100000},           {-900000, 1100000}, {-900000, 1100000}, {INT32_MIN, INT32_MAX}, {INT32_MIN, INT32_MAX},
    {INT32_MIN, INT32_MAX}};

// Layouts 0-23 have a block in the export file and are cleared by the statistics reset.
constexpr int keptLayoutSections = 24;

// The twenty catalogue layouts, the ones the statistics list.
constexpr int statisticsLayoutCount = 20;

} // namespace jamlog
