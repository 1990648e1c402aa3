// The legend popup of a view: a topmost tool window in a corner of the primary screen with the title and the
// statistics lines, or an overlay child kept inside a view of its own window; it walks round the corners and
// follows the mouse buttons.
#pragma once
#include <QWidget>

#include "render/Legend.h"
#include "settings/ProfileStore.h"
#include "settings/SettingsRecord.h"
#include "sim/Simulation.h"

namespace jamlog {

class CLegWnd : public QWidget {
    Q_OBJECT
public:
    // inside: the view the legend is a child of, which it walks round; nullptr for a window of its own.
    CLegWnd(const SettingsRecord& record, ProfileStore& store, QWidget* inside = nullptr);

    // Sizes and places the legend; its length follows the debug legend bit of the drawing state.
    void layoutLegend(int elapsedMinutes, const DrawState& s);
    void layoutStarted(const RunState& st);
    void brightnessChanged(const DrawState& s); // the background follows the light level
    void recolour(const DrawState& s) { brightnessChanged(s); }
    void refreshText(const RunState& st, const SimSettings& sim, const DrawState& s, const NetworkModel& m);
    void drawAnnotations(Canvas& c, const NetworkModel& m, DrawState& s, int zoom) const;
    // The screen the legend walks round (the primary screen unless set: a window or a host's window).
    void setScreenSize(QSize size) { screen = size; }

    const LegendSlots& slots() const { return text; }
    const LegendColours& colours() const { return colour; }
    QImage render() const; // the legend as painted, for tests
    std::string title() const;
    // Goes up whenever what the legend shows changes (its place and visibility aside); starts at 1.
    unsigned pictureVersion() const { return version; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QRect primaryArea() const; // where the legend keeps to, in the coordinates of its own placement
    void paintInto(QImage& image) const;
    void pictureChanged();

    ProfileStore& store;
    LegendSlots text;
    LegendColours colour;
    int coloursFactor = 1; // `Colours`: 0 starts the legend black, until the first change of colour
    bool darker = false;
    bool debugLegend = false; // as last laid out or filled
    int release = 2, extraKit = 0;
    std::string displayVersion;
    int lineHeight = 16, charWidth = 8;
    int storedFontHeight = 16;    // Screen\\FontHeight, read once and kept as the legend writes it
    bool neverConfigured = false; // the dialog was never saved: read once, the settings do not change while running
    int lastTicks = 0;
    QSize screen;
    unsigned version = 1;
};

} // namespace jamlog
