// The simulation view window: settings load with the screens, the first run, the timer ticks, bringing the back
// buffer up to date and showing what changed on it, and the hooks through which the simulation asks for redraws.
#include "app/CDrawWnd.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "app/CSplashWnd.h"
#include "app/MenuCommands.h"
#include "settings/StoredSetting.h"
#include "sim/CatalogueLayouts.h"
#include "sim/Clock.h"

namespace jamlog {

namespace {

int clockNow() {
    const QTime t = QTime::currentTime();
    return t.hour() * minutesPerHour + t.minute();
}

uint32_t timeSeed() {
    return static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch());
}

// The screens the platform reports: the primary one and the whole virtual desktop.
ScreenMetrics platformScreens() {
    ScreenMetrics screens;
    if (QScreen* primary = QGuiApplication::primaryScreen()) {
        screens.primaryW = primary->geometry().width();
        screens.primaryH = primary->geometry().height();
        const QRect all = primary->virtualGeometry();
        screens.virtualX = all.x();
        screens.virtualY = all.y();
        screens.virtualW = all.width();
        screens.virtualH = all.height();
    }
    return screens;
}

ViewLegend::Place legendPlace(const CDrawWnd::Options& o) {
    if (!o.withLegend)
        return ViewLegend::Place::none;
    if (o.embedded)
        return ViewLegend::Place::embedded;
    return o.legendInView ? ViewLegend::Place::inside : ViewLegend::Place::window;
}

} // namespace

CDrawWnd::CDrawWnd(ProfileStore& st, const Options& opts, QWidget* parent)
    : QWidget(parent), ViewCore(width(), height(), this), store(st), options(opts),
      screensAtLoad(opts.screens ? *opts.screens : platformScreens()),
      record(loadSettings(st, ScreenSizes{screensAtLoad.primaryW, screensAtLoad.primaryH, screensAtLoad.virtualW,
                                          screensAtLoad.virtualH})),
      counters(st), legend(legendPlace(opts), record, st, this), timers(this, [this](int id) { onTimer(id); }) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    DrawState& state = drawState();
    state.set = renderSettingsFrom(record);
    state.refreshColours();
    view().attachStore(&store);
    if (options.embedded)
        setAttribute(Qt::WA_DontShowOnScreen);

    makeSimulation(simSettingsFromRecord(record), catalogueLayouts(), this);
    simulation().setStoreRead([this](Setting id) { return readStored(store, id); });
    if (options.seed)
        seedSequence(*options.seed);
    else
        simulation().setSeedSource(timeSeed);
    simulation().create(clockNow());
    layoutStarted();
    timersChanged();
    if (options.withSplash && record.splash) {
        redrawAll();
        splash = std::make_unique<CSplashWnd>(image());
        splash->show();
    }
}

CDrawWnd::~CDrawWnd() = default;

int CDrawWnd::timerInterval(int id) const {
    for (const TimerSpec& t : simulation().timers())
        if (t.id == id)
            return t.intervalMs;
    return 0;
}

void CDrawWnd::onTimer(int id) {
    if (frozenFlag || (pausedFlag && id == timerMove))
        return;
    withCanvas([&] {
        switch (id) {
        case timerWander:
            view().wander();
            break;
        case timerAnnotations:
            if (!drawState().smallWindow)
                refreshLegendText();
            break;
        case timerUpkeep:
            splash.reset(); // the splash lives at most one period of the 2-second timer
            view().cursorUpkeep();
            cursorChanged();
            break;
        default:
            simulation().onTimer(id);
            break;
        }
    });
    if (simulation().state().runs != seenRuns)
        layoutStarted();
    catchUp();
    showChanges();
}

void CDrawWnd::runCommand(int id) {
    const MenuCommand* command = findMenuCommand(id);
    if (command == nullptr)
        return;
    command->run(*this);
    if (!command->quiet) {
        refreshLegendText();
        legend.repaint();
        invalidate();
    }
    view().afterMenuShown();
}

void CDrawWnd::catchUp() {
    if (needsFullRedraw)
        redrawAll();
    else
        applyScroll();
}

void CDrawWnd::catchUpSoon() {
    if (catchUpPosted)
        return;
    catchUpPosted = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            catchUpPosted = false;
            catchUp();
            showChanges();
        },
        Qt::QueuedConnection);
}

// Only what changed is copied to the screen: most ticks move a few vehicles and draw nothing else, and a wander
// step moves the shown pixels and adds two thin strips. A host's window takes the changes itself, each frame.
void CDrawWnd::showChanges(bool now) {
    collectTiles();
    if (options.embedded || changes.empty())
        return;
    const FrameChanges c = std::exchange(changes, FrameChanges{});
    QRegion paint;
    // Inside a paint event Qt cannot move the shown pixels: everything is painted anew.
    if (c.all || (c.moved() && testAttribute(Qt::WA_WState_InPaintEvent))) {
        paint = rect();
    } else {
        // Qt moves the parts it has yet to paint along with the pixels. The legend inside the view stays where it
        // is: painted anew where it lies and where its pixels were moved to.
        paint = c.region;
        if (c.moved()) {
            scroll(c.dx, c.dy, rect());
            if (legend.shownInside())
                paint += QRegion(legend.geometry()) + legend.geometry().translated(c.dx, c.dy);
        }
    }
    if (now)
        repaint(paint);
    else
        update(paint);
}

void CDrawWnd::collectTiles() {
    DirtyTiles& dirty = dirtyTiles();
    if (dirty.empty())
        return;
    if (dirty.all()) {
        dirty.take();
        return changes.markAll();
    }
    changes.addTiles(dirty.take());
}

FrameChanges CDrawWnd::takeFrameChanges() {
    catchUp();
    collectTiles();
    frames.composeLegend(options.embedded ? legend.window() : nullptr, image().size(), changes);
    return std::exchange(changes, FrameChanges{});
}

void CDrawWnd::layoutStarted() {
    const bool first = seenRuns < 0;
    seenRuns = simulation().state().runs;
    syncFromRun();
    fitToWindow();
    legend.layoutStarted(simulation().state());
    if (!first) // a layout change shows the figures of the new run at once
        refreshLegendText();
    needsFullRedraw = true;
}

// The layout's saved view (or the default fit) scaled to the window; repeated on every resize so that the
// origin is always derived from the stored values and never rescaled twice.
void CDrawWnd::fitToWindow() {
    if (options.fitToWidget) {
        ScreenMetrics screens;
        screens.primaryW = screens.virtualW = std::max(1, width());
        screens.primaryH = screens.virtualH = std::max(1, height());
        view().setScreens(screens);
    } else {
        view().setScreens(screensAtLoad);
    }
    view().panActive = 0;
    view().loadView(store, drawState().layout);
    view().resize(std::max(1, width()));
}

void CDrawWnd::paintOverlay(Canvas& c) {
    legend.drawAnnotations(c, model(), drawState(), view().zoom);
}

void CDrawWnd::redrawAll() {
    needsFullRedraw = false;
    pendingDx = pendingDy = 0;
    if (width() > 0 && height() > 0 && openCanvas() == nullptr)
        resizeImage(width(), height());
    paintFrame();
    dirtyTiles().take(); // all of it is new
    changes.markAll();
    showChanges();
}

// The scrolls the view asked for since the last paint, moved into the back buffer in one go.
void CDrawWnd::applyScroll() {
    if ((pendingDx == 0 && pendingDy == 0) || openCanvas() != nullptr)
        return;
    const int dx = pendingDx, dy = pendingDy;
    pendingDx = pendingDy = 0;
    if (image().size() != size())
        return redrawAll();
    collectTiles(); // drawn before the move, so moved with it
    scrollContents(dx, dy);
    changes.scrolled(dx, dy, image().size());
}

void CDrawWnd::flushCounters() {
    counters.book(simulation().state(), drawState().smallWindow, true);
}

void CDrawWnd::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    for (const QRect& r : event->region())
        p.drawImage(r.topLeft(), image(), r);
}

void CDrawWnd::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (width() < 1 || height() < 1)
        return;
    resizeImage(width(), height());
    legend.viewResized(size());
    fitToWindow();
    redrawAll();
}

void CDrawWnd::closeEvent(QCloseEvent* event) {
    flushCounters();
    legend.hide();
    QWidget::closeEvent(event);
}

// ViewHost

void CDrawWnd::invalidate() {
    needsFullRedraw = true;
    catchUpSoon();
}

// Wandering calls this after moving the origin, panning before; either way the back buffer follows the origin
// once the caller is done (end of the tick, or the update that panning asks for at once).
void CDrawWnd::scrollWindow(int dx, int dy) {
    pendingDx += dx;
    pendingDy += dy;
}

void CDrawWnd::updateWindow() {
    catchUp();
    showChanges(true);
}

void CDrawWnd::postClose() {
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void CDrawWnd::relayoutLegend() {
    legend.relayout(simulation().state().minuteCount, drawState());
}

// "Next Layout" switches random cycling on, as a run that moves on by itself has it, and books the counters of
// the layout it leaves.
void CDrawWnd::nextLayout() {
    simulation().settings().randomMask |= 1;
    saveCounters();
    withCanvas([&] { simulation().nextLayout(); });
    layoutStarted();
    dirtyTiles().markAll();
    showChanges();
}

void CDrawWnd::clockTo(int minute) {
    simulation().setClock(minute);
    drawState().set.dayLight = 1;
    invalidate();
}

// DrawHooks

void CDrawWnd::redrawRoad(int road) {
    if (openCanvas() == nullptr)
        return invalidate();
    ViewCore::redrawRoad(road);
}

void CDrawWnd::drawSigns() {
    if (openCanvas() == nullptr)
        return invalidate();
    ViewCore::drawSigns();
}

void CDrawWnd::lightLevelChanged() {
    ViewCore::lightLevelChanged();
    legend.recolour(drawState());
}

// From the minute tick every fifth minute: the legend walks to the next corner and shows fresh figures.
void CDrawWnd::refreshLegend() {
    relayoutLegend();
    refreshLegendText();
}

void CDrawWnd::refreshLegendText() {
    legend.refresh(simulation().state(), simulation().settings(), drawState(), model());
    if (Canvas* c = openCanvas())
        legend.drawAnnotations(*c, model(), drawState(), view().zoom);
}

// RunEvents

void CDrawWnd::timersChanged() {
    if (options.startTimers)
        timers.set(simulation().timers());
    needsFullRedraw = true;
}

void CDrawWnd::heartbeatChanged() {
    if (options.startTimers)
        timers.set(simulation().timers(), timerMove);
    needsFullRedraw = true;
}

void CDrawWnd::saveCounters() {
    counters.book(simulation().state(), drawState().smallWindow, false);
}

} // namespace jamlog
