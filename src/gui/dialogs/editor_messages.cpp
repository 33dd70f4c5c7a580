#include "gui/dialogs/editor_messages.h"

#include <QMessageBox>

#include "gui/widgets/qt_text.h"

namespace solvara {

namespace {

QMessageBox::StandardButton ask(QWidget* editor, std::string_view text, QMessageBox::Icon icon,
                                QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, QStringLiteral("Solvara"), fromWindows1252(text), buttons, editor);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void showEditorMessage(QWidget* editor, std::string_view text) {
    ask(editor, text, QMessageBox::Information, QMessageBox::Ok);
}

bool confirmEditorChange(QWidget* editor, std::string_view question) {
    return ask(editor, question, QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

}  // namespace solvara
