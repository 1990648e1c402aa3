// The main dialog's controls, created top to bottom so that the tab order follows the eye: the title, the three
// lists, the preview with its origin sliders beside the speed, traffic, slow-motion and zoom sliders, the check
// boxes and the buttons.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "app/dialog/CSaverDlg.h"
#include "app/dialog/DialogTexts.h"
#include "app/sheet/ProgramIcon.h"

namespace jamlog {

namespace {

constexpr int iconSize = 32;
constexpr QSize previewFrameSize(500, 250); // screens up to twice as wide as high keep its height

QComboBox* list(const dialog::SliderText& t, QVBoxLayout* into, QWidget* parent, const char* name) {
    auto* label = new QLabel(t.label, parent);
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setToolTip(t.tooltip);
    label->setBuddy(box);
    into->addWidget(label);
    into->addWidget(box);
    return box;
}

QSlider* slider(Qt::Orientation o, const char* tip, QWidget* parent, const char* name) {
    auto* s = new QSlider(o, parent);
    s->setObjectName(name);
    s->setToolTip(tip);
    return s;
}

QCheckBox* checkBox(const dialog::SliderText& t, QWidget* parent, const char* name) {
    auto* b = new QCheckBox(t.label, parent);
    b->setObjectName(name);
    if (t.tooltip)
        b->setToolTip(t.tooltip);
    return b;
}

QPushButton* button(const dialog::SliderText& t, QWidget* parent, const char* name) {
    auto* b = new QPushButton(t.label, parent);
    b->setObjectName(name);
    b->setToolTip(t.tooltip);
    b->setAutoDefault(false);
    return b;
}

// A labelled slider in a grid row: the label, then the slider.
QSlider* sliderRow(QGridLayout* grid, int row, const dialog::SliderText& t, QWidget* parent, const char* name) {
    auto* label = new QLabel(t.label, parent);
    grid->addWidget(label, row, 0);
    QSlider* s = slider(Qt::Horizontal, t.tooltip, parent, name);
    grid->addWidget(s, row, 1);
    label->setBuddy(s);
    return s;
}

} // namespace

void CSaverDlg::buildControls() {
    auto* main = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    icon = new QLabel(this);
    icon->setObjectName("icon");
    icon->setPixmap(programIcon().pixmap(iconSize, iconSize));
    icon->installEventFilter(this);
    title = new QLineEdit(this);
    title->setObjectName("title");
    title->setReadOnly(true);
    title->setFocusPolicy(Qt::NoFocus);
    top->addWidget(icon);
    top->addWidget(title, 1);
    main->addLayout(top);

    auto* lists = new QHBoxLayout;
    QVBoxLayout* column[3] = {new QVBoxLayout, new QVBoxLayout, new QVBoxLayout};
    layoutList = list(dialog::layoutText, column[0], this, "layoutList");
    driverList = list(dialog::driverText, column[1], this, "driverList");
    lightsList = list(dialog::lightsText, column[2], this, "lightsList");
    for (QVBoxLayout* c : column)
        lists->addLayout(c, 1);
    main->addLayout(lists);
    for (const char* d : dialog::driverNames)
        driverList->addItem(d);
    for (const char* l : dialog::lightNames)
        lightsList->addItem(l);

    auto* middle = new QHBoxLayout;
    auto* previewGrid = new QGridLayout;
    previewFrame = new QFrame(this);
    previewFrame->setObjectName("previewFrame");
    previewFrame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    previewFrame->setFixedSize(previewFrameSize);
    lockLabel = new QLabel(dialog::previewLockText, previewFrame);
    lockLabel->setWordWrap(true);
    lockLabel->setAlignment(Qt::AlignCenter);
    lockLabel->setGeometry(previewFrame->rect().adjusted(20, 20, -20, -20));
    previewGrid->addWidget(previewFrame, 0, 0);
    middle->addLayout(previewGrid);

    auto* right = new QVBoxLayout;
    auto* speedGrid = new QGridLayout;
    speed = sliderRow(speedGrid, 0, dialog::speedText, this, "speed");
    mph = new QLineEdit(this);
    mph->setObjectName("mph");
    mph->setReadOnly(true);
    mph->setFocusPolicy(Qt::NoFocus);
    mph->setMaximumWidth(48);
    mph->setAlignment(Qt::AlignRight);
    speedGrid->addWidget(mph, 0, 2);
    speedGrid->addWidget(new QLabel(dialog::speedUnit, this), 0, 3);
    right->addLayout(speedGrid);

    auto* traffic = new QGroupBox(dialog::trafficGroup, this);
    auto* trafficGrid = new QGridLayout(traffic);
    cars = sliderRow(trafficGrid, 0, dialog::carsText, traffic, "cars");
    trains = sliderRow(trafficGrid, 1, dialog::trainsText, traffic, "trains");
    boats = sliderRow(trafficGrid, 2, dialog::boatsText, traffic, "boats");
    right->addWidget(traffic);

    auto* motionGrid = new QGridLayout;
    slowMotion = sliderRow(motionGrid, 0, dialog::slowMotionText, this, "slowMotion");
    auto* marks = new QHBoxLayout;
    for (size_t i = 0; i < dialog::slowMotionMarks.size(); ++i) {
        auto* mark = new QLabel(dialog::slowMotionMarks[i], this);
        mark->setAlignment(i == 0 ? Qt::AlignLeft : i == 1 ? Qt::AlignHCenter : Qt::AlignRight);
        marks->addWidget(mark, 1);
    }
    motionGrid->addLayout(marks, 1, 1);
    zoom = sliderRow(motionGrid, 2, dialog::zoomText, this, "zoom");
    right->addLayout(motionGrid);
    right->addStretch(1);
    middle->addLayout(right, 1);
    main->addLayout(middle);

    // The origin sliders beside and below the preview; tabbing reaches them after the sliders on the right.
    originY = slider(Qt::Vertical, dialog::originYTip, this, "originY");
    originY->setInvertedAppearance(true);
    previewGrid->addWidget(originY, 0, 1);
    originX = slider(Qt::Horizontal, dialog::originXTip, this, "originX");
    previewGrid->addWidget(originX, 1, 0);

    auto* checks = new QHBoxLayout;
    lock = checkBox(dialog::lockText, this, "lock");
    canMse = checkBox(dialog::canMseText, this, "canMse");
    random = checkBox(dialog::randomText, this, "random");
    debugOn = checkBox(dialog::debugText, this, "debugOn");
    testLayouts = checkBox(dialog::testLayoutsText, this, "testLayouts");
    for (QCheckBox* b : {lock, canMse, random, debugOn, testLayouts})
        checks->addWidget(b);
    checks->addStretch(1);
    main->addLayout(checks);

    auto* buttons = new QHBoxLayout;
    defaultViewButton = button(dialog::defaultViewText, this, "defaultView");
    propertiesButton = button(dialog::propertiesText, this, "properties");
    applyTestButton = button(dialog::applyTestText, this, "applyTest");
    resetAllButton = button(dialog::resetAllText, this, "resetAll");
    helpButton = button({dialog::helpButton, nullptr}, this, "help");
    okButton = button({"OK", nullptr}, this, "ok");
    okButton->setDefault(true);
    cancelButton = button({"Cancel", dialog::cancelTip}, this, "cancel");
    for (QPushButton* b : {defaultViewButton, propertiesButton, applyTestButton, resetAllButton})
        buttons->addWidget(b);
    buttons->addStretch(1);
    for (QPushButton* b : {helpButton, okButton, cancelButton})
        buttons->addWidget(b);
    main->addLayout(buttons);

    QWidget* const order[] = {layoutList,
                              driverList,
                              lightsList,
                              speed,
                              cars,
                              trains,
                              boats,
                              slowMotion,
                              zoom,
                              originY,
                              originX,
                              lock,
                              canMse,
                              random,
                              debugOn,
                              testLayouts,
                              defaultViewButton,
                              propertiesButton,
                              applyTestButton,
                              resetAllButton,
                              helpButton,
                              okButton,
                              cancelButton};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

} // namespace jamlog
