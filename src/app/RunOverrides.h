// Command-line options that change a setting for one run only, as xscreensaver's settings panel passes them: the
// parsed choices, their parsing and help lines, and a store that shows them over the user's store while keeping
// every write of those settings in memory, so that such a run stores nothing of them.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "settings/ProfileStore.h"

namespace jamlog {

enum class DayNight { cycle, day, night };

constexpr int randomLayout = -1; // --layout random: random cycling over the user's choice of layouts

struct RunOverrides {
    std::optional<int> layout; // a built layout, or randomLayout
    std::optional<int> cars;
    std::optional<int> mph; // average speed
    std::optional<DayNight> dayNight;
    std::optional<bool> legend;
    std::optional<bool> wander;
    bool any() const { return layout || cars || mph || dayNight || legend || wander; }
};

// Reads the override option at args[i], with its value, into `o`. Returns the number of arguments it took: 0 when
// args[i] is no override option, -1 after setting `error` (one line) when the value is missing or refused.
int parseRunOverride(const std::vector<std::string>& args, size_t i, RunOverrides& o, std::string& error);

// The help lines of the override options, one per option.
std::string runOverridesUsage();

// The user's store with the overridden settings replaced. Reads of those settings give the override (worked out
// from the stored value where only part of it changes) or what this run wrote since; their writes stay in memory.
// Everything else goes to the user's store.
class OverriddenStore : public ProfileStore {
public:
    OverriddenStore(ProfileStore& base, const RunOverrides& overrides);
    int32_t GetProfileInt(const std::string& section, const std::string& entry, int32_t defaultValue) override;
    bool WriteProfileInt(const std::string& section, const std::string& entry, int32_t value) override;
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& defaultValue) override;
    bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) override;
    void deleteProgramKey() override;

private:
    ProfileStore& base;
    std::map<std::pair<std::string, std::string>, int32_t> shielded;
};

} // namespace jamlog
