#include "gui/dialogs/editor_layout.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/f_edit.h"

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

StockRow addStockRow(QWidget& editor, QGridLayout& form, int row, int displayDigits) {
    auto* concentration = new CFEdit(&editor);
    concentration->setDisplayDigits(displayDigits);
    auto* caption = new QLabel(QObject::tr("c&oncentration"), &editor);
    labelField(*caption, *concentration);
    auto* calculator = new QPushButton(QObject::tr("&C"), &editor);
    auto* solid = new QCheckBox(QObject::tr("so&lid"), &editor);
    form.addWidget(caption, row, 0);
    form.addWidget(concentration, row, 1);
    form.addWidget(new QLabel(QObject::tr("M"), &editor), row, 2);
    form.addWidget(calculator, row, 3);
    form.addWidget(solid, row, 4);
    return {concentration, calculator, solid};
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
