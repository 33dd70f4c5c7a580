#include "gui/dialogs/buffer_reagent_box.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/bufferdoc/design_view_texts.h"
#include "core/chemistry/reagent.h"
#include "core/text/float_numbers_string.h"
#include "gui/widgets/f_edit.h"
#include "gui/widgets/qt_text.h"
#include "gui/widgets/static_formula_frame.h"

namespace solvara {

namespace {

QString plainCaption(int ordinal) {
    return ordinal == 1 ? QObject::tr("1st reagent") : QObject::tr("2nd reagent");
}

}  // namespace

BufferReagentBox::BufferReagentBox(int ordinal, const ElementTable& table, QWidget* parent)
    : QGroupBox(plainCaption(ordinal), parent),
      ordinal_(ordinal),
      database_(new QPushButton(tr("database..."), this)),
      name_(new QLabel(this)),
      formula_(new CStaticFormulaFrame(table, this)),
      concentration_(new QLineEdit(this)),
      solid_(new QCheckBox(tr("solid"), this)) {
    database_->setAccessibleName(plainCaption(ordinal) + tr(" database..."));
    database_->setAutoDefault(false);
    concentration_->setReadOnly(true);
    solid_->setEnabled(false);
    formula_->setMinimumHeight(40);
    auto* concentrationLabel = new QLabel(tr("C"), this);
    labelField(*concentrationLabel, *concentration_);
    concentration_->setAccessibleName(plainCaption(ordinal) + tr(" C"));
    name_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);

    auto* layout = new QGridLayout(this);
    layout->addWidget(name_, 0, 0, 1, 4);
    layout->addWidget(database_, 0, 4);
    layout->addWidget(formula_, 1, 0, 1, 5);
    layout->addWidget(concentrationLabel, 2, 0);
    layout->addWidget(concentration_, 2, 1);
    layout->addWidget(new QLabel(tr("M"), this), 2, 2);
    layout->addWidget(solid_, 2, 3, 1, 2);
    layout->setColumnStretch(1, 1);
    connect(database_, &QPushButton::clicked, this, &BufferReagentBox::databaseClicked);
}

void BufferReagentBox::showReagent(Reagent* reagent) {
    if (reagent == nullptr) {
        setTitle(plainCaption(ordinal_));
        name_->clear();
        formula_->clear();
        concentration_->clear();
        solid_->setChecked(false);
        return;
    }
    setTitle(fromWindows1252(reagentCaption(*reagent, ordinal_)));
    name_->setText(fromWindows1252(reagent->name));
    formula_->configure(!reagent->hasSection, true);
    formula_->setFormulaAndMass(reagent->formula, reagent->molarMass);
    concentration_->setText(
        reagent->isSolid
            ? QString()
            : QString::fromStdString(
                  CFloatNumbersString(defaultDisplayDigits).formatCompact(reagent->concentration)));
    solid_->setChecked(reagent->isSolid);
}

}  // namespace solvara
