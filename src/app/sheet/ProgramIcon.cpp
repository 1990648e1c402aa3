// A grass square with a two-lane road and two cars: the icon, and the larger picture of the pages.
#include "app/sheet/ProgramIcon.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace jamlog {

namespace {
constexpr int badgeSize = 56;

QPixmap roadPicture(int size) {
    QPixmap p(size, size);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const qreal u = size / 16.0;
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0x00, 0x70, 0x00));
    g.drawRoundedRect(QRectF(0, 0, size, size), 2 * u, 2 * u);
    g.setBrush(QColor(0x80, 0x80, 0x80));
    g.drawRect(QRectF(0, 5 * u, size, 6 * u));
    g.setPen(QPen(Qt::white, u / 2, Qt::DashLine));
    g.drawLine(QPointF(0, 8 * u), QPointF(size, 8 * u));
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0xD0, 0x20, 0x20));
    g.drawRoundedRect(QRectF(2 * u, 5.7 * u, 5 * u, 1.8 * u), u / 2, u / 2);
    g.setBrush(QColor(0xF0, 0xC0, 0x20));
    g.drawRoundedRect(QRectF(9 * u, 8.5 * u, 5 * u, 1.8 * u), u / 2, u / 2);
    return p;
}
} // namespace

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(roadPicture(size));
    return icon;
}

QWidget* smartFeaturesBadge(QWidget* parent) {
    auto* badge = new QWidget(parent);
    auto* layout = new QVBoxLayout(badge);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* picture = new QLabel;
    picture->setPixmap(roadPicture(badgeSize));
    picture->setAlignment(Qt::AlignCenter);
    auto* caption = new QLabel("Jamlog Smart Features");
    caption->setAlignment(Qt::AlignCenter);
    QFont f = caption->font();
    f.setBold(true);
    caption->setFont(f);
    layout->addWidget(picture);
    layout->addWidget(caption);
    return badge;
}

} // namespace jamlog
