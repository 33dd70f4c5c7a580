#include "gui/app/new_document_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace solvara {

std::optional<DocumentKind> askNewDocumentKind(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QObject::tr("New"));
    auto* label = new QLabel(QObject::tr("&New"), &dialog);
    auto* kinds = new QListWidget(&dialog);
    kinds->addItems({QStringLiteral("Buffer"), QStringLiteral("pH calculator")});
    kinds->setCurrentRow(0);
    label->setBuddy(kinds);
    kinds->setAccessibleName(QObject::tr("New"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(kinds, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(kinds);
    layout->addWidget(buttons);
    kinds->setFixedHeight(kinds->sizeHintForRow(0) * 3);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return kinds->currentRow() == 0 ? DocumentKind::bufferDesign : DocumentKind::pHCalculation;
}

}  // namespace solvara
