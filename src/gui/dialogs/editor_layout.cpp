#include "gui/dialogs/editor_layout.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace solvara {

EditorButtons::EditorButtons(QDialog& editor, bool picking) : box_(new QDialogButtonBox(&editor)) {
    QPushButton* exit = box_->addButton(QObject::tr("E&xit"), QDialogButtonBox::RejectRole);
    use_ = box_->addButton(QObject::tr("&Use"), QDialogButtonBox::AcceptRole);
    use_->setVisible(picking);
    for (QPushButton* button : {exit, use_}) button->setAutoDefault(false);
    QObject::connect(box_, &QDialogButtonBox::accepted, &editor, &QDialog::accept);
    QObject::connect(box_, &QDialogButtonBox::rejected, &editor, &QDialog::reject);
}

QPushButton* EditorButtons::addAction(const QString& text) {
    QPushButton* button = box_->addButton(text, QDialogButtonBox::ActionRole);
    button->setAutoDefault(false);
    return button;
}

void layOutEditor(QDialog& editor, QLayout* form, QWidget* list, const EditorButtons& buttons) {
    auto* columns = new QHBoxLayout;
    columns->addLayout(form, 3);
    columns->addWidget(list, 2);
    auto* layout = new QVBoxLayout(&editor);
    layout->addLayout(columns);
    layout->addWidget(buttons.box());
}

}  // namespace solvara
