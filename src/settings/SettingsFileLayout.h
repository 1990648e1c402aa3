// The field layout of the settings export file: every field in file order with its section, value name and
// width, built once from the settings table's file slots and the per-layout value names.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace jamlog {

struct SettingsFileField {
    std::string section; // "Config", or a per-layout section such as "Config\Net5"
    std::string name;    // empty for a slot that holds no value
    std::size_t width;
    bool perLayout; // absent reads 0 and only values above 0 are imported
};

constexpr std::size_t slotsPerSection = 12;

// All fields after the header, in file order; their widths add up to the file size less the header.
const std::vector<SettingsFileField>& settingsFileFields();

} // namespace jamlog
