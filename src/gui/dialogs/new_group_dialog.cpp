#include "gui/dialogs/new_group_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/buffer/buffer_database.h"
#include "gui/widgets/f_edit.h"
#include "gui/widgets/qt_text.h"

namespace solvara {

CNewGroup::CNewGroup(const BufferDatabase& buffers, QWidget* parent)
    : QDialog(parent), buffers_(buffers), name_(new QLineEdit(this)), add_(nullptr) {
    setWindowTitle(tr("Add new buffer group"));
    auto* label = new QLabel(tr("&Enter new buffer group name"), this);
    labelField(*label, *name_);
    auto* buttons = new QDialogButtonBox(this);
    add_ = buttons->addButton(tr("&Add"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    add_->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(name_, &QLineEdit::textChanged, this, [this] {
        const std::string name = groupName();
        add_->setEnabled(!name.empty() && buffers_.FindGroup(name) == nullptr);
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(name_);
    layout->addWidget(buttons);
    name_->setMinimumWidth(280);
}

std::string CNewGroup::groupName() const { return toWindows1252(name_->text()); }

std::optional<std::string> askNewGroupName(const BufferDatabase& buffers, QWidget* parent) {
    CNewGroup dialog(buffers, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.groupName();
}

}  // namespace solvara
