// PLACEHOLDER: replaced by the train laying.
#include "model/InitialRecords.h"

namespace jamlog {

void initialiseTrains(NetworkModel&, Rng&, int, int, int, int, int, int) {}

} // namespace jamlog
