#include "gui/dialogs/concentration_calculator.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string>
#include <utility>

#include "core/chemistry/chemical_formula.h"
#include "core/text/float_numbers_string.h"
#include "core/text/parse_number.h"
#include "gui/model/program_session.h"
#include "gui/widgets/f_edit.h"
#include "gui/widgets/qt_text.h"
#include "gui/widgets/static_formula_frame.h"

namespace solvara {

namespace {

constexpr std::array<CCQuantity, 5> kAllQuantities = {CCQuantity::molarMass, CCQuantity::mass,
                                                      CCQuantity::amount, CCQuantity::volume,
                                                      CCQuantity::concentration};

double valueOf(const CCDataSet& data, CCQuantity quantity) {
    switch (quantity) {
        case CCQuantity::molarMass:
            return data.molarMass;
        case CCQuantity::mass:
            return data.mass;
        case CCQuantity::amount:
            return data.amount;
        case CCQuantity::volume:
            return data.volumeShown;
        case CCQuantity::concentration:
            return data.concentrationShown;
    }
    return data.mass;
}

// 0 when the formula cannot be weighed, as while it is being typed.
double molarMassOf(const ElementTable& table, const std::string& formula) {
    const ChemicalFormula parsed(table, formula);
    return parsed.error() ? 0.0 : parsed.molarMassOfList();
}

template <std::size_t N>
void fillUnits(QComboBox& list, const std::array<CCUnit, N>& units, std::int32_t chosen) {
    const QSignalBlocker blocker(list);
    list.clear();
    for (const CCUnit& unit : units) list.addItem(fromWindows1252(unit.name));
    list.setCurrentIndex(chosen);
}

// The display digits without the zeros that end a fraction: 1 rather than 1.000, as a value the
// calculator worked out is no measurement with a precision of its own.
QString numberText(double value, int displayDigits) {
    std::string text = CFloatNumbersString(displayDigits).formatSignificant(value, displayDigits);
    const std::size_t exponent = text.find('e');
    std::string mantissa = text.substr(0, exponent);
    if (mantissa.find('.') != std::string::npos) {
        mantissa.erase(mantissa.find_last_not_of('0') + 1);
        if (mantissa.back() == '.') mantissa.pop_back();
    }
    if (exponent != std::string::npos) mantissa += text.substr(exponent);
    return QString::fromStdString(mantissa);
}

}  // namespace

CConcentrationCalculator::CConcentrationCalculator(const CCDataSet& data, Mode mode,
                                                   const ElementTable& table, int displayDigits,
                                                   QWidget* parent)
    : QDialog(parent),
      calculation_(data),
      mode_(mode),
      table_(table),
      displayDigits_(displayDigits) {
    setWindowTitle(tr("Concentration calculator C=n/V"));
    buildForm();
    if (data.molarMass == 0.0) calculation_.setMolarMass(molarMassOf(table_, data.formula));
    formula_->setText(fromWindows1252(data.formula));
    formula_->setEnabled(mode_ == Mode::standalone);
    use_->setEnabled(mode_ == Mode::embedded);
    clearAll_->setVisible(mode_ == Mode::standalone);
    showFormula();
    showValues();
    enableFields();
    connectFields();
}

void CConcentrationCalculator::buildForm() {
    auto* grid = new QGridLayout;
    int row = 0;
    const auto addField = [&](const QString& label, QWidget& field, QWidget* unit) {
        auto* caption = new QLabel(label, this);
        labelField(*caption, field);
        grid->addWidget(caption, row, 0);
        grid->addWidget(&field, row, 1);
        if (unit != nullptr) grid->addWidget(unit, row, 2);
        ++row;
    };

    formula_ = new QLineEdit(this);
    auto* formulaLabel = new QLabel(tr("&formula"), this);
    labelField(*formulaLabel, *formula_);
    grid->addWidget(formulaLabel, row, 0);
    grid->addWidget(formula_, row++, 1, 1, 3);
    formulaFrame_ = new CStaticFormulaFrame(table_, this);
    formulaFrame_->configure(true, true);
    formulaFrame_->setMinimumHeight(48);
    grid->addWidget(formulaFrame_, row++, 0, 1, 4);

    for (CCQuantity quantity : kAllQuantities) {
        auto* edit = new CFEdit(this);
        edit->setDisplayDigits(displayDigits_);
        fields_[static_cast<std::size_t>(quantity)] = edit;
    }
    volumeUnit_ = new QComboBox(this);
    volumeUnit_->setAccessibleName(tr("volume unit"));
    concentrationUnit_ = new QComboBox(this);
    concentrationUnit_->setAccessibleName(tr("concentration unit"));
    showUnits();

    addField(tr("&molar mass"), field(CCQuantity::molarMass), new QLabel(tr("g/mol"), this));
    addField(tr("m&ass"), field(CCQuantity::mass), new QLabel(tr("g"), this));
    const int amountRow = row;
    addField(tr("&n"), field(CCQuantity::amount), new QLabel(tr("mol"), this));
    addField(tr("&V"), field(CCQuantity::volume), volumeUnit_);
    addField(tr("&C"), field(CCQuantity::concentration), concentrationUnit_);

    // The option says which quantity stays put; "= const" stands beside its quantity.
    options_ = new QButtonGroup(this);
    auto* beSmart = new QRadioButton(tr("&be smart"), this);
    options_->addButton(beSmart, static_cast<int>(CCOption::beSmart));
    grid->addWidget(beSmart, row, 1);
    const std::array<std::pair<CCOption, QString>, 3> constants = {
        {{CCOption::amountConstant, tr("n = const")},
         {CCOption::volumeConstant, tr("V = const")},
         {CCOption::concentrationConstant, tr("C = const")}}};
    for (std::size_t i = 0; i < constants.size(); ++i) {
        auto* option = new QRadioButton(tr("= const"), this);
        option->setAccessibleName(constants[i].second);
        options_->addButton(option, static_cast<int>(constants[i].first));
        grid->addWidget(option, amountRow + static_cast<int>(i), 3);
    }
    beSmart->setChecked(true);
    // Each unit list follows its number.
    const std::array<QWidget*, 9> tabOrder = {formula_,
                                              &field(CCQuantity::molarMass),
                                              &field(CCQuantity::mass),
                                              &field(CCQuantity::amount),
                                              &field(CCQuantity::volume),
                                              volumeUnit_,
                                              &field(CCQuantity::concentration),
                                              concentrationUnit_,
                                              beSmart};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox(this);
    clearAll_ = buttons->addButton(tr("Clear &all"), QDialogButtonBox::ResetRole);
    auto* clearButton = buttons->addButton(tr("C&lear"), QDialogButtonBox::ResetRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    use_ = buttons->addButton(tr("&Use"), QDialogButtonBox::AcceptRole);
    use_->setDefault(mode_ == Mode::embedded);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(clearAll_, &QPushButton::clicked, this, &CConcentrationCalculator::clearAll);
    connect(clearButton, &QPushButton::clicked, this, &CConcentrationCalculator::clear);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

// Only what the user types recalculates: textEdited is not sent for the dialog's own writing.
void CConcentrationCalculator::connectFields() {
    for (CCQuantity quantity : kAllQuantities) {
        connect(&field(quantity), &QLineEdit::textEdited, this,
                [this, quantity] { numberEdited(quantity); });
    }
    connect(formula_, &QLineEdit::textEdited, this, &CConcentrationCalculator::formulaEdited);
    connect(options_, &QButtonGroup::idClicked, this, &CConcentrationCalculator::optionChosen);
    connect(volumeUnit_, &QComboBox::currentIndexChanged, this,
            &CConcentrationCalculator::volumeUnitChosen);
    connect(concentrationUnit_, &QComboBox::currentIndexChanged, this,
            &CConcentrationCalculator::concentrationUnitChosen);
}

void CConcentrationCalculator::numberEdited(CCQuantity quantity) {
    CFEdit& edited = field(quantity);
    double typed = 0.0;
    // A number half typed ("1e", "-") waits for the next key.
    if (!parseNumber(edited.text().toStdString(), typed)) return;
    const CCRange range = rangeOf(quantity);
    if (!range.contains(typed)) {
        QMessageBox::warning(this, windowTitle(),
                             tr("Enter a number between %1 and %2.")
                                 .arg(QString::number(range.min), QString::number(range.max)));
        edited.setFocus(Qt::OtherFocusReason);
        edited.selectAll();
        return;
    }
    calculation_.edit(quantity, typed);
    showValues(quantity);
    if (quantity != CCQuantity::molarMass)
        formula_->setEnabled(mode_ == Mode::standalone && data().amount == 0.0);
}

void CConcentrationCalculator::formulaEdited(const QString& text) {
    calculation_.setFormula(toWindows1252(text));
    calculation_.setMolarMass(molarMassOf(table_, data().formula));
    showFormula();
    showValues();
    enableFields();
}

void CConcentrationCalculator::optionChosen(int option) {
    calculation_.setOption(static_cast<CCOption>(option));
    enableFields();
}

void CConcentrationCalculator::volumeUnitChosen(int unit) {
    calculation_.changeVolumeUnit(unit);
    showValues();
}

void CConcentrationCalculator::concentrationUnitChosen(int unit) {
    calculation_.changeConcentrationUnit(unit);
    showValues();
}

void CConcentrationCalculator::clear() {
    calculation_.clear();
    showUnits();
    options_->button(static_cast<int>(CCOption::beSmart))->setChecked(true);
    showValues();
    enableFields();
    formula_->setEnabled(mode_ == Mode::standalone);
}

void CConcentrationCalculator::clearAll() {
    calculation_.setFormula({});
    calculation_.setMolarMass(0.0);
    formula_->clear();
    clear();
    showFormula();
}

void CConcentrationCalculator::showValues(std::optional<CCQuantity> beingTyped) {
    for (CCQuantity quantity : kAllQuantities) {
        if (quantity == beingTyped) continue;
        field(quantity).setText(numberText(valueOf(data(), quantity), displayDigits_));
    }
}

void CConcentrationCalculator::enableFields() {
    for (CCQuantity quantity : kAllQuantities) {
        if (quantity == CCQuantity::molarMass) continue;
        field(quantity).setEnabled(isEditable(quantity, calculation_.option()));
    }
    field(CCQuantity::molarMass).setEnabled(data().formula.empty());
}

void CConcentrationCalculator::showFormula() {
    formulaFrame_->setFormulaAndMass(data().formula, data().molarMass);
}

void CConcentrationCalculator::showUnits() {
    fillUnits(*volumeUnit_, kCCVolumeUnits, data().volumeUnit);
    fillUnits(*concentrationUnit_, kCCConcentrationUnits, data().concentrationUnit);
}

std::optional<CCDataSet> runConcentrationCalculator(const CCDataSet& data,
                                                    const ElementTable& table, int displayDigits,
                                                    QWidget* parent) {
    CConcentrationCalculator dialog(data, CConcentrationCalculator::Mode::embedded, table,
                                    displayDigits, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.data();
}

// Modal like every use of the calculator: it reads the program's element table, which a
// replaced database would take away from a window left open.
void showConcentrationCalculator(ProgramSession& session, QWidget* parent) {
    CConcentrationCalculator dialog(CCDataSet(), CConcentrationCalculator::Mode::standalone,
                                    session.program().elements, session.displayDigits(), parent);
    dialog.exec();
}

}  // namespace solvara
