// The legend window: placement by corner, mouse moves, the title by release and the statistics lines.
#include "app/CLegWnd.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "platform/QtCanvas.h"
#include "render/NetworkDrawing.h"
#include "settings/StoredSetting.h"
#include "settings/StoredText.h"

namespace jamlog {

namespace {
constexpr int legendPixelSize = 13; // the legend's font; its line height is about 16 pixels
constexpr const char* legendFace = "DejaVu Sans";
constexpr int titleX = 3, titleY = 1;

bool sameColours(const LegendColours& a, const LegendColours& b) {
    return a.background == b.background && a.title == b.title && a.first == b.first && a.other == b.other &&
           a.marked == b.marked;
}

QFont legendFont() {
    QFont f(legendFace);
    f.setPixelSize(legendPixelSize);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}
} // namespace

CLegWnd::CLegWnd(const SettingsRecord& record, ProfileStore& st, QWidget* inside)
    : QWidget(inside, inside != nullptr ? Qt::Widget : Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      store(st) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    if (inside != nullptr)
        hide(); // shown by the view, as a window of its own would be
    setCursor(Qt::ArrowCursor);
    setGeometry(0, 0, 100, 100);
    const RenderSettings set = renderSettingsFrom(record);
    coloursFactor = record.colours != 0 ? 1 : 0;
    darker = (set.advanced & advancedDarkLegend) != 0;
    debugLegend = (set.debug & debugLongLegend) != 0;
    release = readStored(st, Setting::Release);
    extraKit = extraKitDigit(readStoredText(st, StoredText::ExtraKit, ""));
    displayVersion = readStoredText(st, StoredText::DisplayVersion);
    neverConfigured = readStored(st, Setting::AveSpd, 0) == 0;
    storedFontHeight = readStoredMetric(st, StoredMetric::FontHeight, storedFontHeight);
    const QFontMetrics fm(legendFont());
    lineHeight = fm.height();
    charWidth = fm.averageCharWidth();
    static const char* const builds[] = {"TEST BUILD", "BETA BUILD", "RC BUILD"};
    if (release >= 0 && release <= 2)
        text[1] = builds[release];
    colour = legendColours(legendBackground(set.backCol, fullDaylight, darker, coloursFactor));
}

// Embedded in a host's frame, the frame itself; as a window of its own, the primary monitor, which need not
// lie at the desktop's origin.
QRect CLegWnd::primaryArea() const {
    if (screen.isValid())
        return QRect(QPoint(0, 0), screen);
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry() : QRect(0, 0, 1920, 1080);
}

void CLegWnd::layoutLegend(int elapsedMinutes, const DrawState& s) {
    if (debugLegend != s.debugOn(debugLongLegend)) {
        debugLegend = !debugLegend;
        pictureChanged();
    }
    const QRect primary = primaryArea();
    const LegendRect r = legendAtCorner(legendSize(lineHeight, charWidth, debugLegend), elapsedMinutes % 4,
                                        primary.width(), primary.height());
    setGeometry(primary.x() + r.x, primary.y() + r.y, r.width, r.height);
    writeStoredMetric(store, StoredMetric::FontHeight, lineHeight);
    writeStoredMetric(store, StoredMetric::FontWidth, charWidth);
    if (storedFontHeight != lineHeight) {
        storedFontHeight = lineHeight;
        pictureChanged();
    }
}

void CLegWnd::layoutStarted(const RunState& st) {
    const std::string name = st.layoutName.substr(0, legendSlotChars);
    if (text[0] != name) {
        text[0] = name;
        pictureChanged();
    }
}

void CLegWnd::brightnessChanged(const DrawState& s) {
    coloursFactor = 1; // black only until the first change
    const LegendColours now = legendColours(legendBackground(s.set.backCol, s.brightness, darker, coloursFactor));
    if (sameColours(now, colour))
        return;
    colour = now;
    pictureChanged();
}

void CLegWnd::refreshText(const RunState& st, const SimSettings& sim, const DrawState& s, const NetworkModel& m) {
    LegendFigures f;
    debugLegend = s.debugOn(debugLongLegend);
    f.neverConfigured = neverConfigured;
    f.loading = st.annotations[2] == ".Loading...";
    const int tracks = m.trackCount - m.trackAdjust;
    f.trainLayout = m.roadCount == 0 || m.roadCount <= tracks;
    f.fewTracks = tracks * 9 <= m.roadCount || sim.tracks == 0;
    f.carsNow = st.counts.counted;
    f.carsStuck = st.counts.stopped;
    f.carsMax = st.activeCars;
    f.trainsNow = st.counts.trains.counted;
    f.trainsStuck = st.counts.trains.stuck;
    f.inTerminus = st.counts.trains.inTerminus;
    f.carrs = sim.carrs;
    f.vlTrains = sim.vlTrains != 0;
    f.jams = st.jams;
    f.relief = quickReliefOn(sim.relief) ? 2 : (st.reliefActive ? 1 : 0);
    f.elapsedMin = st.minuteCount;
    f.clock = st.clock;
    f.debugLegend = debugLegend;
    f.bright = s.brightness;
    f.tlState = s.set.tlState;
    f.scale = s.scale;
    f.vsl = sim.vsl;
    f.frameRate = (st.tickCount - lastTicks) / std::max(1, sim.annotIntvl);
    lastTicks = st.tickCount;
    f.screenW = s.screenW;
    f.screenH = s.screenH;
    LegendSlots now = text;
    fillLegendSlots(now, f);
    if (now == text)
        return;
    text = std::move(now);
    pictureChanged();
}

void CLegWnd::pictureChanged() {
    ++version;
    update();
}

void CLegWnd::drawAnnotations(Canvas& c, const NetworkModel& m, DrawState& s, int zoom) const {
    if (!s.set.annotate || s.smallWindow || !(s.content & 1))
        return;
    for (int r = 0; r < m.roadCount && r < roadCapacity; ++r)
        drawSpeedAnnotation(c, m, s, r, zoom);
}

void CLegWnd::paintInto(QImage& image) const {
    QtCanvas c(image);
    c.fillSurface(colour.background);
    Font font;
    font.face = legendFace;
    font.height = legendPixelSize;
    c.setFont(font);
    const std::string title = legendTitle(release, displayVersion, extraKit, image.height());
    if (!title.empty()) {
        c.setBackgroundColour(colour.background);
        c.setTextColour(colour.title);
        c.text(titleX, titleY, title);
    }
    redrawLegendLines(c, colour, storedFontHeight, text, debugLegend);
}

std::string CLegWnd::title() const {
    return legendTitle(release, displayVersion, extraKit, height());
}

QImage CLegWnd::render() const {
    QImage image(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
    paintInto(image);
    return image;
}

void CLegWnd::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, render());
}

// Shown (again) while the saver's window is up, the legend must come above it: without a window manager the
// stay-on-top hint does nothing. (Drawn into a host's window it has no window of its own to raise.)
void CLegWnd::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!testAttribute(Qt::WA_DontShowOnScreen))
        raise();
}

// A press on the legend is the legend's: inside the view it would otherwise reach the view's menus.
void CLegWnd::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void CLegWnd::mouseReleaseEvent(QMouseEvent* event) {
    const QRect primary = primaryArea();
    const LegendRect at{x() - primary.x(), y() - primary.y(), width(), height()};
    LegendRect to = at;
    if (event->button() == Qt::LeftButton) {
        // In the coordinates the legend is placed in: its parent's, or the desktop's for a window of its own.
        const QPoint placed =
            parentWidget() != nullptr ? mapToParent(event->position().toPoint()) : event->globalPosition().toPoint();
        const QPoint p = placed - primary.topLeft();
        to = legendCentredAt(at, p.x(), p.y());
    } else if (event->button() == Qt::RightButton) {
        to = legendNextCorner(at, primary.width(), primary.height());
    } else {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    move(primary.x() + to.x, primary.y() + to.y);
}

} // namespace jamlog
