// The Running marker's owner and the repair of a marker left behind.
#include "settings/RunningOwner.h"

#include "settings/SettingBits.h"
#include "settings/StoredSetting.h"
#include "settings/StoredText.h"

namespace jamlog {

namespace {
ProcessIdentity identity;
constexpr int32_t noOwner = 0;
} // namespace

void setProcessIdentity(const ProcessIdentity& ids) {
    identity = ids;
}

void recordRunningOwner(ProfileStore& store) {
    if (identity.alive != nullptr)
        writeStoredMetric(store, StoredMetric::RunningOwner, identity.self);
}

bool repairRunning(ProfileStore& store) {
    if (identity.alive == nullptr || readStored(store, Setting::Running) == runningIdle)
        return false;
    const int32_t owner = readStoredMetric(store, StoredMetric::RunningOwner, noOwner);
    if (owner == noOwner || owner == identity.self || identity.alive(owner))
        return false;
    writeStored(store, Setting::Running, runningIdle);
    return true;
}

} // namespace jamlog
