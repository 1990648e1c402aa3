// Host and preview modes with a window that is not there: one line, exit status 2, no settings written.
#include <QDir>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "app/CSaverApp.h"
#include "app/HostWindow.h"

using namespace jamlog;

TEST(HostWindow, AMissingWindowIsRefusedBeforeAnythingIsWritten) {
    const uint32_t missing = 0x7FFFFFF0;
    HostWindow host(missing);
    EXPECT_FALSE(host.ok());
    EXPECT_FALSE(host.error().empty());
    EXPECT_EQ(host.error().find('\n'), std::string::npos);

    const QString store = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/Brindle's Registry Bits";
    QDir(store).removeRecursively();
    char name[] = "jamlog";
    char* argv[] = {name, nullptr};
    for (RunMode mode : {RunMode::host, RunMode::preview}) {
        CommandLine c;
        c.mode = mode;
        c.windowId = missing;
        EXPECT_EQ(runSaverApp(c, 1, argv), 2);
    }
    EXPECT_FALSE(QDir(store).exists()) << "nothing written";
}
