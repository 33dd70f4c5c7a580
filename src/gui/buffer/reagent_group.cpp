#include "gui/buffer/reagent_group.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "core/chemistry/substance.h"
#include "gui/widgets/f_edit.h"
#include "gui/widgets/formula_layout.h"
#include "gui/widgets/qt_text.h"
#include "gui/widgets/static_formula_frame.h"

namespace solvara {

namespace {

constexpr int amountFontPixels = 24;

}  // namespace

ReagentGroup::ReagentGroup(const QString& caption, const QString& amountName,
                           const ElementTable& table, QWidget* parent)
    : QGroupBox(caption, parent),
      name_(new QLabel(this)),
      formula_(new CStaticFormulaFrame(table, this)),
      stock_(new CFEdit(this)),
      amount_(new QLineEdit(this)),
      unit_(new QLabel(tr("mL"), this)) {
    name_->setWordWrap(true);
    name_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* stockLabel = new QLabel(tr("stock (M)"), this);
    labelField(*stockLabel, *stock_);
    amount_->setReadOnly(true);
    amount_->setFrame(false);
    amount_->setFont(arialFont(amountFontPixels, true));
    amount_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    amount_->setFocusPolicy(Qt::ClickFocus);
    amount_->setAccessibleName(amountName);
    amount_->setAccessibleDescription(unit_->text());
    amount_->setMinimumWidth(
        QFontMetrics(amount_->font()).horizontalAdvance(QStringLiteral("0000.00")) +
        amount_->fontMetrics().averageCharWidth());
    // A line edit asks for room for 17 characters: at this size that is far more than an amount.
    amount_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    formula_->setMinimumHeight(formula_->sizeHint().height());
    QPalette quiet = amount_->palette();
    quiet.setColor(QPalette::Base, palette().color(QPalette::Window));
    amount_->setPalette(quiet);

    auto* layout = new QGridLayout(this);
    layout->addWidget(name_, 0, 0, 1, 3);
    layout->addWidget(formula_, 1, 0, 1, 3);
    layout->addWidget(stockLabel, 2, 0);
    layout->addWidget(stock_, 2, 1);
    layout->addWidget(amount_, 3, 0, 1, 2);
    layout->addWidget(unit_, 3, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
}

void ReagentGroup::showSubstance(const CSubstance* substance, bool isSolid) {
    if (substance == nullptr) {
        name_->clear();
        formula_->clear();
    } else {
        name_->setText(fromWindows1252(substance->name));
        formula_->setFormulaAndMass(substance->formula, substance->molarMass);
    }
    const bool takenFromStock = substance != nullptr && !isSolid && !substance->name.empty();
    if (!takenFromStock) stock_->clear();
    stock_->setEnabled(takenFromStock);
    unit_->setText(isSolid ? tr("g") : tr("mL"));
    amount_->setAccessibleDescription(unit_->text());
}

void ReagentGroup::setAmount(const QString& amount) {
    if (amount_->text() == amount) return;
    amount_->setText(amount);
    amount_->setCursorPosition(0);
}

QString ReagentGroup::amount() const { return amount_->text(); }

QString ReagentGroup::unit() const { return unit_->text(); }

}  // namespace solvara
