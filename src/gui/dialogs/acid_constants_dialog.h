#pragma once

#include <QDialog>
#include <vector>

#include "core/chemistry/bl_acid.h"

namespace solvara {

class CFEdit;

// Shows every customary form of an acid's constants (stepwise and overall, of the acid, of its
// conjugate base, as protonation constants) and lets the user type any one: the acid's pKa
// and dpKa/dT follow from it and every other field follows them. The acid is a copy: the
// caller takes it back on OK.
class AcidConstantsDialog : public QDialog {
    Q_OBJECT

  public:
    // Read-only shows the constants without accepting any input.
    AcidConstantsDialog(const BLAcid& acid, bool readOnly, int displayDigits,
                        QWidget* parent = nullptr);
    ~AcidConstantsDialog() override;

    const BLAcid& acid() const noexcept { return acid_; }
    // The field of one quantity of one step (1 to 4), by its label ("pKa2", "log BH1").
    CFEdit* field(const QString& label) const;

  private:
    struct Field;

    void build(bool readOnly);
    void fieldEdited(const Field& edited);
    // Every field from the acid, except the one the user is typing in.
    void showAcid(const CFEdit* typing = nullptr);

    BLAcid acid_;
    int displayDigits_;
    std::vector<Field> fields_;
};

}  // namespace solvara
