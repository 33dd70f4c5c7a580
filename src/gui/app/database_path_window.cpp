#include "gui/app/database_path_window.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/program/program_database.h"
#include "gui/widgets/qt_text.h"

namespace solvara {

DatabasePathWindow::DatabasePathWindow(ProgramDatabase& database,
                                       const std::filesystem::path& databasePath,
                                       const std::filesystem::path& defaultPath, QWidget* parent)
    : QDialog(parent), database_(&database), rules_(databasePath, defaultPath) {
    setWindowTitle(QString::fromLatin1(DatabasePathDialog::kTitle));
    auto* prompt = new QLabel(QString::fromLatin1(DatabasePathDialog::kPrompt), this);
    field_ = new QLineEdit(this);
    prompt->setBuddy(field_);
    connect(field_, &QLineEdit::textEdited, this, &DatabasePathWindow::textEdited);

    auto* browse = new QPushButton(QStringLiteral("&Browse..."), this);
    auto* useDefault = new QPushButton(QStringLiteral("&Default"), this);
    // Created after the two, so the tab order follows the row.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    // Neither takes Enter from the field: that belongs to OK.
    browse->setAutoDefault(false);
    useDefault->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &DatabasePathWindow::browse);
    connect(useDefault, &QPushButton::clicked, this, [this] {
        rules_.UseDefault();
        showText();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &DatabasePathWindow::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ok_ = buttons->button(QDialogButtonBox::Ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(field_);
    layout->addSpacing(layout->spacing());
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(browse);
    buttonRow->addWidget(useDefault);
    buttonRow->addStretch();
    buttonRow->addWidget(buttons);
    layout->addLayout(buttonRow);
    showText();
    setMinimumWidth(sizeHint().width() * 3 / 2);
}

void DatabasePathWindow::showText() {
    field_->setText(fromPath(rules_.text()));
    ok_->setEnabled(rules_.IsOkEnabled());
}

void DatabasePathWindow::textEdited(const QString& text) {
    rules_.SetText(toPath(text).string());
    ok_->setEnabled(rules_.IsOkEnabled());
}

void DatabasePathWindow::browse() {
    const std::filesystem::path folder = std::filesystem::path(rules_.text()).parent_path();
    QFileDialog chooser(this, QString(), fromPath(folder),
                        QString::fromLatin1(DatabasePathDialog::kBrowseFilter));
    // A new file may be named as well as an existing one chosen.
    chooser.setFileMode(QFileDialog::AnyFile);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setDefaultSuffix(QStringLiteral("dat"));
    chooser.selectFile(QString::fromLatin1(DatabasePathDialog::kBrowseFileName));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return;
    rules_.SetText(toPath(chooser.selectedFiles().constFirst()).string());
    showText();
}

void DatabasePathWindow::accept() {
    if (!ok_->isEnabled()) return;
    switch (rules_.Accept(*database_)) {
        case DatabasePathDialog::Outcome::stay:
            return;
        case DatabasePathDialog::Outcome::storePathAndClose:
            pathToStore_ = std::filesystem::path(rules_.text());
            break;
        case DatabasePathDialog::Outcome::closeKeepingSetting:
            break;
    }
    QDialog::accept();
}

}  // namespace solvara
