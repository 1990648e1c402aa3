// The simulation view window: settings load with the screens, the first run, the timers, scrolling and the hooks
// through which the simulation asks for redraws.
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
#include <vector>

#include "app/CLegWnd.h"
#include "app/CSplashWnd.h"
#include "render/Legend.h"
#include "sim/CatalogueLayouts.h"
#include "sim/Clock.h"
#include "sim/TimerTable.h"

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

} // namespace

CDrawWnd::CDrawWnd(ProfileStore& st, const Options& opts, QWidget* parent)
    : QWidget(parent), ViewCore(width(), height(), this), store(st), options(opts),
      screensAtLoad(opts.screens ? *opts.screens : platformScreens()),
      record(loadSettings(st, ScreenSizes{screensAtLoad.primaryW, screensAtLoad.primaryH, screensAtLoad.virtualW,
                                          screensAtLoad.virtualH})),
      counters(st) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    DrawState& state = drawState();
    state.set = renderSettingsFrom(record);
    state.refreshColours();
    view().attachStore(&store);
    if (options.embedded)
        setAttribute(Qt::WA_DontShowOnScreen);
    if (options.withLegend) {
        legend = std::make_unique<CLegWnd>(record, store, options.legendInView ? this : nullptr);
        if (options.embedded)
            legend->setAttribute(Qt::WA_DontShowOnScreen);
    }

    makeSimulation(simSettingsFromRecord(record), catalogueLayouts(), this);
    if (options.seed)
        seedSequence(*options.seed);
    else
        simulation().setSeedSource(timeSeed);
    simulation().create(clockNow());
    layoutStarted();
    setTimers();
    if (options.withSplash && record.splash) {
        redrawAll();
        splash = std::make_unique<CSplashWnd>(image());
        splash->show();
    }
}

CDrawWnd::~CDrawWnd() {
    for (QTimer*& t : timers) {
        delete t;
        t = nullptr;
    }
}

int CDrawWnd::timerInterval(int id) const {
    for (const TimerSpec& t : simulation().timers())
        if (t.id == id)
            return t.intervalMs;
    return 0;
}

// Sets every timer anew, or only the one given; the timers are kept (a tick may be the one that asked) and
// restarted.
void CDrawWnd::setTimers(int only) {
    if (!options.startTimers)
        return;
    for (const TimerSpec& spec : simulation().timers()) {
        if (only != 0 && spec.id != only)
            continue;
        QTimer*& t = timers[static_cast<size_t>(spec.id)];
        if (t == nullptr) {
            t = new QTimer(this);
            t->setTimerType(spec.id == timerMove ? Qt::PreciseTimer : Qt::CoarseTimer);
            const int id = spec.id;
            connect(t, &QTimer::timeout, this, [this, id] { onTimer(id); });
        }
        t->start(std::max(1, spec.intervalMs));
    }
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
    if (needsFullRedraw)
        redrawAll();
    else
        applyScroll();
    showChanges();
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
            if (legendInside())
                paint += QRegion(legend->geometry()) + legend->geometry().translated(c.dx, c.dy);
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

// An embedded legend is part of the frame: when its picture or place changes, the rectangles it leaves and takes.
void CDrawWnd::composeLegend() {
    const bool shown = options.embedded && legend && legend->isVisible();
    const QRect at = shown ? QRect(legend->pos(), legend->size()) & QRect(QPoint(0, 0), image().size()) : QRect();
    const unsigned version = legend ? legend->pictureVersion() : 0;
    if (version == shownLegendVersion && at == legendRect)
        return;
    shownLegendVersion = version;
    const QImage picture = at.isEmpty() ? QImage() : legend->render();
    if (at == legendRect && picture == legendPicture)
        return;
    changes.add(QRegion(legendRect) + at);
    legendRect = at;
    legendPicture = picture;
}

FrameChanges CDrawWnd::takeFrameChanges() {
    if (needsFullRedraw)
        redrawAll();
    else
        applyScroll();
    collectTiles();
    // The legend's pixels on the screen move with the rest: back to its place, and the picture where it was.
    if (changes.moved() && !legendRect.isEmpty())
        changes.add(QRegion(legendRect) + legendRect.translated(changes.dx, changes.dy));
    composeLegend();
    return std::exchange(changes, FrameChanges{});
}

void CDrawWnd::copyFrame(const QRect& r, uint32_t* out) const {
    const QImage& img = image();
    const QRect over = legendPicture.isNull() ? QRect() : r & legendRect;
    const auto width = static_cast<size_t>(r.width());
    for (int y = r.top(); y <= r.bottom(); ++y, out += width) {
        const auto* row = reinterpret_cast<const uint32_t*>(img.constScanLine(y));
        std::copy_n(row + r.left(), width, out);
        if (over.isEmpty() || y < over.top() || y > over.bottom())
            continue;
        const auto* legendRow = reinterpret_cast<const uint32_t*>(legendPicture.constScanLine(y - legendRect.top()));
        std::copy_n(legendRow + (over.left() - legendRect.left()), static_cast<size_t>(over.width()),
                    out + (over.left() - r.left()));
    }
}

void CDrawWnd::layoutStarted() {
    const bool first = seenRuns < 0;
    seenRuns = simulation().state().runs;
    syncFromRun();
    fitToWindow();
    if (legend)
        legend->layoutStarted(simulation().state());
    if (!first) // a layout change shows the figures of the new run at once
        refreshLegendText();
    needsFullRedraw = true;
}

bool CDrawWnd::legendInside() const {
    return options.legendInView && legend && legend->isVisible();
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
    if (legend)
        legend->drawAnnotations(c, model(), drawState(), view().zoom);
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

QImage CDrawWnd::composedFrame() const {
    if (legendPicture.isNull())
        return image();
    QImage frame(image().size(), QImage::Format_RGB32);
    copyFrame(frame.rect(), reinterpret_cast<uint32_t*>(frame.bits()));
    return frame;
}

void CDrawWnd::flushCounters() {
    if (flushed)
        return;
    flushed = true;
    const RunState& st = simulation().state();
    counters.setSmallWindow(drawState().smallWindow);
    counters.flush(RunNumbers{st.minuteCount, st.jams, st.reliefMinutes}, st.layout, true);
}

void CDrawWnd::runMainCommand(int id) {
    view().onMainMenu(id);
    refreshLegendText();
    invalidate();
}

// Copies the requested parts of the back buffer; a pending full redraw or scroll asks for all of it anew.
void CDrawWnd::paintEvent(QPaintEvent* event) {
    if (needsFullRedraw)
        redrawAll();
    else
        applyScroll();
    showChanges();
    QPainter p(this);
    for (const QRect& r : event->region())
        p.drawImage(r.topLeft(), image(), r);
}

void CDrawWnd::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (width() < 1 || height() < 1)
        return;
    resizeImage(width(), height());
    if (legend && (options.embedded || options.legendInView))
        legend->setScreenSize(size());
    fitToWindow();
    redrawAll();
}

void CDrawWnd::closeEvent(QCloseEvent* event) {
    flushCounters();
    if (legend)
        legend->hide();
    QWidget::closeEvent(event);
}

// ViewHost

void CDrawWnd::invalidate() {
    pushMenuSettings();
    needsFullRedraw = true;
    update();
}

void CDrawWnd::invalidateLegend() {
    if (legend)
        legend->update();
}

// Wandering calls this after moving the origin, panning before; either way the back buffer follows the origin
// once the caller is done (end of the tick, or the update that panning asks for at once).
void CDrawWnd::scrollWindow(int dx, int dy) {
    pendingDx += dx;
    pendingDy += dy;
}

void CDrawWnd::updateWindow() {
    if (needsFullRedraw)
        redrawAll();
    else
        applyScroll();
    showChanges(true);
}

void CDrawWnd::postClose() {
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void CDrawWnd::relayoutLegend() {
    if (legend)
        legend->layoutLegend(simulation().state().minuteCount, drawState());
}

void CDrawWnd::showLegendFirstTime() {
    if (!legend)
        return;
    legend->show();
    // A view inside a host's window is not a top-level window of ours to raise.
    if (options.embedded)
        return;
    raise();
    legend->raise();
}

bool CDrawWnd::legendVisible() const {
    return legend && legend->isVisible();
}

void CDrawWnd::setLegendVisible(bool visible) {
    if (legend)
        legend->setVisible(visible);
}

void CDrawWnd::recolourLegend() {
    if (legend)
        legend->recolour(drawState());
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

int CDrawWnd::relief() const {
    return simulation().settings().relief;
}

void CDrawWnd::quickRelief() {
    simulation().quickRelief();
}

int CDrawWnd::lightsMode() const {
    return simulation().state().lights.mode;
}

void CDrawWnd::lightsSwitch() {
    simulation().lightsSwitch();
    invalidate();
}

// The menu's toggles live in the drawing state; the run reads the same options from its working values, and a
// layout start copies those back into the drawing state.
void CDrawWnd::pushMenuSettings() {
    const RenderSettings& t = drawState().set;
    SimSettings& w = simulation().settings();
    w.dayLight = t.dayLight, w.night = t.night, w.stLights = t.stLights, w.slSigns = t.slSigns;
    w.debug = t.debug, w.advanced = t.advanced;
}

void CDrawWnd::dayLightChanged() {
    invalidate();
}

// The clock commands: the simulated clock jumps to the minute and the day-and-night cycle takes over from there.
void CDrawWnd::clockToSunset() {
    simulation().setClock(simulation().settings().sunset);
    drawState().set.dayLight = 1;
    invalidate();
}

void CDrawWnd::clockToSunrise() {
    simulation().setClock(simulation().settings().sunrise);
    drawState().set.dayLight = 1;
    invalidate();
}

void CDrawWnd::streetLightsChanged() {
    drawState().refreshColours();
    invalidate();
}

// DrawHooks

void CDrawWnd::redrawView() {
    needsFullRedraw = true;
}

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
    if (legend)
        legend->brightnessChanged(drawState());
}

// From the minute tick every fifth minute: the legend walks to the next corner and shows fresh figures.
void CDrawWnd::refreshLegend() {
    relayoutLegend();
    refreshLegendText();
}

void CDrawWnd::refreshLegendText() {
    if (!legend)
        return;
    legend->refreshText(simulation().state(), simulation().settings(), drawState(), model());
    if (Canvas* c = openCanvas())
        legend->drawAnnotations(*c, model(), drawState(), view().zoom);
}

// RunEvents

void CDrawWnd::timersChanged() {
    setTimers();
    needsFullRedraw = true;
}

void CDrawWnd::heartbeatChanged() {
    setTimers(timerMove);
    needsFullRedraw = true;
}

void CDrawWnd::saveCounters() {
    const RunState& st = simulation().state();
    counters.setSmallWindow(drawState().smallWindow);
    counters.flush(RunNumbers{st.minuteCount, st.jams, st.reliefMinutes}, st.layout, false);
}

void CDrawWnd::layoutShown(bool) {
    needsFullRedraw = true;
}

} // namespace jamlog
