#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "core/chemistry/cc_data_set.h"
#include "core/chemistry/concentration_calculation.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace solvara {

class CFEdit;
class CStaticFormulaFrame;
class ElementTable;
class ProgramSession;

// Relates mass, molar mass, amount, volume and concentration of one substance (n = m/M,
// C = n/V), recalculating on every keystroke. Standalone it takes any formula; embedded in an
// editor it works on a copy of a stock's data set, whose formula is fixed, and "Use" gives the
// copy back.
class CConcentrationCalculator : public QDialog {
    Q_OBJECT

  public:
    enum class Mode { standalone, embedded };

    // The table must outlive the dialog.
    CConcentrationCalculator(const CCDataSet& data, Mode mode, const ElementTable& table,
                             int displayDigits, QWidget* parent = nullptr);

    // The values of the last recalculation.
    const CCDataSet& data() const { return calculation_.data(); }

  private:
    static constexpr int kQuantities = 5;

    CFEdit& field(CCQuantity quantity) const {
        return *fields_[static_cast<std::size_t>(quantity)];
    }
    void buildForm();
    void connectFields();
    void numberEdited(CCQuantity quantity);
    void formulaEdited(const QString& text);
    void optionChosen(int option);
    void volumeUnitChosen(int unit);
    void concentrationUnitChosen(int unit);
    void clear();
    void clearAll();
    // Writes every value but the one being typed, whose text and caret stay as the user left
    // them.
    void showValues(std::optional<CCQuantity> beingTyped = std::nullopt);
    void enableFields();
    void showFormula();
    void showUnits();

    CCCalculation calculation_;
    const Mode mode_;
    const ElementTable& table_;
    const int displayDigits_;

    QLineEdit* formula_ = nullptr;
    CStaticFormulaFrame* formulaFrame_ = nullptr;
    std::array<CFEdit*, kQuantities> fields_{};
    QComboBox* volumeUnit_ = nullptr;
    QComboBox* concentrationUnit_ = nullptr;
    QButtonGroup* options_ = nullptr;
    QPushButton* clearAll_ = nullptr;
    QPushButton* use_ = nullptr;
};

// The calculator on a copy of a stock's data set; the edited copy on "Use", none on Cancel.
std::optional<CCDataSet> runConcentrationCalculator(const CCDataSet& data,
                                                    const ElementTable& table, int displayDigits,
                                                    QWidget* parent);

// The calculator on its own, for any substance (the "Concentration calculator" command).
void showConcentrationCalculator(ProgramSession& session, QWidget* parent);

}  // namespace solvara
