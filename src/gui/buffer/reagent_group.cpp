#include "gui/buffer/reagent_group.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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
      database_(new QPushButton(tr("database..."), this)),
      stock_(new CFEdit(this)),
      calculator_(new QPushButton(tr("C"), this)),
      amount_(new QLineEdit(this)),
      unit_(new QLabel(tr("mL"), this)) {
    name_->setWordWrap(true);
    name_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* stockLabel = new QLabel(tr("stock (M)"), this);
    labelField(*stockLabel, *stock_);
    // The same buttons stand in every group: the group's title tells a screen reader whose.
    calculator_->setAccessibleName(calculator_->text());
    calculator_->setAccessibleDescription(
        tr("concentration calculator for the stock of %1").arg(caption));
    database_->setAccessibleName(database_->text());
    database_->setAccessibleDescription(tr("take the %1 from the database").arg(caption));
    connect(calculator_, &QPushButton::clicked, this, &ReagentGroup::calculatorRequested);
    connect(database_, &QPushButton::clicked, this, &ReagentGroup::databaseRequested);
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
    layout->addWidget(name_, 0, 0, 1, 2);
    layout->addWidget(database_, 0, 2, Qt::AlignTop);
    layout->addWidget(formula_, 1, 0, 1, 3);
    layout->addWidget(stockLabel, 2, 0);
    layout->addWidget(stock_, 2, 1);
    layout->addWidget(calculator_, 2, 2, Qt::AlignLeft);
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
    calculator_->setEnabled(takenFromStock);
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
