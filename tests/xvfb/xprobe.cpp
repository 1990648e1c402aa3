// A small X helper for the end-to-end scripts: makes a plain window for jamlog to draw into, and takes pictures
// of windows to check what was drawn.
//   xprobe window W H [32]          map a W×H top-level window (depth 32 with "32"), print its id, wait until killed
//   xprobe close ID                 ask window ID to close, as a window manager's close button does
//   xprobe shot ID FILE [X Y W H]   save window ID ("root": the root window) as a PNG (FILE "-": none); print
//                                   its width and height, then the number of colours and the number of pixels
//                                   still in the made windows' background colour in the rectangle (default the
//                                   whole window)
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <xcb/xcb.h>

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

int shot(xcb_connection_t* c, xcb_window_t id, const char* file, int rx, int ry, int rw, int rh) {
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr);
    if (g == nullptr)
        return fail("no such window");
    const int w = g->width, h = g->height;
    std::free(g);
    xcb_get_image_reply_t* img = xcb_get_image_reply(
        c,
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, id, 0, 0, static_cast<uint16_t>(w), static_cast<uint16_t>(h), ~0u),
        nullptr);
    if (img == nullptr)
        return fail("cannot read the window's pixels");
    const int bytes = xcb_get_image_data_length(img);
    if (bytes < w * h * 4) {
        std::free(img);
        return fail("the window's pixels are not 32 bits each");
    }
    // Depth 24 and 32 both come as 32-bit pixels, blue in the lowest byte; the top byte is ignored.
    QImage picture(w, h, QImage::Format_RGB32);
    const uint8_t* data = xcb_get_image_data(img);
    for (int y = 0; y < h; ++y)
        std::memcpy(picture.scanLine(y), data + static_cast<size_t>(y) * w * 4, static_cast<size_t>(w) * 4);
    std::free(img);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] |= 0xFF000000u;
    }
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
    else if (command == "close" && argc == 3)
        status = closeWindow(c, static_cast<xcb_window_t>(std::strtoul(argv[2], nullptr, 0)));
    else if (command == "shot" && (argc == 4 || argc == 8))
        status = shot(c,
                      std::string(argv[2]) == "root" ? defaultScreen(c, screenNumber)->root
                                                     : static_cast<xcb_window_t>(std::strtoul(argv[2], nullptr, 0)),
                      argv[3], argc == 8 ? std::atoi(argv[4]) : 0, argc == 8 ? std::atoi(argv[5]) : 0,
                      argc == 8 ? std::atoi(argv[6]) : 0, argc == 8 ? std::atoi(argv[7]) : 0);
    else
        std::fprintf(stderr, "usage: xprobe window W H [32] | xprobe close ID | xprobe shot ID FILE [X Y W H]\n");
    xcb_disconnect(c);
    return status;
}
