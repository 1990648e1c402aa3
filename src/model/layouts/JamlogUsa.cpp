// PLACEHOLDER: replaced by the routine that builds this layout.
#include "model/layouts/Layouts.h"

namespace jamlog {

void buildJamlogUsa(Builder&, LayoutArgs&) {}

} // namespace jamlog
