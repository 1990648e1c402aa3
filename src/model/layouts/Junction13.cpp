// PLACEHOLDER: replaced by the routine that builds this layout.
#include "model/layouts/Layouts.h"

namespace jamlog {

void buildJunction13(Builder&, LayoutArgs&) {}

} // namespace jamlog
