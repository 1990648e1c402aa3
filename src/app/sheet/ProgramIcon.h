// The program's icon and the "Jamlog Smart Features" picture, drawn rather than loaded so that no image file
// has to travel with the program.
#pragma once
#include <QIcon>
#include <QWidget>

namespace jamlog {

QIcon programIcon();

// The picture with its caption, for the top right corner of a page.
QWidget* smartFeaturesBadge(QWidget* parent);

} // namespace jamlog
