// The dispatcher's build parameters taken from a settings record.
#pragma once
#include "model/BuildLayout.h"
#include "settings/SettingsRecord.h"

namespace jamlog {

// Every build input of the record for layout `layout`, without the random flip.
BuildParams buildParamsFrom(const SettingsRecord& s, int layout);

} // namespace jamlog
