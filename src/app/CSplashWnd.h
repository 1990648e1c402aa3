// The splash window: a picture of the first layout with the program's name, shown centred on the primary
// screen when a saver starts; the view's 2-second timer ends it.
#pragma once
#include <QImage>
#include <QWidget>

namespace jamlog {

class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int pictureWidth = 300, pictureHeight = 276; // 200 x 184 dialog units

    // `scene` is the view's picture, scaled into the splash.
    explicit CSplashWnd(const QImage& scene);
    const QImage& picture() const { return image; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image;
};

} // namespace jamlog
