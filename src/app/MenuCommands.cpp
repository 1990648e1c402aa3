// The menu commands, in the order the menus show them, with their check marks and actions.
#include "app/MenuCommands.h"

#include <algorithm>

#include "app/CDrawWnd.h"
#include "sim/LightGroups.h"

namespace jamlog {

namespace {

using Window = CDrawWnd;
constexpr auto inZoom = PopupMenu::zoom;
constexpr auto inMain = PopupMenu::main;

RenderSettings& set(Window& w) {
    return w.drawState().set;
}
const RenderSettings& set(const Window& w) {
    return w.drawState().set;
}

template <int bits> bool debugBit(const Window& w) {
    return (set(w).debug & bits) != 0;
}
template <int bits> void toggleDebug(Window& w) {
    set(w).debug ^= bits;
}

// Street lights on or off, and their light levels anew.
void streetLights(Window& w) {
    set(w).stLights = !set(w).stLights;
    w.drawState().refreshColours();
}

// The legend's length follows the debug legend bit; the street lights are switched with it.
void debugLegend(Window& w) {
    w.relayoutLegend();
    streetLights(w);
}

void clockToDusk(Window& w) {
    w.clockTo(w.simulation().settings().sunset);
}
void clockToDawn(Window& w) {
    w.clockTo(w.simulation().settings().sunrise);
}

// A command of the Debug sub-menu that toggles Debug bits and is checked while they are set.
template <int bits> constexpr MenuCommand debugToggle(int id, const char* label) {
    return {.id = id,
            .label = label,
            .menu = inMain,
            .subMenu = "Debug",
            .designer = true,
            .checked = debugBit<bits>,
            .run = toggleDebug<bits>};
}

// A step of the zoom menu: the view repaints what it changes itself.
constexpr MenuCommand zoomStep(int id, const char* label, void (*run)(Window&)) {
    return {.id = id, .label = label, .menu = inZoom, .quiet = true, .run = run};
}

constexpr MenuCommand commands[] = {
    zoomStep(cmdZoomIn, "Zoom In", [](Window& w) { w.view().zoomInStep(); }),
    zoomStep(cmdZoomOut, "Zoom Out", [](Window& w) { w.view().zoomOutStep(); }),
    zoomStep(cmdMaxZoomIn, "Max Zoom In", [](Window& w) { w.view().maxZoomIn(); }),
    zoomStep(cmdMaxZoomOut, "Max Zoom Out", [](Window& w) { w.view().maxZoomOut(); }),
    {.id = cmdZoomExit,
     .label = "Exit Saver",
     .menu = inZoom,
     .fullScreenOnly = true,
     .quiet = true,
     .run = [](Window& w) { w.postClose(); }},

    {.id = cmdContinue, .label = "Continue", .menu = inMain, .quiet = true, .run = [](Window&) {}},
    {.id = cmdPause,
     .label = "Pause Saver",
     .menu = inMain,
     .quiet = true,
     .checked = [](const Window& w) { return w.paused(); },
     .run =
         [](Window& w) {
             if (!w.paused())
                 w.view().panActive = 0;
             w.togglePause();
         }},
    {.id = cmdFreezePan,
     .label = "Freeze Pan",
     .menu = inMain,
     .quiet = true,
     .checked = [](const Window& w) { return w.view().panActive == 0; },
     .run = [](Window& w) { w.view().panActive = !w.view().panActive; }},
    {.id = cmdNextLayout, .label = "Next Layout", .menu = inMain, .run = [](Window& w) { w.nextLayout(); }},
    {.id = cmdWandering,
     .label = "Wandering",
     .menu = inMain,
     .checked = [](const Window& w) { return (set(w).wandering & 1) != 0; },
     .run = [](Window& w) { set(w).wandering ^= 1; }},
    {.id = cmdQuickUnjam,
     .label = "Quick Unjam",
     .menu = inMain,
     .checked = [](const Window& w) { return w.simulation().settings().relief > 1; },
     .run = [](Window& w) { w.simulation().quickRelief(); }},
    {.id = cmdDisplayZoomIn,
     .label = "Zoom In",
     .menu = inMain,
     .subMenu = "Display",
     .run = [](Window& w) { w.view().maxZoomIn(); }},
    {.id = cmdDisplayZoomOut,
     .label = "Zoom Out",
     .menu = inMain,
     .subMenu = "Display",
     .run = [](Window& w) { w.view().fitWidth(); }},
    {.id = cmdLightsOff,
     .label = "Traffic Lights Off",
     .menu = inMain,
     .checked = [](const Window& w) { return w.simulation().state().lights.mode >= lightsOff; },
     .run = [](Window& w) { w.simulation().lightsSwitch(); }},
    {.id = cmdSpeedLimitSigns,
     .label = "Speed Limit Signs",
     .menu = inMain,
     .checked = [](const Window& w) { return set(w).slSigns != 0; },
     .run = [](Window& w) { set(w).slSigns = !set(w).slSigns; }},
    {.id = cmdAnnotate,
     .label = "Annotate Speeds",
     .menu = inMain,
     .checked = [](const Window& w) { return set(w).annotate != 0; },
     .run = [](Window& w) { set(w).annotate = !set(w).annotate; }},
    {.id = cmdLegend,
     .label = "Legend",
     .menu = inMain,
     .quiet = true,
     .checked = [](const Window& w) { return w.legendVisible(); },
     .run =
         [](Window& w) {
             w.setLegendVisible(!w.legendVisible());
             set(w).legend = !set(w).legend;
         }},
    {.id = cmdSaveView,
     .label = "Save This View",
     .menu = inMain,
     .quiet = true,
     .run = [](Window& w) { w.view().saveCurrentView(); }},
    {.id = cmdDayCycling,
     .label = "24hr Cycling",
     .menu = inMain,
     .subMenu = "Daylight",
     .checked = [](const Window& w) { return set(w).dayLight != 0; },
     .run =
         [](Window& w) {
             set(w).dayLight = !set(w).dayLight;
             w.recolourLegend();
         }},
    {.id = cmdAlwaysDark,
     .label = "Always Dark",
     .menu = inMain,
     .subMenu = "Daylight",
     .checked = [](const Window& w) { return set(w).night != 0; },
     .run =
         [](Window& w) {
             set(w).night = !set(w).night;
             set(w).dayLight = 0;
             w.recolourLegend();
         }},
    {.id = cmdClockToDusk, .label = "Clock to Dusk", .menu = inMain, .subMenu = "Daylight", .run = clockToDusk},
    {.id = cmdClockToDawn, .label = "Clock to Dawn", .menu = inMain, .subMenu = "Daylight", .run = clockToDawn},
    {.id = cmdDebugOn,
     .label = "Debug On",
     .menu = inMain,
     .designer = true,
     .checked = [](const Window& w) { return set(w).debug != 0; },
     .run =
         [](Window& w) {
             set(w).debug = set(w).debug != 0 ? 0 : set(w).storedDebug;
             debugLegend(w);
         }},
    {.id = cmdDebugLegend,
     .label = "Legend",
     .menu = inMain,
     .subMenu = "Debug",
     .designer = true,
     .checked = debugBit<debugLongLegend>,
     .run =
         [](Window& w) {
             toggleDebug<debugLongLegend>(w);
             debugLegend(w);
         }},
    {.id = cmdStreetLights,
     .label = "Street Lights",
     .menu = inMain,
     .subMenu = "Debug",
     .designer = true,
     .checked = [](const Window& w) { return set(w).stLights != 0; },
     .run = streetLights},
    debugToggle<debugTraces>(cmdTraces, "Traces"),
    debugToggle<debugNumberVehicles>(cmdNumberVehicles, "Number Vehicles"),
    debugToggle<debugShowGrid>(cmdShowGrid, "Show Grid"),
    debugToggle<debugNumberRoads>(cmdNumberRoads, "Number Roads"),
    debugToggle<debugHideVehicles>(cmdHideVehicles, "Hide Vehicles"),
    {.id = cmdDayLights,
     .label = "Day Lights",
     .menu = inMain,
     .subMenu = "Debug",
     .designer = true,
     .checked = debugBit<debugDayLights>,
     .run =
         [](Window& w) {
             toggleDebug<debugDayLights | debugNoVehicleLights>(w);
             set(w).advanced ^= advancedScandinavianLights;
         }},
    debugToggle<debugFastVsl>(cmdFastVsl, "Fast VSL"),
    debugToggle<debugVslForced>(cmdVslForced, "VSL Forced"),
    debugToggle<debugVslTo90>(cmdVsl90, "VSL up to 90"),
    {.id = cmdMainExit,
     .label = "Exit Saver",
     .menu = inMain,
     .fullScreenOnly = true,
     .quiet = true,
     .run = [](Window& w) { w.postClose(); }},
};

} // namespace

std::span<const MenuCommand> menuCommands() {
    return commands;
}

const MenuCommand* findMenuCommand(int id) {
    const auto* found =
        std::find_if(std::begin(commands), std::end(commands), [id](const MenuCommand& c) { return c.id == id; });
    return found == std::end(commands) ? nullptr : found;
}

} // namespace jamlog
