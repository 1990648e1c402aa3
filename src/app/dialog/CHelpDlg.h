// The Help dialog: its heading and the user guide shipped with the program.
#pragma once
#include <QDialog>

namespace jamlog {

class CHelpDlg : public QDialog {
    Q_OBJECT
public:
    explicit CHelpDlg(QWidget* parent = nullptr);
};

// The user guide's rich text; empty if the resource is missing.
QString userGuide();

} // namespace jamlog
