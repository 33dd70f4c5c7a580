#include "gui/app/document_frame.h"

#include <QCloseEvent>

namespace solvara {

DocumentFrame::DocumentFrame(DocumentModel& document, DocumentWindowRole role, QWidget* view,
                             CloseCheck mayClose)
    : document_(document), role_(role), mayClose_(std::move(mayClose)) {
    setWidget(view);
    setAttribute(Qt::WA_DeleteOnClose);
}

void DocumentFrame::closeEvent(QCloseEvent* event) {
    if (mayClose_(*this)) {
        QMdiSubWindow::closeEvent(event);
    } else {
        event->ignore();
    }
}

}  // namespace solvara
