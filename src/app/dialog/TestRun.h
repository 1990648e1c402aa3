// The full-screen test run of "Apply & Test": the program started with "s" as a process of its own, and a call
// back when it has ended.
#pragma once
#include <QObject>
#include <QProcess>
#include <QString>
#include <functional>

namespace jamlog {

class TestRun : public QObject {
    Q_OBJECT
public:
    explicit TestRun(std::function<void()> ended);
    ~TestRun() override;
    // False when the program could not be started; `ended` is then not called.
    bool start(const QString& program);
    bool running() const { return process.state() != QProcess::NotRunning; }
    bool wait(int ms) { return !running() || process.waitForFinished(ms); }

private:
    QProcess process;
    std::function<void()> ended;
};

} // namespace jamlog
