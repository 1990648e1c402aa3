// The program's own message dialog: caption, icon with a heading line, a multi-line text, an optional check box
// and an OK button. Without a check-box label the box is hidden and the dialog narrowed.
#pragma once
#include <QCheckBox>
#include <QDialog>
#include <QString>

namespace jamlog {

class CMessageDlg : public QDialog {
    Q_OBJECT
public:
    CMessageDlg(const QString& heading, const QString& text, const QString& checkLabel, QWidget* parent = nullptr);
    bool checked() const { return box != nullptr && box->isChecked(); }

private:
    QCheckBox* box = nullptr;
};

// The texts of the configuration run's two messages.
struct MessageText {
    const char* heading;
    const char* text;
    const char* checkLabel;
};
const MessageText& welcomeMessage();
const MessageText& reminderMessage();

} // namespace jamlog
