// Drawing the program's icon.
#include "app/dialog/ProgramIcon.h"

#include <QPainter>

namespace jamlog {

QPixmap programIcon(int size) {
    QPixmap p(32, 32);
    p.fill(QColor(0, 112, 0));
    QPainter g(&p);
    g.fillRect(0, 10, 32, 12, QColor(128, 128, 128));
    g.setPen(QPen(Qt::white, 1, Qt::DashLine));
    g.drawLine(0, 16, 32, 16);
    g.fillRect(6, 11, 9, 4, QColor(200, 0, 0));
    g.fillRect(19, 17, 9, 4, QColor(230, 200, 0));
    g.end();
    return size == 32 ? p : p.scaled(size, size);
}

} // namespace jamlog
