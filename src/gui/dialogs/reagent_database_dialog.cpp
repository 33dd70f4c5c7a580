#include "gui/dialogs/reagent_database_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>
#include <vector>

#include "core/program/integrity_rules.h"
#include "core/program/reagent_replacement.h"
#include "core/text/float_numbers_string.h"
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

constexpr std::string_view kTitle = "Reagent database (%i item%s/%i listed)";
// What ticking and clearing "solid" leaves as the stock concentration.
constexpr double kSolidConcentration = 2.0;
constexpr double kSolutionConcentration = 1.0;

QString logText(const std::string& log) {
    QString text = fromWindows1252(log);
    text.remove(QLatin1Char('\r'));
    return text;
}

}  // namespace

CReagentDatabaseDlg::CReagentDatabaseDlg(ProgramSession& session, AcidChooser& chooser, Mode mode,
                                         const Reagent* preloaded, QWidget* parent)
    : QDialog(parent),
      session_(session),
      program_(session.program()),
      choices_(program_, chooser),
      mode_(mode),
      working_(preloaded != nullptr ? *preloaded : Reagent(program_)) {
    setWindowTitle(tr("Reagent details and database"));
    buildForm();
    showFields();
    reanalyze();
    fillList();
    connectControls();
}

void CReagentDatabaseDlg::buildForm() {
    auto* form = new QGridLayout;
    int row = 0;
    const auto addField = [&](const QString& label, QWidget& field) {
        auto* caption = new QLabel(label, this);
        labelField(*caption, field);
        form->addWidget(caption, row, 0, Qt::AlignLeft | Qt::AlignTop);
        form->addWidget(&field, row++, 1, 1, 4);
    };
    name_ = new QLineEdit(this);
    addField(tr("reagent &name"), *name_);
    auto* help = new QLabel(tr("Enter reagent formula as:\n   H_3PO_4\n   2Na^+,HPO_4^{2-}\n"
                               "   NaOH/H_3PO_4; pH=7.33"),
                            this);
    form->addWidget(help, row++, 1, 1, 4);
    formula_ = new QLineEdit(this);
    addField(tr("reagent &formula"), *formula_);
    formulaFrame_ = new CStaticFormulaFrame(program_.elements, this);
    formulaFrame_->setMinimumHeight(48);
    form->addWidget(formulaFrame_, row++, 1, 1, 4);

    const StockRow stock = addStockRow(*this, *form, row++, session_.displayDigits());
    concentration_ = stock.concentration;
    calculator_ = stock.calculator;
    solid_ = stock.solid;

    log_ = new QPlainTextEdit(this);
    log_->setReadOnly(true);
    log_->setTabChangesFocus(true);
    addField(tr("analysis lo&g"), *log_);
    form->setRowStretch(row - 1, 1);
    form->setColumnStretch(1, 1);

    list_ = new FilteredSubstanceList(this);
    list_->view().setMinimumWidth(220);

    EditorButtons buttons(*this, mode_ == Mode::selection);
    add_ = buttons.addAction(tr("A&dd"));
    delete_ = buttons.addAction(tr("D&elete"));
    modify_ = buttons.addAction(tr("&Modify"));
    use_ = buttons.use();
    layOutEditor(*this, form, list_, buttons);
}

// textEdited and clicked come only from the user, so showing the fields edits nothing.
void CReagentDatabaseDlg::connectControls() {
    connect(name_, &QLineEdit::textEdited, this, &CReagentDatabaseDlg::nameEdited);
    connect(formula_, &QLineEdit::textEdited, this, &CReagentDatabaseDlg::formulaEdited);
    connect(concentration_, &QLineEdit::textEdited, this,
            &CReagentDatabaseDlg::concentrationEdited);
    connect(solid_, &QCheckBox::clicked, this, &CReagentDatabaseDlg::solidClicked);
    connect(calculator_, &QPushButton::clicked, this, &CReagentDatabaseDlg::openCalculator);
    connect(list_, &FilteredSubstanceList::refilled, this, &CReagentDatabaseDlg::listRefilled);
    connect(list_, &FilteredSubstanceList::selectedChanged, this,
            &CReagentDatabaseDlg::reagentSelected);
    connect(list_, &FilteredSubstanceList::activated, this, [this] {
        if (mode_ == Mode::selection && use_->isEnabled()) accept();
    });
    connect(list_, &FilteredSubstanceList::deletePressed, this, [this] {
        if (delete_->isEnabled()) deleteReagent();
    });
    connect(add_, &QPushButton::clicked, this, &CReagentDatabaseDlg::addReagent);
    connect(delete_, &QPushButton::clicked, this, &CReagentDatabaseDlg::deleteReagent);
    connect(modify_, &QPushButton::clicked, this, &CReagentDatabaseDlg::modifyReagent);
}

void CReagentDatabaseDlg::fillList() {
    std::vector<SubstanceEntry> entries;
    entries.reserve(static_cast<std::size_t>(program_.reagents.Count()));
    for (int position = 0; position < program_.reagents.Count(); ++position) {
        const Reagent& reagent = program_.reagents.At(position);
        entries.push_back({reagent.id, reagent.name, reagent.formula});
    }
    list_->setEntries(std::move(entries));
    listRefilled();
}

void CReagentDatabaseDlg::listRefilled() {
    const bool byName = list_->shown() == FilteredSubstanceList::Shown::name;
    list_->selectText(byName ? working_.name : working_.formula);
    setWindowTitle(databaseTitle(kTitle, program_.reagents.Count(), list_->listedCount()));
    updateButtons();
}

// The stored reagent was analysed when it was read or stored: its summary is shown without
// analysing the formula again.
void CReagentDatabaseDlg::reagentSelected(std::int32_t id) {
    const Reagent* stored = program_.reagents.FindById(id);
    if (stored != nullptr) {
        working_ = *stored;
        working_.setAcidDatabase(nullptr);
        log_->setPlainText(logText(working_.analysisSummary()));
        showFields();
    }
    updateButtons();
}

void CReagentDatabaseDlg::nameEdited(const QString& text) {
    working_.name = toWindows1252(text);
    updateButtons();
}

void CReagentDatabaseDlg::formulaEdited(const QString& text) {
    working_.formula = toWindows1252(text);
    reanalyze();
    updateButtons();
}

void CReagentDatabaseDlg::concentrationEdited(const QString& text) {
    double typed = 0.0;
    // A number half typed ("1e") waits for the next key.
    if (!parseNumber(text.toStdString(), typed)) return;
    working_.concentration = typed;
    reanalyze();
    working_.concentrationData.SetConcentration(typed);
    updateButtons();
}

void CReagentDatabaseDlg::solidClicked(bool solid) {
    working_.isSolid = solid;
    working_.concentration = solid ? kSolidConcentration : kSolutionConcentration;
    reanalyze();
    showFields();
    updateButtons();
}

void CReagentDatabaseDlg::openCalculator() {
    const std::optional<CCDataSet> stock = runConcentrationCalculator(
        working_.concentrationData, program_.elements, session_.displayDigits(), this);
    if (!stock) return;
    working_.concentrationData = *stock;
    working_.concentration = stock->concentrationMolar;
    reanalyze();
    showFields();
    updateButtons();
}

void CReagentDatabaseDlg::addReagent() {
    Reagent added = working_;
    added.setAcidDatabase(nullptr);
    if (!program_.reagents.Add(added)) return;
    working_.id = added.id;
    changed_ = true;
    fillList();
}

void CReagentDatabaseDlg::deleteReagent() {
    const std::int32_t id = list_->selectedId();
    if (id < 0) return;
    if (const auto refusal = ReagentRemovalRefusal(program_, id)) {
        tellUser(*this, *refusal);
        return;
    }
    program_.reagents.Remove(id);
    changed_ = true;
    working_ = Reagent(program_);
    log_->clear();
    showFields();
    fillList();
}

void CReagentDatabaseDlg::modifyReagent() {
    if (const auto note = session_.notes().noteOnProgramAcidChange()) tellUser(*this, *note);
    if (const auto question = ReagentChangeQuestion(program_, working_.id)) {
        if (!askOkCancel(*this, *question)) return;
    }
    ReplaceReagent(program_, working_);
    changed_ = true;
    fillList();
}

void CReagentDatabaseDlg::reanalyze() {
    working_.analyze(false);
    log_->setPlainText(logText(working_.analysisLog));
    showFormula();
}

void CReagentDatabaseDlg::showFields() {
    name_->setText(fromWindows1252(working_.name));
    formula_->setText(fromWindows1252(working_.formula));
    solid_->setChecked(working_.isSolid);
    // A solid has no stock concentration to show.
    concentration_->setText(
        working_.isSolid ? QString()
                         : QString::fromStdString(CFloatNumbersString(session_.displayDigits())
                                                      .formatCompact(working_.concentration)));
    enableStock();
    showFormula();
}

// A divided or pH-forced reagent has no molar mass to show.
void CReagentDatabaseDlg::showFormula() {
    formulaFrame_->configure(!working_.hasSection, true);
    formulaFrame_->setFormulaAndMass(working_.formula, working_.molarMass);
}

void CReagentDatabaseDlg::enableStock() {
    concentration_->setEnabled(!working_.isSolid);
    calculator_->setEnabled(!working_.isSolid);
}

bool CReagentDatabaseDlg::selected() const { return list_->selectedId() >= 0; }

void CReagentDatabaseDlg::updateButtons() {
    const bool usable = !working_.name.empty() && working_.analysed;
    const Reagent* sameName = program_.reagents.FindByName(working_.name);
    const bool editing = mode_ == Mode::database;
    add_->setEnabled(usable && sameName == nullptr);
    delete_->setEnabled(selected() && editing);
    // Two reagents of one name could not be told apart where reagents are found by name.
    modify_->setEnabled(selected() && usable && editing &&
                        (sameName == nullptr || sameName->id == working_.id));
    use_->setEnabled(usable && !editing);
    solid_->setEnabled(!working_.hasSection);
}

void showReagentDatabaseEditor(ProgramSession& session, AcidChooser& chooser, QWidget* parent) {
    CReagentDatabaseDlg dialog(session, chooser, CReagentDatabaseDlg::Mode::database, nullptr,
                               parent);
    dialog.exec();
    if (dialog.changedDatabase()) Q_EMIT session.databaseEdited();
}

std::optional<Reagent> pickReagent(ProgramSession& session, AcidChooser& chooser,
                                   const Reagent& current, QWidget* parent) {
    CReagentDatabaseDlg dialog(session, chooser, CReagentDatabaseDlg::Mode::selection, &current,
                               parent);
    const bool used = dialog.exec() == QDialog::Accepted;
    if (dialog.changedDatabase()) Q_EMIT session.databaseEdited();
    if (!used) return std::nullopt;
    return dialog.workingReagent();
}

}  // namespace solvara
