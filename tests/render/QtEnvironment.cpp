// Fonts need an application object: one offscreen QGuiApplication for the whole test program.
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

struct QtEnvironment : ::testing::Environment {
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "render_tests";
        static char* argv[] = {name, nullptr};
        app = new QGuiApplication(argc, argv);
    }
    void TearDown() override { delete app; }
    QGuiApplication* app = nullptr;
};

[[maybe_unused]] ::testing::Environment* const env = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
