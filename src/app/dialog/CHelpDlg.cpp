// The Help dialog around the user guide resource.
#include "app/dialog/CHelpDlg.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/dialog/DialogTexts.h"

namespace jamlog {

namespace {
constexpr QSize guideSize(640, 420); // fits a 1024 x 600 screen with the dialog's frame
}

QString userGuide() {
    QFile f(QStringLiteral(":/help/userguide.html"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

CHelpDlg::CHelpDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(dialog::helpCaption);
    auto* main = new QVBoxLayout(this);
    auto* heading = new QLabel(dialog::helpHeading, this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    main->addWidget(heading);
    auto* guide = new QTextBrowser(this);
    guide->setObjectName("guide");
    guide->setOpenExternalLinks(false);
    guide->setHtml(userGuide());
    guide->setMinimumSize(guideSize);
    main->addWidget(guide, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    main->addWidget(buttons);
}

} // namespace jamlog
