// Two small tools for the xscreensaver end-to-end test:
//   xss_helper shot WINDOW OUT.png   grabs an X window of $DISPLAY, saves it and prints "WxH colours N top P%"
//                                    (N distinct colours, P the share of the commonest one)
//   xss_helper reap LOG -- CMD ...   runs CMD and, as the reaper of every orphan below it, writes one line
//                                    "PID exit N" or "PID signal N" to LOG for each process that ends
#include <QImage>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

int shot(const char* windowText, const char* out) {
    const uint32_t window = static_cast<uint32_t>(std::strtoul(windowText, nullptr, 0));
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "xss_helper: cannot open the display\n");
        return 1;
    }
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
    if (g == nullptr) {
        std::fprintf(stderr, "xss_helper: no window %s\n", windowText);
        return 1;
    }
    const int w = g->width, h = g->height, depth = g->depth;
    std::free(g);
    xcb_get_image_reply_t* img =
        xcb_get_image_reply(c,
                            xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, static_cast<uint16_t>(w),
                                          static_cast<uint16_t>(h), ~0u),
                            nullptr);
    if (img == nullptr || (depth != 24 && depth != 32) ||
        xcb_get_image_data_length(img) < static_cast<int>(static_cast<size_t>(w) * h * 4)) {
        std::fprintf(stderr, "xss_helper: cannot read the window's pixels (depth %d)\n", depth);
        return 1;
    }
    // Depth 24 and 32 both come as 32 bits per pixel, blue first, on the little-endian servers this runs on.
    QImage image(xcb_get_image_data(img), w, h, w * 4, QImage::Format_RGB32);
    std::map<uint32_t, long> counts;
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            ++counts[row[x] & 0xffffff];
    }
    long top = 0;
    for (const auto& [colour, n] : counts)
        top = std::max(top, n);
    const bool saved = image.save(QString::fromLocal8Bit(out), "PNG");
    std::printf("%dx%d colours %zu top %ld%%\n", w, h, counts.size(), w * h > 0 ? top * 100 / (long(w) * h) : 100);
    std::free(img);
    xcb_disconnect(c);
    return saved ? 0 : 1;
}

pid_t child = 0;

void forward(int sig) {
    if (child > 0)
        ::kill(child, sig);
}

int reap(const char* logPath, char** command) {
    if (::prctl(PR_SET_CHILD_SUBREAPER, 1) != 0) {
        std::perror("xss_helper: prctl");
        return 1;
    }
    FILE* log = std::fopen(logPath, "w");
    if (log == nullptr) {
        std::perror("xss_helper: log");
        return 1;
    }
    child = ::fork();
    if (child == 0) {
        ::execvp(command[0], command);
        std::perror("xss_helper: exec");
        _exit(127);
    }
    std::signal(SIGTERM, forward);
    std::signal(SIGINT, forward);
    int childStatus = 1;
    for (;;) {
        int status = 0;
        const pid_t pid = ::waitpid(-1, &status, 0);
        if (pid < 0) {
            if (errno == EINTR)
                continue;
            break; // no children left
        }
        if (WIFSIGNALED(status))
            std::fprintf(log, "%d signal %d\n", pid, WTERMSIG(status));
        else
            std::fprintf(log, "%d exit %d\n", pid, WEXITSTATUS(status));
        std::fflush(log);
        if (pid == child)
            childStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    std::fclose(log);
    return childStatus;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "shot") == 0)
        return shot(argv[2], argv[3]);
    if (argc >= 5 && std::strcmp(argv[1], "reap") == 0 && std::strcmp(argv[3], "--") == 0)
        return reap(argv[2], argv + 4);
    std::fprintf(stderr, "usage: xss_helper shot WINDOW OUT.png | xss_helper reap LOG -- COMMAND ...\n");
    return 2;
}
