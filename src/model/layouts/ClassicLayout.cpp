// PLACEHOLDER: replaced by the routine that builds this layout.
#include "model/layouts/Layouts.h"

namespace jamlog {

void buildClassicLayout(Builder&, LayoutArgs&) {}

} // namespace jamlog
