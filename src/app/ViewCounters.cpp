// Booking a view's run numbers.
#include "app/ViewCounters.h"

namespace jamlog {

void ViewCounters::book(const RunState& st, bool smallWindow, bool final) {
    if (closed)
        return;
    closed = final;
    counters.setSmallWindow(smallWindow);
    counters.flush(RunNumbers{st.minuteCount, st.jams, st.reliefMinutes}, st.layout, final);
}

} // namespace jamlog
