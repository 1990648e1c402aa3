// Copying the drawing options out of the settings record, and the colours derived from B.
#include "render/DrawState.h"

#include "settings/SettingsRecord.h"

namespace jamlog {

Colour tarmacOf(int tarmac) {
    static constexpr Colour colours[3] = {0x808080, 0x303030, 0x708C8C};
    return colours[tarmac < 0 || tarmac > 2 ? 0 : tarmac];
}

void DrawState::refreshColours() {
    lampTint = streetTint(brightness, set.stLights != 0);
    tarmacColour = tarmacOf(set.tarmac);
    backColour = dim(set.backCol, brightness);
}

RenderSettings renderSettingsFrom(const SettingsRecord& r) {
    RenderSettings s;
    struct Field {
        int RenderSettings::*field;
        const char* section;
        const char* name;
    };
    static constexpr Field fields[] = {
        {&RenderSettings::studs, "Screen", "Studs"},
        {&RenderSettings::shadows, "Screen", "Shadows"},
        {&RenderSettings::tlState, "Screen", "TLState"},
        {&RenderSettings::bevel, "Screen", "Bevel"},
        {&RenderSettings::noMM, "Screen", "NoMM"},
        {&RenderSettings::stLights, "Screen", "StLights"},
        {&RenderSettings::tarmac, "Screen", "Tarmac"},
        {&RenderSettings::rails, "Screen", "Rails"},
        {&RenderSettings::weather, "Screen", "Weather"},
        {&RenderSettings::brake, "Effects", "Brake"},
        {&RenderSettings::fire, "Effects", "Fire"},
        {&RenderSettings::mouse, "Effects", "Mouse"},
        {&RenderSettings::canMse, "Config", "CanMse"},
        {&RenderSettings::night, "Effects", "Night"},
        {&RenderSettings::dimming, "Params", "Dimming"},
        {&RenderSettings::dusk, "Params", "Dusk"},
        {&RenderSettings::signSize, "Params", "SignSize"},
        {&RenderSettings::polyThresh, "Design", "PolyThresh"},
        {&RenderSettings::glow, "Design", "Glow"},
        {&RenderSettings::carWid, "Design", "CarWid"},
        {&RenderSettings::lanWid, "Design", "LanWid"},
        {&RenderSettings::hCorr, "Design", "HCorr"},
        {&RenderSettings::vCorr, "Design", "VCorr"},
        {&RenderSettings::aCorr, "Design", "ACorr"},
        {&RenderSettings::advanced, "Params", "Advanced"},
        {&RenderSettings::debug, "Design", "Debug"},
        {&RenderSettings::storedDebug, "Design", "Debug"},
        {&RenderSettings::pro, "Settings", "Pro"},
        {&RenderSettings::slSigns, "Speed", "SLSigns"},
        {&RenderSettings::vslSigns, "Speed", "VSLSigns"},
        {&RenderSettings::rwSigns, "Speed", "RWSigns"},
        {&RenderSettings::rsl, "Speed", "RSL"},
        {&RenderSettings::vsl, "Speed", "VSL"},
        {&RenderSettings::rwl, "Speed", "RWL"},
        {&RenderSettings::gatso, "Speed", "Gatso"},
        {&RenderSettings::wandering, "Timed", "Wandering"},
        {&RenderSettings::annotate, "Timed", "Annotate"},
        {&RenderSettings::dayLight, "Timed", "DayLight"},
        {&RenderSettings::legend, "Timed", "Legend"},
        {&RenderSettings::peakTL, "Timed", "PeakTL"},
        {&RenderSettings::dynRW, "Timed", "DynRW"},
        {&RenderSettings::wanderDist, "Params", "WanderDist"},
        {&RenderSettings::wanderZoom, "Params", "WanderZoom"},
        {&RenderSettings::wanderIntvl, "Timers", "WanderIntvl"},
        {&RenderSettings::updSpd, "Screen", "UpdSpd"},
        {&RenderSettings::factor, "Config", "Factor"},
        {&RenderSettings::procCorr, "Design", "ProcCorr"},
        {&RenderSettings::faster, "Custom", "Faster"},
        {&RenderSettings::slower, "Custom", "Slower"},
        {&RenderSettings::accel, "Params", "Accel"},
        {&RenderSettings::esl, "Speed", "ESL"},
    };
    for (const Field& f : fields)
        s.*(f.field) = r.get(f.section, f.name);
    s.backCol = static_cast<Colour>(r.get("Random", "BackCol0"));
    return s;
}

} // namespace jamlog
