// The program's icon, drawn rather than shipped: a stretch of road with two cars on the grass.
#pragma once
#include <QPixmap>

namespace jamlog {

QPixmap programIcon(int size);

} // namespace jamlog
