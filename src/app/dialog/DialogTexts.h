// The texts of the configuration dialog: list entries, labels, tooltips, menu items, captions and messages.
#pragma once
#include <array>

namespace jamlog::dialog {

constexpr std::array<const char*, 30> layoutNames = {
    "Classic Layout", "Jamlog USA",     "Mway Madness", "Diamond Max",     "Circular Mway",  "Little Train Set",
    "Big Train Set",  "Fig8 Train Set", "Magic Round",  "Rural Chaos",     "Junction 13",    "Branch Lines",
    "Loopy Trains",   "Moscow Jam",     "City Bridges", "Home Train Set",  "Radial Roads",   "Clahm Junction",
    "Bunching Cars",  "Huge Car Park",  "T: Crossover", "T: Test Drawing", "T: Branch Test", "T: Magic Rnd",
    "T: Single Line", "T: Terminus",    "T: Russian",   "T: DC Jcts",      "T: Mway Jcts",   "T: Junctions"};
constexpr std::array<const char*, 5> driverNames = {"Varied", "Dangerous", "Agressive", "Relaxed", "Sunday Drivers"};
constexpr std::array<const char*, 5> lightNames = {"Eight Phase", "Four Phase", "Two Phase UK", "Two Phase US",
                                                   "Switched Off"};

constexpr const char* caption = "Jamlog 2010 Screen Saver";
constexpr const char* designerTitle = "Jamlog 2010 Designer";
// By Version\Release: 0, 1, 2, and 3 or more.
constexpr std::array<const char*, 4> releaseTitles = {"Jamlog 2010 Saver Test", "Jamlog 2010 Saver Beta",
                                                      "Jamlog 2010 Saver RC", "Jamlog 2010 Screen Saver"};
constexpr const char* previewLockText =
    "Uncheck 'Lock Preview Window' option below to show a preview of the screen saver here";

// A slider: its label and tooltip.
struct SliderText {
    const char* label;
    const char* tooltip;
};
constexpr SliderText speedText = {"Average Vehicle Speed", "Sets the average driving speed"};
constexpr const char* speedUnit = "(mph)";
constexpr const char* trafficGroup = "Peak Traffic Levels";
constexpr SliderText carsText = {"Cars", "Adjusts the number of cars in the system"};
constexpr SliderText trainsText = {"Trains", "Adjusts the number of trains in the system"};
constexpr SliderText boatsText = {"Boats", "Adjusts the number of boats in the system"};
constexpr SliderText slowMotionText = {"Slow Motion Control", "Speeds up or slows down apparent movement of traffic"};
constexpr std::array<const char*, 3> slowMotionMarks = {"*10", "Normal", "/10"};
constexpr SliderText zoomText = {"Zoom Control", "Adjusts the viewing scale"};
constexpr const char* originXTip = "Adjusts horizontal origin";
constexpr const char* originYTip = "Adjusts vertical origin";

constexpr SliderText layoutText = {"Layout Type", "Selects which traffic model to display"};
constexpr SliderText driverText = {"Driving Style", "Sets driving style from pushy to lethargic"};
constexpr SliderText lightsText = {"Traffic Lights", "Sets type of light changing"};

constexpr SliderText lockText = {"&Lock Preview Window", "Prevents updates to the preview screen"};
constexpr SliderText canMseText = {
    "&Cancel saver on mouse movement",
    "To cancel screensaver with mouse move instead of click, (disabled if mouse zoom set)"};
constexpr SliderText randomText = {"&Random Layouts", "If checked, Jamlog selects current layout at random"};
constexpr SliderText debugText = {"De&bug On", "Toggles current debug settings on/off"};
constexpr SliderText testLayoutsText = {"Show Test Layouts", nullptr};

constexpr SliderText defaultViewText = {"&Default View", "Returns view to default size and origin"};
constexpr SliderText propertiesText = {"&Properties ...", "Accesses further customisation options"};
constexpr SliderText applyTestText = {"&Apply && Test", "Save settings and run in full screen mode"};
constexpr SliderText resetAllText = {"Re&set All", "Removes all stored settings and exits program"};
constexpr const char* helpButton = "&Help";
// Linux window managers own the title bar, so the commands of its menu sit behind the Help button.
constexpr const char* cancelTip = "(Help and About accessible from the Help button or by right clicking here)";

constexpr const char* aboutItem = "&About Jamlog 2010...";
constexpr const char* helpItem = "Jamlog 2010 &Help...";
constexpr const char* statisticsItem = "Jamlog 2010 &Statistics...";

constexpr const char* helpCaption = "Jamlog 2010 Screen Saver Help";
constexpr const char* helpHeading = "Jamlog 2010 Screen Saver Mini-Help";

constexpr const char* resetWarningCaption = "Jamlog 2010 Reset Warning";
constexpr const char* resetAllQuestion = "Are you sure you want to delete all Jamlog settings?";
constexpr const char* resetDoneCaption = "Jamlog 2010 Reset Completed";
constexpr const char* resetDoneText = "All settings removed\nJamlog will now close";

constexpr const char* noXscreensaverCaption = "Jamlog 2010 Screen Saver";
constexpr const char* noXscreensaverText =
    "xscreensaver is not installed, so Jamlog cannot be made your screen saver.\n\n"
    "The test run starts all the same. Install the xscreensaver package and press Apply & Test again to make "
    "Jamlog the screen saver.";

} // namespace jamlog::dialog
