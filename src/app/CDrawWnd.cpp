// The simulation view window: settings load, the first run, the timers, the back buffer and the hooks through
// which the simulation draws vehicles and asks for redraws.
#include "app/CDrawWnd.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>

#include "app/CLegWnd.h"
#include "app/CSplashWnd.h"
#include "platform/QtCanvas.h"
#include "render/Legend.h"
#include "render/NetworkDrawing.h"
#include "render/VehicleDrawing.h"
#include "sim/CatalogueLayouts.h"
#include "sim/TimerTable.h"

namespace jamlog {

namespace {

constexpr int minutesPerHour = 60;
constexpr int advancedNoSplash = 128;

int clockNow() {
    const QTime t = QTime::currentTime();
    return t.hour() * minutesPerHour + t.minute();
}

uint32_t timeSeed() {
    return static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch());
}

} // namespace

CDrawWnd::CDrawWnd(ProfileStore& st, const Options& opts, QWidget* parent)
    : QWidget(parent), store(st), options(opts), record(loadSettings(st)), model(std::make_unique<NetworkModel>()),
      draws(std::make_unique<VehicleDrawTable>()), viewTransform(state, *model, *this), counters(st) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    state.set = renderSettingsFrom(record);
    state.refreshColours();
    viewTransform.attachStore(&store);
    if (options.embedded)
        setAttribute(Qt::WA_DontShowOnScreen);
    if (options.withLegend) {
        legend = std::make_unique<CLegWnd>(record, store);
        if (options.embedded)
            legend->setAttribute(Qt::WA_DontShowOnScreen);
    }

    sim = std::make_unique<Simulation>(*model, *draws, simSettingsFromRecord(record), catalogueLayouts(), this, this);
    if (options.seed) {
        uint32_t next = *options.seed;
        sim->setSeedSource([next]() mutable { return next++; });
    } else {
        sim->setSeedSource(timeSeed);
    }
    back = QImage(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
    sim->create(clockNow());
    layoutStarted();
    setTimers();
    if (options.withSplash && !(state.set.advanced & advancedNoSplash) && record.get("Settings", "Running") == 0) {
        redrawAll();
        splash = std::make_unique<CSplashWnd>(back);
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
    for (const TimerSpec& t : sim->timers())
        if (t.id == id)
            return t.intervalMs;
    return 0;
}

// A canvas over the back buffer, with the view's origin, for everything the simulation draws during fn.
template <class Fn> void CDrawWnd::withCanvas(Fn&& fn) {
    if (canvas != nullptr) {
        fn();
        return;
    }
    QtCanvas c(back);
    c.setWindowOrigin(-viewTransform.originX, -viewTransform.originY);
    canvas = &c;
    fn();
    canvas = nullptr;
}

// Sets every timer anew; the timers are kept (a tick may be the one that asked) and restarted.
void CDrawWnd::setTimers() {
    if (!options.startTimers)
        return;
    for (const TimerSpec& spec : sim->timers()) {
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
    if (pausedFlag && id == timerMove)
        return;
    withCanvas([&] {
        switch (id) {
        case timerWander:
            viewTransform.wander();
            break;
        case timerAnnotations:
            if (!state.smallWindow)
                refreshLegendText();
            break;
        case timerUpkeep:
            splash.reset(); // the splash lives at most one period of the 2-second timer
            break;
        default:
            sim->onTimer(id);
            break;
        }
    });
    if (sim->state().runs != seenRuns)
        layoutStarted();
    if (needsFullRedraw)
        redrawAll();
    update();
}

void CDrawWnd::syncFromRun() {
    const RunState& st = sim->state();
    state.layout = st.layout;
    state.content = st.switches & 15;
    state.set.backCol = st.background;
    state.set.dayLight = sim->settings().dayLight;
    state.setBrightness(st.lightLevel);
}

void CDrawWnd::layoutStarted() {
    seenRuns = sim->state().runs;
    syncFromRun();
    fitToWindow();
    if (legend)
        legend->layoutStarted(sim->state());
    needsFullRedraw = true;
}

// The layout's saved view (or the default fit) scaled to the window; repeated on every resize so that the
// origin is always derived from the stored values and never rescaled twice.
void CDrawWnd::fitToWindow() {
    if (options.fitToWidget) {
        ScreenMetrics screens;
        screens.primaryW = screens.virtualW = std::max(1, width());
        screens.primaryH = screens.virtualH = std::max(1, height());
        viewTransform.setScreens(screens);
    } else if (QScreen* primary = QGuiApplication::primaryScreen()) {
        ScreenMetrics screens;
        screens.primaryW = primary->geometry().width();
        screens.primaryH = primary->geometry().height();
        const QRect all = primary->virtualGeometry();
        screens.virtualX = all.x();
        screens.virtualY = all.y();
        screens.virtualW = all.width();
        screens.virtualH = all.height();
        viewTransform.setScreens(screens);
    }
    viewTransform.panActive = 0;
    viewTransform.loadView(store, state.layout);
    viewTransform.resize(std::max(1, width()));
}

void CDrawWnd::paintBuffer(Canvas& c) {
    c.setWindowOrigin(-viewTransform.originX, -viewTransform.originY);
    NetworkPainter(c, *model, state).paint();
    const RunState& st = sim->state();
    if (state.debugOn(debugHideVehicles))
        return;
    VehiclePainter vp(c, *model, state, *draws);
    vp.originX = viewTransform.originX;
    vp.originY = viewTransform.originY;
    auto drawn = [&](int n) {
        const VehicleDrawRecord& d = (*draws)[static_cast<size_t>(n)];
        return (d.frontX | d.frontY | d.rearX | d.rearY) != 0 && !(d.stepResult & drawHidden);
    };
    for (int n = 0; n < std::min(st.activeCars, maxRoadVehicles); ++n)
        if (drawn(n))
            vp.moveAndDrawCar(n, drawPass);
    for (int n = firstCarriage; n < st.trainsEnd; ++n)
        if (drawn(n))
            vp.moveAndDrawCarriage(n, drawPass);
    for (int n = firstBoat; n < st.boatsEnd; ++n)
        if (drawn(n))
            vp.moveAndDrawBoat(n, drawPass);
    if (legend)
        legend->drawAnnotations(c, *model, state, viewTransform.zoom);
}

void CDrawWnd::redrawAll() {
    needsFullRedraw = false;
    if (back.size() != size() && width() > 0 && height() > 0)
        back = QImage(width(), height(), QImage::Format_RGB32);
    if (canvas != nullptr) {
        paintBuffer(*canvas);
    } else {
        QtCanvas c(back);
        paintBuffer(c);
    }
    update();
}

QImage CDrawWnd::composedFrame() const {
    if (!options.embedded || !legend || !legend->isVisible())
        return back;
    QImage frame = back.copy();
    QPainter p(&frame);
    p.drawImage(legend->pos(), legend->render());
    return frame;
}

void CDrawWnd::flushCounters() {
    if (flushed)
        return;
    flushed = true;
    const RunState& st = sim->state();
    counters.setSmallWindow(state.smallWindow);
    counters.flush(RunNumbers{st.minuteCount, st.jams, st.reliefMinutes}, st.layout, true);
}

void CDrawWnd::paintEvent(QPaintEvent*) {
    if (needsFullRedraw)
        redrawAll();
    QPainter p(this);
    p.drawImage(0, 0, back);
    if (legend)
        legend->update();
}

void CDrawWnd::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (width() < 1 || height() < 1)
        return;
    back = QImage(width(), height(), QImage::Format_RGB32);
    if (legend && options.embedded)
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
    needsFullRedraw = true;
    update();
}

void CDrawWnd::invalidateLegend() {
    if (legend)
        legend->update();
}

void CDrawWnd::scrollWindow(int, int) {
    invalidate();
} // the whole buffer follows the new origin

void CDrawWnd::updateWindow() {
    if (needsFullRedraw)
        redrawAll();
    repaint();
}

void CDrawWnd::postClose() {
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void CDrawWnd::relayoutLegend() {
    if (legend)
        legend->layoutLegend(sim->state().minuteCount);
}

void CDrawWnd::showLegendFirstTime() {
    if (!legend)
        return;
    raise();
    legend->show();
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
        legend->recolour(state);
}

void CDrawWnd::nextLayout() {
    withCanvas([&] { sim->nextLayout(); });
    layoutStarted();
    update();
}

int CDrawWnd::relief() const {
    return sim->settings().relief;
}

void CDrawWnd::quickRelief() {
    sim->quickRelief();
}

int CDrawWnd::lightsMode() const {
    return sim->state().lights.mode;
}

void CDrawWnd::lightsSwitch() {
    sim->lightsSwitch();
    invalidate();
}

void CDrawWnd::dayLightChanged() {
    sim->settings().dayLight = state.set.dayLight;
    sim->settings().night = state.set.night;
    invalidate();
}

// The simulated clock belongs to the run; the menu's clock commands only take effect through daylight cycling.
void CDrawWnd::clockToSunset() {
    dayLightChanged();
}
void CDrawWnd::clockToSunrise() {
    dayLightChanged();
}

void CDrawWnd::streetLightsChanged() {
    state.refreshColours();
    invalidate();
}

// DrawHooks

void CDrawWnd::vehiclePass(int number, int pass) {
    if (canvas == nullptr || state.debugOn(debugHideVehicles))
        return;
    VehiclePainter vp(*canvas, *model, state, *draws);
    vp.originX = viewTransform.originX;
    vp.originY = viewTransform.originY;
    if (number < firstCarriage)
        vp.moveAndDrawCar(number, pass);
    else if (number < firstBoat)
        vp.moveAndDrawCarriage(number, pass);
    else
        vp.moveAndDrawBoat(number, pass);
}

void CDrawWnd::eraseVehicle(int number) {
    vehiclePass(number, erasePass);
}
void CDrawWnd::drawVehicle(int number) {
    vehiclePass(number, drawPass);
}
void CDrawWnd::redrawView() {
    needsFullRedraw = true;
}

void CDrawWnd::redrawRoad(int road) {
    if (canvas == nullptr)
        return invalidate();
    NetworkPainter np(*canvas, *model, state);
    np.drawRoad(road);
}

void CDrawWnd::drawRoadworksLamps(int flashPhase) {
    if (canvas == nullptr)
        return;
    state.flashPhase = flashPhase;
    NetworkPainter np(*canvas, *model, state);
    for (int r = 0; r < model->roadCount && r < roadCapacity; ++r)
        if (roadworksActive(model->road(r)))
            np.drawRoadworks(r, true);
}

void CDrawWnd::drawSigns() {
    if (canvas == nullptr)
        return invalidate();
    NetworkPainter(*canvas, *model, state).drawAllSigns();
}

void CDrawWnd::drawTrainLamps() {
    if (canvas == nullptr)
        return;
    NetworkPainter(*canvas, *model, state).drawLightIcons();
}

void CDrawWnd::lightLevelChanged() {
    state.setBrightness(sim->state().lightLevel);
    if (legend)
        legend->brightnessChanged(state);
}

// From the minute tick every fifth minute: the legend walks to the next corner and shows fresh figures.
void CDrawWnd::refreshLegend() {
    relayoutLegend();
    refreshLegendText();
}

void CDrawWnd::refreshLegendText() {
    if (!legend)
        return;
    legend->refreshText(sim->state(), sim->settings(), state, *model);
    if (canvas != nullptr)
        legend->drawAnnotations(*canvas, *model, state, viewTransform.zoom);
}

// RunEvents

void CDrawWnd::timersChanged() {
    setTimers();
    needsFullRedraw = true;
}

void CDrawWnd::saveCounters() {
    const RunState& st = sim->state();
    counters.setSmallWindow(state.smallWindow);
    counters.flush(RunNumbers{st.minuteCount, st.jams, st.reliefMinutes}, st.layout, false);
}

void CDrawWnd::layoutShown(bool) {
    needsFullRedraw = true;
}

} // namespace jamlog
