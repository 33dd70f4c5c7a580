#include "gui/dialogs/editor_messages.h"

#include <QMessageBox>

#include "gui/widgets/qt_text.h"

namespace solvara {

void tellUser(QWidget& editor, std::string_view text) {
    QMessageBox::information(&editor, editor.windowTitle(), fromWindows1252(text));
}

bool askYesNo(QWidget& editor, std::string_view text) {
    return QMessageBox::question(&editor, editor.windowTitle(), fromWindows1252(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool askOkCancel(QWidget& editor, std::string_view text) {
    return QMessageBox::warning(&editor, editor.windowTitle(), fromWindows1252(text),
                                QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

}  // namespace solvara
