// Widgets need an application object: one offscreen QApplication for the whole test program, and a settings
// directory of its own so that nothing reaches the user's store.
#include <QApplication>
#include <QDir>
#include <gtest/gtest.h>

namespace {

struct AppEnvironment : ::testing::Environment {
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        const QString home = QDir::tempPath() + "/jamlog_app_tests";
        QDir(home).removeRecursively();
        QDir().mkpath(home);
        qputenv("XDG_CONFIG_HOME", home.toLocal8Bit());
        qputenv("HOME", home.toLocal8Bit());
        static int argc = 1;
        static char name[] = "app_tests";
        static char* argv[] = {name, nullptr};
        app = new QApplication(argc, argv);
    }
    void TearDown() override { delete app; }
    QApplication* app = nullptr;
};

[[maybe_unused]] ::testing::Environment* const env = ::testing::AddGlobalTestEnvironment(new AppEnvironment);

} // namespace
