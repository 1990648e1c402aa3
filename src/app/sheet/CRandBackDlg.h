// "Random Background Selection": the seven background colours and which of colours 1-6 random cycling uses.
// Unlike the pages, it writes the store itself on OK.
#pragma once
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <array>

#include "settings/ProfileStore.h"

namespace jamlog {

constexpr int backgroundColours = 7; // colour 0 the default background, 1-6 the cycle

// A push button drawn as a rectangle filled with its colour, sunken while it has the focus.
class ColourButton : public QPushButton {
    Q_OBJECT
public:
    ColourButton(const QString& text, QWidget* parent = nullptr);
    void setColour(int32_t colourRef);
    int32_t colour() const { return value; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int32_t value = 0; // 0x00BBGGRR
};

class CRandBackDlg : public QDialog {
    Q_OBJECT
public:
    CRandBackDlg(ProfileStore& store, QWidget* parent = nullptr);
    ColourButton* colourButton(int i) const { return colourButtons[i]; }
    QCheckBox* cycleBox(int colour) const { return cycleBoxes[colour - 1]; }

    void accept() override; // refused while no cycle box is checked; otherwise writes the store

private:
    void chooseColour(int i);
    void resetColours();
    ProfileStore& store;
    std::array<ColourButton*, backgroundColours> colourButtons{};
    std::array<QCheckBox*, backgroundColours - 1> cycleBoxes{};
};

} // namespace jamlog
