// The stored values outside the settings table: the version strings written at every start, the legend's font
// metrics and the process behind the run-mode marker. Each has its section and name here only, and is read and
// written by its id.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/ProfileStore.h"

namespace jamlog {

enum class StoredText { ExeName, DisplayVersion, DisplayDate, ExtraKit };
enum class StoredMetric { FontHeight, FontWidth, RunningOwner };

// The text shown where a version string was never stored.
constexpr std::string_view unknownText = "Unknown";

std::string readStoredText(ProfileStore& store, StoredText t, std::string_view absent = unknownText);
void writeStoredText(ProfileStore& store, StoredText t, const std::string& value);

int32_t readStoredMetric(ProfileStore& store, StoredMetric m, int32_t absent);
void writeStoredMetric(ProfileStore& store, StoredMetric m, int32_t value);

} // namespace jamlog
