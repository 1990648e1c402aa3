// The statistics text in a fixed-pitch font whose tab stops are eight characters apart, so that the columns
// line up under their heading.
#include "app/dialog/CStatisticsDlg.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/UsageCounters.h"
#include "settings/UsageTexts.h"

namespace jamlog {

namespace {
constexpr int tabColumns = 8;
constexpr int shownColumns = 60, shownLines = 28;

// The platform's fixed font. Where its family resolves to a proportional face (fontconfig's "monospace" can, on
// machines with some font sets), a typewriter face, and failing that the first fixed-pitch family installed.
QFont fixedPitchFont() {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (QFontInfo(f).fixedPitch())
        return f;
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    if (QFontInfo(f).fixedPitch())
        return f;
    for (const QString& family : QFontDatabase::families())
        if (QFontDatabase::isFixedPitch(family)) {
            f.setFamily(family);
            break;
        }
    return f;
}

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
} // namespace

CStatisticsDlg::CStatisticsDlg(ProfileStore& st, QWidget* parent) : QDialog(parent), store(st) {
    setWindowTitle(text(statisticsCaption));
    auto* main = new QVBoxLayout(this);
    main->addWidget(new QLabel(text(statisticsHeading), this));
    area = new QPlainTextEdit(text(statisticsUnfilled), this);
    area->setObjectName("statisticsText");
    area->setReadOnly(true);
    area->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFont fixed = fixedPitchFont();
    area->setFont(fixed);
    const QFontMetrics m(fixed);
    area->setTabStopDistance(tabColumns * QFontMetricsF(fixed).horizontalAdvance(' '));
    area->setMinimumSize(shownColumns * m.horizontalAdvance(' '), std::min(shownLines * m.lineSpacing(), 420));
    main->addWidget(area);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* reset = buttons->addButton("Reset Stats", QDialogButtonBox::ActionRole);
    reset->setObjectName("resetStats");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(reset, &QPushButton::clicked, this, &CStatisticsDlg::resetStats);
    main->addWidget(buttons);
    area->setPlainText(QString::fromStdString(layoutStatisticsText(store)));
}

void CStatisticsDlg::resetStats() {
    QMessageBox ask(QMessageBox::Critical, text(resetStatisticsCaption), text(resetStatisticsQuestion),
                    QMessageBox::Yes | QMessageBox::No, this);
    if (ask.exec() != QMessageBox::Yes)
        return;
    resetLayoutStatistics(store);
    accept();
}

} // namespace jamlog
