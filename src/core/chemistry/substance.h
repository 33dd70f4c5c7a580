#pragma once

#include <string>
#include <string_view>

#include "core/archive/cobject.h"
#include "core/chemistry/chemical_formula.h"
#include "core/chemistry/composition.h"
#include "core/chemistry/element_table.h"

namespace solvara {

// Anything with a name and a formula: acids, reagents and inert salts. The molar mass and the
// state marker follow the formula text through setFormula.
class CSubstance : public CObject {
  public:
    static const ClassInfo& staticClassInfo();
    const ClassInfo& classInfo() const override;
    void Serialize(Archive& archive) override;

    // Sets the formula with the molar mass of its ","-separated list and its state marker; a
    // formula with a symbol the table lacks weighs 0.
    void setFormula(std::string_view text, const ElementTable& table);
    Composition composition(const ElementTable& table) const;

    // The texts and the state marker; the molar mass only follows from them.
    bool operator==(const CSubstance& other) const;

    Phase phase = Phase::none;
    std::string name;
    // Kept, copied and compared with the other texts, though nothing shows it.
    std::string extraText;
    std::string formula;
    double molarMass = 0.0;  // g/mol
};

}  // namespace solvara
