// The saver's window: the view full screen over every monitor (or the primary one with NoMM), ended by keys,
// buttons, deactivation and a mouse move of more than 200 pixels; or the same view in a normal resizable window
// that only its user closes. Both carry the two pop-up menus.
#pragma once
#include "app/CDrawWnd.h"
#include "app/MenuCommands.h"

namespace jamlog {

class CSaverWnd : public CDrawWnd {
    Q_OBJECT
public:
    static constexpr int mouseEndDistance = 200; // a counted move beyond this many pixels ends the saver

    CSaverWnd(ProfileStore& store, const Options& options, bool fullScreen, QWidget* parent = nullptr);

    // Places the window over the screens (full screen) and shows it.
    void start();

    int firstMouseX() const { return firstX; }
    int firstMouseY() const { return firstY; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void cursorChanged() override { updateCursor(); }

private:
    void endSaver();
    void raiseOverlays();
    void rememberFirstPosition(const QPoint& p);
    void updateCursor();
    void showMenu(PopupMenu which, const QPoint& at);

    bool fullScreen;
    bool wasActive = false;
    bool menuOpen = false;
    int firstX = -1, firstY = -1; // the first mouse position seen, -1 until then
};

} // namespace jamlog
