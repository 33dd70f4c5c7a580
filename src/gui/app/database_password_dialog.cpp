#include "gui/app/database_password_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

#include "gui/widgets/qt_text.h"

namespace solvara {

namespace {

// Passwords are digested as Windows-1252 bytes. A character the code page has
// no byte for is refused as it is typed: passed through as '?' it would make
// different passwords equal.
class Windows1252Validator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return fitsWindows1252(input) ? Acceptable : Invalid;
    }
};

}  // namespace

DatabasePasswordDialog::DatabasePasswordDialog(PasswordDialogMode mode,
                                               const std::string& givenDigest, QWidget* parent)
    : QDialog(parent), rules_(mode, givenDigest) {
    setWindowTitle(QString::fromLatin1(PasswordDialog::kTitle));
    auto* layout = new QVBoxLayout(this);
    auto* validator = new Windows1252Validator(this);
    const std::array<const char*, 3> labels = {
        PasswordDialog::kCurrentLabel, PasswordDialog::kNewLabel, PasswordDialog::kRepeatedLabel};
    for (std::size_t index = 0; index < fields_.size(); ++index) {
        const auto field = static_cast<PasswordDialog::Field>(index);
        auto* label = new QLabel(QString::fromLatin1(labels[index]), this);
        auto* edit = new QLineEdit(this);
        edit->setEchoMode(QLineEdit::Password);
        edit->setValidator(validator);
        edit->setEnabled(rules_.IsFieldEnabled(field));
        label->setBuddy(edit);
        connect(edit, &QLineEdit::textChanged, this,
                [this, field](const QString& text) { fieldEdited(field, text); });
        layout->addWidget(label);
        layout->addWidget(edit);
        if (index + 1 < fields_.size()) layout->addSpacing(layout->spacing());
        fields_[index] = edit;
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    layout->addSpacing(layout->spacing());
    layout->addWidget(buttons);
    ok_->setEnabled(rules_.IsOkEnabled());
    setMinimumWidth(sizeHint().width() * 3 / 2);
}

void DatabasePasswordDialog::fieldEdited(PasswordDialog::Field field, const QString& text) {
    rules_.SetField(field, toWindows1252(text));
    ok_->setEnabled(rules_.IsOkEnabled());
}

std::optional<std::string> askDatabasePassword(QWidget* parent, PasswordDialogMode mode,
                                               const std::string& givenDigest) {
    DatabasePasswordDialog dialog(mode, givenDigest, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.digest();
}

}  // namespace solvara
