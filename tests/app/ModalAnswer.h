// Answers the modal dialogs that the code under test opens with exec(): each answer runs on the next modal
// dialog that appears, in order, and records the texts that dialog showed.
#pragma once
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>

namespace jamlog::test {

class ModalAnswers {
public:
    using Answer = std::function<void(QDialog*)>;
    ModalAnswers() {
        QObject::connect(&timer, &QTimer::timeout, [this] { poll(); });
        timer.start(5);
    }
    // Queues an answer; the default closes a message with OK.
    void then(Answer a = [](QDialog* d) { d->accept(); }) { answers.push_back(std::move(a)); }
    // Every dialog answered so far, as the texts of its labels joined by newlines.
    const std::vector<QString>& shown() const { return texts; }
    bool allAnswered() const { return answers.empty(); }

private:
    void poll() {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || d == last || answers.empty())
            return;
        last = d;
        QStringList parts;
        for (QLabel* l : d->findChildren<QLabel*>())
            if (!l->text().isEmpty())
                parts << l->text();
        texts.push_back(parts.join('\n'));
        Answer a = std::move(answers.front());
        answers.pop_front();
        a(d);
    }
    QTimer timer;
    std::deque<Answer> answers;
    std::vector<QString> texts;
    QPointer<QDialog> last;
};

} // namespace jamlog::test
