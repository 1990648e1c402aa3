// A small X helper for the end-to-end scripts: makes a plain window for jamlog to draw into, and takes pictures
// of windows to check what was drawn.
//   xprobe window W H [32]          map a W×H top-level window (depth 32 with "32"), print its id, wait until killed
//   xprobe resize ID TIMES MS       resize window ID TIMES times, every MS milliseconds, between two sizes
//   xprobe close ID                 ask window ID to close, as a window manager's close button does
//   xprobe shot ID FILE [X Y W H]   save window ID ("root": the root window) as a PNG (FILE "-": none); print
//                                   its width and height, then the number of colours and the number of pixels
//                                   still in the made windows' background colour in the rectangle (default the
//                                   whole window)
//   xprobe colours ID X Y W H      print every colour in the rectangle of window ID as RRGGBB and its number of
//                                   pixels, the most frequent first
//   xprobe cursor                   print the pointer's cursor image: width, height and number of visible pixels
//   xprobe monitors WxH+X+Y...      split the screen into these monitors, the first one primary
// The last two need the XFixes and RandR client libraries; without them they end with status 3.
#include <QImage>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>
#include <xcb/xcb.h>
#ifdef XPROBE_EXTENSIONS
#include <sys/uio.h>
#include <xcb/randr.h>
#include <xcb/xcbext.h>
#include <xcb/xfixes.h>
#endif

namespace {

// The background of the windows made here: magenta, a colour no layout uses for large areas.
constexpr uint32_t blankPixel = 0xFF00FF;

int fail(const char* what) {
    std::fprintf(stderr, "xprobe: %s\n", what);
    return 1;
}

xcb_screen_t* defaultScreen(xcb_connection_t* c, int number) {
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < number && it.rem; ++i)
        xcb_screen_next(&it);
    return it.data;
}

// The first TrueColor visual of `depth` on the screen, 0 when there is none.
xcb_visualid_t visualOfDepth(xcb_screen_t* screen, uint8_t depth) {
    for (xcb_depth_iterator_t d = xcb_screen_allowed_depths_iterator(screen); d.rem; xcb_depth_next(&d)) {
        if (d.data->depth != depth)
            continue;
        for (xcb_visualtype_iterator_t v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v))
            if (v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR)
                return v.data->visual_id;
    }
    return 0;
}

int makeWindow(xcb_connection_t* c, xcb_screen_t* screen, int w, int h, bool deep) {
    const xcb_window_t id = xcb_generate_id(c);
    if (deep) {
        // A depth-32 window needs its own colormap and an explicit border pixel.
        const xcb_visualid_t visual = visualOfDepth(screen, 32);
        if (visual == 0)
            return fail("no depth-32 visual");
        const xcb_colormap_t map = xcb_generate_id(c);
        xcb_create_colormap(c, XCB_COLORMAP_ALLOC_NONE, map, screen->root, visual);
        const uint32_t values[] = {0xFF000000u | blankPixel, 0, map};
        xcb_create_window(c, 32, id, screen->root, 0, 0, static_cast<uint16_t>(w), static_cast<uint16_t>(h), 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, visual,
                          XCB_CW_BACK_PIXEL | XCB_CW_BORDER_PIXEL | XCB_CW_COLORMAP, values);
    } else {
        const uint32_t values[] = {blankPixel};
        xcb_create_window(c, XCB_COPY_FROM_PARENT, id, screen->root, 0, 0, static_cast<uint16_t>(w),
                          static_cast<uint16_t>(h), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                          XCB_CW_BACK_PIXEL, values);
    }
    xcb_map_window(c, id);
    xcb_flush(c);
    std::printf("0x%x\n", id);
    std::fflush(stdout);
    while (xcb_generic_event_t* e = xcb_wait_for_event(c))
        std::free(e);
    return 0;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = r != nullptr ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(r);
    return a;
}

// Resizes the window `times` times, every `everyMs` milliseconds, between two sizes taken in turn.
int resizeWindow(xcb_connection_t* c, xcb_window_t id, int times, int everyMs) {
    for (int i = 0; i < times; ++i) {
        const uint32_t size[] = {static_cast<uint32_t>(i % 2 ? 300 + i % 200 : 640),
                                 static_cast<uint32_t>(i % 2 ? 120 + i % 90 : 400)};
        xcb_configure_window(c, id, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, size);
        xcb_flush(c);
        std::this_thread::sleep_for(std::chrono::milliseconds(everyMs));
    }
    return xcb_connection_has_error(c) ? fail("the connection broke while resizing") : 0;
}

// The WM_DELETE_WINDOW message of the window-manager protocols.
int closeWindow(xcb_connection_t* c, xcb_window_t id) {
    xcb_client_message_event_t e{};
    e.response_type = XCB_CLIENT_MESSAGE;
    e.format = 32;
    e.window = id;
    e.type = atom(c, "WM_PROTOCOLS");
    e.data.data32[0] = atom(c, "WM_DELETE_WINDOW");
    e.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, id, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&e));
    // A round trip: the server has acted on the request before we hang up (a bare disconnect can drop it).
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    return 0;
}

// The pixels of window id, opaque; a null picture (with the reason on stderr) when they cannot be read.
QImage grab(xcb_connection_t* c, xcb_window_t id) {
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr);
    if (g == nullptr) {
        fail("no such window");
        return {};
    }
    const int w = g->width, h = g->height;
    std::free(g);
    xcb_get_image_reply_t* img = xcb_get_image_reply(
        c,
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, id, 0, 0, static_cast<uint16_t>(w), static_cast<uint16_t>(h), ~0u),
        nullptr);
    if (img == nullptr) {
        fail("cannot read the window's pixels");
        return {};
    }
    const int bytes = xcb_get_image_data_length(img);
    const int stride = h > 0 ? bytes / h : 0;
    const uint8_t* data = xcb_get_image_data(img);
    QImage picture(w, h, QImage::Format_RGB32);
    if (stride >= w * 4) {
        // Depth 24 and 32 both come as 32-bit pixels, blue in the lowest byte; the top byte is ignored.
        for (int y = 0; y < h; ++y)
            std::memcpy(picture.scanLine(y), data + static_cast<size_t>(y) * stride, static_cast<size_t>(w) * 4);
    } else if (stride >= w * 2) {
        // Depth 16: 5-6-5 bits, least significant byte first; each channel widened by repeating its top bits.
        for (int y = 0; y < h; ++y) {
            auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < w; ++x) {
                const uint8_t* at = data + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 2;
                const unsigned p = at[0] | (at[1] << 8);
                const unsigned r = (p >> 11) & 31, g = (p >> 5) & 63, b = p & 31;
                line[x] = qRgb(int(r << 3 | r >> 2), int(g << 2 | g >> 4), int(b << 3 | b >> 2));
            }
        }
    } else {
        std::free(img);
        fail("the window's pixels are neither 16 nor 32 bits each");
        return {};
    }
    std::free(img);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] |= 0xFF000000u;
    }
    return picture;
}

// Every colour of the rectangle as RRGGBB with its number of pixels, the most frequent first.
int colours(xcb_connection_t* c, xcb_window_t id, int rx, int ry, int rw, int rh) {
    const QImage picture = grab(c, id);
    if (picture.isNull())
        return 1;
    std::map<QRgb, long> counts;
    for (int y = std::max(0, ry); y < std::min(picture.height(), ry + rh); ++y)
        for (int x = std::max(0, rx); x < std::min(picture.width(), rx + rw); ++x)
            ++counts[picture.pixel(x, y) & 0xFFFFFFu];
    std::vector<std::pair<long, QRgb>> byCount;
    for (const auto& [colour, n] : counts)
        byCount.emplace_back(n, colour);
    std::sort(byCount.rbegin(), byCount.rend());
    for (const auto& [n, colour] : byCount)
        std::printf("%06X %ld\n", colour, n);
    return 0;
}

int shot(xcb_connection_t* c, xcb_window_t id, const char* file, int rx, int ry, int rw, int rh) {
    const QImage picture = grab(c, id);
    if (picture.isNull())
        return 1;
    const int w = picture.width(), h = picture.height();
    if (std::strcmp(file, "-") != 0 && !picture.save(QString::fromLocal8Bit(file)))
        return fail("cannot save the picture");
    if (rw <= 0 || rh <= 0) {
        rx = ry = 0;
        rw = w;
        rh = h;
    }
    std::set<QRgb> colours;
    long blank = 0;
    for (int y = std::max(0, ry); y < std::min(h, ry + rh); ++y)
        for (int x = std::max(0, rx); x < std::min(w, rx + rw); ++x) {
            const QRgb p = picture.pixel(x, y);
            colours.insert(p);
            blank += p == (0xFF000000u | blankPixel) ? 1 : 0;
        }
    std::printf("%d %d %zu %ld\n", w, h, colours.size(), blank);
    return 0;
}

#ifdef XPROBE_EXTENSIONS
int cursor(xcb_connection_t* c) {
    // The server answers XFixes requests only from a client that has told it which version it speaks.
    std::free(xcb_xfixes_query_version_reply(c, xcb_xfixes_query_version(c, 4, 0), nullptr));
    xcb_xfixes_get_cursor_image_reply_t* r =
        xcb_xfixes_get_cursor_image_reply(c, xcb_xfixes_get_cursor_image(c), nullptr);
    if (r == nullptr)
        return fail("cannot read the cursor");
    const uint32_t* pixels = xcb_xfixes_get_cursor_image_cursor_image(r);
    const int n = xcb_xfixes_get_cursor_image_cursor_image_length(r);
    int visible = 0;
    for (int i = 0; i < n; ++i)
        visible += (pixels[i] >> 24) != 0 ? 1 : 0; // ARGB: any alpha shows
    std::printf("%d %d %d\n", r->width, r->height, visible);
    std::free(r);
    return 0;
}

// libxcb 1.15's xcb_randr_set_monitor sends one part of its request uninitialised (the connection then breaks
// on a length beyond the limit), so the request is put together here.
xcb_void_cookie_t setMonitor(xcb_connection_t* c, xcb_window_t root, const xcb_randr_monitor_info_t* m, size_t size) {
    struct {
        uint8_t major, minor; // filled in by xcb_send_request, as is the length
        uint16_t length;
        xcb_window_t window;
    } header{0, 0, 0, root};
    iovec parts[4]; // xcb_send_request may use the two before the request's own
    parts[2] = {&header, sizeof header};
    parts[3] = {const_cast<xcb_randr_monitor_info_t*>(m), size};
    static const xcb_protocol_request_t request = {2, &xcb_randr_id, XCB_RANDR_SET_MONITOR, 1};
    return {xcb_send_request(c, XCB_REQUEST_CHECKED, parts + 2, &request)};
}

// Monitors set before are removed first. The first new monitor takes over the screen's outputs, which replaces
// the monitor the server derives from them; the others have none, as monitors made up for a split screen need not.
int monitors(xcb_connection_t* c, xcb_screen_t* screen, char** geometries, int count) {
    std::free(xcb_randr_query_version_reply(c, xcb_randr_query_version(c, 1, 5), nullptr));
    if (xcb_randr_get_monitors_reply_t* old =
            xcb_randr_get_monitors_reply(c, xcb_randr_get_monitors(c, screen->root, 0), nullptr)) {
        for (xcb_randr_monitor_info_iterator_t it = xcb_randr_get_monitors_monitors_iterator(old); it.rem;
             xcb_randr_monitor_info_next(&it))
            if (!it.data->automatic)
                xcb_randr_delete_monitor(c, screen->root, it.data->name);
        std::free(old);
    }
    xcb_randr_get_screen_resources_current_reply_t* res = xcb_randr_get_screen_resources_current_reply(
        c, xcb_randr_get_screen_resources_current(c, screen->root), nullptr);
    if (res == nullptr)
        return fail("no RandR on the display");
    const xcb_randr_output_t* outputs = xcb_randr_get_screen_resources_current_outputs(res);
    const int outputCount = xcb_randr_get_screen_resources_current_outputs_length(res);
    for (int i = 0; i < count; ++i) {
        int w = 0, h = 0, x = 0, y = 0;
        if (std::sscanf(geometries[i], "%dx%d+%d+%d", &w, &h, &x, &y) != 4) {
            std::free(res);
            return fail("a monitor is WxH+X+Y");
        }
        const int n = i == 0 ? outputCount : 0;
        std::vector<uint32_t> buffer((sizeof(xcb_randr_monitor_info_t) + 3) / 4 + n);
        auto* m = reinterpret_cast<xcb_randr_monitor_info_t*>(buffer.data());
        const std::string name = "xprobe-" + std::to_string(i);
        m->name = atom(c, name.c_str());
        m->primary = i == 0;
        m->nOutput = static_cast<uint16_t>(n);
        m->x = static_cast<int16_t>(x);
        m->y = static_cast<int16_t>(y);
        m->width = static_cast<uint16_t>(w);
        m->height = static_cast<uint16_t>(h);
        m->width_in_millimeters = static_cast<uint32_t>(w) * 254 / 960; // 96 dots per inch
        m->height_in_millimeters = static_cast<uint32_t>(h) * 254 / 960;
        std::copy(outputs, outputs + n, xcb_randr_monitor_info_outputs(m));
        if (xcb_generic_error_t* e = xcb_request_check(c, setMonitor(c, screen->root, m, buffer.size() * 4))) {
            std::free(e);
            std::free(res);
            return fail("the server refused a monitor");
        }
    }
    std::free(res);
    return 0;
}
#else
int cursor(xcb_connection_t*) {
    fail("built without XFixes");
    return 3;
}
int monitors(xcb_connection_t*, xcb_screen_t*, char**, int) {
    fail("built without RandR");
    return 3;
}
#endif

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c))
        return fail("cannot open the display");
    int status = 2;
    if (command == "window" && (argc == 4 || argc == 5))
        status = makeWindow(c, defaultScreen(c, screenNumber), std::atoi(argv[2]), std::atoi(argv[3]),
                            argc == 5 && std::string(argv[4]) == "32");
    else if (command == "resize" && argc == 5)
        status = resizeWindow(c, static_cast<xcb_window_t>(std::strtoul(argv[2], nullptr, 0)), std::atoi(argv[3]),
                              std::atoi(argv[4]));
    else if (command == "close" && argc == 3)
        status = closeWindow(c, static_cast<xcb_window_t>(std::strtoul(argv[2], nullptr, 0)));
    else if (command == "shot" && (argc == 4 || argc == 8))
        status = shot(c,
                      std::string(argv[2]) == "root" ? defaultScreen(c, screenNumber)->root
                                                     : static_cast<xcb_window_t>(std::strtoul(argv[2], nullptr, 0)),
                      argv[3], argc == 8 ? std::atoi(argv[4]) : 0, argc == 8 ? std::atoi(argv[5]) : 0,
                      argc == 8 ? std::atoi(argv[6]) : 0, argc == 8 ? std::atoi(argv[7]) : 0);
    else if (command == "colours" && argc == 7)
        status = colours(c, static_cast<xcb_window_t>(std::strtoul(argv[2], nullptr, 0)), std::atoi(argv[3]),
                         std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]));
    else if (command == "cursor" && argc == 2)
        status = cursor(c);
    else if (command == "monitors" && argc > 2)
        status = monitors(c, defaultScreen(c, screenNumber), argv + 2, argc - 2);
    else
        std::fprintf(stderr, "usage: xprobe window W H [32] | xprobe resize ID TIMES EVERY_MS | xprobe close ID | "
                             "xprobe shot ID FILE [X Y W H] | "
                             "xprobe colours ID X Y W H | xprobe cursor | xprobe monitors WxH+X+Y...\n");
    xcb_disconnect(c);
    return status;
}
