// The About dialog's contents, from the stored version values and counters.
#include "app/dialog/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/sheet/ProgramIcon.h"
#include "settings/UsageTexts.h"

namespace jamlog {

namespace {
QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QLineEdit* readOnlyLine(const std::string& s, QWidget* parent, const char* name) {
    auto* line = new QLineEdit(QString::fromStdString(s), parent);
    line->setObjectName(name);
    line->setReadOnly(true);
    line->setMinimumWidth(line->fontMetrics().horizontalAdvance(line->text()) + 16);
    return line;
}
} // namespace

CAboutDlg::CAboutDlg(ProfileStore& store, QWidget* parent) : QDialog(parent) {
    setWindowTitle(text(aboutCaption));
    auto* main = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* picture = new QLabel(this);
    picture->setPixmap(programIcon().pixmap(64, 64));
    top->addWidget(picture);
    auto* titles = new QVBoxLayout;
    for (std::string_view t : {aboutTitle, aboutSeries, aboutSlogan})
        titles->addWidget(new QLabel(text(t), this));
    top->addLayout(titles, 1);
    main->addLayout(top);
    main->addWidget(readOnlyLine(aboutVersionLine(store), this, "versionLine"));
    main->addWidget(readOnlyLine(aboutEditionLine(store), this, "editionLine"));
    auto* statistics = new QLabel(this);
    statistics->setObjectName("statistics");
    QStringList lines;
    for (const std::string& l : aboutStatisticsLines(store))
        lines << QString::fromStdString(l);
    statistics->setText(lines.join('\n'));
    main->addWidget(statistics);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    main->addWidget(buttons);
}

} // namespace jamlog
