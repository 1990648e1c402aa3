// The view window under the offscreen platform: a layout is painted and moves; the saver's ending rules.
#include <QTemporaryDir>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <gtest/gtest.h>
#include <set>

#include "app/CSaverApp.h"
#include "app/CSaverWnd.h"
#include "app/CSplashWnd.h"
#include "sim/TimerTable.h"

using namespace jamlog;

namespace {

CDrawWnd::Options manual() {
    CDrawWnd::Options o;
    o.seed = 5;
    o.startTimers = false;
    return o;
}

size_t coloursIn(const QImage& image) {
    std::set<QRgb> seen;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            seen.insert(image.pixel(x, y));
    return seen.size();
}

void sendMove(QWidget& w, int x, int y) {
    QMouseEvent e(QEvent::MouseMove, QPointF(x, y), w.mapToGlobal(QPointF(x, y)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

void sendPress(QWidget& w, Qt::MouseButton b) {
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(20, 20), w.mapToGlobal(QPointF(20, 20)), b, b, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

struct Saver {
    MemoryProfileStore store;
    std::unique_ptr<CSaverWnd> w;
    explicit Saver(bool full, int canMse = 1) {
        store.WriteProfileInt("Config", "CanMse", canMse);
        w = std::make_unique<CSaverWnd>(store, manual(), full);
        w->resize(640, 400);
        QCursor::setPos(5000, 5000); // outside: showing the window gives it no first position
        w->show();
        QApplication::processEvents();
    }
    bool closedAfterEvents() {
        QApplication::processEvents();
        return !w->isVisible();
    }
};

} // namespace

TEST(DrawWindow, PaintsALayoutAndMovesItsVehicles) {
    MemoryProfileStore store;
    CDrawWnd w(store, manual());
    w.resize(800, 500);
    w.show();
    QApplication::processEvents();
    const QImage first = w.grab().toImage();
    EXPECT_GT(coloursIn(first), 3u) << "the network is drawn over the background";
    for (int i = 0; i < 40; ++i)
        w.onTimer(timerMove);
    QApplication::processEvents();
    const QImage later = w.grab().toImage();
    EXPECT_NE(first, later) << "vehicles moved on the movement ticks";
    if (HasFailure()) { // the picture is kept for a look only when the test fails
        QTemporaryDir kept;
        kept.setAutoRemove(false);
        later.save(kept.filePath("window.png"));
        ADD_FAILURE() << "picture kept in " << kept.path().toStdString();
    }
    EXPECT_EQ(w.backBuffer().size(), QSize(800, 500));
    w.resize(500, 300); // a resize refits the layout into the new size
    QApplication::processEvents();
    EXPECT_EQ(w.backBuffer().size(), QSize(500, 300));
    EXPECT_GT(coloursIn(w.grab().toImage()), 3u);
    EXPECT_GT(w.timerInterval(timerMove), 0);
    EXPECT_EQ(w.timerInterval(timerUpkeep), 2000);
}

TEST(DrawWindow, CloseBooksTheCountersAndTheLastLayout) {
    MemoryProfileStore store;
    {
        CDrawWnd w(store, manual());
        w.resize(800, 500);
        w.show();
        QApplication::processEvents();
        for (int i = 0; i < 3; ++i)
            w.onTimer(timerMinute);
        w.close();
    }
    EXPECT_EQ(store.GetProfileInt("Counters", "Elapsed", -1), 3);
}

TEST(SaverWindow, MouseMovesEndItBeyond200Pixels) {
    Saver near(true);
    sendMove(*near.w, 100, 100);
    sendMove(*near.w, 200, 200); // 100 right and 100 down: 200
    EXPECT_FALSE(near.closedAfterEvents());
    EXPECT_EQ(near.w->firstMouseX(), 100);
    Saver far(true);
    sendMove(*far.w, 100, 100);
    sendMove(*far.w, 250, 160); // 150 right and 60 down: 210
    EXPECT_TRUE(far.closedAfterEvents());
    // The window appearing under the pointer gives the first position; the first move only counts from there.
    Saver entered(true);
    QEnterEvent enter(QPointF(300, 200), QPointF(300, 200), entered.w->mapToGlobal(QPointF(300, 200)));
    QApplication::sendEvent(entered.w.get(), &enter);
    sendMove(*entered.w, 420, 290); // 120 + 90 from where the pointer rested
    EXPECT_TRUE(entered.closedAfterEvents());
    Saver still(true, 0);
    sendMove(*still.w, 10, 10);
    sendMove(*still.w, 600, 390);
    EXPECT_FALSE(still.closedAfterEvents()) << "CanMse 0: movement never ends the saver";
}

TEST(SaverWindow, KeysAndButtonsEndItButNotTheRightButton) {
    Saver key(true);
    QKeyEvent k(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(key.w.get(), &k);
    EXPECT_TRUE(key.closedAfterEvents());
    Saver middle(true);
    sendPress(*middle.w, Qt::MiddleButton);
    EXPECT_TRUE(middle.closedAfterEvents());
    Saver left(true);
    sendPress(*left.w, Qt::LeftButton); // no left-click menu without Mouse and panning
    EXPECT_TRUE(left.closedAfterEvents());
    Saver right(true);
    QTimer::singleShot(100, [] {
        if (QWidget* menu = QApplication::activePopupWidget())
            menu->close();
    });
    sendPress(*right.w, Qt::RightButton);
    EXPECT_FALSE(right.closedAfterEvents());
}

TEST(SaverWindow, AWindowedViewIgnoresKeysMovesAndButtons) {
    Saver w(false);
    QKeyEvent k(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(w.w.get(), &k);
    sendMove(*w.w, 0, 0);
    sendMove(*w.w, 600, 390);
    sendPress(*w.w, Qt::MiddleButton);
    sendPress(*w.w, Qt::LeftButton);
    EXPECT_FALSE(w.closedAfterEvents());
}

TEST(ConfigurationMessages, ReminderComesByMonth) {
    MemoryProfileStore store;
    store.WriteProfileInt("Version", "Date", 360);
    store.WriteProfileInt("Version", "Release", 3);
    configurationMessages(store, 363, false); // not beyond 360 + 3, reminder suppressed by default
    EXPECT_EQ(store.GetProfileInt("Version", "Date", 0), 360);
    EXPECT_EQ(store.GetProfileInt("Version", "Suppress Reminder", -1), -1);
    EXPECT_EQ(store.GetProfileInt("Version", "Suppress First", -1), 0);
    configurationMessages(store, 364, false);
    EXPECT_EQ(store.GetProfileInt("Version", "Date", 0), 364);
    EXPECT_EQ(store.GetProfileInt("Version", "Suppress Reminder", -1), 0);
    store.WriteProfileInt("Version", "Suppress First", 1);
    store.WriteProfileInt("Version", "Suppress Reminder", 1);
    configurationMessages(store, 365, false);
    EXPECT_EQ(store.GetProfileInt("Version", "Suppress Reminder", -1), 1);
    EXPECT_EQ(store.GetProfileInt("Version", "Date", 0), 364);
}

TEST(Splash, CropsTheSceneEvenlyAndKeepsTheNameInside) {
    // A wide scene: covering the picture cuts its sides off, so a stripe at the far left must not show.
    QImage scene(640, 480, QImage::Format_RGB32);
    scene.fill(QColor(200, 0, 0));
    for (int y = 0; y < scene.height(); ++y)
        for (int x = 0; x < 40; ++x)
            scene.setPixel(x, y, qRgb(0, 0, 200));
    CSplashWnd splash(scene);
    const QImage& p = splash.picture();
    ASSERT_EQ(p.size(), QSize(CSplashWnd::pictureWidth, CSplashWnd::pictureHeight));
    EXPECT_EQ(qBlue(p.pixel(2, 10)), 0) << "the left stripe is cut off, not squeezed in";
    EXPECT_GT(qRed(p.pixel(2, 10)), 150);
    // The name is written in the band at the bottom without touching its ends.
    const QRgb band = p.pixel(1, CSplashWnd::pictureHeight - 3);
    size_t textPixels = 0;
    for (int y = CSplashWnd::pictureHeight - 50; y < CSplashWnd::pictureHeight; ++y) {
        for (int x = 0; x < CSplashWnd::pictureWidth; ++x) {
            const bool text = p.pixel(x, y) != band;
            textPixels += text ? 1 : 0;
            if (x < 4 || x >= CSplashWnd::pictureWidth - 4) {
                EXPECT_FALSE(text) << "the name is cut at the edge, row " << y << " column " << x;
            }
        }
    }
    EXPECT_GT(textPixels, 200u);
}
