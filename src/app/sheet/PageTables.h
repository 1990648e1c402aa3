// The nine page descriptions, each defined with its own family of pages.
#pragma once
#include "app/sheet/PageRows.h"

namespace jamlog {

extern const PageSpec screenPage, timedPage, effectsPage, speedPage, randomPage;
extern const PageSpec customPage, timersPage, paramsPage, designPage;

} // namespace jamlog
