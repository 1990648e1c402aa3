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
    {.kind = Control::check, .label = "Show Road Studs", .setting = Setting::Studs, .tooltip = "Display white lines and cats eyes"},
    {.kind = Control::check, .label = "Use Soft Colours for Text", .setting = Setting::Colours, .tooltip = "Uncheck to show high contrast text (easier to read)"},
    {.kind = Control::check, .label = "Car Shadows at Night", .setting = Setting::Shadows, .tooltip = "Show darkened image of car at night"},
    {.kind = Control::check, .label = "Show Traffic Lights && Signals", .setting = Setting::TLState, .tooltip = "Display state of traffic lights and signals at junctions/points"},
    {.kind = Control::check, .label = "Soft Corners on Vehicles", .setting = Setting::Bevel, .tooltip = "Shows round corners on vehicles when zoomed in"},
    {.kind = Control::check, .label = "Show Street Lights", .setting = Setting::StLights, .tooltip = "Show street lighting on selected roads at night"},
    {.kind = Control::check, .label = "Disable Multi-Monitor", .setting = Setting::NoMM, .tooltip = "Disables multi-monitor support"},
    {.kind = Control::combo, .label = "Tarmac", .setting = Setting::Tarmac, .tooltip = "Choose tarmac type", .entries = tarmacs},
    {.kind = Control::combo, .label = "Railways", .setting = Setting::Rails, .tooltip = "Choose to show new style railways, individual tracks or classic view", .entries = railways},
    {.kind = Control::combo, .label = "Weather", .setting = Setting::Weather, .tooltip = "Select weather variety", .entries = weathers},
    {.kind = Control::slider, .label = "Screen Update Speed", .setting = Setting::UpdSpd, .tooltip = "Frequency of updates for car movements, faster=smoother motion=higher CPU load", .entries = updateEnds},
    {.kind = Control::button, .label = "Back Colour ...", .tooltip = "Accesses selection for background colours", .action = Action::backColours},
    {.kind = Control::button, .label = "Use Defaults", .tooltip = "Reset all settings to program defaults", .action = Action::useDefaults},
};
constexpr SettingRef screenKept[] = {Setting::NoMM};

constexpr ControlRow timedRows[] = {
    {.kind = Control::check, .label = "Variable Traffic Flow", .setting = Setting::Traffic, .tooltip = "Traffic volume varies from rush hour to day and night levels"},
    {.kind = Control::check, .label = "Allow Bank Holidays", .setting = Setting::BHols, .tooltip = "Allow traffic spikes on random bank holidays"},
    {.kind = Control::check, .label = "Traffic Lights Off at Night", .setting = Setting::TLoff, .tooltip = "Allow free flow traffic at night time (if variable traffic)"},
    {.kind = Control::check, .label = "Autochange Traffic Lights", .setting = Setting::TLauto, .tooltip = "Let traffic lights change in reaction to traffic flow"},
    {.kind = Control::check, .label = "Peak Traffic Lights", .setting = Setting::PeakTL, .tooltip = "Allow traffic lights at junctions during peak periods"},
    {.kind = Control::check, .label = "Dynamic Roadworks", .setting = Setting::DynRW, .tooltip = "Allow roadworks to change with time, requires Allow Roadworks enabled"},
    {.kind = Control::check, .label = "Vary Number of Trains", .setting = Setting::VaryTrains, .tooltip = "Vary number of trains on layout over time"},
    {.kind = Control::check, .label = "Cycle Light through 24 hrs", .setting = Setting::DayLight, .tooltip = "Light level cycles through day and night"},
    {.kind = Control::check, .label = "Wandering Scroll", .setting = Setting::Wandering, .tooltip = "Screen zooms and pans over time", .bit = 0},
    {.kind = Control::check, .label = "Variable Wandering Zoom", .setting = Setting::Wandering, .tooltip = "Allow variable zoom on layouts", .bit = 1},
    {.kind = Control::check, .label = "Show Legend Popup", .setting = Setting::Legend, .tooltip = "Show simulation information in popup window"},
    {.kind = Control::check, .label = "Road Speed Annotations", .setting = Setting::Annotate, .tooltip = "Show average speed on key roads"},
    {.kind = Control::button, .label = "Unselect All", .tooltip = "Unselect all options", .action = Action::unselectAll},
    {.kind = Control::button, .label = "Use Defaults", .tooltip = "Reset options to program defaults", .action = Action::useDefaults},
};

constexpr ControlRow effectsRows[] = {
    {.kind = Control::check, .label = "Night Driving (if not 24hr)", .setting = Setting::Night, .tooltip = "Drive in the dark, overriden by 24hr setting"},
    {.kind = Control::check, .label = "Variable Length Trains", .setting = Setting::VLTrains, .tooltip = "Allow a varying number of carriages per train"},
    {.kind = Control::check, .label = "Enable Left-Click Menu", .setting = Setting::Mouse, .tooltip = "Use left-click mouse menu to zoom and pan the network"},
    {.kind = Control::check, .label = "Brake/Indicator Lights", .setting = Setting::Brake, .tooltip = "Show brake and hazard lights on slowing/stopped vehicles"},
    {.kind = Control::check, .label = "Emergency Vehicles", .setting = Setting::Fire, .tooltip = "Permits emergency vehicles with flashing lights to be drawn"},
    {.kind = Control::check, .label = "Seasonal Daylight", .setting = Setting::Season, .tooltip = "Uses current date for daylight hours"},
    {.kind = Control::check, .label = "Pelican Crossings", .setting = Setting::Pelican, .tooltip = "Allow pelican crossings on road layouts"},
    {.kind = Control::check, .label = "Show Rivers", .setting = Setting::Rivers, .tooltip = "Shows rivers and boats on combination layouts"},
    {.kind = Control::check, .label = "Show Tracks on All Layouts", .setting = Setting::Tracks, .tooltip = "Show rail tracks and trains on road layouts"},
    {.kind = Control::check, .label = "Show Roads on Train Sets", .setting = Setting::Roads, .tooltip = "Show roads on train sets and layouts"},
    {.kind = Control::check, .label = "Change Route When Stuck", .setting = Setting::Relief, .tooltip = "Allow vehicles to choose less busy route when nearly jamlogged", .group = smartActions},
    {.kind = Control::check, .label = "Enable Auto-Reset on Jams", .setting = Setting::Reset, .tooltip = "Enable automatic reset when all cars have jamlogged solid", .group = smartActions},
    {.kind = Control::button, .label = "Unselect All", .tooltip = "Unselect all options", .action = Action::unselectAll},
    {.kind = Control::button, .label = "Use Defaults", .tooltip = "Reset options to program defaults", .action = Action::useDefaults},
};

constexpr ControlRow speedRows[] = {
    {.kind = Control::check, .label = "Enforce Speed Limits", .setting = Setting::ESL, .tooltip = "Enforce vehicle speed limits on roads"},
    {.kind = Control::check, .label = "Variable Speed Limit (VSL)", .setting = Setting::VSL, .tooltip = "Allow variable speed limit on motorways"},
    {.kind = Control::check, .label = "Show Speed Limit Signs", .setting = Setting::SLSigns, .tooltip = "Show speed limit signs on roads"},
    {.kind = Control::check, .label = "Show Variable Speed Limits", .setting = Setting::VSLSigns, .tooltip = "Show speed limit signs when variable limit in force"},
    {.kind = Control::check, .label = "Show Signs at Roadworks", .setting = Setting::RWSigns, .tooltip = "Show speed limit signs in roadworks"},
    {.kind = Control::check, .label = "Random Speed Limits", .setting = Setting::RSL, .tooltip = "Speed limits applied to roads at random"},
    {.kind = Control::check, .label = "Roadwork Speed Limits", .setting = Setting::RWL, .tooltip = "Allow speed limits to be set at roadworks"},
    {.kind = Control::check, .label = "Allow Very Slow Vehicles", .setting = Setting::VSlow, .tooltip = "Permits tractors and slow artics"},
    {.kind = Control::check, .label = "Allow Breakdowns", .setting = Setting::Breakdowns, .tooltip = "Allow cars to break down unpredictably"},
    {.kind = Control::check, .label = "Allow Speed Cameras", .setting = Setting::Gatso, .tooltip = "Allow speed cameras to flash offending vehicles"},
    {.kind = Control::button, .label = "Unselect All", .tooltip = "Unselect all options", .action = Action::unselectAll},
    {.kind = Control::button, .label = "Use Defaults", .tooltip = "Reset options to program defaults", .action = Action::useDefaults},
};
// "Use Defaults" on this page leaves out the slow vehicles and the breakdowns.
constexpr DefaultOverride speedDefaults[] = {{Setting::VSlow, 0}, {Setting::Breakdowns, 0}};
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
