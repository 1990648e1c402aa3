// The four check-box pages "Screen", "Timed Events", "Special Effects" and "Speed Control".
#include "app/sheet/PageTables.h"

namespace jamlog {

namespace {
constexpr const char* tarmacs[] = {"Grey", "Black", "Concrete"};
constexpr const char* railways[] = {"New Style", "Show Tracks", "Classic View"};
constexpr const char* weathers[] = {"Variable", "Overcast", "Sunny", "Snowy"};
constexpr const char* updateEnds[] = {"Slow", "Fast"};
constexpr const char* smartActions = "Jamlog Smart Actions";

// clang-format off
constexpr ControlRow screenRows[] = {
    {.kind = Control::check, .label = "Show Road Studs", .setting = {"Screen", "Studs"}, .tooltip = "Display white lines and cats eyes"},
    {.kind = Control::check, .label = "Use Soft Colours for Text", .setting = {"Screen", "Colours"}, .tooltip = "Uncheck to show high contrast text (easier to read)"},
    {.kind = Control::check, .label = "Car Shadows at Night", .setting = {"Screen", "Shadows"}, .tooltip = "Show darkened image of car at night"},
    {.kind = Control::check, .label = "Show Traffic Lights && Signals", .setting = {"Screen", "TLState"}, .tooltip = "Display state of traffic lights and signals at junctions/points"},
    {.kind = Control::check, .label = "Soft Corners on Vehicles", .setting = {"Screen", "Bevel"}, .tooltip = "Shows round corners on vehicles when zoomed in"},
    {.kind = Control::check, .label = "Show Street Lights", .setting = {"Screen", "StLights"}, .tooltip = "Show street lighting on selected roads at night"},
    {.kind = Control::check, .label = "Disable Multi-Monitor", .setting = {"Screen", "NoMM"}, .tooltip = "Disables multi-monitor support"},
    {.kind = Control::combo, .label = "Tarmac", .setting = {"Screen", "Tarmac"}, .tooltip = "Choose tarmac type", .entries = tarmacs},
    {.kind = Control::combo, .label = "Railways", .setting = {"Screen", "Rails"}, .tooltip = "Choose to show new style railways, individual tracks or classic view", .entries = railways},
    {.kind = Control::combo, .label = "Weather", .setting = {"Screen", "Weather"}, .tooltip = "Select weather variety", .entries = weathers},
    {.kind = Control::slider, .label = "Screen Update Speed", .setting = {"Screen", "UpdSpd"}, .tooltip = "Frequency of updates for car movements, faster=smoother motion=higher CPU load", .entries = updateEnds},
    {.kind = Control::button, .label = "Back Colour ...", .tooltip = "Accesses selection for background colours", .action = Action::backColours},
    {.kind = Control::button, .label = "Use Defaults", .tooltip = "Reset all settings to program defaults", .action = Action::useDefaults},
};
constexpr SettingRef screenKept[] = {{"Screen", "NoMM"}};

constexpr ControlRow timedRows[] = {
    {.kind = Control::check, .label = "Variable Traffic Flow", .setting = {"Timed", "Traffic"}, .tooltip = "Traffic volume varies from rush hour to day and night levels"},
    {.kind = Control::check, .label = "Allow Bank Holidays", .setting = {"Timed", "BHols"}, .tooltip = "Allow traffic spikes on random bank holidays"},
    {.kind = Control::check, .label = "Traffic Lights Off at Night", .setting = {"Timed", "TLoff"}, .tooltip = "Allow free flow traffic at night time (if variable traffic)"},
    {.kind = Control::check, .label = "Autochange Traffic Lights", .setting = {"Timed", "TLauto"}, .tooltip = "Let traffic lights change in reaction to traffic flow"},
    {.kind = Control::check, .label = "Peak Traffic Lights", .setting = {"Timed", "PeakTL"}, .tooltip = "Allow traffic lights at junctions during peak periods"},
    {.kind = Control::check, .label = "Dynamic Roadworks", .setting = {"Timed", "DynRW"}, .tooltip = "Allow roadworks to change with time, requires Allow Roadworks enabled"},
    {.kind = Control::check, .label = "Vary Number of Trains", .setting = {"Timed", "VaryTrains"}, .tooltip = "Vary number of trains on layout over time"},
    {.kind = Control::check, .label = "Cycle Light through 24 hrs", .setting = {"Timed", "DayLight"}, .tooltip = "Light level cycles through day and night"},
    {.kind = Control::check, .label = "Wandering Scroll", .setting = {"Timed", "Wandering"}, .tooltip = "Screen zooms and pans over time", .bit = 0},
    {.kind = Control::check, .label = "Variable Wandering Zoom", .setting = {"Timed", "Wandering"}, .tooltip = "Allow variable zoom on layouts", .bit = 1},
    {.kind = Control::check, .label = "Show Legend Popup", .setting = {"Timed", "Legend"}, .tooltip = "Show simulation information in popup window"},
    {.kind = Control::check, .label = "Road Speed Annotations", .setting = {"Timed", "Annotate"}, .tooltip = "Show average speed on key roads"},
    {.kind = Control::button, .label = "Unselect All", .tooltip = "Unselect all options", .action = Action::unselectAll},
    {.kind = Control::button, .label = "Use Defaults", .tooltip = "Reset options to program defaults", .action = Action::useDefaults},
};

constexpr ControlRow effectsRows[] = {
    {.kind = Control::check, .label = "Night Driving (if not 24hr)", .setting = {"Effects", "Night"}, .tooltip = "Drive in the dark, overriden by 24hr setting"},
    {.kind = Control::check, .label = "Variable Length Trains", .setting = {"Effects", "VLTrains"}, .tooltip = "Allow a varying number of carriages per train"},
    {.kind = Control::check, .label = "Enable Left-Click Menu", .setting = {"Effects", "Mouse"}, .tooltip = "Use left-click mouse menu to zoom and pan the network"},
    {.kind = Control::check, .label = "Brake/Indicator Lights", .setting = {"Effects", "Brake"}, .tooltip = "Show brake and hazard lights on slowing/stopped vehicles"},
    {.kind = Control::check, .label = "Emergency Vehicles", .setting = {"Effects", "Fire"}, .tooltip = "Permits emergency vehicles with flashing lights to be drawn"},
    {.kind = Control::check, .label = "Seasonal Daylight", .setting = {"Effects", "Season"}, .tooltip = "Uses current date for daylight hours"},
    {.kind = Control::check, .label = "Pelican Crossings", .setting = {"Effects", "Pelican"}, .tooltip = "Allow pelican crossings on road layouts"},
    {.kind = Control::check, .label = "Show Rivers", .setting = {"Effects", "Rivers"}, .tooltip = "Shows rivers and boats on combination layouts"},
    {.kind = Control::check, .label = "Show Tracks on All Layouts", .setting = {"Effects", "Tracks"}, .tooltip = "Show rail tracks and trains on road layouts"},
    {.kind = Control::check, .label = "Show Roads on Train Sets", .setting = {"Effects", "Roads"}, .tooltip = "Show roads on train sets and layouts"},
    {.kind = Control::check, .label = "Change Route When Stuck", .setting = {"Effects", "Relief"}, .tooltip = "Allow vehicles to choose less busy route when nearly jamlogged", .group = smartActions},
    {.kind = Control::check, .label = "Enable Auto-Reset on Jams", .setting = {"Effects", "Reset"}, .tooltip = "Enable automatic reset when all cars have jamlogged solid", .group = smartActions},
    {.kind = Control::button, .label = "Unselect All", .tooltip = "Unselect all options", .action = Action::unselectAll},
    {.kind = Control::button, .label = "Use Defaults", .tooltip = "Reset options to program defaults", .action = Action::useDefaults},
};

constexpr ControlRow speedRows[] = {
    {.kind = Control::check, .label = "Enforce Speed Limits", .setting = {"Speed", "ESL"}, .tooltip = "Enforce vehicle speed limits on roads"},
    {.kind = Control::check, .label = "Variable Speed Limit (VSL)", .setting = {"Speed", "VSL"}, .tooltip = "Allow variable speed limit on motorways"},
    {.kind = Control::check, .label = "Show Speed Limit Signs", .setting = {"Speed", "SLSigns"}, .tooltip = "Show speed limit signs on roads"},
    {.kind = Control::check, .label = "Show Variable Speed Limits", .setting = {"Speed", "VSLSigns"}, .tooltip = "Show speed limit signs when variable limit in force"},
    {.kind = Control::check, .label = "Show Signs at Roadworks", .setting = {"Speed", "RWSigns"}, .tooltip = "Show speed limit signs in roadworks"},
    {.kind = Control::check, .label = "Random Speed Limits", .setting = {"Speed", "RSL"}, .tooltip = "Speed limits applied to roads at random"},
    {.kind = Control::check, .label = "Roadwork Speed Limits", .setting = {"Speed", "RWL"}, .tooltip = "Allow speed limits to be set at roadworks"},
    {.kind = Control::check, .label = "Allow Very Slow Vehicles", .setting = {"Speed", "VSlow"}, .tooltip = "Permits tractors and slow artics"},
    {.kind = Control::check, .label = "Allow Breakdowns", .setting = {"Speed", "Breakdowns"}, .tooltip = "Allow cars to break down unpredictably"},
    {.kind = Control::check, .label = "Allow Speed Cameras", .setting = {"Speed", "Gatso"}, .tooltip = "Allow speed cameras to flash offending vehicles"},
    {.kind = Control::button, .label = "Unselect All", .tooltip = "Unselect all options", .action = Action::unselectAll},
    {.kind = Control::button, .label = "Use Defaults", .tooltip = "Reset options to program defaults", .action = Action::useDefaults},
};
// "Use Defaults" on this page leaves out the slow vehicles and the breakdowns.
constexpr DefaultOverride speedDefaults[] = {{{"Speed", "VSlow"}, 0}, {{"Speed", "Breakdowns"}, 0}};
// clang-format on
} // namespace

const PageSpec screenPage{
    .id = PageId::screen, .title = "Screen", .rows = screenRows, .smartFeatures = true, .keptByDefaults = screenKept};
const PageSpec timedPage{.id = PageId::timed, .title = "Timed Events", .rows = timedRows, .smartFeatures = true};
const PageSpec effectsPage{
    .id = PageId::effects, .title = "Special Effects", .rows = effectsRows, .smartFeatures = true};
const PageSpec speedPage{
    .id = PageId::speed, .title = "Speed Control", .rows = speedRows, .smartFeatures = true, .defaults = speedDefaults};

} // namespace jamlog
