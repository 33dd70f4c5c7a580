#include "gui/dialogs/acid_constants_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <array>

#include "core/text/float_numbers_string.h"
#include "core/text/parse_number.h"
#include "gui/widgets/f_edit.h"
#include "gui/widgets/qt_text.h"

namespace solvara {

namespace {

using Values = BLAcid::StepValues BLAcid::*;
using Setter = bool (BLAcid::*)(int, double) noexcept;

// One column of the dialog: a quantity of every step.
struct Quantity {
    const char* group;
    const char* heading;
    // The step's label is prefix + step number + suffix ("pKa2", "dpKb3/dT").
    const char* labelPrefix;
    const char* labelSuffix;
    Values values;
    Setter setter;
};

constexpr std::array<const char*, 3> kGroups = {
    "Acid dissociation constants", "Base dissociation constants", "Protonation constants"};

const std::array<Quantity, 10> kQuantities = {{
    {kGroups[0], "Ka", "Ka", "", &BLAcid::Ka, &BLAcid::setKa},
    {kGroups[0], "stepwise", "pKa", "", &BLAcid::pKa, &BLAcid::setPKa},
    {kGroups[0], "dpKa/dT", "dpKa", "/dT", &BLAcid::dpKadT, &BLAcid::setDpKadT},
    {kGroups[0], "overall", "pBa", "", &BLAcid::pBa, &BLAcid::setPBa},
    {kGroups[1], "Kb", "Kb", "", &BLAcid::Kb, &BLAcid::setKb},
    {kGroups[1], "stepwise", "pKb", "", &BLAcid::pKb, &BLAcid::setPKb},
    {kGroups[1], "dpKb/dT", "dpKb", "/dT", &BLAcid::dpKbdT, &BLAcid::setDpKbdT},
    {kGroups[1], "overall", "pBb", "", &BLAcid::pBb, &BLAcid::setPBb},
    {kGroups[2], "stepwise", "log KH", "", &BLAcid::logKH, &BLAcid::setLogKH},
    {kGroups[2], "overall", "log BH", "", &BLAcid::logBH, &BLAcid::setLogBH},
}};

}  // namespace

struct AcidConstantsDialog::Field {
    const Quantity* quantity;
    int step;
    CFEdit* edit;
};

AcidConstantsDialog::AcidConstantsDialog(const BLAcid& acid, bool readOnly, int displayDigits,
                                         QWidget* parent)
    : QDialog(parent), acid_(acid), displayDigits_(displayDigits) {
    setWindowTitle(fromWindows1252(acid_.name));
    build(readOnly);
    showAcid();
}

AcidConstantsDialog::~AcidConstantsDialog() = default;

void AcidConstantsDialog::build(bool readOnly) {
    auto* layout = new QVBoxLayout(this);
    for (const char* groupName : kGroups) {
        auto* group = new QGroupBox(QString::fromLatin1(groupName), this);
        auto* grid = new QGridLayout(group);
        int column = 0;
        for (const Quantity& quantity : kQuantities) {
            if (quantity.group != groupName) continue;
            auto* heading = new QLabel(QString::fromLatin1(quantity.heading), group);
            grid->addWidget(heading, 0, column + 1);
            for (int step = 1; step <= BLAcid::kMaxSteps; ++step) {
                const QString text = QStringLiteral("%1%2%3").arg(
                    QString::fromLatin1(quantity.labelPrefix), QString::number(step),
                    QString::fromLatin1(quantity.labelSuffix));
                auto* label = new QLabel(text, group);
                auto* edit = new CFEdit(group);
                edit->setDisplayDigits(displayDigits_);
                labelField(*label, *edit);
                edit->setEnabled(!readOnly && acid_.stepsValid() && step <= acid_.steps);
                grid->addWidget(label, step, column, Qt::AlignRight);
                grid->addWidget(edit, step, column + 1);
                fields_.push_back({&quantity, step, edit});
            }
            column += 2;
        }
        // Room left over goes to the right, so every group's fields keep one width.
        grid->setColumnStretch(column, 1);
        layout->addWidget(group);
    }
    for (const Field& field : fields_) {
        connect(field.edit, &QLineEdit::textEdited, this, [this, &field] { fieldEdited(field); });
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

CFEdit* AcidConstantsDialog::field(const QString& label) const {
    for (const Field& candidate : fields_) {
        if (candidate.edit->accessibleName() == label) return candidate.edit;
    }
    return nullptr;
}

// Only the typed field is read: the others show the acid rounded to the display digits, and
// reading them back would round its constants.
void AcidConstantsDialog::fieldEdited(const Field& edited) {
    double value = 0;
    if (!parseNumber(toWindows1252(edited.edit->text()), value)) return;
    (acid_.*edited.quantity->setter)(edited.step, value);
    showAcid(edited.edit);
}

void AcidConstantsDialog::showAcid(const CFEdit* typing) {
    CFloatNumbersString number(displayDigits_);
    for (const Field& field : fields_) {
        if (field.edit == typing) continue;
        if (!acid_.stepsValid() || field.step > acid_.steps) {
            field.edit->clear();
            continue;
        }
        const double value =
            (acid_.*field.quantity->values)[static_cast<std::size_t>(field.step - 1)];
        field.edit->setText(QString::fromStdString(number.formatSignificant(value, 0)));
        field.edit->setCursorPosition(0);
    }
}

}  // namespace solvara
