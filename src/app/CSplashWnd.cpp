// The splash picture: the layout scaled down, a dark band and the program's name.
#include "app/CSplashWnd.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace jamlog {

namespace {
constexpr int bandHeight = 56;
constexpr int titlePixels = 24, minTitlePixels = 10;
constexpr int titleMargin = 8;
constexpr const char* title = "Jamlog 2010 Screen Saver";
} // namespace

CSplashWnd::CSplashWnd(const QImage& scene)
    : QWidget(nullptr,
              Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput),
      image(pictureWidth, pictureHeight, QImage::Format_RGB32) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    // No input of its own: the pointer's moves and clicks reach the saver beneath it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    image.fill(Qt::black);
    QPainter p(&image);
    if (!scene.isNull()) {
        // Scaled to cover the picture, the overhang cut off evenly on both sides.
        const QImage cover =
            scene.scaled(pictureWidth, pictureHeight, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        p.drawImage(0, 0, cover, (cover.width() - pictureWidth) / 2, (cover.height() - pictureHeight) / 2, pictureWidth,
                    pictureHeight);
    }
    p.fillRect(0, pictureHeight - bandHeight, pictureWidth, bandHeight, QColor(0, 0, 0, 180));
    QFont f("DejaVu Sans");
    f.setBold(true);
    // The largest size up to titlePixels at which the name fits in the band.
    for (int size = titlePixels; size > minTitlePixels; --size) {
        f.setPixelSize(size);
        if (QFontMetrics(f).horizontalAdvance(title) <= pictureWidth - 2 * titleMargin)
            break;
    }
    p.setFont(f);
    p.setPen(QColor(0xF0, 0xD0, 0x40));
    p.drawText(QRect(0, pictureHeight - bandHeight, pictureWidth, bandHeight), Qt::AlignCenter, title);
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
