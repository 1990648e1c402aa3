// The layout statistics dialog: minutes, locks and reliefs of every layout in tab columns, and "Reset Stats".
#pragma once
#include <QDialog>

#include "settings/ProfileStore.h"

class QPlainTextEdit;

namespace jamlog {

class CStatisticsDlg : public QDialog {
    Q_OBJECT
public:
    CStatisticsDlg(ProfileStore& store, QWidget* parent = nullptr);

    // "Reset Stats": on Yes the per-layout counts are cleared and the dialog closes.
    void resetStats();

private:
    ProfileStore& store;
    QPlainTextEdit* area = nullptr;
};

} // namespace jamlog
