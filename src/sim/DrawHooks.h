// What the simulation asks of the view: drawing around each vehicle step and redraws after events, and the
// view-level events of a run. The empty implementations serve headless runs.
#pragma once

namespace jamlog {

class DrawHooks {
public:
    virtual ~DrawHooks() = default;
    virtual void eraseVehicle(int /*number*/) {}          // before the vehicle's step, at its old place
    virtual void drawVehicle(int /*number*/) {}           // after the step, from its draw record
    virtual void redrawView() {}                          // the whole network and vehicles
    virtual void redrawRoad(int /*road*/) {}              // roadworks laid or lifted
    virtual void flashPhaseChanged(int /*flashPhase*/) {} // every flash tick: lamps that flash follow it
    virtual void drawRoadworksLamps(int /*flashPhase*/) {}
    virtual void drawSigns() {} // limit and roadworks signs on every road
    virtual void drawTrainLamps() {}
    virtual void lightLevelChanged() {} // legend background and street-light glow follow the level
    virtual void refreshLegend() {}
};

class RunEvents {
public:
    virtual ~RunEvents() = default;
    virtual void timersChanged() {}               // the layout changed: kill and set every timer anew
    virtual void heartbeatChanged() {}            // an automatic reset of the same layout: timer 1 only
    virtual void saveCounters() {}                // before random cycling moves on
    virtual void layoutShown(bool /*flipped*/) {} // a new layout was started by the next-layout command
};

} // namespace jamlog
