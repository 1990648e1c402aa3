// The built model of a layout as one JSON object, for layout designers (jamlog --dump-layout).
#pragma once
#include <string>

namespace jamlog {

// Builds `layout` (numbers without a routine build "Classic Layout") with the default settings, half-turned when
// `flip` is set, and returns the model's header, tables and built records.
std::string layoutDumpJson(int layout, bool flip);

} // namespace jamlog
