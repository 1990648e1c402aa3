// The main dialog's initialisation, its control rules, the view of each layout, Save, Cancel, "Reset All",
// "Apply & Test" and the re-activation after a test run.
#include "app/dialog/CSaverDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QStandardPaths>
#include <algorithm>

#include "app/CSaverApp.h"
#include "app/Install.h"
#include "app/dialog/CAboutDlg.h"
#include "app/dialog/CHelpDlg.h"
#include "app/dialog/CStatisticsDlg.h"
#include "app/dialog/DialogTexts.h"
#include "app/dialog/TestRun.h"
#include "app/sheet/CPropSheet.h"
#include "model/LayoutCatalogue.h"

namespace jamlog {

namespace {

constexpr int speedMin = 3, speedMax = 15, mphPerStep = 10;
constexpr int carsMax = 400, boatsMax = 100;
constexpr int slowMotionMin = 1, slowMotionMax = 20;
constexpr int zoomMin = CSaverDlg::zoomFloor;
constexpr int variedMph = 70; // driving style 0; the others give (5 - style) x 20 mph
constexpr int designerClicks = 6;

int styleMph(int driver) {
    return driver == 0 ? variedMph : (5 - driver) * 20;
}

void setRange(QSlider* s, int low, int high, int value) {
    s->setRange(low, std::max(low, high));
    s->setValue(value);
}

} // namespace

CSaverDlg::CSaverDlg(ProfileStore& st, const Options& o, QWidget* parent) : QDialog(parent), store(st), options(o) {
    setWindowTitle(dialog::caption);
    buildControls();
    createPreview();
    writeRunning(store, runningIdle);
    copy = view->settings();
    v = loadDialogValues(copy, store);
    shownRun = runChoice(); // the preview runs the stored values
    setTitleText();
    fillLayoutList();
    debugOn->setVisible(v.designer);
    testLayouts->setVisible(v.designer);
    defaultOrStoredView();
    okButton->setToolTip(QString::fromStdString(versionTooltip(store, v.designer)));
    helpButton->setMenu(buildHelpMenu());
    new QShortcut(QKeySequence(Qt::Key_F1), this, [this] { showHelp(); });
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    const auto horizontal = [this] { horizontalMoved(); };
    for (QSlider* s : {speed, cars, trains, boats, slowMotion, zoom, originX}) {
        connect(s, &QSlider::valueChanged, this, horizontal);
        connect(s, &QSlider::sliderReleased, this, horizontal);
    }
    connect(originY, &QSlider::valueChanged, this, [this] { verticalMoved(); });
    connect(layoutList, &QComboBox::currentIndexChanged, this, [this] { selectionChanged(false); });
    connect(driverList, &QComboBox::currentIndexChanged, this, [this] { selectionChanged(true); });
    connect(lightsList, &QComboBox::currentIndexChanged, this, [this] { selectionChanged(false); });
    for (QCheckBox* b : {lock, canMse, random, debugOn, testLayouts})
        connect(b, &QCheckBox::toggled, this, [this] { checkBoxesChanged(); });
    connect(defaultViewButton, &QPushButton::clicked, this, [this] { defaultView(); });
    connect(propertiesButton, &QPushButton::clicked, this, [this] { properties(); });
    connect(applyTestButton, &QPushButton::clicked, this, [this] { applyAndTest(); });
    connect(resetAllButton, &QPushButton::clicked, this, [this] { resetAll(); });
    connect(okButton, &QPushButton::clicked, this, &CSaverDlg::accept);
    connect(cancelButton, &QPushButton::clicked, this, &CSaverDlg::reject);
}

CSaverDlg::~CSaverDlg() {
    finishPreview();
}

// The preview keeps to the screen's shape inside its frame: narrower for screens up to twice as wide as high,
// lower for wider ones.
void CSaverDlg::createPreview() {
    CDrawWnd::Options o;
    o.seed = options.seed;
    o.startTimers = options.startTimers;
    o.screens = options.screens;
    o.fitToWidget = false;
    o.withLegend = false;
    view = std::make_unique<CDrawWnd>(store, o, previewFrame);
    const QRect frame = previewFrame->contentsRect();
    const SettingsRecord& r = view->settings();
    const int aspect = r.screenW * 100 / std::max(1, r.screenH);
    QRect at = frame;
    if (aspect <= 200)
        at.setWidth(frame.height() * aspect / 100);
    else
        at.setHeight(frame.width() * 100 / std::max(1, aspect));
    at.moveCenter(frame.center());
    view->setGeometry(at);
    view->show();
}

void CSaverDlg::setTitleText() {
    const int32_t release = std::clamp<int32_t>(buildRelease(store), 0, dialog::releaseTitles.size() - 1);
    title->setText(v.designer ? dialog::designerTitle : dialog::releaseTitles[static_cast<size_t>(release)]);
}

// Only layouts that are built are offered; the test layouts only to designers who asked for them.
void CSaverDlg::fillLayoutList() {
    const QSignalBlocker quiet(layoutList);
    for (int n : offeredLayouts(v.designer, v.testLayouts != 0))
        layoutList->addItem(dialog::layoutNames[static_cast<size_t>(n)], n);
    // A stored layout that is not offered is shown as the one the preview builds instead.
    if (layoutList->findData(v.layout) < 0)
        v.layout = layoutList->findData(view->simulation().state().layout) >= 0 ? view->simulation().state().layout
                                                                                : layoutList->itemData(0).toInt();
}

void CSaverDlg::setSliderRanges() {
    setRange(speed, speedMin, speedMax, v.mph / mphPerStep);
    setRange(cars, 1, carsMax, v.cars);
    setRange(trains, 1, v.trainsBound, v.trains);
    setRange(boats, 1, boatsMax, v.boats);
    setRange(slowMotion, slowMotionMin, slowMotionMax, v.factor);
    setRange(zoom, zoomMin, view->settings().screenW * 2 / 3, v.view.scale < noSavedScale ? zoomShown : v.view.scale);
    // Any origin that keeps part of the layout in view, and the current one.
    const NetworkModel& m = view->model();
    const int w = m.extentMaxX - m.extentMinX, h = m.extentMaxY - m.extentMinY;
    originX->setRange(std::min(-m.extentMaxX, v.view.originX), std::max(w - m.extentMinX, v.view.originX));
    originY->setRange(std::min(-m.extentMaxY, v.view.originY), std::max(std::max(w, h) - m.extentMinY, v.view.originY));
    originX->setValue(v.view.originX);
    originY->setValue(v.view.originY);
    for (QSlider* s : {originX, originY}) {
        s->setSingleStep(std::max(1, w / 100));
        s->setPageStep(std::max(1, w / 10));
    }
}

// Every control from the working values, without running the control rules.
void CSaverDlg::showValues() {
    updating = true;
    for (QWidget* w : findChildren<QWidget*>())
        w->blockSignals(true);
    layoutList->setCurrentIndex(std::max(0, layoutList->findData(v.layout)));
    driverList->setCurrentIndex(v.driver);
    lightsList->setCurrentIndex(v.lights);
    setSliderRanges();
    mph->setText(QString::number(v.mph));
    lock->setChecked(v.lockPreview != 0);
    canMse->setChecked(v.canMse != 0);
    random->setChecked((v.randomMask & 1) != 0);
    debugOn->setChecked(v.debugOn != 0);
    testLayouts->setChecked(v.testLayouts != 0);
    for (QWidget* w : findChildren<QWidget*>())
        w->blockSignals(false);
    updating = false;
    applyLock();
}

void CSaverDlg::selectionChanged(bool driverChanged) {
    if (updating)
        return;
    v.driver = std::max(0, driverList->currentIndex());
    v.lights = std::max(0, lightsList->currentIndex());
    if (driverChanged)
        v.mph = styleMph(v.driver);
    writeLayoutView(store, v.layout, v.view);
    v.layout = layoutList->currentData().toInt();
    rebuildPreview();
    v.view = readLayoutView(store, v.layout);
    defaultOrStoredView();
}

void CSaverDlg::horizontalMoved() {
    if (updating)
        return;
    v.mph = speed->value() * mphPerStep;
    mph->setText(QString::number(v.mph));
    v.trains = std::min(trains->value(), v.trainsBound);
    v.boats = boats->value();
    // A new count of vehicles or a new speed rebuilds the preview: once the slider is let go, not at every step of
    // a drag.
    if (!cars->isSliderDown()) {
        v.cars = cars->value();
        view->applyCars(v.cars);
    }
    if (!speed->isSliderDown() && !trains->isSliderDown() && !boats->isSliderDown() && !(shownRun == runChoice()))
        rebuildPreview();
    v.factor = slowMotion->value();
    view->applySlowMotion(v.factor);
    v.view.scale = zoom->value();
    v.view.originX = originX->value();
    applyViewIfChanged();
}

void CSaverDlg::verticalMoved() {
    if (updating)
        return;
    v.view.originY = originY->value();
    applyViewIfChanged();
}

CDrawWnd::RunChoice CSaverDlg::runChoice() const {
    return {v.layout, v.driver, v.lights, kmhFromMph(v.mph), v.trains, v.boats};
}

void CSaverDlg::rebuildPreview() {
    shownRun = runChoice();
    view->rebuildRun(shownRun);
}

void CSaverDlg::applyViewIfChanged() {
    const CDrawWnd::StoredView next{v.view.scale, v.view.originX, v.view.originY};
    if (next.scale == shownView.scale && next.originX == shownView.originX && next.originY == shownView.originY)
        return;
    shownView = next;
    view->applyView(next);
}

void CSaverDlg::checkBoxesChanged() {
    if (updating)
        return;
    v.lockPreview = lock->isChecked() ? 1 : 0;
    v.canMse = canMse->isChecked() ? 1 : 0;
    v.randomMask = random->isChecked() ? (v.randomMask | 1) : (v.randomMask & ~1);
    v.debugOn = debugOn->isChecked() ? 1 : 0;
    v.testLayouts = testLayouts->isChecked() ? 1 : 0;
    applyLock();
}

void CSaverDlg::applyLock() {
    if (!view)
        return;
    if (!frozenByDialog)
        view->setFrozen(v.lockPreview != 0);
    lockLabel->setVisible(view->frozen());
    view->setVisible(!view->frozen());
}

void CSaverDlg::defaultView() {
    v.view.scale = 1;
    defaultOrStoredView();
}

void CSaverDlg::iconClicked() {
    ++clicks;
    writeDesignerMode(store, clicks - 1 >= designerClicks);
}

void CSaverDlg::overPreview(const std::function<void()>& fn) {
    const bool outer = !frozenByDialog;
    frozenByDialog = true;
    view->setFrozen(true);
    fn();
    if (!outer)
        return;
    frozenByDialog = false;
    applyLock();
}

void CSaverDlg::showAbout() {
    overPreview([this] { CAboutDlg(store, this).exec(); });
}

void CSaverDlg::showHelp() {
    overPreview([this] { CHelpDlg(this).exec(); });
}

void CSaverDlg::showStatistics() {
    overPreview([this] { CStatisticsDlg(store, this).exec(); });
}

QMenu* CSaverDlg::buildHelpMenu() {
    auto* menu = new QMenu(this);
    menu->setObjectName("helpMenu");
    menu->addAction(dialog::aboutItem, this, [this] { showAbout(); });
    menu->addAction(dialog::helpItem, this, [this] { showHelp(); });
    menu->addAction(dialog::statisticsItem, this, [this] { showStatistics(); });
    return menu;
}

void CSaverDlg::contextMenuEvent(QContextMenuEvent* event) {
    helpButton->menu()->exec(event->globalPos());
}

bool CSaverDlg::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        reactivated();
    return QDialog::event(event);
}

bool CSaverDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == icon && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        iconClicked();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CSaverDlg::reactivated() {
    if (!view || readRunning(store) != runningTestDone)
        return;
    writeRunning(store, runningIdle);
    v.view = readLayoutView(store, v.layout);
    defaultOrStoredView();
}

void CSaverDlg::defaultOrStoredView() {
    if (v.view.scale < noSavedScale) {
        const CDrawWnd::StoredView d = view->defaultView();
        v.view = {1, d.originX, d.originY};
        zoomShown = d.scale;
    } else {
        view->applyView({v.view.scale, v.view.originX, v.view.originY});
    }
    shownView = {v.view.scale, v.view.originX, v.view.originY};
    showValues();
}

void CSaverDlg::properties() {
    intoDialogCopy(copy, v);
    int result = QDialog::Rejected;
    overPreview([&] {
        CPropSheet sheet(copy, store, this);
        result = sheet.exec();
    });
    if (result == CPropSheet::importedCode) {
        // The store now holds the imported settings: the dialog's own values must not overwrite them.
        finishPreview();
        done(QDialog::Accepted);
        return;
    }
    if (result != QDialog::Accepted)
        return;
    fromDialogCopy(copy, v);
    replacePreview();
}

// A new preview loads the stored settings, the sheet's among them, as the first one did under the configuration's
// marker (no random cycling); it then takes the dialog's own layout, driver, lights, cars and view.
void CSaverDlg::replacePreview() {
    finishPreview();
    writeRunning(store, runningConfiguration);
    createPreview();
    writeRunning(store, runningIdle);
    if (!(view->runChoice() == runChoice()))
        view->rebuildRun(runChoice());
    shownRun = runChoice();
    view->applyCars(v.cars);
    view->applySlowMotion(v.factor);
    shownView = {};
    defaultOrStoredView();
}

void CSaverDlg::save() {
    saveDialogValues(store, v);
}

void CSaverDlg::applyAndTest() {
    save();
    writeRunning(store, runningTestAsked);
    const QString program = options.program.isEmpty() ? QCoreApplication::applicationFilePath() : options.program;
    if (QStandardPaths::findExecutable("xscreensaver").isEmpty()) {
        overPreview(
            [this] { QMessageBox::information(this, dialog::noXscreensaverCaption, dialog::noXscreensaverText); });
    } else if (const std::string config = userConfigPath(); !config.empty()) {
        const InstallOutcome r = installScreenSaver(program.toStdString(), config, false);
        if (!r.ok)
            overPreview(
                [&] { QMessageBox::warning(this, dialog::noXscreensaverCaption, QString::fromStdString(r.message)); });
    }
    if (!testRun)
        testRun = std::make_unique<TestRun>([this] { testRunEnded(); });
    frozenByDialog = true;
    view->setFrozen(true);
    setEnabled(false);
    if (!testRun->start(program))
        testRunEnded();
}

void CSaverDlg::testRunEnded() {
    setEnabled(true);
    frozenByDialog = false;
    applyLock();
    raise();
    activateWindow();
    reactivated();
}

bool CSaverDlg::waitForTestRun(int ms) {
    return !testRun || testRun->wait(ms);
}

void CSaverDlg::resetAll() {
    bool yes = false;
    overPreview([&] {
        yes = QMessageBox(QMessageBox::Critical, dialog::resetWarningCaption, dialog::resetAllQuestion,
                          QMessageBox::Yes | QMessageBox::No, this)
                  .exec() == QMessageBox::Yes;
        if (yes)
            QMessageBox(QMessageBox::Information, dialog::resetDoneCaption, dialog::resetDoneText, QMessageBox::Ok,
                        this)
                .exec();
    });
    if (!yes)
        return;
    // The preview books its counters as it goes, so it goes first: nothing may be written after the removal.
    finishPreview();
    store.deleteProgramKey();
    done(resetResult);
}

void CSaverDlg::finishPreview() {
    if (!view)
        return;
    view->flushCounters();
    view.reset();
}

void CSaverDlg::accept() {
    if (view)
        save();
    finishPreview();
    QDialog::accept();
}

void CSaverDlg::reject() {
    finishPreview();
    QDialog::reject();
}

} // namespace jamlog
