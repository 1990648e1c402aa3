// The test run's process.
#include "app/dialog/TestRun.h"

namespace jamlog {

TestRun::TestRun(std::function<void()> whenEnded) : ended(std::move(whenEnded)) {
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    connect(&process, &QProcess::finished, this, [this] { ended(); });
}

// A dialog closed during a test run ends the run with it.
TestRun::~TestRun() {
    disconnect(&process, nullptr, this, nullptr);
}

bool TestRun::start(const QString& program) {
    process.start(program, {QStringLiteral("s")});
    return process.waitForStarted();
}

} // namespace jamlog
