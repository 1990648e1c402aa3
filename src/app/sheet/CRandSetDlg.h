// "Random Change Layout Selection": which layouts random cycling picks from. The dialog writes nothing; the
// Random page takes its bits on OK.
#pragma once
#include <QCheckBox>
#include <QDialog>
#include <array>

namespace jamlog {

constexpr int cyclingLayouts = 20; // box k stands for layout k and mask bit k+1

class CRandSetDlg : public QDialog {
    Q_OBJECT
public:
    // mask: the layout mask of the Random page (bit 0 the cycling switch is ignored here).
    CRandSetDlg(int32_t mask, QWidget* parent = nullptr);
    // Bits 1..20 of the checked layouts.
    int32_t layoutBits() const;
    QCheckBox* layoutBox(int layout) const { return boxes[layout]; }

    void accept() override; // refused while nothing is checked

private:
    void setAll(bool on);
    std::array<QCheckBox*, cyclingLayouts> boxes{};
};

} // namespace jamlog
