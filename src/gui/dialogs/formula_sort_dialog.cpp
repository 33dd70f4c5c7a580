#include "gui/dialogs/formula_sort_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "core/chemistry/chemical_formula.h"
#include "gui/model/program_session.h"
#include "gui/widgets/f_edit.h"
#include "gui/widgets/qt_text.h"
#include "gui/widgets/static_formula_frame.h"

namespace solvara {

namespace {

constexpr std::array<FormulaCopy, 4> kCopies = {FormulaCopy::text, FormulaCopy::html,
                                                FormulaCopy::forumCode, FormulaCopy::latex};

}  // namespace

FormulaSortDialog::FormulaSortDialog(const ElementTable& table, QWidget* parent)
    : QDialog(parent), table_(table) {
    setWindowTitle(QStringLiteral("Formula sort"));
    auto* layout = new QVBoxLayout(this);

    auto* inputRow = new QHBoxLayout;
    auto* inputLabel = new QLabel(QStringLiteral("&formula"), this);
    input_ = new QLineEdit(this);
    labelField(*inputLabel, *input_);
    inputRow->addWidget(inputLabel);
    inputRow->addWidget(input_, 1);
    layout->addLayout(inputRow);

    inputFrame_ = new CStaticFormulaFrame(table_, this);
    inputFrame_->setAccessibleName(QStringLiteral("formula as drawn"));
    inputFrame_->setMinimumHeight(60);
    layout->addWidget(inputFrame_, 1);
    const QString inputKeys[4] = {QStringLiteral("&txt/RTF"), QStringLiteral("&HTML/RTF"),
                                  QStringLiteral("&UBBC"), QStringLiteral("&LaTeX")};
    layout->addLayout(copyRow(false, inputKeys));

    sortedFrame_ = new CStaticFormulaFrame(table_, this);
    sortedFrame_->setAccessibleName(QStringLiteral("sorted formula"));
    sortedFrame_->setMinimumHeight(60);
    layout->addWidget(sortedFrame_, 1);
    const QString sortedKeys[4] = {QStringLiteral("t&xt/RTF"), QStringLiteral("HT&ML/RTF"),
                                   QStringLiteral("UB&BC"), QStringLiteral("LaT&eX")};
    layout->addLayout(copyRow(true, sortedKeys));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);

    connect(input_, &QLineEdit::textChanged, this, &FormulaSortDialog::inputEdited);
    inputEdited(QString());
    resize(sizeHint().expandedTo(QSize(480, 0)));
}

QHBoxLayout* FormulaSortDialog::copyRow(bool sortedRow, const QString (&mnemonics)[4]) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("copy to clipboard as"), this));
    const QString whose = sortedRow ? QStringLiteral("sorted formula") : QStringLiteral("formula");
    for (std::size_t i = 0; i < kCopies.size(); ++i) {
        auto* button = new QPushButton(mnemonics[i], this);
        button->setAutoDefault(false);
        QString name = mnemonics[i];
        button->setAccessibleName(name.remove(QLatin1Char('&')));
        button->setAccessibleDescription(QStringLiteral("copy the %1").arg(whose));
        const FormulaCopy kind = kCopies[i];
        connect(button, &QPushButton::clicked, this, [this, sortedRow, kind] {
            copyFormulaToClipboard(table_, sortedRow ? sorted_ : inputText_, kind);
        });
        row->addWidget(button);
    }
    row->addStretch(1);
    return row;
}

void FormulaSortDialog::inputEdited(const QString& text) {
    inputText_ = toWindows1252(text);
    sorted_ = ChemicalFormula(table_, inputText_).sortedFormula();
    inputFrame_->setFormula(inputText_, true);
    sortedFrame_->setFormula(sorted_, true);
}

void showFormulaSorter(ProgramSession& session, QWidget* parent) {
    FormulaSortDialog dialog(session.program().elements, parent);
    dialog.exec();
}

}  // namespace solvara
