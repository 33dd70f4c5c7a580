#include "gui/app/message_box_questions.h"

#include <QApplication>

#include "gui/app/database_password_dialog.h"
#include "gui/widgets/qt_text.h"

namespace solvara {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon, QMessageBox::Icon plain) {
    switch (icon) {
        case MessageIcon::exclamation:
            return QMessageBox::Warning;
        case MessageIcon::stop:
            return QMessageBox::Critical;
        case MessageIcon::none:
            break;
    }
    return plain;
}

}  // namespace

// A question asked while a dialog is open belongs on top of that dialog.
QWidget* MessageBoxQuestions::dialogParent() const {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr ? modal : parent_.data();
}

QMessageBox::StandardButton MessageBoxQuestions::ask(std::string_view text, MessageIcon icon,
                                                     QMessageBox::StandardButtons buttons) const {
    // A question without an icon of its own still shows one; a plain message shows none.
    const QMessageBox::Icon plain =
        buttons == QMessageBox::Ok ? QMessageBox::NoIcon : QMessageBox::Question;
    QMessageBox box(boxIcon(icon, plain), QStringLiteral("Solvara"),
                    fromWindows1252(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                    buttons, dialogParent());
    // File names and reasons are shown as they are, never read as markup.
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

std::optional<std::string> MessageBoxQuestions::askPassword(PasswordDialogMode mode,
                                                            const std::string& givenDigest) {
    return askDatabasePassword(dialogParent(), mode, givenDigest);
}

bool MessageBoxQuestions::askYesNo(std::string_view text, MessageIcon icon) {
    return ask(text, icon, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Answer MessageBoxQuestions::askYesNoCancel(std::string_view text, MessageIcon icon) {
    switch (ask(text, icon, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return Answer::yes;
        case QMessageBox::No:
            return Answer::no;
        default:
            return Answer::cancel;
    }
}

void MessageBoxQuestions::showMessage(std::string_view text) {
    ask(text, MessageIcon::none, QMessageBox::Ok);
}

}  // namespace solvara
