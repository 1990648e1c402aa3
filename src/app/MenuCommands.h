// The commands of the view's two pop-up menus, one row each: its id, label, menu and sub-menu, whether only
// designer mode (or a debug bit) shows it, how its check mark is found and what it does. The window builds both
// menus from the table and runs a chosen command through it; adding a command is a row and its action.
#pragma once
#include <span>

namespace jamlog {

class CDrawWnd;

enum MenuCommandId : int {
    cmdContinue = 148,
    cmdPause = 149,
    cmdFreezePan = 150,
    cmdNextLayout = 151,
    cmdWandering = 152,
    cmdQuickUnjam = 153,
    cmdDebugOn = 155,
    cmdDisplayZoomIn = 156,
    cmdDisplayZoomOut = 157,
    cmdLightsOff = 158,
    cmdSpeedLimitSigns = 159,
    cmdAnnotate = 160,
    cmdLegend = 161,
    cmdSaveView = 163,
    cmdDayCycling = 164,
    cmdAlwaysDark = 165,
    cmdClockToDawn = 166,
    cmdClockToDusk = 167,
    cmdDebugLegend = 169,
    cmdTraces = 170,
    cmdNumberVehicles = 171,
    cmdShowGrid = 172,
    cmdNumberRoads = 173,
    cmdHideVehicles = 174,
    cmdDayLights = 175,
    cmdFastVsl = 176,
    cmdVslForced = 177,
    cmdVsl90 = 178,
    cmdStreetLights = 179,
    cmdMainExit = 189,
    cmdZoomIn = 191,
    cmdZoomOut = 192,
    cmdMaxZoomIn = 193,
    cmdMaxZoomOut = 194,
    cmdZoomExit = 199,
};

enum class PopupMenu {
    zoom, // the left button's, while panning with the Mouse setting on
    main, // the right button's
};

struct MenuCommand {
    int id;
    const char* label;
    PopupMenu menu;
    const char* subMenu = nullptr;              // nullptr: at the top level
    bool designer = false;                      // shown only in designer mode or with a debug bit set
    bool fullScreenOnly = false;                // a normal window is closed by its user
    bool quiet = false;                         // neither the legend nor the view is repainted after it
    bool (*checked)(const CDrawWnd&) = nullptr; // nullptr: never checked
    void (*run)(CDrawWnd&) = nullptr;
};

// Every command, in menu order.
std::span<const MenuCommand> menuCommands();
// The row of command id, nullptr for none.
const MenuCommand* findMenuCommand(int id);

} // namespace jamlog
