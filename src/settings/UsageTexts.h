// The texts of the About dialog and of the layout statistics dialog, built from the stored counters and
// version values, and the fixed texts of both dialogs and of the statistics reset question.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ProfileStore.h"

namespace jamlog {

constexpr std::string_view aboutCaption = "About Jamlog 2010 Screen Saver";
constexpr std::string_view aboutTitle = "Jamlog 2010 Screen Saver";
constexpr std::string_view aboutSeries = "12th Anniversary Series";
constexpr std::string_view aboutSlogan = "Speed Merchants are Lost... on the Highway from Hell";

constexpr std::string_view statisticsCaption = "Jamlog 2010 Layout Statistics";
constexpr std::string_view statisticsHeading = "Detailed Layout Usage Summary";
constexpr std::string_view statisticsUnfilled = "Error retrieving statistics"; // until the text is built
constexpr std::string_view resetStatisticsQuestion = "Are you sure you want to reset usage statistics?";
constexpr std::string_view resetStatisticsCaption = "Jamlog 2010 Reset Warning";

// The name a layout (0-19) has in the statistics list.
std::string_view statisticsLayoutName(int layout);

// "Version 5.01  (5.01.0345.0)   Release  10-Oct-10" from the stored version values.
std::string aboutVersionLine(ProfileStore& store);
// The edition text followed by "  64-bit Edition".
std::string aboutEditionLine(ProfileStore& store);

// Minutes as "D days, H hrs, M mins".
std::string elapsedText(int32_t minutes);
// "Statistics:" and the lines for the elapsed time, jams, reliefs and longest run of the totals.
std::vector<std::string> aboutStatisticsLines(ProfileStore& store);

// The whole text of the layout statistics dialog: a heading line, one line per layout in groups of five,
// and the totals over the twenty layouts.
std::string layoutStatisticsText(ProfileStore& store);

} // namespace jamlog
