// Building the About and layout statistics texts.
#include "settings/UsageTexts.h"

#include <cstdio>

#include "settings/LayoutValues.h"
#include "settings/StoredSetting.h"
#include "settings/StoredText.h"

namespace jamlog {

namespace {

constexpr std::string_view layoutNames[statisticsLayoutCount] = {
    "Classic Layout",   "Jamlog USA",    "Motorway Madness", "Diamond Max",      "Circular Motorway",
    "Little Train Set", "Big Train Set", "Fig8 Train Set",   "Magic Roundabout", "Rural Chaos",
    "Junction 13",      "Branch Lines",  "Loopy Train Set",  "Moscow Jam",       "City Bridges",
    "Home Train Set",   "Radial Roads",  "Clahm Junction",   "Bunching Cars",    "Big Car Park"};

// Ten characters per build kind, indexed by Version\Release.
constexpr std::string_view releaseSlices = "Test BuildBeta Build RC Build   Release ";
constexpr std::size_t releaseSliceWidth = 10;
constexpr std::size_t nameFieldWidth = 20;
constexpr int layoutsPerGroup = 5;
constexpr int32_t minutesPerDay = 1440, minutesPerHour = 60;

// The three counts as "\t%3i\t%3i\t%3i".
// Sums are 64-bit so that hand-edited huge counts cannot overflow.
std::string countColumns(const int64_t (&counts)[3]) {
    char text[80];
    int n = std::snprintf(text, sizeof text, "\t%3lld\t%3lld\t%3lld", static_cast<long long>(counts[0]),
                          static_cast<long long>(counts[1]), static_cast<long long>(counts[2]));
    return std::string(text, static_cast<std::size_t>(n));
}

} // namespace

std::string_view statisticsLayoutName(int layout) {
    return layout >= 0 && layout < statisticsLayoutCount ? layoutNames[layout] : std::string_view();
}

std::string aboutVersionLine(ProfileStore& store) {
    const std::string display = readStoredText(store, StoredText::DisplayVersion);
    const std::string date = readStoredText(store, StoredText::DisplayDate);
    const int32_t update = readStored(store, Setting::CurrentUpdate);
    const int32_t release = readStored(store, Setting::Release);
    // A build kind outside the four known ones shows blanks rather than reading past the texts.
    const std::size_t kinds = releaseSlices.size() / releaseSliceWidth;
    const std::string kind = release >= 0 && static_cast<std::size_t>(release) < kinds
                                 ? std::string(releaseSlices.substr(release * releaseSliceWidth, releaseSliceWidth))
                                 : std::string(releaseSliceWidth, ' ');
    return "Version " + display.substr(0, 4) + "  (" + display + "." + std::to_string(update) + ") " + kind + " " +
           date;
}

std::string aboutEditionLine(ProfileStore& store) {
    return readStoredText(store, StoredText::ExtraKit, "") + "  64" + "-bit Edition";
}

std::string elapsedText(int32_t minutes) {
    const int32_t days = minutes / minutesPerDay;
    const int32_t hours = (minutes - days * minutesPerDay) / minutesPerHour;
    return std::to_string(days) + " days, " + std::to_string(hours) + " hrs, " +
           std::to_string(minutes % minutesPerHour) + " mins";
}

std::vector<std::string> aboutStatisticsLines(ProfileStore& store) {
    auto count = [&](const char* name) { return store.GetProfileInt("Counters", name, 0); };
    return {"Statistics:", "Elapsed: " + elapsedText(count("Elapsed")), "Jamlogs: " + std::to_string(count("Jamlogs")),
            "Reliefs: " + std::to_string(count("Reliefs")),
            "Longest Run: " + std::to_string(count("Longest")) + " mins"};
}

std::string layoutStatisticsText(ProfileStore& store) {
    std::string text = "\t\t\tmins     locks     reliefs\n";
    int64_t sums[3] = {0, 0, 0};
    for (int layout = 0; layout < statisticsLayoutCount; ++layout) {
        const std::string section = layoutSection(layout);
        int64_t counts[3];
        for (int k = 0; k < 3; ++k) {
            counts[k] = store.GetProfileInt(section, std::string(layoutValueNames[layoutElapsed + k]), 0);
            sums[k] += counts[k];
        }
        std::string name(layoutNames[layout]);
        name.resize(nameFieldWidth, ' ');
        text += name + countColumns(counts) + "\n";
        if ((layout + 1) % layoutsPerGroup == 0)
            text += "\n";
    }
    return text + "TOTALS\t\t" + countColumns(sums);
}

} // namespace jamlog
