// What the layout routines of this folder share. Each routine is declared where the catalogue names it, in
// model/LayoutCatalogue.cpp.
#pragma once
#include "model/LayoutRoutine.h"

namespace jamlog {

// A layout's extent in model units, named field by field.
struct Extent {
    int32_t minX, minY, maxX, maxY;
};
inline void setExtent(NetworkModel& m, const Extent& e) {
    m.extentMinX = e.minX;
    m.extentMinY = e.minY;
    m.extentMaxX = e.maxX;
    m.extentMaxY = e.maxY;
}

} // namespace jamlog
