// Building the export file's field list from the settings table.
#include "settings/SettingsFileLayout.h"

#include <stdexcept>
#include <string_view>

#include "settings/LayoutValues.h"
#include "settings/ProfileStore.h"
#include "settings/SettingsTable.h"

namespace jamlog {

namespace {

struct FileSection {
    std::string_view name;
    std::size_t width;
};

// The sections in the order the file holds them; Random keeps colours and masks, so its fields are wider.
constexpr FileSection fileSections[] = {{"Version", 4}, {"Config", 4}, {"Counters", 4}, {"Custom", 4},   {"Design", 4},
                                        {"Effects", 4}, {"Params", 4}, {"Screen", 4},   {"Settings", 4}, {"Speed", 4},
                                        {"Timed", 4},   {"Timers", 4}, {"Random", 8}};
constexpr std::size_t layoutFieldWidth = 6;

std::vector<SettingsFileField> buildFields() {
    std::vector<SettingsFileField> fields;
    for (const FileSection& s : fileSections) {
        std::size_t first = fields.size();
        for (std::size_t k = 0; k < slotsPerSection; ++k)
            fields.push_back({std::string(s.name), "", s.width, false});
        for (const SettingDef& d : settingsTable()) {
            if (d.section != s.name || d.fileSlot == noFileSlot)
                continue;
            if (d.fileSlot < 0 || static_cast<std::size_t>(d.fileSlot) >= slotsPerSection)
                throw std::logic_error("file slot out of range for " + std::string(d.name));
            std::string& name = fields[first + static_cast<std::size_t>(d.fileSlot)].name;
            if (!name.empty())
                throw std::logic_error("two values in one file slot: " + std::string(d.name));
            name = d.name;
        }
    }
    for (int layout = 0; layout < keptLayoutSections; ++layout)
        for (std::string_view name : layoutValueNames)
            fields.push_back({layoutSection(layout), std::string(name), layoutFieldWidth, true});
    return fields;
}

} // namespace

const std::vector<SettingsFileField>& settingsFileFields() {
    static const std::vector<SettingsFileField> fields = buildFields();
    return fields;
}

} // namespace jamlog
