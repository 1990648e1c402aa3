// The process behind the Running marker. A nonzero marker is stored with the id of the process that set it, so that
// a later start can put back to idle a marker whose process was killed before it could clear it (a marker left
// behind would otherwise keep every later saver from cycling layouts and showing its splash).
#pragma once
#include <cstdint>

#include "settings/ProfileStore.h"

namespace jamlog {

struct ProcessIdentity {
    int32_t self = 0;
    bool (*alive)(int32_t id) = nullptr; // whether a process of that id still runs
};

// Installed once at start by the program; until then markers carry no owner and none is repaired.
void setProcessIdentity(const ProcessIdentity& identity);

// Records this process as the owner of the marker it is writing (writeRunning does so for every nonzero value).
void recordRunningOwner(ProfileStore& store);

// A nonzero marker whose recorded owner no longer runs becomes idle; true when it did. A marker without an owner
// (from a version that kept none) is left as it is.
bool repairRunning(ProfileStore& store);

} // namespace jamlog
