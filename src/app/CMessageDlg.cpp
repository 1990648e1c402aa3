// The message dialog and the welcome and update-reminder texts.
#include "app/CMessageDlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace jamlog {

namespace {
constexpr int wideText = 420, narrowText = 320; // pixels
constexpr int iconSize = 32;
} // namespace

CMessageDlg::CMessageDlg(const QString& heading, const QString& text, const QString& checkLabel, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle("Jamlog 2010 Screen Saver");
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* icon = new QLabel;
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(iconSize, iconSize));
    top->addWidget(icon);
    auto* head = new QLabel(heading);
    QFont bold = head->font();
    bold.setBold(true);
    head->setFont(bold);
    top->addWidget(head, 1);
    layout->addLayout(top);
    auto* body = new QLabel(text);
    body->setWordWrap(true);
    body->setFixedWidth(checkLabel.isEmpty() ? narrowText : wideText);
    layout->addWidget(body);
    if (!checkLabel.isEmpty()) {
        box = new QCheckBox(checkLabel);
        layout->addWidget(box);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

const MessageText& welcomeMessage() {
    static const MessageText m{
        "Welcome to Jamlog 2010 Screen Saver",
        "Thank you for running Jamlog. With luck this screen saver grinds to a halt before your system does.\n\n"
        "If you like it, please pass it on to your friends.\n\n"
        "The tooltips on each control and the Help (the Help button, a right click on the dialog, or F1) will get you started.\n\n"
        "Contact: the Jamlog project, via its issue tracker.\n\n"
        "Remember, Speed Merchants are Lost... on the Highway from Hell",
        "Please stop greeting me all the time"};
    return m;
}

const MessageText& reminderMessage() {
    static const MessageText m{
        "Hello out there ...",
        "This copy of Jamlog has been around for a while. A later version with new features is quite likely "
        "available by now.\n\nUpdates are posted on the Jamlog project's release page.",
        "OK, I get the message"};
    return m;
}

} // namespace jamlog
