#include "gui/dialogs/inert_salt_database_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <string>
#include <vector>

#include "core/program/inert_salt_rules.h"
#include "core/text/float_numbers_string.h"
#include "core/text/message_format.h"
#include "core/text/parse_number.h"
#include "gui/dialogs/concentration_calculator.h"
#include "gui/dialogs/database_title.h"
#include "gui/dialogs/editor_layout.h"
#include "gui/dialogs/editor_messages.h"
#include "gui/dialogs/filtered_substance_list.h"
#include "gui/model/program_session.h"
#include "gui/widgets/f_edit.h"
#include "gui/widgets/qt_text.h"
#include "gui/widgets/static_formula_frame.h"

namespace solvara {

namespace {

constexpr std::string_view kTitle = "Inert salt database (%i item%s/%i listed)";

}  // namespace

CInertSaltDatabaseDlg::CInertSaltDatabaseDlg(ProgramSession& session, Mode mode,
                                             const InertSalt* preloaded, QWidget* parent)
    : QDialog(parent),
      session_(session),
      program_(session.program()),
      mode_(mode),
      scratch_(preloaded != nullptr ? *preloaded : InertSalt()) {
    setWindowTitle(tr("Inert salt details and database"));
    buildForm();
    formulaValid_ = analyzeSaltFormula(scratch_.formula, program_.elements).valid();
    showFields();
    fillList();
    connectControls();
}

void CInertSaltDatabaseDlg::buildForm() {
    auto* form = new QGridLayout;
    int row = 0;
    const auto addField = [&](const QString& label, QWidget& field) {
        auto* caption = new QLabel(label, this);
        labelField(*caption, field);
        form->addWidget(caption, row, 0);
        form->addWidget(&field, row++, 1, 1, 4);
    };
    name_ = new QLineEdit(this);
    addField(tr("salt &name"), *name_);
    formula_ = new QLineEdit(this);
    addField(tr("salt &formula"), *formula_);
    formulaFrame_ = new CStaticFormulaFrame(program_.elements, this);
    formulaFrame_->setMinimumHeight(48);
    form->addWidget(formulaFrame_, row++, 1, 1, 4);
    outcome_ = new QLabel(this);
    form->addWidget(outcome_, row++, 1, 1, 4);

    const StockRow stock = addStockRow(*this, *form, row++, session_.displayDigits());
    concentration_ = stock.concentration;
    calculator_ = stock.calculator;
    solid_ = stock.solid;
    default_ = new QCheckBox(tr("de&fault"), this);
    form->addWidget(default_, row++, 1, 1, 4);
    defaultSalt_ = new QLabel(this);
    form->addWidget(defaultSalt_, row++, 0, 1, 5);
    form->setRowStretch(row, 1);
    form->setColumnStretch(1, 1);

    list_ = new FilteredSubstanceList(this);
    list_->view().setMinimumWidth(200);

    EditorButtons buttons(*this, mode_ == Mode::choosing);
    add_ = buttons.addAction(tr("A&dd"));
    delete_ = buttons.addAction(tr("D&elete"));
    modify_ = buttons.addAction(tr("&Modify"));
    use_ = buttons.use();
    layOutEditor(*this, form, list_, buttons);
}

void CInertSaltDatabaseDlg::connectControls() {
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
        scratch_.name = toWindows1252(text);
        updateButtons();
    });
    connect(formula_, &QLineEdit::textEdited, this, &CInertSaltDatabaseDlg::formulaEdited);
    connect(concentration_, &QLineEdit::textEdited, this,
            &CInertSaltDatabaseDlg::concentrationEdited);
    connect(solid_, &QCheckBox::clicked, this, &CInertSaltDatabaseDlg::solidClicked);
    connect(default_, &QCheckBox::clicked, this, [this](bool marked) {
        scratch_.isDefault = marked;
        updateButtons();
    });
    connect(calculator_, &QPushButton::clicked, this, &CInertSaltDatabaseDlg::openCalculator);
    connect(list_, &FilteredSubstanceList::refilled, this, &CInertSaltDatabaseDlg::listRefilled);
    connect(list_, &FilteredSubstanceList::selectedChanged, this,
            &CInertSaltDatabaseDlg::saltSelected);
    connect(list_, &FilteredSubstanceList::activated, this, [this] {
        if (use_->isEnabled()) accept();
    });
    connect(list_, &FilteredSubstanceList::deletePressed, this, [this] {
        if (delete_->isEnabled()) deleteSalt();
    });
    connect(add_, &QPushButton::clicked, this, &CInertSaltDatabaseDlg::addSalt);
    connect(delete_, &QPushButton::clicked, this, &CInertSaltDatabaseDlg::deleteSalt);
    connect(modify_, &QPushButton::clicked, this, &CInertSaltDatabaseDlg::modifySalt);
}

void CInertSaltDatabaseDlg::fillList() {
    std::vector<SubstanceEntry> entries;
    for (int position = 0; position < program_.salts.Count(); ++position) {
        const InertSalt& salt = program_.salts.At(position);
        entries.push_back({salt.id, salt.name, salt.formula});
    }
    list_->setEntries(std::move(entries));
    listRefilled();
}

void CInertSaltDatabaseDlg::listRefilled() {
    const bool byName = list_->shown() == FilteredSubstanceList::Shown::name;
    list_->selectText(byName ? scratch_.name : scratch_.formula);
    setWindowTitle(databaseTitle(kTitle, program_.salts.Count(), list_->listedCount()));
    const InertSalt* standard = program_.salts.DefaultSalt();
    defaultSalt_->setText(standard == nullptr
                              ? tr("No default inert salt.")
                              : fromWindows1252(formatMessage("Default salt: %s",
                                                              {std::string_view(standard->name)})));
    updateButtons();
}

void CInertSaltDatabaseDlg::saltSelected(std::int32_t id) {
    if (const InertSalt* stored = program_.salts.FindById(id)) {
        scratch_ = *stored;
        formulaValid_ = analyzeSaltFormula(scratch_.formula, program_.elements).valid();
        showFields();
    }
    updateButtons();
}

void CInertSaltDatabaseDlg::formulaEdited(const QString& text) {
    const SaltFormulaAnalysis analysis =
        scratch_.setSaltFormula(toWindows1252(text), program_.elements);
    formulaValid_ = analysis.valid();
    showOutcome(analysis.outcomeText());
    formulaFrame_->setFormulaAndMass(scratch_.formula, scratch_.molarMass);
    updateButtons();
}

void CInertSaltDatabaseDlg::concentrationEdited(const QString& text) {
    double typed = 0.0;
    // A number half typed ("1e") waits for the next key.
    if (!parseNumber(text.toStdString(), typed)) return;
    scratch_.concentration = typed;
    scratch_.concentrationData.SetConcentration(typed);
}

void CInertSaltDatabaseDlg::solidClicked(bool solid) {
    scratch_.isSolid = solid;
    showFields();
}

void CInertSaltDatabaseDlg::openCalculator() {
    const std::optional<CCDataSet> stock = runConcentrationCalculator(
        scratch_.concentrationData, program_.elements, session_.displayDigits(), this);
    if (!stock) return;
    scratch_.concentrationData = *stock;
    scratch_.concentration = stock->concentrationMolar;
    showFields();
}

void CInertSaltDatabaseDlg::addSalt() {
    if (const auto refusal = SaltAddRefusal(program_.salts, scratch_)) {
        tellUser(*this, *refusal);
        return;
    }
    InertSalt added = scratch_;
    if (!program_.salts.Add(added)) return;
    scratch_.id = added.id;
    changed_ = true;
    fillList();
}

void CInertSaltDatabaseDlg::deleteSalt() {
    const std::int32_t id = list_->selectedId();
    if (id < 0) return;
    if (const auto question = SaltRemovalQuestion(program_.salts, id)) {
        if (!askYesNo(*this, *question)) return;
    }
    program_.salts.Remove(id);
    changed_ = true;
    scratch_ = InertSalt();
    formulaValid_ = false;
    showFields();
    fillList();
}

void CInertSaltDatabaseDlg::modifySalt() {
    if (const auto note = session_.notes().noteOnProgramAcidChange()) tellUser(*this, *note);
    if (const auto question = SaltChangeQuestion(program_.salts, scratch_)) {
        if (!askYesNo(*this, *question)) return;
    }
    if (const auto refusal = SaltChangeRefusal(program_.salts, scratch_)) {
        tellUser(*this, *refusal);
        return;
    }
    program_.salts.Replace(scratch_);
    changed_ = true;
    fillList();
}

void CInertSaltDatabaseDlg::showFields() {
    name_->setText(fromWindows1252(scratch_.name));
    formula_->setText(fromWindows1252(scratch_.formula));
    solid_->setChecked(scratch_.isSolid);
    default_->setChecked(scratch_.isDefault);
    // A solid has no stock concentration to show.
    concentration_->setText(
        scratch_.isSolid ? QString()
                         : QString::fromStdString(CFloatNumbersString(session_.displayDigits())
                                                      .formatCompact(scratch_.concentration)));
    concentration_->setEnabled(!scratch_.isSolid);
    calculator_->setEnabled(!scratch_.isSolid);
    showOutcome(scratch_.formula.empty() ? std::string() : scratch_.ionicStrengthText());
    formulaFrame_->setFormulaAndMass(scratch_.formula, scratch_.molarMass);
}

void CInertSaltDatabaseDlg::showOutcome(const std::string& text) {
    outcome_->setText(fromWindows1252(text));
    outcome_->setAccessibleName(outcome_->text());
}

void CInertSaltDatabaseDlg::updateButtons() {
    const bool selected = list_->selectedId() >= 0;
    const bool usable = !scratch_.name.empty() && formulaValid_;
    const bool editing = mode_ == Mode::database;
    const InertSalt* sameName = program_.salts.FindByName(scratch_.name);
    add_->setEnabled(usable && sameName == nullptr);
    delete_->setEnabled(selected && editing);
    // Two salts of one name could not be told apart where salts are found by name.
    modify_->setEnabled(selected && usable && editing &&
                        (sameName == nullptr || sameName->id == scratch_.id));
    use_->setEnabled(selected && !editing);
}

void showInertSaltDatabaseEditor(ProgramSession& session, QWidget* parent) {
    CInertSaltDatabaseDlg dialog(session, CInertSaltDatabaseDlg::Mode::database, nullptr, parent);
    dialog.exec();
    if (dialog.changedDatabase()) Q_EMIT session.databaseEdited();
}

std::optional<InertSalt> pickInertSalt(ProgramSession& session, const InertSalt& current,
                                       QWidget* parent) {
    CInertSaltDatabaseDlg dialog(session, CInertSaltDatabaseDlg::Mode::choosing, &current, parent);
    const bool used = dialog.exec() == QDialog::Accepted;
    if (dialog.changedDatabase()) Q_EMIT session.databaseEdited();
    if (!used) return std::nullopt;
    return dialog.scratchSalt();
}

}  // namespace solvara
