// docs/jamlog.6 describes every option that jamlog --help lists, and the environment the parser reads.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "app/CommandLine.h"

using namespace jamlog;

namespace {

// The page's text with the escapes of dashes and fonts taken out.
std::string manPageText() {
    QFile file(QStringLiteral(JAMLOG_SOURCE_DIR "/docs/jamlog.6"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    text.remove(QRegularExpression(QStringLiteral("\\\\f[BIRP]")));
    return text.toStdString();
}

} // namespace

TEST(ManPage, DescribesEveryOptionOfTheHelpText) {
    const std::string page = manPageText();
    const QString help = QString::fromStdString(usageText());
    QRegularExpression option(QStringLiteral("(?<![\\w-])(--?[a-z][a-z-]*)"));
    int checked = 0;
    for (auto it = option.globalMatch(help); it.hasNext(); ++checked) {
        const std::string flag = it.next().captured(1).toStdString();
        const QRegularExpression inPage("(?<![\\w-])" + QRegularExpression::escape(QString::fromStdString(flag)) +
                                        "(?![\\w-])");
        EXPECT_TRUE(inPage.match(QString::fromStdString(page)).hasMatch()) << flag << " is missing from jamlog.6";
    }
    EXPECT_GT(checked, 25);
    for (const char* word : {"XSCREENSAVER_WINDOW", "DISPLAY", "EXIT STATUS", "FILES", "Jamlog 5.ini"})
        EXPECT_NE(page.find(word), std::string::npos) << word;
}
