// The run modes. Host and preview ids are checked against the display before anything is written, so that a bad
// id ends with one line and exit status 2 and leaves the settings untouched.
#include "app/CSaverApp.h"

#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <cstdio>
#include <memory>

#include "app/CMessageDlg.h"
#include "app/CSaverWnd.h"
#include "app/HostWindow.h"
#include "app/RunOverrides.h"
#include "settings/DialogSettings.h"
#include "app/dialog/CSaverDlg.h"
#include "platform/QtProfileStore.h"
#include "settings/StartupVersion.h"
#include "settings/StoredSetting.h"

namespace jamlog {

namespace {

int monthNow() {
    const QDate d = QDate::currentDate();
    return monthNumber(d.year(), d.month());
}

bool showMessage(const MessageText& m, bool& checked) {
    CMessageDlg dlg(m.heading, m.text, m.checkLabel);
    const bool ok = dlg.exec() == QDialog::Accepted;
    checked = dlg.checked();
    return ok;
}

// Preview and host: the view drawn into a foreign window until it goes away or the host signals.
int runInForeignWindow(const CommandLine& c, HostWindow& host, ProfileStore& store, int argc, char** argv) {
    QApplication app(argc, argv);
    if (c.mode == RunMode::preview)
        writeRunning(store, runningPreview);
    CDrawWnd::Options o;
    o.seed = c.seed;
    o.embedded = true;
    auto view = std::make_unique<CDrawWnd>(store, o);
    view->resize(host.width(), host.height());
    view->show();
    host.attach(*view);
    // The same ending whether the window goes away or the host sends SIGTERM: the preview's marker is cleared
    // too, or every later run would find a saver marked running.
    const auto finish = [&] {
        view->flushCounters();
        if (c.mode == RunMode::preview && readRunning(store) == runningPreview)
            writeRunning(store, runningIdle);
    };
    dieBySignalAfterFlush(*view, finish);
    const int status = app.exec();
    finish();
    // The host often destroys its window as it sends SIGTERM, so the loop can end on the window's loss before the
    // signal is read: the process must still die by the signal, or the host reports a crash.
    dieIfSignalled();
    view.reset();
    return status;
}

} // namespace

void configurationMessages(ProfileStore& store, int month, bool interactive) {
    bool checked = false;
    if (readStored(store, Setting::SuppressFirst) != 1) {
        if (!interactive || showMessage(welcomeMessage(), checked))
            writeStored(store, Setting::SuppressFirst, checked ? 1 : 0);
    }
    bool remind = false;
    if (month > readStored(store, Setting::Date, 1) + readStored(store, Setting::Release, 0)) {
        writeStored(store, Setting::Date, month);
        remind = true;
    } else {
        remind = readStored(store, Setting::SuppressReminder) == 0;
    }
    checked = false;
    if (remind && (!interactive || showMessage(reminderMessage(), checked)))
        writeStored(store, Setting::SuppressReminder, checked ? 1 : 0);
}

int runSaverApp(const CommandLine& c, int argc, char** argv) {
    std::unique_ptr<HostWindow> host;
    if (c.mode == RunMode::preview || c.mode == RunMode::host) {
        // The picture goes to the window through xcb; Qt itself needs no display and no scale factor.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        host = std::make_unique<HostWindow>(c.windowId);
        if (!host->ok()) {
            std::fprintf(stderr, "%s\n", host->error().c_str());
            return 2;
        }
    }
    QtProfileStore userStore;
    startupVersion(userStore, QFileInfo(QString::fromLocal8Bit(argv[0])).baseName().toStdString(), monthNow());
    // The command line's one-run settings, worked out from what the start-up left stored, and never stored.
    OverriddenStore store(userStore, c.overrides);
    if (host)
        return runInForeignWindow(c, *host, store, argc, argv);

    QApplication app(argc, argv);
    const bool fullScreen = c.mode == RunMode::fullScreen;
    if (c.mode == RunMode::configuration) {
        writeRunning(store, runningConfiguration);
        configurationMessages(store, monthNow(), true);
        CSaverDlg::Options d;
        d.seed = c.seed;
        CSaverDlg dlg(store, d);
        dlg.exec();
        return 0;
    }
    CDrawWnd::Options o;
    o.seed = c.seed;
    o.fitToWidget = !fullScreen;
    o.withSplash = fullScreen;
    auto wnd = std::make_unique<CSaverWnd>(store, o, fullScreen);
    wnd->setAttribute(Qt::WA_QuitOnClose);
    wnd->start();
    const int status = app.exec();
    wnd->flushCounters();
    return status;
}

} // namespace jamlog
