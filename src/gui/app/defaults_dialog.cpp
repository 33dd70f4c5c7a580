#include "gui/app/defaults_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <initializer_list>

#include "gui/app/kept_number_edit.h"

namespace solvara {

namespace {

// The second unit of each list (mM, mL) is a thousandth of the first (M, L).
constexpr int kMainUnit = 0;
constexpr double kToSubunit = 1000;
constexpr double kToMainUnit = 0.001;

QString degreesCelsius() { return QStringLiteral("\u00B0C"); }
QString molPerLitre() { return QStringLiteral("mol/L"); }

// The columns of a group's grid.
constexpr int kLabelColumn = 0;
constexpr int kFieldColumn = 1;
constexpr int kUnitColumn = 2;
constexpr int kForceColumn = 3;
constexpr int kColumns = 4;

// A list of the units of the number on the last row of `grid`.
QComboBox* addUnitList(QGridLayout& grid, const QStringList& units, const QString& accessibleName) {
    auto* list = new QComboBox(grid.parentWidget());
    list->addItems(units);
    list->setAccessibleName(accessibleName);
    grid.addWidget(list, grid.rowCount() - 1, kUnitColumn);
    return list;
}

// Lines the columns of the groups up with each other, so the groups read as one form.
void alignColumns(std::initializer_list<QGridLayout*> grids) {
    std::array<int, kColumns> widths{};
    for (const QGridLayout* grid : grids) {
        for (int row = 0; row < grid->rowCount(); ++row) {
            for (std::size_t column = 0; column < widths.size(); ++column) {
                const QLayoutItem* item = grid->itemAtPosition(row, static_cast<int>(column));
                if (item != nullptr) {
                    widths[column] = std::max(widths[column], item->sizeHint().width());
                }
            }
        }
    }
    for (QGridLayout* grid : grids) {
        for (std::size_t column = 0; column < widths.size(); ++column) {
            grid->setColumnMinimumWidth(static_cast<int>(column), widths[column]);
        }
        // Any width left over goes after the columns, not into the fields of one group.
        grid->setColumnStretch(static_cast<int>(widths.size()), 1);
    }
}

// Tells what is wrong with a field and hands it back to the user, its text ready to be typed over.
void refuse(KeptNumberEdit& field, const QString& message) {
    QMessageBox::warning(field.window(), field.window()->windowTitle(),
                         QStringLiteral("%1: %2").arg(field.accessibleName(), message));
    field.setFocus(Qt::OtherFocusReason);
    field.selectAll();
}

}  // namespace

DefaultsDialog::DefaultsDialog(const ProgramDefaults& defaults, QWidget* parent, int displayDigits)
    : QDialog(parent), defaults_(defaults), displayDigits_(displayDigits) {
    setWindowTitle(tr("Defaults"));

    auto* newDocuments = new QGroupBox(tr("New documents"), this);
    auto* newDocumentsGrid = new QGridLayout(newDocuments);
    pH_ = addNumber(*newDocumentsGrid, tr("initial &pH"));
    concentration_ = addNumber(*newDocumentsGrid, tr("initial buffer &concentration"));
    concentrationUnit_ = addUnitList(*newDocumentsGrid, {QStringLiteral("M"), QStringLiteral("mM")},
                                     tr("concentration unit"));
    volume_ = addNumber(*newDocumentsGrid, tr("initial &volume"));
    volumeUnit_ = addUnitList(*newDocumentsGrid, {QStringLiteral("L"), QStringLiteral("mL")},
                              tr("volume unit"));
    temperature_ = addNumber(*newDocumentsGrid, tr("initial &temperature"), degreesCelsius());
    preparationTemperature_ =
        addNumber(*newDocumentsGrid, tr("initial prep&aration temperature"), degreesCelsius());
    // Before its field in the tab order: it is what makes the field editable.
    force_ = new QCheckBox(tr("&force"), newDocuments);
    force_->setAccessibleName(tr("force"));
    ionicStrength_ = addNumber(*newDocumentsGrid, tr("initial &IS"), molPerLitre());
    newDocumentsGrid->addWidget(force_, newDocumentsGrid->rowCount() - 1, kForceColumn);

    auto* model = new QGroupBox(tr("Equilibrium model"), this);
    auto* modelGrid = new QGridLayout(model);
    daviesC_ = addNumber(*modelGrid, tr("&Davies equation C"));
    highIonicStrengthLimit_ = addNumber(*modelGrid, tr("&high IS limit"), molPerLitre());

    alignColumns({newDocumentsGrid, modelGrid});

    auto* startWithRow = new QHBoxLayout;
    auto* startWithLabel = new QLabel(tr("&Start with"), this);
    startWith_ = new QComboBox(this);
    startWith_->addItems({tr("Buffer"), tr("pH calculator"), tr("always ask")});
    labelField(*startWithLabel, *startWith_);
    startWithRow->addWidget(startWithLabel);
    startWithRow->addWidget(startWith_);
    startWithRow->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* resetButton = buttons->addButton(tr("&Reset"), QDialogButtonBox::ResetRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &DefaultsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DefaultsDialog::reject);
    connect(resetButton, &QPushButton::clicked, this, &DefaultsDialog::reset);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(newDocuments);
    layout->addWidget(model);
    layout->addLayout(startWithRow);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(force_, &QCheckBox::toggled, this, &DefaultsDialog::enableIonicStrength);
    connect(concentrationUnit_, &QComboBox::currentIndexChanged, this,
            [this] { convertUnit(*concentration_, *concentrationUnit_, shownConcentrationUnit_); });
    connect(volumeUnit_, &QComboBox::currentIndexChanged, this,
            [this] { convertUnit(*volume_, *volumeUnit_, shownVolumeUnit_); });

    showRecord(defaults_);
}

KeptNumberEdit* DefaultsDialog::addNumber(QGridLayout& grid, const QString& label,
                                          const QString& unit) {
    QWidget* group = grid.parentWidget();
    // An empty grid counts one row.
    const int row = grid.isEmpty() ? 0 : grid.rowCount();
    auto* caption = new QLabel(label, group);
    auto* field = new KeptNumberEdit(group);
    field->setDisplayDigits(displayDigits_);
    labelField(*caption, *field);
    grid.addWidget(caption, row, kLabelColumn);
    grid.addWidget(field, row, kFieldColumn);
    if (!unit.isEmpty()) grid.addWidget(new QLabel(unit, group), row, kUnitColumn);
    return field;
}

void DefaultsDialog::showRecord(const ProgramDefaults& defaults) {
    // The units are set first, without converting: the numbers are already in them.
    shownConcentrationUnit_ = static_cast<int>(defaults.concentrationUnit);
    shownVolumeUnit_ = static_cast<int>(defaults.volumeUnit);
    {
        const QSignalBlocker concentrationBlocker(concentrationUnit_);
        const QSignalBlocker volumeBlocker(volumeUnit_);
        concentrationUnit_->setCurrentIndex(shownConcentrationUnit_);
        volumeUnit_->setCurrentIndex(shownVolumeUnit_);
    }
    pH_->setValue(defaults.pH);
    concentration_->setValue(defaults.concentration);
    volume_->setValue(defaults.volume);
    temperature_->setValue(defaults.temperature);
    preparationTemperature_->setValue(defaults.preparationTemperature);
    force_->setChecked(defaults.forceIonicStrength);
    ionicStrength_->setValue(defaults.ionicStrength);
    daviesC_->setValue(defaults.daviesC);
    highIonicStrengthLimit_->setValue(defaults.highIonicStrengthLimit);
    startWith_->setCurrentIndex(static_cast<int>(defaults.startWith));
    enableIonicStrength();
}

void DefaultsDialog::reset() {
    ProgramDefaults builtIn;
    ResetProgramDefaults(builtIn);
    showRecord(builtIn);
}

void DefaultsDialog::enableIonicStrength() { ionicStrength_->setEnabled(force_->isChecked()); }

void DefaultsDialog::convertUnit(KeptNumberEdit& field, QComboBox& unitList, int& unit) {
    const std::optional<double> value = field.value();
    if (!value) {
        // A unit the number is not in would be worse than no conversion: keep both as they were.
        {
            const QSignalBlocker blocker(unitList);
            unitList.setCurrentIndex(unit);
        }
        refuse(field, tr("Enter a number."));
        return;
    }
    unit = unitList.currentIndex();
    field.setValue(*value * (unit == kMainUnit ? kToMainUnit : kToSubunit));
}

bool DefaultsDialog::read(KeptNumberEdit& field, Range range, double& value) {
    const std::optional<double> typed = field.value();
    if (!typed || *typed < range.min || *typed > range.max) {
        refuse(field, tr("Enter a number between %1 and %2.")
                          .arg(QString::number(range.min), QString::number(range.max)));
        return false;
    }
    value = *typed;
    return true;
}

void DefaultsDialog::accept() {
    ProgramDefaults edited = defaults_;
    edited.concentrationUnit = static_cast<ConcentrationUnit>(concentrationUnit_->currentIndex());
    edited.volumeUnit = static_cast<VolumeUnit>(volumeUnit_->currentIndex());
    const bool inMainConcentrationUnit = edited.concentrationUnit == ConcentrationUnit::molar;
    const bool inMainVolumeUnit = edited.volumeUnit == VolumeUnit::litres;
    edited.forceIonicStrength = force_->isChecked();
    edited.startWith = static_cast<StartDocument>(startWith_->currentIndex());

    const bool valid =
        read(*pH_, {0, 14}, edited.pH) &&
        read(*concentration_, {0, inMainConcentrationUnit ? 1 : kToSubunit},
             edited.concentration) &&
        read(*volume_, {0, inMainVolumeUnit ? 10 : 10 * kToSubunit}, edited.volume) &&
        read(*temperature_, {0, 100}, edited.temperature) &&
        read(*preparationTemperature_, {0, 100}, edited.preparationTemperature) &&
        (!edited.forceIonicStrength || read(*ionicStrength_, {0, 1}, edited.ionicStrength)) &&
        read(*daviesC_, {-1, 0}, edited.daviesC) &&
        read(*highIonicStrengthLimit_, {0, 1}, edited.highIonicStrengthLimit);
    if (!valid) return;
    // An ionic strength that is not forced is not checked (its field cannot be reached), but a
    // number typed there before unforcing is kept as typed.
    if (!edited.forceIonicStrength) {
        if (const std::optional<double> typed = ionicStrength_->value()) {
            edited.ionicStrength = *typed;
        }
    }
    defaults_ = edited;
    QDialog::accept();
}

}  // namespace solvara
