// The xcb side of host mode: geometry, ConfigureNotify and DestroyNotify, strips of put-image, and the SIGTERM
// path through a self-pipe so that the flush runs on the user-interface thread.
#include "app/HostWindow.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include "app/CDrawWnd.h"

namespace jamlog {

namespace {
constexpr int frameMs = 40; // the window is refreshed 25 times a second
constexpr uint32_t requestHeaderBytes = 64;
int signalPipe[2] = {-1, -1};
volatile std::sig_atomic_t termReceived = 0;

void onTerm(int) {
    termReceived = 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}
} // namespace

HostWindow::HostWindow(uint32_t id) {
    int screenNumber = 0;
    connection = xcb_connect(nullptr, &screenNumber);
    if (connection == nullptr || xcb_connection_has_error(connection)) {
        error_ = "jamlog: cannot open the X display";
        return;
    }
    if (id == 0) {
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (int i = 0; i < screenNumber && it.rem; ++i)
            xcb_screen_next(&it);
        id = it.data->root;
    }
    window = id;
    xcb_generic_error_t* err = nullptr;
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), &err);
    if (g == nullptr) {
        char text[96];
        std::snprintf(text, sizeof text, "jamlog: no window 0x%x on the display", window);
        error_ = text;
        free(err);
        return;
    }
    w = g->width;
    h = g->height;
    depth = g->depth;
    free(g);
    maxRequestBytes = xcb_get_maximum_request_length(connection) * 4;
    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
    gc = xcb_generate_id(connection);
    xcb_create_gc(connection, gc, window, 0, nullptr);
    xcb_flush(connection);
}

HostWindow::~HostWindow() {
    if (connection != nullptr)
        xcb_disconnect(connection);
}

void HostWindow::attach(CDrawWnd& v) {
    view = &v;
    notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection), QSocketNotifier::Read);
    connect(notifier.get(), &QSocketNotifier::activated, this, [this] { readEvents(); });
    connect(&frames, &QTimer::timeout, this, [this] { putFrame(); });
    frames.start(frameMs);
}

void HostWindow::readEvents() {
    while (xcb_generic_event_t* e = xcb_poll_for_event(connection)) {
        const uint8_t type = e->response_type & 0x7F;
        if (type == XCB_CONFIGURE_NOTIFY) {
            auto* c = reinterpret_cast<xcb_configure_notify_event_t*>(e);
            if (c->window == window && (c->width != w || c->height != h)) {
                w = c->width;
                h = c->height;
                view->resize(w, h);
            }
        } else if (type == XCB_DESTROY_NOTIFY) {
            free(e);
            view->close();
            QCoreApplication::quit();
            return;
        }
        free(e);
    }
    if (xcb_connection_has_error(connection)) {
        view->close();
        QCoreApplication::quit();
    }
}

// The back buffer (and the legend, which has no window of its own here) in strips that fit one request.
void HostWindow::putFrame() {
    if (view == nullptr || w < 1 || h < 1)
        return;
    QImage frame = view->composedFrame().convertToFormat(QImage::Format_RGB32);
    if (frame.width() != w || frame.height() != h)
        return; // a resize is on its way
    const uint32_t stride = static_cast<uint32_t>(frame.bytesPerLine());
    const int rows = std::max(1, static_cast<int>((maxRequestBytes - requestHeaderBytes) / stride));
    for (int y = 0; y < h; y += rows) {
        const int n = std::min(rows, h - y);
        xcb_put_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, gc, static_cast<uint16_t>(w),
                      static_cast<uint16_t>(n), 0, static_cast<int16_t>(y), 0, static_cast<uint8_t>(depth),
                      stride * static_cast<uint32_t>(n), frame.constScanLine(y));
    }
    xcb_flush(connection);
    readEvents();
}

void dieBySignalAfterFlush(CDrawWnd& view, std::function<void()> flush) {
    if (::pipe(signalPipe) != 0)
        return;
    ::fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);
    auto* n = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &view);
    QObject::connect(n, &QSocketNotifier::activated, &view, [flush = std::move(flush)] {
        flush();
        std::signal(SIGTERM, SIG_DFL);
        std::raise(SIGTERM);
    });
    struct sigaction sa {};
    sa.sa_handler = onTerm;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGTERM, &sa, nullptr);
}

void dieIfSignalled() {
    if (termReceived == 0)
        return;
    std::signal(SIGTERM, SIG_DFL);
    std::raise(SIGTERM);
}

} // namespace jamlog
