#include "gui/dialogs/delete_key.h"

#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>
#include <utility>

namespace solvara {

namespace {

class DeleteKeyFilter : public QObject {
  public:
    DeleteKeyFilter(QWidget& widget, std::function<void()> action)
        : QObject(&widget), action_(std::move(action)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
                action_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> action_;
};

}  // namespace

void onDeleteKey(QWidget& widget, std::function<void()> action) {
    widget.installEventFilter(new DeleteKeyFilter(widget, std::move(action)));
}

}  // namespace solvara
