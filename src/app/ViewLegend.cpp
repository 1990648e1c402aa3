// The view's legend: made for its place, and the calls of the view passed on while there is one.
#include "app/ViewLegend.h"

namespace jamlog {

ViewLegend::ViewLegend(Place where, const SettingsRecord& record, ProfileStore& store, QWidget* view) : place(where) {
    if (place == Place::none)
        return;
    legend = std::make_unique<CLegWnd>(record, store, place == Place::inside ? view : nullptr);
    if (place == Place::embedded)
        legend->setAttribute(Qt::WA_DontShowOnScreen);
}

void ViewLegend::setVisible(bool on) {
    if (legend)
        legend->setVisible(on);
}

void ViewLegend::showFirstTime(QWidget& view) {
    if (!legend)
        return;
    legend->show();
    // A view inside a host's window is not a top-level window of ours to raise.
    if (place != Place::window)
        return;
    view.raise();
    legend->raise();
}

void ViewLegend::viewResized(QSize size) {
    if (legend && place != Place::window)
        legend->setScreenSize(size);
}

void ViewLegend::relayout(int elapsedMinutes, const DrawState& s) {
    if (legend)
        legend->layoutLegend(elapsedMinutes, s);
}

void ViewLegend::layoutStarted(const RunState& st) {
    if (legend)
        legend->layoutStarted(st);
}

void ViewLegend::recolour(const DrawState& s) {
    if (legend)
        legend->recolour(s);
}

void ViewLegend::refresh(const RunState& st, const SimSettings& sim, const DrawState& s, const NetworkModel& m) {
    if (legend)
        legend->refreshText(st, sim, s, m);
}

void ViewLegend::drawAnnotations(Canvas& c, const NetworkModel& m, DrawState& s, int zoom) const {
    if (legend)
        legend->drawAnnotations(c, m, s, zoom);
}

void ViewLegend::repaint() {
    if (legend)
        legend->update();
}

} // namespace jamlog
