// The "Random" page: random layout cycling, the effects that vary between runs and the background colours.
#include "app/sheet/PageTables.h"

namespace jamlog {

namespace {
constexpr SettingRef layoutMask{Setting::Random};
constexpr SettingRef vary{Setting::RndSettings};
constexpr const char* varyEffects = "Effects that Vary between Runs";

// clang-format off
constexpr ControlRow randomRows[] = {
    {.kind = Control::check, .label = "Enable Random Layouts", .setting = layoutMask, .tooltip = "If checked, Jamlog selects current layout at random", .bit = 0},
    {.kind = Control::check, .label = "Allow Layout Flips", .setting = vary, .tooltip = "Check to allow layouts to be flipped over horizontally and vertically", .bit = 1},
    {.kind = Control::check, .label = "Vary Road/Rail Surfaces", .setting = vary, .tooltip = "Check to allow changes in road surface and rail track types", .bit = 2},
    {.kind = Control::check, .label = "Vary Driving Styles", .setting = vary, .tooltip = "Check to allow variations in driving styles", .bit = 3},
    {.kind = Control::check, .label = "Traffic Light Settings", .setting = vary, .tooltip = "Check to allow different types of traffic lights to be used", .bit = 4},
    {.kind = Control::check, .label = "Vary Background Colours", .setting = Setting::RndBack, .tooltip = "Check to allow background colours to vary", .bit = 6},
    {.kind = Control::check, .label = "Vary Effects Settings", .setting = vary, .tooltip = "Check to allow changes in effects and timed settings", .bit = 0, .group = varyEffects},
    {.kind = Control::check, .label = "Daylight Cycling", .setting = vary, .bit = 5, .group = varyEffects},
    {.kind = Control::check, .label = "Street Lights", .setting = vary, .bit = 6, .group = varyEffects},
    {.kind = Control::check, .label = "Number and Type of Trains", .setting = vary, .bit = 7, .group = varyEffects},
    {.kind = Control::check, .label = "Vary Combinations on Layouts", .setting = vary, .tooltip = "Check to vary the display of roads/tracks/rivers on layouts", .bit = 8, .group = varyEffects},
    {.kind = Control::check, .label = "Emergency Vehicles", .setting = vary, .bit = 9, .group = varyEffects},
    {.kind = Control::check, .label = "Weather", .setting = vary, .bit = 10, .group = varyEffects},
    {.kind = Control::check, .label = "Allow Snow", .setting = vary, .bit = 11, .group = varyEffects},
    {.kind = Control::check, .label = "Roadworks", .setting = vary, .bit = 12, .group = varyEffects},
    {.kind = Control::check, .label = "Cameras", .setting = vary, .bit = 13, .group = varyEffects},
    {.kind = Control::check, .label = "Speed Limits", .setting = vary, .bit = 14, .group = varyEffects},
    {.kind = Control::check, .label = "Signs", .setting = vary, .bit = 15, .group = varyEffects},
    {.kind = Control::check, .label = "Slow Vehicles", .setting = vary, .bit = 16, .group = varyEffects},
    {.kind = Control::check, .label = "Breakdowns", .setting = vary, .bit = 17, .group = varyEffects},
    {.kind = Control::check, .label = "18", .setting = vary, .bit = 18, .group = varyEffects, .hidden = true},
    {.kind = Control::check, .label = "19", .setting = vary, .bit = 19, .group = varyEffects, .hidden = true},
    {.kind = Control::check, .label = "20", .setting = vary, .bit = 20, .group = varyEffects, .hidden = true},
    {.kind = Control::button, .label = "Select Layouts ...", .tooltip = "Click to select which layouts are available for random selection", .action = Action::selectLayouts},
    {.kind = Control::button, .label = "Select Colours ...", .tooltip = "Click to select which background colours are available for random selection", .action = Action::selectColours},
    {.kind = Control::button, .label = "Unselect All", .tooltip = "Unselect all road layouts from random list", .action = Action::unselectAll},
    {.kind = Control::button, .label = "Use Defaults", .tooltip = "Reset options to program defaults", .action = Action::useDefaults},
};
// clang-format on

// "Use Defaults" checks every vary box, the hidden ones too.
constexpr int32_t everyVaryBox = 0x1FFFFF;
constexpr DefaultOverride randomDefaults[] = {{vary, everyVaryBox}};
} // namespace

const PageSpec randomPage{
    .id = PageId::random, .title = "Random", .rows = randomRows, .smartFeatures = true, .defaults = randomDefaults};

} // namespace jamlog
