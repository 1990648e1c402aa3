// The legend of a view, when it has one: where it lives (a window of its own, a child inside the view, or a
// picture that a host's frame takes in), when it is laid out, shown, recoloured and refilled, and the speed
// annotations it decides on. Every call does nothing for a view without a legend.
#pragma once
#include <QRect>
#include <memory>

#include "app/CLegWnd.h"

namespace jamlog {

class ViewLegend {
public:
    enum class Place {
        none,     // no legend (the headless views)
        window,   // a topmost window of its own
        inside,   // a child of the view, kept inside it
        embedded, // never on screen: painted into the frames of a host's window
    };
    ViewLegend(Place place, const SettingsRecord& record, ProfileStore& store, QWidget* view);

    CLegWnd* window() const { return legend.get(); }
    bool visible() const { return legend && legend->isVisible(); }
    void setVisible(bool on);
    // The first time the view is full size: shown, and above the view when it is a window of its own.
    void showFirstTime(QWidget& view);
    void hide() { setVisible(false); }

    // The corner it walks round is the view's own, except for a window of its own.
    void viewResized(QSize size);
    void relayout(int elapsedMinutes, const DrawState& s);
    void layoutStarted(const RunState& st);
    void recolour(const DrawState& s);
    void refresh(const RunState& st, const SimSettings& sim, const DrawState& s, const NetworkModel& m);
    void drawAnnotations(Canvas& c, const NetworkModel& m, DrawState& s, int zoom) const;
    void repaint();

    // A legend inside the view, shown: what a scroll of the view must paint anew around it.
    bool shownInside() const { return place == Place::inside && visible(); }
    QRect geometry() const { return legend ? legend->geometry() : QRect(); }

private:
    Place place;
    std::unique_ptr<CLegWnd> legend;
};

} // namespace jamlog
