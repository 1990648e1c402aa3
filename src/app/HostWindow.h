// Drawing a view into a foreign X window (the screen-saver host's, or a preview parent): the window's geometry
// and resizes are read from X itself, and the view's frame is put into the window with xcb put-image, so the
// picture is right at any scale factor and any window depth. Each frame sends only what changed: a scroll moves
// the window's own pixels, then the changed rectangles follow; pixels the server loses are sent again. The view
// never takes input.
#pragma once
#include <QObject>
#include <QRegion>
#include <QSocketNotifier>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct xcb_connection_t;

namespace jamlog {

class CDrawWnd;

class HostWindow : public QObject {
    Q_OBJECT
public:
    // Connects to the display and checks the window; 0 names the root window of the default screen.
    // On failure ok() is false and error() holds the one-line reason; nothing has been drawn.
    explicit HostWindow(uint32_t window);
    ~HostWindow() override;

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    int width() const { return w; }
    int height() const { return h; }

    // Follows the window with `view` (already sized to it) until the window goes away.
    void attach(CDrawWnd& view);
    // Brings the window up to date with the view now (the frame timer does this 25 times a second); sends nothing
    // when nothing changed. Then reads the events that have come in.
    void sendFrame();

private:
    // A copy-area request whose report (no exposure, or the exposures it caused) has not come back yet.
    struct Copy {
        uint16_t sequence;
        int dx, dy;
    };

    void readEvents();
    void moveShown(int dx, int dy);
    void putRect(const QRect& r);
    // Reads how the window's pixels are laid out; false for a layout the view cannot fill.
    bool readPixelFormat();
    // Packs `count` 0x00RRGGBB pixels into the window's 16-bit pixels.
    void packShort(const uint32_t* from, size_t count, uint8_t* to) const;
    // Pixels of the window lost as the server reached request `sequence`: the copies sent after it moved them on.
    void lost(QRect r, uint16_t sequence);
    void copyReported(uint16_t sequence, bool last);

    xcb_connection_t* connection = nullptr;
    uint32_t window = 0;
    uint32_t gc = 0;
    int w = 0, h = 0, depth = 0;
    int bitsPerPixel = 32; // 32 for depth 24 and 32; 16 for depth 15 and 16
    uint32_t redMask = 0, greenMask = 0, blueMask = 0;
    bool mostSignificantFirst = false;
    uint32_t maxRequestBytes = 0;
    std::string error_;
    CDrawWnd* view = nullptr;
    QRegion damaged; // window pixels the server lost, to be sent again
    std::deque<Copy> copies;
    std::vector<uint32_t> rows; // the pixels of one put-image request
    std::vector<uint8_t> packed; // the same in 16-bit pixels
    std::unique_ptr<QSocketNotifier> notifier;
    QTimer frames;
};

// SIGTERM from the host: run `flush` (the view's counters and marker) on the user-interface thread, then die by
// the signal's default action. `view` owns the watcher.
void dieBySignalAfterFlush(CDrawWnd& view, std::function<void()> flush);
// Dies by SIGTERM's default action when the signal has arrived but its watcher has not run yet (call after the
// flush).
void dieIfSignalled();

} // namespace jamlog
