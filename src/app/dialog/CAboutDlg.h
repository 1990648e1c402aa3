// The About dialog: product title, series and slogan, the version and edition lines and the usage totals.
#pragma once
#include <QDialog>

#include "settings/ProfileStore.h"

namespace jamlog {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    CAboutDlg(ProfileStore& store, QWidget* parent = nullptr);
};

} // namespace jamlog
