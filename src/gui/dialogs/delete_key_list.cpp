#include "gui/dialogs/delete_key_list.h"

#include <QKeyEvent>

namespace solvara {

bool isDeleteKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Delete &&
           (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

void DeleteKeyListWidget::keyPressEvent(QKeyEvent* event) {
    if (!isDeleteKey(*event)) {
        QListWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    Q_EMIT deletePressed();
}

void DeleteKeyTreeWidget::keyPressEvent(QKeyEvent* event) {
    if (!isDeleteKey(*event)) {
        QTreeWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    Q_EMIT deletePressed();
}

}  // namespace solvara
