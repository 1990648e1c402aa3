// The named bits and codes of the settings that hold more than one number: the tweak bits of Params\Advanced,
// the debug bits of Design\Debug, the run-mode values of Settings\Running and the style values the drawing and
// the simulation test for. Header only and free of the store, so that every library may name them.
#pragma once

namespace jamlog {

// Params\Advanced, in the order of the Parameters page's list.
constexpr int advancedPreciseErasing = 1 << 0;
constexpr int advancedFastBoats = 1 << 1;
constexpr int advancedClassicRails = 1 << 2;       // forces Screen\Rails to the classic view at load
constexpr int advancedScandinavianLights = 1 << 3; // vehicle lights always on
constexpr int advancedNoRightTurnOnRed = 1 << 4;
constexpr int advancedNoExtraLights = 1 << 5;
constexpr int advancedNoSpadRelief = 1 << 6;
constexpr int advancedNoSplash = 1 << 7;
constexpr int advancedDarkLegend = 1 << 8;
constexpr int advancedBoatLights = 1 << 9;
constexpr int advancedNoPrePop = 1 << 10;
constexpr int advancedNoAutoSnow = 1 << 11;

// Design\Debug, in the order of the Designer page's list.
constexpr int debugLongLegend = 1 << 0;
constexpr int debugTraces = 1 << 1;
constexpr int debugNumberVehicles = 1 << 2;
constexpr int debugShowGrid = 1 << 3;
constexpr int debugNumberRoads = 1 << 4;
constexpr int debugHideVehicles = 1 << 5;
constexpr int debugNoVehicleLights = 1 << 6;
constexpr int debugFastWander = 1 << 7;
constexpr int debugFastRandom = 1 << 8;
constexpr int debugDayLights = 1 << 9; // all vehicle lights
constexpr int debugFastVsl = 1 << 10;
constexpr int debugVslForced = 1 << 11;
constexpr int debugVslTo90 = 1 << 12;
constexpr int debugCarriageState = 1 << 13; // train tokens
constexpr int debugLayoutsInTurn = 1 << 14;

// Settings\Running: the run-mode handshake between the configuration process and the saver processes.
constexpr int runningIdle = 0;
constexpr int runningTestAsked = 1; // "Apply & Test" is starting the saver
constexpr int runningTestDone = 2;  // the saver's load turned 1 into this
constexpr int runningConfiguration = 3;
constexpr int runningPreview = 8;

// The view origins are stored with this added, to keep them positive.
constexpr int storedOriginOffset = 100000;

// Screen\Rails and Screen\Weather values.
constexpr int railsClassic = 2;
constexpr int weatherVariable = 0;
constexpr int weatherSnowy = 3; // the highest value

} // namespace jamlog
