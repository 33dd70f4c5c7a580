#include "gui/buffer/solvara_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

#include "core/buffer/buffer_database.h"
#include "core/buffer/capacity_plot_picture.h"
#include "core/bufferdoc/buffer_list.h"
#include "core/bufferdoc/design_view_texts.h"
#include "core/program/program_model.h"
#include "core/text/float_numbers_string.h"
#include "core/text/parse_number.h"
#include "gui/buffer/buffer_list_widget.h"
#include "gui/buffer/capacity_plot_widget.h"
#include "gui/buffer/reagent_group.h"
#include "gui/buffer/warning_frame.h"
#include "gui/dialogs/acid_editors.h"
#include "gui/dialogs/buffer_database_dialog.h"
#include "gui/dialogs/concentration_calculator.h"
#include "gui/dialogs/inert_salt_database_dialog.h"
#include "gui/dialogs/reagent_database_dialog.h"
#include "gui/model/program_session.h"
#include "gui/widgets/f_edit.h"
#include "gui/widgets/number_exchange.h"
#include "gui/widgets/qt_text.h"

namespace solvara {

namespace {

constexpr double unbounded = std::numeric_limits<double>::infinity();

// A reagent of the buffer, or none while the buffer has no such reagent.
Reagent* reagentOf(const CSolvaraDoc& document, int ordinal) {
    Reagent* reagent =
        ordinal == 1 ? document.buffer().FirstReagent() : document.buffer().SecondReagent();
    return reagent != nullptr && !reagent->formula.empty() ? reagent : nullptr;
}

QLabel* labelFor(QWidget& field, const QString& text) {
    auto* label = new QLabel(text);
    labelField(*label, field);
    return label;
}

// Changes a copy of a reagent of the buffer and puts it in the reagent's place.
DocumentChange changeReagent(CSolvaraDoc& design, int ordinal,
                             const std::function<void(Reagent&)>& change) {
    Reagent reagent =
        *(ordinal == 1 ? design.buffer().FirstReagent() : design.buffer().SecondReagent());
    change(reagent);
    return ordinal == 1 ? design.setFirstReagent(reagent) : design.setSecondReagent(reagent);
}

DocumentChange changeSalt(CSolvaraDoc& design, const std::function<void(InertSalt&)>& change) {
    InertSalt salt = design.salt();
    change(salt);
    return design.setSalt(salt);
}

// A typed stock concentration (of a reagent or a salt) also becomes what the concentration
// calculator starts from.
template <class Stock>
void setStock(Stock& stock, double concentration) {
    stock.concentration = concentration;
    stock.concentrationData.SetConcentration(concentration);
}

// The calculator's data set, worked out to a concentration, defines the stock.
template <class Stock>
void setStock(Stock& stock, const CCDataSet& calculated) {
    stock.concentrationData = calculated;
    stock.concentration = calculated.concentrationMolar;
}

}  // namespace

CSolvaraView::CSolvaraView(BufferDocumentModel& document, ProgramSession& session, QWidget* parent)
    : QWidget(parent), document_(document), session_(session) {
    auto* top = new QHBoxLayout;
    top->addWidget(makeParametersGroup());
    auto* selection = new QVBoxLayout;
    selection->addWidget(makeSelectionGroup(), 1);
    selection->addWidget(makePlotGroup());
    top->addLayout(selection, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(makePreparationGroup(), 2);
    bottom->addWidget(makeSaltGroup(), 1);

    auto* form = new QVBoxLayout(this);
    form->addLayout(top);
    form->addLayout(bottom);

    connect(&document_, &DocumentModel::changed, this, &CSolvaraView::refresh);
    connect(&session_, &ProgramSession::programAboutToBeReplaced, bufferList_,
            &BufferListWidget::clearRows);
    connect(&session_, &ProgramSession::programReplaced, this, [this] { rankBuffers(true); });
    connect(&session_, &ProgramSession::databaseEdited, this, &CSolvaraView::listBuffers);

    // A document opened from a file has no results yet. Showing it is no change of it: the
    // modified flag stays as it was, so unsaved changes are not forgotten.
    document_.edit([](CSolvaraDoc& design) {
        const bool wasModified = design.IsModified();
        design.Recalculate();
        design.SetModifiedFlag(wasModified);
        return everyDocumentChange;
    });
}

CSolvaraView::~CSolvaraView() = default;

QWidget* CSolvaraView::makeParametersGroup() {
    auto* group = new QGroupBox(tr("Buffer parameters"));
    name_ = new QLineEdit;
    pH_ = new CFEdit;
    temperature_ = new CFEdit;
    concentration_ = new CFEdit;
    concentrationUnit_ = new QComboBox;
    concentrationUnit_->addItems({tr("M"), tr("mM")});
    concentrationUnit_->setAccessibleName(tr("C unit"));
    volume_ = new CFEdit;
    volumeUnit_ = new QComboBox;
    volumeUnit_->addItems({tr("L"), tr("mL")});
    volumeUnit_->setAccessibleName(tr("V unit"));
    ionicStrength_ = new CFEdit;
    ionicStrengthFrame_ = new WarningFrame(*ionicStrength_);
    force_ = new QCheckBox(tr("&force"));
    capacity_ = new QLineEdit;
    capacity_->setReadOnly(true);

    auto* grid = new QGridLayout(group);
    grid->addWidget(labelFor(*name_, tr("&name")), 0, 0);
    grid->addWidget(name_, 0, 1, 1, 2);
    grid->addWidget(labelFor(*pH_, tr("p&H")), 1, 0);
    grid->addWidget(pH_, 1, 1);
    grid->addWidget(labelFor(*temperature_, tr("work &temp (deg C)")), 2, 0);
    grid->addWidget(temperature_, 2, 1);
    grid->addWidget(labelFor(*concentration_, tr("&C")), 3, 0);
    grid->addWidget(concentration_, 3, 1);
    grid->addWidget(concentrationUnit_, 3, 2);
    grid->addWidget(labelFor(*volume_, tr("&V")), 4, 0);
    grid->addWidget(volume_, 4, 1);
    grid->addWidget(volumeUnit_, 4, 2);
    grid->addWidget(labelFor(*ionicStrength_, tr("&IS")), 5, 0);
    grid->addWidget(ionicStrengthFrame_, 5, 1);
    grid->addWidget(force_, 5, 2);
    grid->addWidget(labelFor(*capacity_, tr("capacity")), 6, 0);
    grid->addWidget(capacity_, 6, 1);
    grid->setRowStretch(7, 1);

    connect(name_, &QLineEdit::textEdited, this, [this](const QString& name) {
        editFrom(name_,
                 [&](CSolvaraDoc& design) { return design.setBufferName(toWindows1252(name)); });
    });
    bindNumber(*pH_, Range{0, 14}, &CSolvaraDoc::setPH);
    bindNumber(*temperature_, Range{0, 100}, &CSolvaraDoc::setTemperature);
    bindNumber(*concentration_, Range{0, unbounded}, &CSolvaraDoc::setConcentrationShown);
    bindNumber(*volume_, Range{0, unbounded}, &CSolvaraDoc::setVolumeShown);
    bindNumber(*ionicStrength_, Range{0, unbounded}, &CSolvaraDoc::setIonicStrength);
    connect(concentrationUnit_, &QComboBox::activated, this, [this](int index) {
        editFrom(concentrationUnit_, [&](CSolvaraDoc& design) {
            return design.setConcentrationUnit(index == 1 ? ConcentrationUnit::millimolar
                                                          : ConcentrationUnit::molar);
        });
    });
    connect(volumeUnit_, &QComboBox::activated, this, [this](int index) {
        editFrom(volumeUnit_, [&](CSolvaraDoc& design) {
            return design.setVolumeUnit(index == 1 ? VolumeUnit::millilitres : VolumeUnit::litres);
        });
    });
    connect(force_, &QCheckBox::clicked, this, [this](bool force) {
        editFrom(force_, [&](CSolvaraDoc& design) { return design.SetForceIonicStrength(force); });
    });
    return group;
}

QWidget* CSolvaraView::makeSelectionGroup() {
    auto* group = new QGroupBox(tr("Buffer selection"));
    bufferList_ = new BufferListWidget;
    bufferList_->setAccessibleName(tr("default buffers"));
    auto* database = new QPushButton(tr("data&base..."));
    database->setAccessibleName(tr("database..."));
    database->setAccessibleDescription(tr("take the buffer from the buffer database"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(bufferList_);
    layout->addWidget(database, 0, Qt::AlignRight);
    connect(bufferList_, &BufferListWidget::bufferPicked, this, &CSolvaraView::pickBuffer);
    connect(database, &QPushButton::clicked, this, &CSolvaraView::chooseBuffer);
    return group;
}

QWidget* CSolvaraView::makePlotGroup() {
    auto* group = new QGroupBox(tr("Buffer capacity plot"));
    plot_ = new CapacityPlotWidget(session_.phScaleBitmap());
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(plot_, 0, Qt::AlignCenter);
    return group;
}

QWidget* CSolvaraView::makePreparationGroup() {
    const ElementTable& table = document_.core().program().elements;
    auto* group = new QGroupBox(tr("Buffer preparation"));
    firstReagent_ = new ReagentGroup(tr("1st reagent"), tr("1st reagent amount"), table);
    secondReagent_ = new ReagentGroup(tr("2nd reagent"), tr("2nd reagent amount"), table);
    mainComponent_ = new QComboBox;
    mainComponent_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    mainComponent_->setMinimumContentsLength(16);
    preparationTemperature_ = new CFEdit;
    preparationPh_ = new QLabel;
    preparationPh_->setObjectName(QStringLiteral("preparationPh"));
    preparationPh_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Room for the longer of its texts from the start, so that a new pH does not lay the form
    // out again on every keystroke.
    preparationPh_->setText(QStringLiteral("deg C pH of this solution is 14.00"));
    preparationPh_->setMinimumSize(preparationPh_->sizeHint());
    preparationPh_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* acidsDetails = new QPushButton(tr("acids &details"));
    acidsDetails->setAccessibleName(tr("acids details"));

    auto* mainComponentRow = new QHBoxLayout;
    mainComponentRow->addWidget(labelFor(*mainComponent_, tr("&main component")));
    mainComponentRow->addWidget(mainComponent_, 1);
    mainComponentRow->addWidget(acidsDetails);
    auto* preparationRow = new QHBoxLayout;
    preparationRow->addWidget(labelFor(*preparationTemperature_, tr("&At temperature")));
    preparationRow->addWidget(preparationTemperature_);
    preparationRow->addWidget(preparationPh_, 1);

    auto* grid = new QGridLayout(group);
    grid->addWidget(firstReagent_, 0, 0);
    grid->addWidget(secondReagent_, 0, 1);
    grid->addLayout(mainComponentRow, 1, 0, 1, 2);
    grid->addLayout(preparationRow, 2, 0, 1, 2);

    for (const int ordinal : {1, 2}) {
        ReagentGroup& reagent = ordinal == 1 ? *firstReagent_ : *secondReagent_;
        bindNumber(reagent.stockField(), Range{0, unbounded},
                   [ordinal](CSolvaraDoc& design, double stock) {
                       return changeReagent(design, ordinal, [stock](Reagent& changed) {
                           setStock(changed, stock);
                       });
                   });
        connect(&reagent, &ReagentGroup::calculatorRequested, this,
                [this, ordinal] { calculateReagentStock(ordinal); });
        connect(&reagent, &ReagentGroup::databaseRequested, this,
                [this, ordinal] { chooseReagent(ordinal); });
    }
    bindNumber(*preparationTemperature_, Range{0, 100}, &CSolvaraDoc::setPreparationTemperature);
    connect(acidsDetails, &QPushButton::clicked, this, &CSolvaraView::showAcidsDetails);
    connect(mainComponent_, &QComboBox::activated, this, [this](int index) {
        const auto acidId = static_cast<std::int32_t>(mainComponent_->itemData(index).toInt());
        editFrom(mainComponent_,
                 [&](CSolvaraDoc& design) { return design.setMainComponent(acidId); });
    });
    return group;
}

QWidget* CSolvaraView::makeSaltGroup() {
    salt_ =
        new ReagentGroup(tr("Inert salt"), tr("salt amount"), document_.core().program().elements);
    bindNumber(salt_->stockField(), Range{0, unbounded}, [](CSolvaraDoc& design, double stock) {
        return changeSalt(design, [stock](InertSalt& salt) { setStock(salt, stock); });
    });
    connect(salt_, &ReagentGroup::calculatorRequested, this, &CSolvaraView::calculateSaltStock);
    connect(salt_, &ReagentGroup::databaseRequested, this, &CSolvaraView::chooseSalt);
    return salt_;
}

void CSolvaraView::bindNumber(CFEdit& field, std::optional<Range> range, NumberEdit edit) {
    connect(&field, &QLineEdit::textEdited, this, [this, &field, range, edit] {
        double value = 0;
        if (!exchangeNumber(Exchange::fromField, field, value, 0, session_.displayDigits())) return;
        if (!withinRange(field, value, range)) return;
        editFrom(&field, [&](CSolvaraDoc& design) { return edit(design, value); });
    });
}

bool CSolvaraView::withinRange(CFEdit& field, double value, std::optional<Range> range) {
    if (!range || (value >= range->low && value <= range->high)) return true;
    const QString message =
        std::isinf(range->high)
            ? tr("Enter a number that is not negative.")
            : tr("Enter a number between %1 and %2.").arg(range->low).arg(range->high);
    QMessageBox::warning(window(), window()->windowTitle(), message);
    field.setFocus(Qt::OtherFocusReason);
    field.selectAll();
    return false;
}

void CSolvaraView::editFrom(QWidget* field,
                            const std::function<DocumentChange(CSolvaraDoc&)>& edit) {
    QWidget* const outer = editing_;
    editing_ = field;
    document_.edit(edit);
    editing_ = outer;
}

void CSolvaraView::pickBuffer(const BufferHelper& entry) {
    const Buffer* variant =
        session_.program().buffers.FindVariant(entry.groupName, entry.variantName);
    if (variant == nullptr) return;
    editFrom(bufferList_, [&](CSolvaraDoc& design) { return design.PickBuffer(*variant); });
}

void CSolvaraView::chooseBuffer() {
    const std::optional<Buffer> chosen =
        solvara::pickBuffer(session_, acidChooser(), document_.core().buffer(), this);
    if (!chosen) return;
    document_.edit([&](CSolvaraDoc& design) { return design.setBuffer(*chosen); });
    bufferList_->forgetPick();
}

void CSolvaraView::chooseReagent(int ordinal) {
    const Reagent* current = reagentOf(document_.core(), ordinal);
    const std::optional<Reagent> chosen =
        pickReagent(session_, acidChooser(),
                    current != nullptr ? *current : Reagent(document_.core().program()), this);
    if (!chosen) return;
    document_.edit(
        [&](CSolvaraDoc& design) { return design.takeReagentFromDatabase(ordinal, *chosen); });
    bufferList_->forgetPick();
}

void CSolvaraView::chooseSalt() {
    const std::optional<InertSalt> chosen = pickInertSalt(session_, document_.core().salt(), this);
    if (!chosen) return;
    document_.edit([&](CSolvaraDoc& design) { return design.setSalt(*chosen); });
}

void CSolvaraView::calculateReagentStock(int ordinal) {
    const Reagent* reagent = reagentOf(document_.core(), ordinal);
    if (reagent == nullptr) return;
    const std::optional<CCDataSet> calculated =
        runConcentrationCalculator(reagent->concentrationData, document_.core().program().elements,
                                   session_.displayDigits(), this);
    if (!calculated) return;
    document_.edit([&](CSolvaraDoc& design) {
        return changeReagent(design, ordinal,
                             [&](Reagent& changed) { setStock(changed, *calculated); });
    });
}

void CSolvaraView::calculateSaltStock() {
    const std::optional<CCDataSet> calculated = runConcentrationCalculator(
        document_.core().salt().concentrationData, document_.core().program().elements,
        session_.displayDigits(), this);
    if (!calculated) return;
    document_.edit([&](CSolvaraDoc& design) {
        return changeSalt(design, [&](InertSalt& salt) { setStock(salt, *calculated); });
    });
}

void CSolvaraView::showAcidsDetails() { showDocumentAcidsEditor(session_, document_, this); }

AcidChooser& CSolvaraView::acidChooser() {
    if (AcidChooser* shared = session_.program().acidChooser) return *shared;
    if (!ownAcidChooser_) ownAcidChooser_ = std::make_unique<DialogAcidChooser>(session_, this);
    return *ownAcidChooser_;
}

void CSolvaraView::refresh(DocumentChange what) {
    if (has(what, DocumentChange::rows)) {
        showSubstances();
        showMainComponents();
    }
    showNumbers();
    if (has(what, DocumentChange::inputs | DocumentChange::rows | DocumentChange::results))
        showResults();
    rankBuffers(what == everyDocumentChange);
}

void CSolvaraView::showSubstances() {
    const CSolvaraDoc& design = document_.core();
    for (const int ordinal : {1, 2}) {
        ReagentGroup& group = ordinal == 1 ? *firstReagent_ : *secondReagent_;
        Reagent* reagent = reagentOf(design, ordinal);
        if (reagent != nullptr) group.setTitle(fromWindows1252(reagentCaption(*reagent, ordinal)));
        group.showSubstance(reagent, reagent != nullptr && reagent->isSolid);
    }
    salt_->showSubstance(&design.salt(), design.salt().isSolid);
}

void CSolvaraView::showMainComponents() {
    const StandaloneBuffer& buffer = document_.core().buffer();
    mainComponent_->clear();
    const BLAcidDatabase& acids = buffer.acidDatabase();
    for (int position = 0; position < acids.Count(); ++position) {
        const BLAcid& acid = acids.At(position);
        mainComponent_->addItem(fromWindows1252(acid.name), acid.id);
    }
    const BLAcid* main = buffer.MainComponent();
    mainComponent_->setCurrentIndex(
        main == nullptr ? -1 : mainComponent_->findText(fromWindows1252(main->name)));
}

void CSolvaraView::showNumbers() {
    const CSolvaraDoc& design = document_.core();
    const BufferPreparationInputs& inputs = design.inputs();
    if (editing_ != name_) showText(*name_, fromWindows1252(design.buffer().name));
    showNumber(*pH_, inputs.pH);
    showNumber(*temperature_, inputs.temperature);
    showNumber(*concentration_, design.concentrationShown());
    showNumber(*volume_, design.volumeShown());
    showNumber(*ionicStrength_, inputs.ionicStrength);
    showNumber(*preparationTemperature_, inputs.preparationTemperature);
    concentrationUnit_->setCurrentIndex(
        design.concentrationUnit() == ConcentrationUnit::millimolar ? 1 : 0);
    volumeUnit_->setCurrentIndex(design.volumeUnit() == VolumeUnit::millilitres ? 1 : 0);
    force_->setChecked(inputs.forceIonicStrength);
    ionicStrength_->setEnabled(inputs.forceIonicStrength);
    for (const int ordinal : {1, 2}) {
        const Reagent* reagent = reagentOf(design, ordinal);
        if (reagent != nullptr && !reagent->isSolid) {
            showNumber((ordinal == 1 ? firstReagent_ : secondReagent_)->stockField(),
                       reagent->concentration);
        }
    }
    if (salt_->stockField().isEnabled())
        showNumber(salt_->stockField(), design.salt().concentration);
}

void CSolvaraView::showNumber(CFEdit& field, double value) {
    if (&field == editing_) return;
    field.setDisplayDigits(session_.displayDigits());
    // A field being typed in that already says the value keeps its text and caret, whatever
    // else redraws the form meanwhile.
    double typed = 0;
    if (field.hasFocus() && parseNumber(field.text().toStdString(), typed) && typed == value)
        return;
    const int digits = field.lastDigits() > 0 ? field.lastDigits() : session_.displayDigits();
    const QString text = QString::fromStdString(
        CFloatNumbersString(session_.displayDigits()).formatSignificant(value, digits));
    showText(field, text);
}

void CSolvaraView::showText(QLineEdit& field, const QString& text) {
    if (field.text() == text) return;
    field.setText(text);
    field.setCursorPosition(0);
}

void CSolvaraView::showResults() {
    const CSolvaraDoc& design = document_.core();
    const BufferPreparationResults& results = design.results();
    firstReagent_->setAmount(fromWindows1252(amountText(results.firstReagentAmount)));
    secondReagent_->setAmount(fromWindows1252(amountText(results.secondReagentAmount)));
    salt_->setAmount(
        fromWindows1252(saltAmountText(results.saltAmount, design.inputs().forceIonicStrength)));
    showText(*capacity_,
             QString::fromStdString(CFloatNumbersString(session_.displayDigits())
                                        .formatSignificant(results.capacity.value_or(0), 0)));
    const QString preparationPh = fromWindows1252(preparationPhText(results.pHAtPreparation));
    if (preparationPh_->text() != preparationPh) preparationPh_->setText(preparationPh);
    const std::vector<double>* curve = design.capacityCurve();
    plot_->setPicture(capacityPicture(
        curve == nullptr ? std::span<const double>() : std::span<const double>(*curve),
        design.inputs().pH));
    showIonicStrengthWarnings();
}

void CSolvaraView::showIonicStrengthWarnings() {
    const QColor red(255, 0, 0);
    const QColor blue(0, 0, 255);
    const bool tooHigh = document_.core().ionicStrengthTooHigh();
    const bool belowOwn = document_.core().results().lowForcingWarning;
    std::optional<QColor> warning;
    std::optional<QColor> frame;
    if (tooHigh || belowOwn) {
        warning = tooHigh && belowOwn ? QColor(255, 0, 255) : tooHigh ? red : blue;
        frame = tooHigh ? red : blue;
    }
    if (warning == ionicStrengthWarning_) return;
    // A new palette restyles the field: only when the warning changes, not on every keystroke.
    ionicStrengthWarning_ = warning;
    QPalette colours = palette();
    if (warning) colours.setColor(QPalette::Text, *warning);
    ionicStrength_->setPalette(colours);
    ionicStrengthFrame_->setFrameColour(frame);
}

CSolvaraView::RankingKey CSolvaraView::rankingKey() const {
    const BufferPreparationInputs& inputs = document_.core().inputs();
    return {inputs.pH, inputs.concentration, inputs.temperature, inputs.forceIonicStrength,
            inputs.forceIonicStrength ? inputs.ionicStrength : 0.0};
}

void CSolvaraView::rankBuffers(bool always) {
    if (!always && rankedFor_ == rankingKey()) return;
    // Without a concentration no buffer has a capacity: the list keeps its last ranking.
    if (document_.core().inputs().concentration == 0 && !bufferList_->rows().empty()) return;
    listBuffers();
}

void CSolvaraView::listBuffers() {
    rankedFor_ = rankingKey();
    bufferList_->setRows(ListCapacities(session_.program(), document_.core().inputs()));
}

}  // namespace solvara
