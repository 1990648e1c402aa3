// The main configuration dialog: the most used settings, a live preview (the real simulation view as a child),
// the property sheet, "Apply & Test", "Reset All", and Help, About and Statistics behind a Help button, the
// background's context menu and F1. Its own values reach the store only through OK and "Apply & Test".
#pragma once
#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "app/CDrawWnd.h"
#include "settings/DialogSettings.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSlider;

namespace jamlog {

class TestRun;

class CSaverDlg : public QDialog {
    Q_OBJECT
public:
    struct Options {
        std::optional<uint32_t> seed;         // a replayable preview
        bool startTimers = true;              // tests step the preview themselves
        std::optional<ScreenMetrics> screens; // by default the platform's
        QString program;                      // what "Apply & Test" runs with "s"; by default this program
    };
    // The result when "Reset All" removed the store: the program ends without writing anything more.
    static constexpr int resetResult = 2;
    static constexpr int zoomFloor = 150; // the zoom slider's lowest scale

    CSaverDlg(ProfileStore& store, const Options& options, QWidget* parent = nullptr);
    ~CSaverDlg() override;

    CDrawWnd* preview() const { return view.get(); }
    const DialogValues& values() const { return v; }
    int iconClicks() const { return clicks; }

    // Re-activation after a test run: Running 2 becomes 0 and the current layout's stored view is shown again.
    void reactivated();
    // Runs fn with the preview frozen; afterwards it thaws unless "Lock Preview Window" is checked.
    void overPreview(const std::function<void()>& fn);
    // Shows the About, Help or Statistics dialog over this one.
    void showAbout();
    void showHelp();
    void showStatistics();

    // Waits (tests) until a running test run has ended.
    bool waitForTestRun(int ms);

    void accept() override;
    void reject() override;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QMenu* buildHelpMenu();
    void createPreview();
    void fillLayoutList();
    void setTitleText();
    void setSliderRanges();
    void showValues();
    void fitPreview();
    void finishPreview();

    void selectionChanged(bool driverChanged);
    void horizontalMoved();
    void verticalMoved();
    void checkBoxesChanged();
    void defaultView();
    void iconClicked();
    void properties();
    void replacePreview();
    void applyAndTest();
    void testRunEnded();
    void resetAll();
    void save();
    void applyLock();
    void applyViewIfChanged();
    // What the preview's run is built with from the dialog's values; a rebuild with them.
    CDrawWnd::RunChoice runChoice() const;
    void rebuildPreview();
    // The current layout's view from v.view: its stored one, or the default for a scale below 2.
    void defaultOrStoredView();

    ProfileStore& store;
    Options options;
    SettingsRecord copy; // the dialog's copy of the settings, which the property sheet works on
    DialogValues v;
    std::unique_ptr<CDrawWnd> view;
    std::unique_ptr<TestRun> testRun;
    int clicks = 0;
    int zoomShown = zoomFloor;        // the zoom slider's position while the view is the default one
    CDrawWnd::StoredView shownView{}; // what the preview was last given
    CDrawWnd::RunChoice shownRun{};   // the choices its run was last built with

    bool frozenByDialog = false;
    bool updating = false; // the controls are being set from the values, not by the user

    QLabel* icon = nullptr;
    QLineEdit* title = nullptr;
    QComboBox *layoutList = nullptr, *driverList = nullptr, *lightsList = nullptr;
    QSlider *speed = nullptr, *cars = nullptr, *trains = nullptr, *boats = nullptr, *slowMotion = nullptr,
            *zoom = nullptr, *originX = nullptr, *originY = nullptr;
    QLineEdit* mph = nullptr;
    QFrame* previewFrame = nullptr;
    QLabel* lockLabel = nullptr;
    QCheckBox *lock = nullptr, *canMse = nullptr, *random = nullptr, *debugOn = nullptr, *testLayouts = nullptr;
    QPushButton *defaultViewButton = nullptr, *propertiesButton = nullptr, *applyTestButton = nullptr,
                *resetAllButton = nullptr, *helpButton = nullptr, *okButton = nullptr, *cancelButton = nullptr;
};

} // namespace jamlog
