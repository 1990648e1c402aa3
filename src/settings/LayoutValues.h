// The values each layout keeps in its own section ("Config\Net" + base-24 number), in the order of the
// settings export file's per-layout blocks, and the range of layouts whose sections hold usage counts.
#pragma once
#include <cstddef>
#include <string_view>

namespace jamlog {

enum LayoutValue : size_t { layoutScale, layoutOriginX, layoutOriginY, layoutElapsed, layoutJamlogs, layoutReliefs };

constexpr std::string_view layoutValueNames[] = {"Scale", "OriginX", "OriginY", "Elapsed", "Jamlogs", "Reliefs"};

// Layouts 0-23 have a block in the export file and are cleared by the statistics reset.
constexpr int keptLayoutSections = 24;

// The twenty catalogue layouts, the ones the statistics list.
constexpr int statisticsLayoutCount = 20;

} // namespace jamlog
