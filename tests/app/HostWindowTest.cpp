// Host mode: a window that is not there is refused (one line, exit status 2, no settings written); each frame
// sends only what changed and the window ends up showing the frame, also on a real X display when there is one.
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <memory>
#include <random>

#include "ManualWindow.h"
#include "app/CSaverApp.h"
#include "app/HostWindow.h"
#include "sim/TimerTable.h"

using namespace jamlog;

TEST(HostWindow, AMissingWindowIsRefusedBeforeAnythingIsWritten) {
    const uint32_t missing = 0x7FFFFFF0;
    HostWindow host(missing);
    EXPECT_FALSE(host.ok());
    EXPECT_FALSE(host.error().empty());
    EXPECT_EQ(host.error().find('\n'), std::string::npos);

    const QString store = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/Brindle's Registry Bits";
    QDir(store).removeRecursively();
    char name[] = "jamlog";
    char* argv[] = {name, nullptr};
    for (RunMode mode : {RunMode::host, RunMode::preview}) {
        CommandLine c;
        c.mode = mode;
        c.windowId = missing;
        EXPECT_EQ(runSaverApp(c, 1, argv), 2);
    }
    EXPECT_FALSE(QDir(store).exists()) << "nothing written";
}

namespace {

struct EmbeddedView {
    MemoryProfileStore store;
    std::unique_ptr<CDrawWnd> w;
    QImage screen; // what a host's window shows after the changes taken so far
    EmbeddedView(int debug, bool withLegend, int width = 800, int height = 500) {
        storeLayout(store, 0, debug);
        w = std::make_unique<CDrawWnd>(store, manualOptions(withLegend, true));
        w->resize(width, height);
        w->show();
        screen = QImage(width, height, QImage::Format_RGB32);
        screen.fill(Qt::magenta);
    }
    // Takes the changes and applies them as the host does: the shown pixels move, then the region is copied.
    FrameChanges send() {
        const FrameChanges c = w->takeFrameChanges();
        QPainter p(&screen);
        if (!c.all && (c.dx != 0 || c.dy != 0))
            p.drawImage(QPoint(c.dx, c.dy), screen.copy());
        for (const QRect& r : c.all ? QRegion(screen.rect()) : c.region) {
            QImage part(r.size(), QImage::Format_RGB32);
            w->copyFrame(r, reinterpret_cast<uint32_t*>(part.bits()));
            p.drawImage(r.topLeft(), part);
        }
        return c;
    }
};

} // namespace

TEST(HostFrames, OnlyTheChangesAreSentAndTheyRebuildTheFrame) {
    EmbeddedView v(0, false);
    EXPECT_TRUE(v.send().all) << "the first frame";
    EXPECT_TRUE(v.send().empty()) << "an idle frame sends nothing";

    v.w->dirtyTiles().mark(40, 40, 70, 45);
    v.w->onTimer(timerUpkeep); // draws nothing of its own
    FrameChanges c = v.send();
    EXPECT_FALSE(c.all);
    EXPECT_EQ(c.region, QRegion(32, 32, 64, 32)) << "exactly the tiles drawn on";

    // Moves, wander steps and frames in every order: the window always ends up showing the frame.
    std::mt19937 rng(5);
    int moved = 0;
    for (int i = 0; i < 120; ++i) {
        const int pick = std::uniform_int_distribution<int>(0, 5)(rng);
        if (pick <= 2) {
            v.w->onTimer(timerMove);
        } else if (pick == 3) {
            v.w->onTimer(timerWander);
        } else {
            c = v.send();
            moved += c.dx != 0 || c.dy != 0;
            ASSERT_FALSE(c.all) << "step " << i;
            int area = 0;
            for (const QRect& r : c.region)
                area += r.width() * r.height();
            ASSERT_LT(area, 800 * 500 / 4) << "step " << i;
            ASSERT_EQ(v.screen, v.w->composedFrame()) << "step " << i;
        }
    }
    EXPECT_GT(moved, 3) << "layout 0 wanders in an 800 x 500 window";
    v.w->redrawAll();
    EXPECT_TRUE(v.send().all);
}

TEST(HostFrames, AWanderStepMovesTheWindowAndSendsTheStrips) {
    EmbeddedView v(hideVehicles, false);
    v.send();
    View& view = v.w->view();
    const int x0 = view.originX, y0 = view.originY;
    v.w->onTimer(timerWander);
    v.w->onTimer(timerWander);
    const FrameChanges c = v.send();
    const int dx = view.originX - x0, dy = view.originY - y0;
    ASSERT_TRUE(dx != 0 || dy != 0);
    EXPECT_EQ(c.dx, dx);
    EXPECT_EQ(c.dy, dy);
    const QRect all(0, 0, 800, 500);
    EXPECT_EQ(c.region, QRegion(all) - all.translated(dx, dy)) << "two steps, one move and their strips";
    EXPECT_EQ(v.screen, v.w->composedFrame());
}

// The legend is part of a host's frame: shown, moved by a wander step, changed and hidden, it is sent each time.
TEST(HostFrames, TheLegendIsSentWhenItChanges) {
    EmbeddedView v(hideVehicles, true);
    v.send();
    v.w->setLegendVisible(false);
    v.send();
    ASSERT_EQ(v.screen, v.w->backBuffer());
    v.w->showLegendFirstTime();
    v.w->relayoutLegend();
    QApplication::processEvents(); // the legend's place
    FrameChanges c = v.send();
    ASSERT_NE(v.w->composedFrame(), v.w->backBuffer()) << "the legend is drawn into the frame";
    EXPECT_FALSE(c.all);
    EXPECT_FALSE(c.region.isEmpty());
    EXPECT_EQ(v.screen, v.w->composedFrame());
    EXPECT_TRUE(v.send().empty()) << "an unchanged legend is not sent again";

    for (int i = 0; i < 4; ++i) {
        v.w->onTimer(timerWander);
        v.w->onTimer(timerAnnotations);
        if (i == 2) {
            v.w->onTimer(timerMinute);
            v.w->relayoutLegend(); // the next corner, a minute on
            QApplication::processEvents();
            const QRect corner = v.send().region.boundingRect();
            ASSERT_GT(corner.width(), 400) << "the legend left one corner for another";
        }
        v.send();
        ASSERT_EQ(v.screen, v.w->composedFrame()) << "step " << i;
    }
    v.w->setLegendVisible(false);
    v.send();
    EXPECT_EQ(v.screen, v.w->composedFrame());
    EXPECT_EQ(v.screen, v.w->backBuffer());
}

namespace {

// A window of the test's own on the X display, magenta until drawn on.
struct XWindow {
    xcb_connection_t* c;
    xcb_window_t id = 0;
    XWindow(xcb_connection_t* connection, int x, int y, int width, int height) : c(connection) {
        xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        id = xcb_generate_id(c);
        const uint32_t values[] = {0xFF00FF, 1, XCB_EVENT_MASK_EXPOSURE};
        xcb_create_window(c, XCB_COPY_FROM_PARENT, id, screen->root, static_cast<int16_t>(x), static_cast<int16_t>(y),
                          static_cast<uint16_t>(width), static_cast<uint16_t>(height), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          screen->root_visual, XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK,
                          values);
        xcb_map_window(c, id);
        xcb_flush(c);
        while (xcb_generic_event_t* e = xcb_wait_for_event(c)) {
            const bool exposed = (e->response_type & 0x7F) == XCB_EXPOSE;
            free(e);
            if (exposed)
                break;
        }
    }
    ~XWindow() {
        xcb_destroy_window(c, id);
        xcb_flush(c);
    }
    // The pixels of the window that differ from `frame`.
    int differences(const QImage& frame) const {
        xcb_get_image_reply_t* r = xcb_get_image_reply(c,
                                                       xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, id, 0, 0,
                                                                     static_cast<uint16_t>(frame.width()),
                                                                     static_cast<uint16_t>(frame.height()), ~0u),
                                                       nullptr);
        if (r == nullptr)
            return -1;
        const auto* shown = reinterpret_cast<const uint32_t*>(xcb_get_image_data(r));
        int n = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                n += ((*shown++ ^ frame.pixel(x, y)) & 0xFFFFFF) != 0;
        free(r);
        return n;
    }
};

// The host's requests travel on a connection of their own: the window is read until it shows the frame.
int settledDifferences(HostWindow& host, CDrawWnd& view, const XWindow& window) {
    int n = -1;
    for (int i = 0; i < 50 && n != 0; ++i) {
        QApplication::processEvents();
        host.sendFrame();
        n = window.differences(view.composedFrame());
        if (n != 0)
            QThread::msleep(40);
    }
    return n;
}

} // namespace

// On the virtual X server of the end-to-end run (which names it in JAMLOG_TEST_X_SERVER, so that the test never
// puts windows on a user's desktop): after ticks, wander steps and a window laid over the host's window and taken
// away, the window shows exactly the frame.
TEST(HostScreen, TheWindowShowsTheFrameAfterMovesAndCovers) {
    if (qEnvironmentVariableIsEmpty("JAMLOG_TEST_X_SERVER") || qgetenv("JAMLOG_TEST_X_SERVER") != qgetenv("DISPLAY"))
        GTEST_SKIP() << "runs under tests/xvfb/host_window.sh";
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        GTEST_SKIP() << "the X display does not answer";
    }
    {
        XWindow window(c, 0, 0, 800, 500);
        HostWindow host(window.id);
        ASSERT_TRUE(host.ok()) << host.error();
        EmbeddedView v(hideVehicles, true, host.width(), host.height());
        host.attach(*v.w);
        EXPECT_EQ(settledDifferences(host, *v.w, window), 0) << "the first frame";

        View& view = v.w->view();
        const int x0 = view.originX, y0 = view.originY;
        for (int i = 0; i < 6; ++i) {
            v.w->onTimer(timerWander);
            host.sendFrame();
        }
        ASSERT_TRUE(view.originX != x0 || view.originY != y0) << "layout 0 wanders in an 800 x 500 window";
        EXPECT_EQ(settledDifferences(host, *v.w, window), 0) << "after wander steps";

        // Copies whose source lies under another window, and the window's pixels it leaves behind.
        {
            XWindow cover(c, 150, 100, 300, 200);
            for (int i = 0; i < 6; ++i) {
                v.w->onTimer(timerWander);
                host.sendFrame();
                QApplication::processEvents();
            }
        }
        EXPECT_EQ(settledDifferences(host, *v.w, window), 0) << "after a cover came and went";
    }
    xcb_disconnect(c);
}
