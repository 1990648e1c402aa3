// The xcb side of host mode: geometry, ConfigureNotify and DestroyNotify, copy-area for scrolls, put-image of the
// changed rectangles in strips, the exposures that ask for pixels again, and the SIGTERM path through a self-pipe
// so that the flush runs on the user-interface thread.
#include "app/HostWindow.h"

#include <QCoreApplication>
#include <algorithm>
#include <bit>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include "app/CDrawWnd.h"

namespace jamlog {

namespace {
constexpr int frameMs = 40; // the window is refreshed 25 times a second
constexpr uint32_t requestHeaderBytes = 64;
// The pixels of one image request at most: a whole 4K frame in one request would keep a 16 MB staging buffer for
// the run, while quarter-megabyte requests cost the server nothing more.
constexpr uint32_t largestPutBytes = 256 * 1024;
constexpr size_t maxCopiesAwaited = 64; // far more than can be in flight between two frames
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
    if (!readPixelFormat()) {
        char text[96];
        std::snprintf(text, sizeof text, "jamlog: cannot draw into window 0x%x of depth %d", window, depth);
        error_ = text;
        return;
    }
    maxRequestBytes = std::min(xcb_get_maximum_request_length(connection) * 4, largestPutBytes);
    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_EXPOSURE;
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
    connect(&frames, &QTimer::timeout, this, [this] { sendFrame(); });
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
        } else if (type == XCB_EXPOSE) {
            auto* x = reinterpret_cast<xcb_expose_event_t*>(e);
            if (x->window == window)
                lost(QRect(x->x, x->y, x->width, x->height), x->sequence);
        } else if (type == XCB_GRAPHICS_EXPOSURE) {
            // Parts of a copy's source were not on the screen: their destination holds nothing of them.
            auto* x = reinterpret_cast<xcb_graphics_exposure_event_t*>(e);
            if (x->drawable == window) {
                lost(QRect(x->x, x->y, x->width, x->height), x->sequence);
                copyReported(x->sequence, x->count == 0);
            }
        } else if (type == XCB_NO_EXPOSURE) {
            auto* x = reinterpret_cast<xcb_no_exposure_event_t*>(e);
            if (x->drawable == window)
                copyReported(x->sequence, true);
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

// The frame's changes (the legend included, which has no window of its own here): the move first, then the
// changed rectangles and whatever the server lost.
void HostWindow::sendFrame() {
    if (view == nullptr || w < 1 || h < 1)
        return;
    if (view->backBuffer().width() != w || view->backBuffer().height() != h)
        return readEvents(); // a resize is on its way; the changes wait for it
    const FrameChanges c = view->takeFrameChanges();
    const QRect frame(0, 0, w, h);
    if (view->backBuffer().size() != frame.size()) {
        // Taking the changes caught up with a resize: they are sent whole once the sizes agree again.
        damaged = QRegion(frame);
        return readEvents();
    }
    // Changes and losses gathered before the window shrank may reach beyond it.
    QRegion put = c.all ? QRegion(frame) : c.region & frame;
    if (!c.all && c.moved()) {
        moveShown(c.dx, c.dy);
        damaged += damaged.translated(c.dx, c.dy) & frame;
    }
    put += damaged & frame;
    damaged = QRegion();
    for (const QRect& r : put)
        putRect(r);
    if (!put.isEmpty() || c.moved())
        xcb_flush(connection);
    readEvents();
}

// The window's pixels moved within it by (dx, dy), less than its size (the view sends larger moves as a whole).
void HostWindow::moveShown(int dx, int dy) {
    const QRect frame(0, 0, w, h);
    const QRect to = frame.translated(dx, dy) & frame;
    if (to.isEmpty())
        return;
    const xcb_void_cookie_t cookie =
        xcb_copy_area(connection, window, window, gc, static_cast<int16_t>(to.x() - dx),
                      static_cast<int16_t>(to.y() - dy), static_cast<int16_t>(to.x()), static_cast<int16_t>(to.y()),
                      static_cast<uint16_t>(to.width()), static_cast<uint16_t>(to.height()));
    copies.push_back({static_cast<uint16_t>(cookie.sequence), dx, dy});
    if (copies.size() > maxCopiesAwaited) // every copy is reported; a lost report must not pile up
        copies.pop_front();
}

bool HostWindow::readPixelFormat() {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    mostSignificantFirst = setup->image_byte_order == XCB_IMAGE_ORDER_MSB_FIRST;
    bitsPerPixel = 0;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        if (f.data->depth == depth)
            bitsPerPixel = f.data->bits_per_pixel;
    xcb_get_window_attributes_reply_t* a =
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr);
    if (a == nullptr)
        return false;
    const xcb_visualid_t visual = a->visual;
    free(a);
    for (auto screen = xcb_setup_roots_iterator(setup); screen.rem; xcb_screen_next(&screen))
        for (auto d = xcb_screen_allowed_depths_iterator(screen.data); d.rem; xcb_depth_next(&d))
            for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v))
                if (v.data->visual_id == visual) {
                    redMask = v.data->red_mask;
                    greenMask = v.data->green_mask;
                    blueMask = v.data->blue_mask;
                }
    return bitsPerPixel == 32 || (bitsPerPixel == 16 && redMask != 0 && greenMask != 0 && blueMask != 0);
}

namespace {
// An 8-bit channel into the bits of its mask.
uint32_t channelInto(uint32_t value, uint32_t mask) {
    const int shift = std::countr_zero(mask), bits = std::popcount(mask);
    return ((value >> (8 - std::min(bits, 8))) << shift) & mask;
}
} // namespace

void HostWindow::packShort(const uint32_t* from, size_t count, uint8_t* to) const {
    for (size_t i = 0; i < count; ++i, to += 2) {
        const uint32_t p = from[i];
        const auto v = static_cast<uint16_t>(channelInto((p >> 16) & 0xFF, redMask) |
                                             channelInto((p >> 8) & 0xFF, greenMask) | channelInto(p & 0xFF, blueMask));
        to[mostSignificantFirst ? 0 : 1] = static_cast<uint8_t>(v >> 8);
        to[mostSignificantFirst ? 1 : 0] = static_cast<uint8_t>(v & 0xFF);
    }
}

// Rectangle r of the frame in strips that fit one request. Rows of 16-bit pixels are padded to 32 bits.
void HostWindow::putRect(const QRect& r) {
    const auto width = static_cast<size_t>(r.width());
    const uint32_t rowBytes = bitsPerPixel == 16 ? static_cast<uint32_t>((width * 2 + 3) / 4 * 4)
                                                 : static_cast<uint32_t>(width * sizeof(uint32_t));
    const int perRequest = std::max(1, static_cast<int>((maxRequestBytes - requestHeaderBytes) / rowBytes));
    for (int y = r.top(); y <= r.bottom(); y += perRequest) {
        const int n = std::min(perRequest, r.bottom() + 1 - y);
        rows.resize(width * static_cast<size_t>(n));
        view->copyFrame(QRect(r.left(), y, r.width(), n), rows.data());
        const uint8_t* data = reinterpret_cast<const uint8_t*>(rows.data());
        if (bitsPerPixel == 16) {
            packed.assign(static_cast<size_t>(rowBytes) * static_cast<size_t>(n), 0);
            for (int row = 0; row < n; ++row)
                packShort(rows.data() + width * static_cast<size_t>(row), width,
                          packed.data() + static_cast<size_t>(rowBytes) * static_cast<size_t>(row));
            data = packed.data();
        }
        xcb_put_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, gc, static_cast<uint16_t>(r.width()),
                      static_cast<uint16_t>(n), static_cast<int16_t>(r.left()), static_cast<int16_t>(y), 0,
                      static_cast<uint8_t>(depth), rowBytes * static_cast<uint32_t>(n), data);
    }
}

// The lost pixels are sent again where they were and at every place the later copies moved them to (where they
// were is not needed when the report is matched to the right copy, and is cheap insurance when it is not).
void HostWindow::lost(QRect r, uint16_t sequence) {
    QRegion gone(r);
    for (const Copy& c : copies)
        if (static_cast<int16_t>(static_cast<uint16_t>(c.sequence - sequence)) > 0) {
            r.translate(c.dx, c.dy);
            gone += r;
        }
    damaged += gone & QRect(0, 0, w, h);
}

void HostWindow::copyReported(uint16_t sequence, bool last) {
    if (!last)
        return;
    while (!copies.empty() && static_cast<int16_t>(static_cast<uint16_t>(sequence - copies.front().sequence)) >= 0)
        copies.pop_front();
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
