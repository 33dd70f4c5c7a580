#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/buffer/salt_formula_analysis.h"
#include "core/chemistry/cc_data_set.h"
#include "core/chemistry/element_table.h"
#include "core/chemistry/substance.h"

namespace solvara {

// A fully dissociated salt whose ions take no part in acid-base equilibria, added to a buffer
// to raise its ionic strength to a forced value. Equality is that of the substance: the salt's
// own fields do not take part.
class InertSalt : public CSubstance {
  public:
    static const ClassInfo& staticClassInfo();
    const ClassInfo& classInfo() const override;
    void Serialize(Archive& archive) override;

    // Takes a new ion-list formula: the molar mass and the ionic strength factor follow from its
    // ions, and the concentration data set gets the formula and the mass too. The analysis says
    // whether the salt can be used and what to tell the user.
    SaltFormulaAnalysis setSaltFormula(std::string_view text, const ElementTable& table);
    // "Ionic strength of 1M solution: 3.0" for MgCl2.
    std::string ionicStrengthText() const;
    // The salt concentration in the final solution (mol/L) that raises its ionic strength by
    // `increment` (mol/L); not finite for a salt without ions.
    double concentrationFor(double increment) const;
    // What to weigh (g) of a solid, or to measure (mL) of the stock solution, for
    // `saltConcentration` (mol/L) in `finalVolume` litres.
    double amountToTake(double saltConcentration, double finalVolume) const;

    std::int32_t id = 0;  // given by the inert salt database
    std::int32_t ionicStrengthFactor = 0;
    bool isDefault = false;
    bool isSolid = false;        // weighed as a solid, else taken from a stock solution
    double concentration = 0.0;  // of the stock solution, mol/L
    CCDataSet concentrationData;

  private:
    void rebuildConcentrationData();
};

}  // namespace solvara
