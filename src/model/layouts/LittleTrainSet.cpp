// PLACEHOLDER: replaced by the routine that builds this layout.
#include "model/layouts/Layouts.h"

namespace jamlog {

void buildLittleTrainSet(Builder&, LayoutArgs&) {}

} // namespace jamlog
