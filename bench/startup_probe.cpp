// The probe of bench/startup.sh: watches rows spread over the root window of $DISPLAY.
//   startup_probe grab FILE                     saves the rows as they are now (the reference picture)
//   startup_probe time FILE LIMIT_MS -- CMD...  starts CMD and prints the milliseconds from its exec to the first
//                                               poll at which the rows match the reference, then ends CMD
// A poll matches when at least matchShare of its pixels equal the reference's: the network is the same for the
// same seed; the vehicles, the splash window over the middle and the clock differ.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

constexpr int bands = 24;           // rows watched, evenly spread from top to bottom
constexpr double matchShare = 0.90; // of the watched pixels: the splash window covers a few
constexpr int pollPauseUs = 2000;

struct Screen {
    xcb_connection_t* c = nullptr;
    xcb_window_t root = 0;
    int width = 0, height = 0;
};

bool open(Screen& s) {
    s.c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(s.c))
        return false;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(s.c)).data;
    s.root = screen->root;
    s.width = screen->width_in_pixels;
    s.height = screen->height_in_pixels;
    return true;
}

// The watched rows, 32 bits a pixel, one after another; empty when a row could not be read.
std::vector<uint32_t> rows(const Screen& s) {
    std::vector<uint32_t> out;
    out.reserve(static_cast<size_t>(bands) * s.width);
    for (int b = 0; b < bands; ++b) {
        const int y = (2 * b + 1) * s.height / (2 * bands);
        xcb_get_image_reply_t* r =
            xcb_get_image_reply(s.c,
                                xcb_get_image(s.c, XCB_IMAGE_FORMAT_Z_PIXMAP, s.root, 0, static_cast<int16_t>(y),
                                              static_cast<uint16_t>(s.width), 1, ~0u),
                                nullptr);
        if (r == nullptr || xcb_get_image_data_length(r) < s.width * 4) {
            std::free(r);
            return {};
        }
        const uint32_t* px = reinterpret_cast<const uint32_t*>(xcb_get_image_data(r));
        for (int x = 0; x < s.width; ++x)
            out.push_back(px[x] & 0xFFFFFF);
        std::free(r);
    }
    return out;
}

double share(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    if (a.empty() || a.size() != b.size())
        return 0;
    size_t same = 0;
    for (size_t i = 0; i < a.size(); ++i)
        same += a[i] == b[i];
    return static_cast<double>(same) / static_cast<double>(a.size());
}

int usage() {
    std::fprintf(stderr, "usage: startup_probe grab FILE | startup_probe time FILE LIMIT_MS -- COMMAND ...\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    Screen s;
    if (argc < 3)
        return usage();
    if (!open(s)) {
        std::fprintf(stderr, "startup_probe: no display\n");
        return 1;
    }
    const std::string mode = argv[1], file = argv[2];
    if (mode == "grab") {
        const std::vector<uint32_t> now = rows(s);
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(now.data()), static_cast<std::streamsize>(now.size() * 4));
        return now.empty() || !out ? 1 : 0;
    }
    if (mode != "time" || argc < 6 || std::strcmp(argv[4], "--") != 0)
        return usage();
    std::vector<uint32_t> reference(static_cast<size_t>(bands) * s.width);
    std::ifstream in(file, std::ios::binary);
    in.read(reinterpret_cast<char*>(reference.data()), static_cast<std::streamsize>(reference.size() * 4));
    if (!in) {
        std::fprintf(stderr, "startup_probe: cannot read the reference %s\n", file.c_str());
        return 1;
    }
    const int limitMs = std::atoi(argv[3]);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[5], argv + 5);
        std::_Exit(127);
    }
    double best = 0, elapsedMs = 0;
    bool matched = false;
    while (!matched && elapsedMs < limitMs) {
        best = std::max(best, share(rows(s), reference));
        matched = best >= matchShare;
        elapsedMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (!matched)
            usleep(pollPauseUs);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    if (!matched) {
        std::fprintf(stderr, "startup_probe: no match within %d ms (best share %.3f)\n", limitMs, best);
        return 1;
    }
    std::printf("%.1f\n", elapsedMs);
    return 0;
}
