#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace solvara::testing {

// Answers the modal windows a test opens, one answer per window in order:
// each runs once the window is on screen. Windows nobody answers fail the test
// at the end of the scope, as do answers no window came for.
class ModalAnswers {
  public:
    using Answer = std::function<void(QWidget& modal)>;

    ModalAnswers() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answerOpenWindow(); });
        timer_.start(5);
    }
    ~ModalAnswers() {
        EXPECT_TRUE(answers_.empty()) << answers_.size() << " window(s) never opened";
    }
    ModalAnswers(const ModalAnswers&) = delete;
    ModalAnswers& operator=(const ModalAnswers&) = delete;

    void then(Answer answer) { answers_.push_back(std::move(answer)); }

    // Presses `button` in the next message box; remembers what it showed.
    void pressInMessageBox(QMessageBox::StandardButton button) {
        then([this, button](QWidget& modal) {
            auto* box = qobject_cast<QMessageBox*>(&modal);
            ASSERT_NE(box, nullptr) << "expected a message box";
            boxes.push_back({box->windowTitle(), box->text(), box->standardButtons(), box->icon()});
            box->button(button)->click();
        });
    }

    struct Shown {
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon;
    };
    std::vector<Shown> boxes;

  private:
    void answerOpenWindow() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected window: " << modal->windowTitle().toStdString();
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->done(QDialog::Rejected);
            } else {
                modal->close();
            }
            return;
        }
        const Answer answer = std::move(answers_.front());
        answers_.pop_front();
        answer(*modal);
    }

    QTimer timer_;
    std::deque<Answer> answers_;
};

}  // namespace solvara::testing
