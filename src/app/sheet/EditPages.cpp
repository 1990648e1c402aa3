// The four entry-field pages "Customise", "Set Timers", "Parameters / Tweaks" and "Designer".
#include "app/sheet/PageTables.h"

namespace jamlog {

namespace {
constexpr const char* tweaks[] = {
    " disable all tweak settings",   " precise car erasing",         " unusually fast boats",
    " force classic railway lines",  " Scandinavian car lights",     " disable right turn on red",
    " disable extra traffic lights", " no train relief using SPAD",  " disable splash screen",
    " darker legend background",     " alternative lights on boats", " do not pre-populate layouts",
    " no auto snow in Jan/Feb"};
constexpr const char* debugOptions[] = {" disable all debug settings",
                                        " debug legend",
                                        " vehicle trace",
                                        " number vehicles",
                                        " display grid",
                                        " number roads",
                                        " hide vehicles",
                                        " no vehicle lights",
                                        " fast wander",
                                        " fast random net",
                                        " all vehicle lights",
                                        " fast mway VSL",
                                        " force mway VSL",
                                        " VSL up to 90",
                                        " show train tokens",
                                        " cycle layouts in sequence"};
constexpr const char* daylight = "Daylight";
constexpr const char* morningRush = "Morning Rush Hour";
constexpr const char* eveningRush = "Evening Rush Hour";
constexpr const char* corrections = "Corrections";
constexpr const char* numberDefaults = "Reset all numbers to program defaults";
constexpr const char* systemDefaults = "Reset all numbers to system defaults";

// clang-format off
constexpr ControlRow customRows[] = {
    {.kind = Control::number, .label = "Random Layout Change Frequency (mins)", .setting = Setting::RndIntvl, .tooltip = "Time interval between random layout changes (1-30mins)"},
    {.kind = Control::number, .label = "Max. Breakdowns", .setting = Setting::BkDownNo, .tooltip = "Maximum number of concurrent broken down cars (1-10)"},
    {.kind = Control::number, .label = "Traffic Change Inc. (%)", .setting = Setting::CarInc, .tooltip = "Rate at which number of cars on the road changes (2%-50%)"},
    {.kind = Control::number, .label = "Max.Lane for Trucks", .setting = Setting::LVM, .tooltip = "Sets the maximum lane for long vehicles where left is lane 0 (1-5)"},
    {.kind = Control::number, .label = "% Roads with Limits", .setting = Setting::SLPercent, .tooltip = "Percent of roads subject to speed limits (1-90)"},
    {.kind = Control::number, .label = "% Busy to Trigger VSL", .setting = Setting::VSLBusy, .tooltip = "Percentage of mway busy before variable speed limit kicks in (20-90)"},
    {.kind = Control::number, .label = "Avg. Parking Time (secs)", .setting = Setting::ParkWait, .tooltip = "Length of time that cars stop in the car park (20-500secs)"},
    {.kind = Control::number, .label = "No. Carriages per Train", .setting = Setting::Carrs, .tooltip = "Number of carriages shown on each train (1-8)"},
    {.kind = Control::number, .label = "Max. Trains on Network", .setting = Setting::Trains, .tooltip = "Maximum number of trains on network (1-50 and trains*carriages<=200)"},
    {.kind = Control::number, .label = "Model Trains Speed %", .setting = Setting::Faster, .tooltip = "Percentage speed compared with vehicles for trains (50-150)"},
    {.kind = Control::number, .label = "Pause at Stations (secs/10)", .setting = Setting::StnWait, .tooltip = "Length of time that trains pause at stations (5-100secs/10)"},
    {.kind = Control::number, .label = "Boat Speed %", .setting = Setting::Slower, .tooltip = "Percentage speed compared with vehicles for boats (10-60)"},
    {.kind = Control::button, .label = "Use Defaults", .tooltip = numberDefaults, .action = Action::useDefaults},
};
constexpr DefaultOverride customDefaults[] = {{Setting::Trains, 10}, {Setting::Slower, 25}};

constexpr ControlRow timersRows[] = {
    {.kind = Control::number, .label = "Wandering Interval (secs/100)", .setting = Setting::WanderIntvl, .tooltip = "Time between pan movements (1-100 secs/100)"},
    {.kind = Control::number, .label = "Default Event Interval", .setting = Setting::LongIntvl, .tooltip = "Used for events such as breakdowns (10-120s)"},
    {.kind = Control::number, .label = "Annotation Interval", .setting = Setting::AnnotIntvl, .tooltip = "Update frequency for speed annotations (1-30s)"},
    {.kind = Control::number, .label = "Drawing Interval", .setting = Setting::DrawIntvl, .tooltip = "Used for drawing events such light changes and traffic density (1-20s)"},
    {.kind = Control::number, .label = "Traffic Light Changes", .setting = Setting::TLightIntvl, .tooltip = "Clock for traffic light changes (1-5s)"},
    {.kind = Control::number, .label = "Flashing Light On/Off Rate (secs/10)", .setting = Setting::FlashIntvl, .tooltip = "Time interval between flashing light changes (1-20 secs/10)"},
    {.kind = Control::number, .label = "Secs/50 per Simulated Minute Elapsed", .setting = Setting::SimClkIntvl, .tooltip = "Time for 1 simulated minute elapsed, entering 50=1sec/min (1-3000 secs/50)"},
    {.kind = Control::clock, .label = "Sunrise", .setting = Setting::SunUpDown, .tooltip = "Time of day that sun rises (0300-1000), overriden by Seasonal Daylight", .bit = 0, .group = daylight},
    {.kind = Control::clock, .label = "Sunset", .setting = Setting::SunUpDown, .tooltip = "Time of day that sun sets (1500-2200), overriden by Seasonal Daylight", .bit = 1, .group = daylight},
    {.kind = Control::clock, .label = "Starts", .setting = Setting::RushAm, .tooltip = "Time of day that morning rush hour starts (0400-0700)", .bit = 0, .group = morningRush},
    {.kind = Control::clock, .label = "Finishes", .setting = Setting::RushAm, .tooltip = "Time of day that morning rush hour ends (0600-0900)", .bit = 1, .group = morningRush},
    {.kind = Control::clock, .label = "Starts", .setting = Setting::RushPm, .tooltip = "Time of day that evening rush hour starts(1200-1800)", .bit = 0, .group = eveningRush},
    {.kind = Control::clock, .label = "Finishes", .setting = Setting::RushPm, .tooltip = "Time of day that evening rush hour ends(1600-2000)", .bit = 1, .group = eveningRush},
    {.kind = Control::button, .label = "Use Defaults", .tooltip = numberDefaults, .action = Action::useDefaults},
};
// The clock fields' defaults on this page are their reset times (sunset 2000 rather than the loader's 1900).
constexpr DefaultOverride timersDefaults[] = {
    {Setting::SunUpDown, 3601200}, {Setting::RushAm, 3000540}, {Setting::RushPm, 9001140}};

constexpr ControlRow paramsRows[] = {
    {.kind = Control::number, .label = "Wandering Increment", .setting = Setting::WanderDist, .tooltip = "Pixel increment when auto-panning across network (1-100)"},
    {.kind = Control::number, .label = "Wandering Zoom x", .setting = Setting::WanderZoom, .tooltip = "Factor to zoom in when auto-panning across network (1x-4x)"},
    {.kind = Control::number, .label = "Threshold for Lock Relief", .setting = Setting::RThresh, .tooltip = "Sets the threshold % required before vehicles avoid jams (10-100)"},
    {.kind = Control::number, .label = "Maximum Dimming Level", .setting = Setting::Dimming, .tooltip = "Maximum depth of night darkness (10-90)"},
    {.kind = Control::number, .label = "Brightness for Lights On", .setting = Setting::Dusk, .tooltip = "Light level when vehicle lights are turned on (15-30)"},
    {.kind = Control::number, .label = "Speed Limit Sign Size", .setting = Setting::SignSize, .tooltip = "Relative size of speed limit signs (20-90)"},
    {.kind = Control::number, .label = "Vehicle Acceleration", .setting = Setting::Accel, .tooltip = "Base rate at which vehicles can accelerate (5-30)"},
    {.kind = Control::bitList, .label = "Tweak Settings", .setting = Setting::Advanced, .tooltip = "Select disable all for normal use or click to highlight one or more tweaks", .entries = tweaks},
    {.kind = Control::button, .label = "Import", .tooltip = "Import saved Jamlog settings from exported file", .action = Action::importFile},
    {.kind = Control::button, .label = "Export", .tooltip = "Export saved Jamlog settings to read-only file", .action = Action::exportFile},
    {.kind = Control::button, .label = "Use Defaults", .tooltip = systemDefaults, .action = Action::useDefaults},
};

constexpr ControlRow designRows[] = {
    {.kind = Control::number, .label = "Average Car length", .setting = Setting::CarLen, .tooltip = "Average drawing length of cars (100-300)"},
    {.kind = Control::number, .label = "Headlight Glow Range", .setting = Setting::Glow, .tooltip = "Sets the range of headlights at night (5-25)"},
    {.kind = Control::number, .label = "Threshold for lines/polys", .setting = Setting::PolyThresh, .tooltip = "Set scale threshold between line and rectangle drawing (10-50)"},
    {.kind = Control::number, .label = "Lane Width", .setting = Setting::LanWid, .tooltip = "Drawing width of all traffic lanes (100-180)"},
    {.kind = Control::number, .label = "Car Width", .setting = Setting::CarWid, .tooltip = "Car drawing width (20-80)"},
    {.kind = Control::number, .label = "Layout Pre-Population", .setting = Setting::PrePop, .tooltip = "Set amount of layout pre-population, a higher value populates more but slows startup (100-1000)"},
    {.kind = Control::bitList, .label = "Debug Settings", .setting = Setting::Debug, .tooltip = "Select disable all for normal use or scroll and click to highlight one or more debug options", .entries = debugOptions},
    {.kind = Control::number, .label = "Horizontal", .setting = Setting::HCorr, .tooltip = "Apply horizontal correction to match width on diagonals (5-20)", .group = corrections},
    {.kind = Control::number, .label = "Vertical", .setting = Setting::VCorr, .tooltip = "Apply vertical correction to match width on diagonals (5-20)", .group = corrections},
    {.kind = Control::number, .label = "Processor", .setting = Setting::ProcCorr, .tooltip = "Vehicle speed correction for fast processors (1-10)", .group = corrections},
    {.kind = Control::number, .label = "Arcs", .setting = Setting::ACorr, .tooltip = "Apply correction to arcs to match width on diagonals (5-20)", .group = corrections},
    {.kind = Control::button, .label = "Use Defaults", .tooltip = systemDefaults, .action = Action::useDefaults},
};
// clang-format on
} // namespace

const PageSpec customPage{.id = PageId::custom, .title = "Customise", .rows = customRows, .defaults = customDefaults};
const PageSpec timersPage{.id = PageId::timers, .title = "Set Timers", .rows = timersRows, .defaults = timersDefaults};
const PageSpec paramsPage{.id = PageId::params, .title = "Parameters / Tweaks", .rows = paramsRows};
const PageSpec designPage{
    .id = PageId::design,
    .title = "Designer",
    .rows = designRows,
    .warning = "WARNING: Changing design settings can seriously affect the behaviour of this screen saver; take "
               "care and click Use Defaults to revert"};

} // namespace jamlog
