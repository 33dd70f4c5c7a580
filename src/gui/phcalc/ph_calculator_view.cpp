#include "gui/phcalc/ph_calculator_view.h"

#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "core/phcalc/ph_view_texts.h"
#include "core/program/program_model.h"
#include "gui/dialogs/concentration_calculator.h"
#include "gui/dialogs/reagent_database_dialog.h"
#include "gui/model/program_session.h"
#include "gui/phcalc/announced_reformat_edit.h"
#include "gui/phcalc/ph_result_label.h"
#include "gui/phcalc/reagent_name_completer.h"
#include "gui/widgets/formula_list_ctrl.h"
#include "gui/widgets/number_exchange.h"
#include "gui/widgets/qt_text.h"
#include "gui/widgets/static_formula_frame.h"

namespace solvara {

namespace {

// Widths of the species list's columns at the font they were chosen for, and that font's
// average character width.
constexpr std::array<int, speciesColumnCount> columnWidths{193, 80, 65, 65, 65, 80};
constexpr qreal designCharWidth = 6.0;
constexpr int numberFieldChars = 11;
constexpr int messageLines = 4;
constexpr int listedRows = 9;

// Sets a flag for as long as it lives.
class FlagScope {
  public:
    explicit FlagScope(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = before_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

  private:
    bool& flag_;
    bool before_;
};

QLabel* labelFor(QWidget& field, const QString& text) {
    auto* label = new QLabel(text);
    labelField(*label, field);
    return label;
}

// Where the caret and the selection of a line edit are, to put them back.
struct Caret {
    explicit Caret(const QLineEdit& field)
        : position(field.cursorPosition()),
          selectionStart(field.selectionStart()),
          selectionLength(field.selectedText().size()) {}
    void restore(QLineEdit& field) const {
        if (selectionStart >= 0 && selectionLength > 0) {
            // A selection made leftwards keeps its caret at the start.
            if (position == selectionStart) {
                field.setSelection(static_cast<int>(selectionStart + selectionLength),
                                   -static_cast<int>(selectionLength));
            } else {
                field.setSelection(selectionStart, static_cast<int>(selectionLength));
            }
        } else {
            field.setCursorPosition(position);
        }
    }
    int position;
    int selectionStart;
    qsizetype selectionLength;
};

}  // namespace

CpHCalculatorView::CpHCalculatorView(PhCalculatorDocumentModel& document, ProgramSession& session,
                                     QWidget* parent)
    : QWidget(parent), document_(document), session_(session), ownAcidChooser_(session, this) {
    buildForm();
    connectSignals();
    // Results are never stored: a document shows them from its first calculation on.
    document_.edit([](CpHCalculatorDoc& calculation) { return calculation.recalculate(); });
    documentChanged(everyDocumentChange);
}

CpHCalculatorView::~CpHCalculatorView() {
    // A field that loses the focus while the form is torn down still reformats itself and
    // announces it; by then there is no form left to hear it.
    for (QObject* child : findChildren<QObject*>())
        QObject::disconnect(child, nullptr, this, nullptr);
}

void CpHCalculatorView::buildForm() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildReagentPane());
    layout->addWidget(buildSolutionPane());
    layout->addWidget(buildSpeciesPane(), 1);
}

AnnouncedReformatEdit* CpHCalculatorView::numberField(NumberEdit edit, bool reformatRecalculates) {
    auto* field = new AnnouncedReformatEdit;
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * numberFieldChars);
    connect(field, &QLineEdit::textChanged, this,
            [this, field, edit = std::move(edit)] { numberTyped(*field, edit); });
    if (!reformatRecalculates) {
        connect(field, &AnnouncedReformatEdit::reformatStarted, this,
                [this] { reformatting_ = true; });
        connect(field, &AnnouncedReformatEdit::reformatFinished, this,
                [this] { reformatting_ = false; });
    }
    return field;
}

QWidget* CpHCalculatorView::buildReagentPane() {
    auto* pane = new QWidget;
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    tabs_ = new QTabBar;
    tabs_->setAccessibleName(tr("reagents"));
    tabs_->setExpanding(false);
    tabs_->setUsesScrollButtons(true);
    layout->addWidget(tabs_);

    auto* page = new QFrame;
    page->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(page);
    nameField_ = new QLineEdit;
    nameField_->setCompleter(reagentNameCompleter(core().program().reagents, nameField_));
    databaseButton_ = new QPushButton(tr("&database..."));
    databaseButton_->setToolTip(tr("Take the reagent from the reagent database"));
    formulaField_ = new QLineEdit;
    formulaField_->setPlaceholderText(QStringLiteral("H_3PO_4 or 2Na^+,HPO_4^{2-}"));
    formulaFrame_ = new CStaticFormulaFrame(core().program().elements);
    concentrationField_ = numberField(
        [this](CpHCalculatorDoc& calculation, double value) {
            return calculation.setRowConcentration(currentRow_, value);
        },
        false);
    volumeField_ =
        numberField([this](CpHCalculatorDoc& calculation,
                           double value) { return calculation.setRowVolume(currentRow_, value); },
                    false);
    calculatorButton_ = new QPushButton(tr("&C"));
    calculatorButton_->setToolTip(tr("Concentration calculator"));
    calculatorButton_->setAccessibleDescription(tr("Concentration calculator"));
    calculatorButton_->setFixedWidth(calculatorButton_->fontMetrics().height() * 2);
    messages_ = new QPlainTextEdit;
    messages_->setReadOnly(true);
    messages_->setTabChangesFocus(true);
    messages_->setAccessibleName(tr("analysis messages"));
    messages_->setFixedHeight(messages_->fontMetrics().lineSpacing() * messageLines +
                              2 * messages_->frameWidth() + 8);

    grid->addWidget(labelFor(*nameField_, tr("&name")), 0, 0);
    auto* naming = new QHBoxLayout;
    naming->addWidget(nameField_, 1);
    naming->addWidget(databaseButton_);
    grid->addLayout(naming, 0, 1, 1, 4);
    grid->addWidget(labelFor(*formulaField_, tr("f&ormula")), 1, 0);
    grid->addWidget(formulaField_, 1, 1, 1, 4);
    grid->addWidget(formulaFrame_, 0, 5, 3, 1);
    grid->addWidget(labelFor(*concentrationField_, tr("conc&entration")), 2, 0);
    auto* amounts = new QHBoxLayout;
    amounts->addWidget(concentrationField_);
    amounts->addWidget(new QLabel(QStringLiteral("M")));
    amounts->addWidget(calculatorButton_);
    amounts->addSpacing(12);
    amounts->addWidget(labelFor(*volumeField_, tr("&volume")));
    amounts->addWidget(volumeField_);
    amounts->addWidget(new QLabel(QStringLiteral("mL")));
    amounts->addStretch();
    grid->addLayout(amounts, 2, 1, 1, 4);
    grid->addWidget(messages_, 3, 0, 1, 6);
    grid->setColumnStretch(4, 1);
    layout->addWidget(page);
    return pane;
}

QWidget* CpHCalculatorView::buildSolutionPane() {
    auto* pane = new QWidget;
    auto* layout = new QHBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* modes = new QGridLayout;
    volumeModeBox_ = new QComboBox;
    volumeModeBox_->addItems({tr("ignore"), tr("sum volumes"), tr("final volume (mL)")});
    solutionVolumeField_ =
        numberField([](CpHCalculatorDoc& calculation,
                       double value) { return calculation.setSolutionVolume(value); },
                    false);
    solutionVolumeField_->setAccessibleName(tr("solution volume (mL)"));
    ionicStrengthModeBox_ = new QComboBox;
    ionicStrengthModeBox_->addItems({tr("calculate I"), tr("ignore I"), tr("force I")});
    // Its rewriting on focus loss recalculates, as typing does.
    ionicStrengthField_ =
        numberField([](CpHCalculatorDoc& calculation,
                       double value) { return calculation.setIonicStrength(value); },
                    true);
    ionicStrengthField_->setAccessibleName(tr("ionic strength (M)"));
    temperatureField_ = numberField([](CpHCalculatorDoc& calculation,
                                       double value) { return calculation.setTemperature(value); },
                                    false);
    modes->addWidget(labelFor(*volumeModeBox_, tr("solution vol&ume")), 0, 0);
    modes->addWidget(volumeModeBox_, 0, 1);
    modes->addWidget(solutionVolumeField_, 0, 2);
    modes->addWidget(new QLabel(QStringLiteral("mL")), 0, 3);
    modes->addWidget(labelFor(*ionicStrengthModeBox_, tr("&ionic strength")), 1, 0);
    modes->addWidget(ionicStrengthModeBox_, 1, 1);
    modes->addWidget(ionicStrengthField_, 1, 2);
    modes->addWidget(new QLabel(QStringLiteral("M")), 1, 3);
    modes->addWidget(labelFor(*temperatureField_, tr("&temperature")), 2, 0);
    modes->addWidget(temperatureField_, 2, 2);
    modes->addWidget(new QLabel(QStringLiteral("\u00B0C")), 2, 3);
    layout->addLayout(modes);
    layout->addSpacing(12);

    auto* result = new QVBoxLayout;
    pHLabel_ = new PhResultLabel;
    pHLabel_->setMinimumWidth(
        pHLabel_->fontMetrics().horizontalAdvance(QStringLiteral("pH = 14.00")) +
        2 * pHLabel_->contentsMargins().left() + 8);
    result->addWidget(pHLabel_, 1);
    auto* buttons = new QHBoxLayout;
    addButton_ = new QPushButton(tr("&Add reagent"));
    removeButton_ = new QPushButton(tr("&Remove reagent"));
    acidsButton_ = new QPushButton(tr("Acid&s details"));
    buttons->addWidget(addButton_);
    buttons->addWidget(removeButton_);
    buttons->addWidget(acidsButton_);
    result->addLayout(buttons);
    layout->addLayout(result, 1);
    return pane;
}

QWidget* CpHCalculatorView::buildSpeciesPane() {
    auto* pane = new QWidget;
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* filterLine = new QHBoxLayout;
    filterField_ = new QLineEdit(QStringLiteral("."));
    totalLabel_ = new QLabel;
    totalLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    filterLine->addWidget(labelFor(*filterField_, tr("fi&lter")));
    filterLine->addWidget(filterField_, 1);
    filterLine->addSpacing(12);
    filterLine->addWidget(totalLabel_, 1);
    layout->addLayout(filterLine);

    speciesList_ = new CCFListCtrl(core().program().elements);
    speciesList_->setAccessibleName(tr("species"));
    speciesList_->setHeaderLabels({tr("substance"), tr("concentration"), QStringLiteral("%"),
                                   tr("act. coeff."), tr("activity"), tr("-log(activity)")});
    QHeaderView* header = speciesList_->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(sortColumn_, Qt::AscendingOrder);
    header->setStretchLastSection(true);
    const qreal scale = speciesList_->fontMetrics().averageCharWidth() / designCharWidth;
    const QFontMetrics headerMetrics(header->font());
    int listWidth = 2 * speciesList_->frameWidth();
    for (int column = 0; column < speciesColumnCount; ++column) {
        const QString title = speciesList_->headerItem()->text(column);
        const int width =
            std::max(static_cast<int>(columnWidths[static_cast<std::size_t>(column)] * scale),
                     headerMetrics.horizontalAdvance(title) + 2 * headerMetrics.height());
        speciesList_->setColumnWidth(column, width);
        listWidth += width;
        if (column > 0) speciesList_->headerItem()->setTextAlignment(column, Qt::AlignRight);
    }
    speciesList_->setMinimumWidth(listWidth +
                                  speciesList_->verticalScrollBar()->sizeHint().width());
    speciesList_->setMinimumHeight(header->sizeHint().height() +
                                   listedRows * (speciesList_->fontMetrics().height() + 6));
    layout->addWidget(speciesList_, 1);
    return pane;
}

void CpHCalculatorView::connectSignals() {
    connect(&document_, &DocumentModel::changed, this, &CpHCalculatorView::documentChanged);
    connect(tabs_, &QTabBar::currentChanged, this, &CpHCalculatorView::tabSelected);
    connect(nameField_, &QLineEdit::textChanged, this, &CpHCalculatorView::nameTyped);
    connect(nameField_->completer(), qOverload<const QString&>(&QCompleter::activated), this,
            &CpHCalculatorView::chooseReagent);
    connect(nameField_, &QLineEdit::returnPressed, this,
            [this] { chooseReagent(nameField_->text()); });
    connect(formulaField_, &QLineEdit::textChanged, this, &CpHCalculatorView::formulaTyped);
    connect(volumeModeBox_, &QComboBox::activated, this, &CpHCalculatorView::volumeModeChosen);
    connect(ionicStrengthModeBox_, &QComboBox::activated, this,
            &CpHCalculatorView::ionicStrengthModeChosen);
    connect(addButton_, &QPushButton::clicked, this, &CpHCalculatorView::addReagent);
    connect(removeButton_, &QPushButton::clicked, this, &CpHCalculatorView::removeReagent);
    connect(databaseButton_, &QPushButton::clicked, this,
            &CpHCalculatorView::pickReagentFromDatabase);
    connect(calculatorButton_, &QPushButton::clicked, this,
            &CpHCalculatorView::openConcentrationCalculator);
    connect(acidsButton_, &QPushButton::clicked, this, &CpHCalculatorView::editDocumentAcids);
    connect(filterField_, &QLineEdit::textChanged, this, &CpHCalculatorView::refreshSpeciesList);
    connect(speciesList_->header(), &QHeaderView::sectionClicked, this, &CpHCalculatorView::sortBy);
    connect(&session_, &ProgramSession::viewsNeedRefresh, this,
            [this] { documentChanged(everyDocumentChange); });
}

void CpHCalculatorView::editFrom(QWidget& field,
                                 const std::function<DocumentChange(CpHCalculatorDoc&)>& edit) {
    QWidget* outer = typedField_;
    typedField_ = &field;
    document_.edit(edit);
    typedField_ = outer;
}

void CpHCalculatorView::numberTyped(AnnouncedReformatEdit& field, const NumberEdit& edit) {
    if (reformatting_ || rewriting_) return;
    const QString typed = field.text();
    const Caret caret(field);
    double value = 0;
    // Text that is no number tells the user so; the calculation still runs on what there is.
    const bool isNumber =
        exchangeNumber(Exchange::fromField, field, value, 0, session_.displayDigits());
    editFrom(field, [&](CpHCalculatorDoc& calculation) {
        return isNumber ? edit(calculation, value) : calculation.recalculate();
    });
    if (field.text() != typed) {
        const FlagScope rewriting(rewriting_);
        field.setText(typed);
    }
    caret.restore(field);
}

void CpHCalculatorView::nameTyped() {
    if (rewriting_) return;
    const std::string name = toWindows1252(nameField_->text());
    editFrom(*nameField_, [&](CpHCalculatorDoc& calculation) {
        return calculation.setRowName(currentRow_, name);
    });
}

void CpHCalculatorView::formulaTyped() {
    if (rewriting_) return;
    const std::string formula = toWindows1252(formulaField_->text());
    editFrom(*formulaField_, [&](CpHCalculatorDoc& calculation) {
        return calculation.setRowFormula(currentRow_, formula);
    });
}

void CpHCalculatorView::chooseReagent(const QString& name) {
    const Reagent* chosen = core().program().reagents.FindByName(toWindows1252(name));
    if (chosen == nullptr) return;
    const Reagent reagent = *chosen;
    takeReagent(reagent);
}

void CpHCalculatorView::takeReagent(const Reagent& reagent) {
    document_.edit([&](CpHCalculatorDoc& calculation) {
        // The row takes the reagent as it comes and analyses it in full, so its messages end
        // with the stock's pH.
        return calculation.replaceReagent(currentRow_, reagent) |
               calculation.setRowFormula(currentRow_, reagent.formula);
    });
}

void CpHCalculatorView::pickReagentFromDatabase() {
    const std::optional<Reagent> chosen =
        pickReagent(session_, acidChooser(), core().reagentAt(currentRow_), this);
    if (chosen) takeReagent(*chosen);
}

void CpHCalculatorView::openConcentrationCalculator() {
    const ReagentpHCalculator& row = core().reagentAt(currentRow_);
    const std::optional<CCDataSet> stock = runConcentrationCalculator(
        row.concentrationData, core().program().elements, session_.displayDigits(), this);
    if (!stock) return;
    document_.edit([&](CpHCalculatorDoc& calculation) {
        return calculation.setRowStock(currentRow_, *stock);
    });
}

void CpHCalculatorView::editDocumentAcids() { showDocumentAcidsEditor(session_, document_, this); }

AcidChooser& CpHCalculatorView::acidChooser() {
    AcidChooser* programs = core().program().acidChooser;
    return programs != nullptr ? *programs : ownAcidChooser_;
}

void CpHCalculatorView::volumeModeChosen(int mode) {
    document_.edit([mode](CpHCalculatorDoc& calculation) {
        return calculation.setVolumeMode(static_cast<VolumeMode>(mode));
    });
}

void CpHCalculatorView::ionicStrengthModeChosen(int mode) {
    document_.edit([mode](CpHCalculatorDoc& calculation) {
        return calculation.setIonicStrengthMode(static_cast<IonicStrengthMode>(mode));
    });
}

void CpHCalculatorView::tabSelected(int index) {
    if (rewriting_ || index < 0) return;
    currentRow_ = index;
    showRow();
    writeFields();
}

void CpHCalculatorView::addReagent() {
    const int added = core().reagentCount();
    document_.edit([this](CpHCalculatorDoc& calculation) {
        return calculation.addReagent(ReagentpHCalculator(calculation.program()));
    });
    tabs_->setCurrentIndex(added);
}

void CpHCalculatorView::removeReagent() {
    if (core().reagentCount() <= 1) return;
    const int removed = currentRow_;
    currentRow_ = std::min(removed, core().reagentCount() - 2);
    document_.edit(
        [removed](CpHCalculatorDoc& calculation) { return calculation.removeReagent(removed); });
    tabs_->setCurrentIndex(currentRow_);
    showRow();
}

void CpHCalculatorView::sortBy(int column) {
    sortAscending_ = column == sortColumn_ ? !sortAscending_ : true;
    sortColumn_ = column;
    speciesList_->header()->setSortIndicator(
        column, sortAscending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
    refreshSpeciesList();
}

void CpHCalculatorView::documentChanged(DocumentChange what) {
    if (has(what, DocumentChange::rows)) synchroniseTabs();
    if (has(what, DocumentChange::rows | DocumentChange::inputs)) showRow();
    writeFields();
    enableByModes();
    showResults();
    refreshSpeciesList();
}

void CpHCalculatorView::synchroniseTabs() {
    const FlagScope rewriting(rewriting_);
    const int rows = core().reagentCount();
    while (tabs_->count() > rows) tabs_->removeTab(tabs_->count() - 1);
    while (tabs_->count() < rows) tabs_->addTab(QString());
    for (int index = 0; index < rows; ++index) {
        tabs_->setTabText(index, fromWindows1252(reagentTabText(core(), index)));
    }
    currentRow_ = std::clamp(currentRow_, 0, rows - 1);
    tabs_->setCurrentIndex(currentRow_);
}

void CpHCalculatorView::showRow() {
    const FlagScope rewriting(rewriting_);
    const ReagentpHCalculator& row = core().reagentAt(currentRow_);
    if (typedField_ != nameField_) nameField_->setText(fromWindows1252(row.name));
    if (typedField_ != formulaField_) formulaField_->setText(fromWindows1252(row.formula));
    formulaFrame_->configure(!row.hasSection, !row.hasSection);
    formulaFrame_->setFormula(row.formula, true);
    QString messages = fromWindows1252(row.analysisLog);
    while (messages.endsWith(QLatin1Char('\n')) || messages.endsWith(QLatin1Char('\r')))
        messages.chop(1);
    messages_->setPlainText(messages);
}

void CpHCalculatorView::writeFields() {
    const FlagScope rewriting(rewriting_);
    const CpHCalculatorDoc& calculation = core();
    const ReagentpHCalculator& row = calculation.reagentAt(currentRow_);
    const int digits = session_.displayDigits();
    const auto write = [&](AnnouncedReformatEdit* field, double value) {
        field->setDisplayDigits(digits);
        if (field != typedField_) exchangeNumber(Exchange::toField, *field, value, 0, digits);
    };
    write(concentrationField_, row.concentration);
    write(volumeField_, row.volume);
    write(solutionVolumeField_, calculation.solutionVolume());
    write(ionicStrengthField_, calculation.resultIonicStrength());
    write(temperatureField_, calculation.temperature());
    volumeModeBox_->setCurrentIndex(static_cast<int>(calculation.volumeMode()));
    ionicStrengthModeBox_->setCurrentIndex(static_cast<int>(calculation.ionicStrengthMode()));

    QPalette palette = ionicStrengthField_->palette();
    const bool tooHigh = calculation.ionicStrengthTooHigh();
    palette.setColor(QPalette::Text,
                     tooHigh ? QColor(Qt::red) : this->palette().color(QPalette::Text));
    ionicStrengthField_->setPalette(palette);
    ionicStrengthField_->setAccessibleDescription(tooHigh ? tr("too high for reliable results")
                                                          : QString());
}

void CpHCalculatorView::enableByModes() {
    volumeField_->setEnabled(core().volumeMode() != VolumeMode::ignoreVolumes);
    solutionVolumeField_->setEnabled(core().volumeMode() == VolumeMode::finalVolume);
    ionicStrengthField_->setEnabled(core().ionicStrengthMode() ==
                                    IonicStrengthMode::forceIonicStrength);
    removeButton_->setEnabled(core().reagentCount() > 1);
}

void CpHCalculatorView::showResults() {
    pHLabel_->setText(fromWindows1252(core().pHLabel()));
    pHLabel_->setWarning(core().ionicStrengthTooHigh());
}

void CpHCalculatorView::refreshSpeciesList() {
    const std::string filter = toWindows1252(filterField_->text());
    std::vector<SpeciesListRow> rows = speciesListRows(core(), filter);
    sortSpeciesListRows(rows, core(), static_cast<SpeciesColumn>(sortColumn_), sortAscending_);
    totalLabel_->setVisible(filter != ".");
    totalLabel_->setText(fromWindows1252(speciesTotalText(core(), rows, filter)));

    // The selection follows its species through the refill.
    const QTreeWidgetItem* selected = speciesList_->currentItem();
    const int selectedSpecies = selected != nullptr ? selected->data(0, Qt::UserRole).toInt() : -1;
    speciesList_->setUpdatesEnabled(false);
    speciesList_->clear();
    for (const SpeciesListRow& row : rows) {
        QStringList cells;
        for (const std::string& cell : row.cells) cells.append(fromWindows1252(cell));
        QTreeWidgetItem* item = speciesList_->appendRow(cells);
        item->setData(0, Qt::UserRole, row.species);
        for (int column = 1; column < speciesColumnCount; ++column) {
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        }
        if (row.species == selectedSpecies) speciesList_->setCurrentItem(item);
    }
    speciesList_->setUpdatesEnabled(true);
}

}  // namespace solvara
