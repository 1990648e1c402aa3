// The splash picture: the layout scaled down, a dark band and the program's name.
#include "app/CSplashWnd.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace jamlog {

namespace {
constexpr int bandHeight = 56;
constexpr int titlePixels = 24;
} // namespace

CSplashWnd::CSplashWnd(const QImage& scene)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      image(pictureWidth, pictureHeight, QImage::Format_RGB32) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents); // no input of its own
    image.fill(Qt::black);
    QPainter p(&image);
    if (!scene.isNull())
        p.drawImage(
            QRect(0, 0, pictureWidth, pictureHeight),
            scene.scaled(pictureWidth, pictureHeight, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation));
    p.fillRect(0, pictureHeight - bandHeight, pictureWidth, bandHeight, QColor(0, 0, 0, 180));
    QFont f("DejaVu Sans");
    f.setPixelSize(titlePixels);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0xF0, 0xD0, 0x40));
    p.drawText(QRect(0, pictureHeight - bandHeight, pictureWidth, bandHeight), Qt::AlignCenter,
               "Jamlog 2010 Screen Saver");
    p.end();
    setFixedSize(pictureWidth, pictureHeight);
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, image);
}

} // namespace jamlog
