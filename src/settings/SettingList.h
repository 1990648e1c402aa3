// Every stored option, named once: its id, the field that holds it, its section and value name in the store, and
// its default. Everything else about a setting (accepted range, reset value, message, load clamps, place in the
// export file) is its row in settings/SettingsTable.cpp, keyed by the id. Free of every dependency, so that the
// simulation and the drawing can hold the values without the store.
#pragma once

// X(id, field, section, name, default), in the order the sections are saved.
// clang-format off
#define JAMLOG_SETTINGS(X) \
    X(Network, network, "Config", "Network", 14) \
    X(Driver, driver, "Config", "Driver", 0) \
    X(TLights, tLights, "Config", "TLights", 2) \
    X(AveSpd, aveSpd, "Config", "AveSpd", 112) \
    X(Factor, factor, "Config", "Factor", 10) \
    X(Cars, cars, "Config", "Cars", 200) \
    X(Trains, trains, "Config", "Trains", 40) \
    X(Boats, boats, "Config", "Boats", 50) \
    X(CanMse, canMse, "Config", "CanMse", 1) \
    X(Studs, studs, "Screen", "Studs", 1) \
    X(Colours, colours, "Screen", "Colours", 1) \
    X(Shadows, shadows, "Screen", "Shadows", 1) \
    X(TLState, tlState, "Screen", "TLState", 1) \
    X(Bevel, bevel, "Screen", "Bevel", 1) \
    X(NoMM, noMM, "Screen", "NoMM", 0) \
    X(StLights, stLights, "Screen", "StLights", 1) \
    X(Tarmac, tarmac, "Screen", "Tarmac", 0) \
    X(Rails, rails, "Screen", "Rails", 0) \
    X(Weather, weather, "Screen", "Weather", 0) \
    X(UpdSpd, updSpd, "Screen", "UpdSpd", 75) \
    X(Night, night, "Effects", "Night", 0) \
    X(VLTrains, vlTrains, "Effects", "VLTrains", 1) \
    X(Mouse, mouse, "Effects", "Mouse", 0) \
    X(Brake, brake, "Effects", "Brake", 1) \
    X(Tracks, tracks, "Effects", "Tracks", 1) \
    X(Fire, fire, "Effects", "Fire", 1) \
    X(Reset, reset, "Effects", "Reset", 1) \
    X(Relief, relief, "Effects", "Relief", 1) \
    X(Season, season, "Effects", "Season", 1) \
    X(Rivers, rivers, "Effects", "Rivers", 1) \
    X(Pelican, pelican, "Effects", "Pelican", 1) \
    X(Roads, roads, "Effects", "Roads", 1) \
    X(ESL, esl, "Speed", "ESL", 1) \
    X(VSL, vsl, "Speed", "VSL", 1) \
    X(SLSigns, slSigns, "Speed", "SLSigns", 1) \
    X(VSLSigns, vslSigns, "Speed", "VSLSigns", 1) \
    X(RWSigns, rwSigns, "Speed", "RWSigns", 1) \
    X(RSL, rsl, "Speed", "RSL", 1) \
    X(RWL, rwl, "Speed", "RWL", 1) \
    X(VSlow, vSlow, "Speed", "VSlow", 0) \
    X(Breakdowns, breakdowns, "Speed", "Breakdowns", 1) \
    X(Gatso, gatso, "Speed", "Gatso", 1) \
    X(Wandering, wandering, "Timed", "Wandering", 3) \
    X(Traffic, traffic, "Timed", "Traffic", 1) \
    X(Annotate, annotate, "Timed", "Annotate", 0) \
    X(DayLight, dayLight, "Timed", "DayLight", 1) \
    X(Legend, legend, "Timed", "Legend", 1) \
    X(TLoff, tlOff, "Timed", "TLoff", 0) \
    X(TLauto, tlAuto, "Timed", "TLauto", 1) \
    X(BHols, bHols, "Timed", "BHols", 1) \
    X(PeakTL, peakTL, "Timed", "PeakTL", 1) \
    X(DynRW, dynRW, "Timed", "DynRW", 1) \
    X(VaryTrains, varyTrains, "Timed", "VaryTrains", 1) \
    X(RndIntvl, rndIntvl, "Custom", "RndIntvl", 5) \
    X(BkDownNo, bkDownNo, "Custom", "BkDownNo", 2) \
    X(CarInc, carInc, "Custom", "CarInc", 10) \
    X(LVM, lvm, "Custom", "LVM", 2) \
    X(SLPercent, slPercent, "Custom", "SLPercent", 20) \
    X(VSLBusy, vslBusy, "Custom", "VSLBusy", 40) \
    X(Carrs, carrs, "Custom", "Carrs", 4) \
    X(Faster, faster, "Custom", "Faster", 120) \
    X(Slower, slower, "Custom", "Slower", 35) \
    X(StnWait, stnWait, "Custom", "StnWait", 20) \
    X(ParkWait, parkWait, "Custom", "ParkWait", 240) \
    X(WanderIntvl, wanderIntvl, "Timers", "WanderIntvl", 8) \
    X(LongIntvl, longIntvl, "Timers", "LongIntvl", 15) \
    X(AnnotIntvl, annotIntvl, "Timers", "AnnotIntvl", 2) \
    X(DrawIntvl, drawIntvl, "Timers", "DrawIntvl", 3) \
    X(TLightIntvl, tLightIntvl, "Timers", "TLightIntvl", 3) \
    X(SimClkIntvl, simClkIntvl, "Timers", "SimClkIntvl", 50) \
    X(FlashIntvl, flashIntvl, "Timers", "FlashIntvl", 5) \
    X(SunUpDown, sunUpDown, "Timers", "SunUpDown", 3601140) \
    X(RushAm, rushAm, "Timers", "RushAm", 3000540) \
    X(RushPm, rushPm, "Timers", "RushPm", 9001140) \
    X(WanderDist, wanderDist, "Params", "WanderDist", 1) \
    X(WanderZoom, wanderZoom, "Params", "WanderZoom", 2) \
    X(Dimming, dimming, "Params", "Dimming", 50) \
    X(Dusk, dusk, "Params", "Dusk", 15) \
    X(RThresh, rThresh, "Params", "RThresh", 70) \
    X(SignSize, signSize, "Params", "SignSize", 35) \
    X(Accel, accel, "Params", "Accel", 5) \
    X(Advanced, advanced, "Params", "Advanced", 0) \
    X(PolyThresh, polyThresh, "Design", "PolyThresh", 30) \
    X(CarLen, carLen, "Design", "CarLen", 200) \
    X(Glow, glow, "Design", "Glow", 15) \
    X(CarWid, carWid, "Design", "CarWid", 40) \
    X(LanWid, lanWid, "Design", "LanWid", 130) \
    X(ProcCorr, procCorr, "Design", "ProcCorr", 5) \
    X(HCorr, hCorr, "Design", "HCorr", 10) \
    X(VCorr, vCorr, "Design", "VCorr", 10) \
    X(ACorr, aCorr, "Design", "ACorr", 10) \
    X(PrePop, prePop, "Design", "PrePop", 400) \
    X(Debug, debug, "Design", "Debug", 0) \
    X(Random, randomMask, "Random", "Random", 0x1fffff) \
    X(RndSettings, rndSettings, "Random", "RndSettings", 0x7ffff) \
    X(RndBack, rndBack, "Random", "RndBack", 71) \
    X(BackCol0, backCol0, "Random", "BackCol0", 0x007000) \
    X(BackCol1, backCol1, "Random", "BackCol1", 0x505050) \
    X(BackCol2, backCol2, "Random", "BackCol2", 0x406070) \
    X(BackCol3, backCol3, "Random", "BackCol3", 0x00A000) \
    X(BackCol4, backCol4, "Random", "BackCol4", 0x404080) \
    X(BackCol5, backCol5, "Random", "BackCol5", 0x808080) \
    X(BackCol6, backCol6, "Random", "BackCol6", 0x202020) \
    X(Running, running, "Settings", "Running", 0) \
    X(LastNet, lastNet, "Settings", "LastNet", 14) \
    X(Pro, pro, "Settings", "Pro", 0) \
    X(DebugOn, debugOn, "Settings", "DebugOn", 1) \
    X(TestLayouts, testLayouts, "Settings", "TestLayouts", 0) \
    X(Preview, preview, "Settings", "Preview", 0) \
    X(PPageLast, pPageLast, "Settings", "PPageLast", 0) \
    X(CurrentVersion, currentVersion, "Version", "Current Version", 100) \
    X(Date, date, "Version", "Date", 0) \
    X(Release, release, "Version", "Release", 2) \
    X(CurrentUpdate, currentUpdate, "Version", "Current Update", 0) \
    X(PreviousVersion, previousVersion, "Version", "Previous Version", 0) \
    X(SuppressFirst, suppressFirst, "Version", "Suppress First", 0) \
    X(SuppressReminder, suppressReminder, "Version", "Suppress Reminder", 1) \
    X(Elapsed, elapsed, "Counters", "Elapsed", 0) \
    X(Jamlogs, jamlogs, "Counters", "Jamlogs", 0) \
    X(Reliefs, reliefs, "Counters", "Reliefs", 0) \
    X(Longest, longest, "Counters", "Longest", 0)
// clang-format on
