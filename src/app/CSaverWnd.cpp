// Input of the saver window: what ends a full-screen run, panning and zooming, and the two pop-up menus.
#include "app/CSaverWnd.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QWheelEvent>
#include <cstdlib>

#include "app/PopupMenu.h"

namespace jamlog {

namespace {
// A normal window keeps its legend inside the view: a window manager may put a window of the legend's own anywhere,
// and without one it lies under the view.
CDrawWnd::Options withLegendPlace(CDrawWnd::Options options, bool fullScreen) {
    options.legendInView = !fullScreen && !options.embedded;
    return options;
}
} // namespace

CSaverWnd::CSaverWnd(ProfileStore& store, const Options& options, bool full, QWidget* parent)
    : CDrawWnd(store, withLegendPlace(options, full), parent), fullScreen(full) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    if (fullScreen) {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        setWindowTitle(QString());
    } else {
        setWindowTitle("Jamlog 2010 Screen Saver - Running");
    }
    updateCursor();
}

void CSaverWnd::start() {
    if (fullScreen) {
        // The primary monitor's corner need not be the desktop's origin here, nor the desktop's be (0, 0).
        if (QScreen* primary = QGuiApplication::primaryScreen())
            setGeometry(drawState().set.noMM ? primary->geometry() : primary->virtualGeometry());
        show();
        raise();
        activateWindow();
        raiseOverlays();
    } else {
        resize(1024, 640);
        show();
    }
}

// The legend and the splash were shown before this window existed; without a window manager to honour their
// stay-on-top hint they would lie beneath it.
void CSaverWnd::raiseOverlays() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible() && (w->windowType() == Qt::Tool || w->windowType() == Qt::SplashScreen))
            w->raise();
}

void CSaverWnd::endSaver() {
    if (fullScreen)
        postClose();
}

// Full screen the cursor is hidden unless a menu or a mouse move showed it or a debug bit is set.
void CSaverWnd::updateCursor() {
    if (fullScreen && drawState().set.debug == 0 && view().cursorState == 0)
        setCursor(Qt::BlankCursor);
    else
        setCursor(Qt::ArrowCursor);
}

// The window appearing under the resting pointer is the first position, as the first move message is where the
// platform the saver was made for reports it. Waiting for a real move instead would measure from wherever the
// first batch of moves had got to, for moves queued together arrive as one.
void CSaverWnd::enterEvent(QEnterEvent* event) {
    rememberFirstPosition(event->position().toPoint());
    updateCursor();
    CDrawWnd::enterEvent(event);
}

void CSaverWnd::rememberFirstPosition(const QPoint& p) {
    if (firstX < 0 && firstY < 0) {
        firstX = p.x();
        firstY = p.y();
    }
}

void CSaverWnd::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        // Losing activation once held ends the saver; a window that was never active has nothing to lose.
        // A pop-up menu or the legend taking the focus is part of the saver, not another window.
        const QWidget* now = QApplication::activeWindow();
        const bool ours = menuOpen || QApplication::activePopupWidget() != nullptr ||
                          (now != nullptr && (now->windowFlags() & Qt::Tool) == Qt::Tool);
        if (isActiveWindow())
            wasActive = true;
        else if (wasActive && !ours)
            endSaver();
    }
    CDrawWnd::changeEvent(event);
}

void CSaverWnd::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    rememberFirstPosition(p);
    const bool counted = view().panToMouse(p.x(), p.y()) == 1;
    updateCursor();
    if (counted && std::abs(p.x() - firstX) + std::abs(p.y() - firstY) > mouseEndDistance)
        endSaver();
}

void CSaverWnd::mousePressEvent(QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    switch (event->button()) {
    case Qt::LeftButton:
        if (view().zoomMenuClick() == 0)
            showMenu(PopupMenu::zoom, global);
        else
            endSaver();
        break;
    case Qt::MiddleButton:
        endSaver();
        break;
    case Qt::RightButton:
        showMenu(PopupMenu::main, global);
        break;
    default:
        break;
    }
}

void CSaverWnd::mouseDoubleClickEvent(QMouseEvent* event) {
    const Qt::MouseButtons held = event->buttons();
    if ((event->button() == Qt::LeftButton && held == Qt::LeftButton) ||
        (event->button() == Qt::RightButton && held == Qt::RightButton))
        endSaver();
}

void CSaverWnd::wheelEvent(QWheelEvent* event) {
    const QPoint p = event->position().toPoint();
    view().zoomByWheel(event->angleDelta().y(), p.x(), p.y());
}

void CSaverWnd::keyPressEvent(QKeyEvent* event) {
    endSaver();
    CDrawWnd::keyPressEvent(event);
}

void CSaverWnd::showMenu(PopupMenu which, const QPoint& at) {
    QMenu menu(this);
    fillPopupMenu(menu, which, *this, fullScreen);
    menuOpen = true;
    QAction* chosen = menu.exec(at);
    menuOpen = false;
    if (chosen != nullptr)
        runCommand(chosen->data().toInt());
    else
        view().afterMenuShown();
    updateCursor();
}

} // namespace jamlog
