#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/chemistry/composition.h"
#include "core/chemistry/composition_parser.h"
#include "core/chemistry/element_table.h"
#include "core/chemistry/formula_display.h"
#include "core/chemistry/formula_fault.h"

namespace solvara {

// The state marker written in a formula.
enum class Phase { solid = 0, aqueous = 1, gas = 2, none = 3 };

// One formula in the plain-text notation ("H_3PO_4", "2Na^+,HPO_4^{2-}", "HEPES^-") and what
// follows from it: display text and character kinds, composition, charge, molar mass, state
// marker, canonical spelling and sorted sum formula. Everything derived from symbols is read
// from the element table at the time of the query, so a query after a table edit sees the edit.
class ChemicalFormula {
  public:
    explicit ChemicalFormula(const ElementTable& table);
    ChemicalFormula(const ElementTable& table, std::string_view text);
    // The formula keeps a reference to its table, which must outlive it.
    explicit ChemicalFormula(const ElementTable&&) = delete;
    ChemicalFormula(const ElementTable&&, std::string_view) = delete;

    // Trailing blanks, tabs, CR and LF are dropped; leading ones are kept.
    void setFormula(std::string_view text, Markup markup = Markup::on);

    const std::string& source() const { return source_; }
    const std::string& display() const { return display_; }
    // One per display character.
    const std::vector<CharKind>& kinds() const { return kinds_; }
    int length() const { return static_cast<int>(display_.size()); }

    // Of one formula unit: a leading count is skipped, while a count after a separator
    // multiplies the part it precedes. All zeros when the formula cannot be evaluated.
    Composition composition() const;
    // The formula cannot be evaluated: a symbol the table lacks (leading blanks, "(aq)"), a
    // fractional count, a charge mark without number or sign, absurd nesting or counts beyond
    // the int range. fault() says which; formulaFaultText gives the message.
    bool error() const { return fault() != FormulaFault::none; }
    FormulaFault fault() const;
    // 0 on error.
    double molarMass() const;
    // Sum over the ","-separated pieces of their leading count times their molar mass; a piece
    // that cannot be evaluated adds 0 (error() then reports the fault, as the whole text holds
    // that piece).
    double molarMassOfList() const;
    Phase phase() const;
    std::string canonicalForm() const;
    // C, H, N, O, S, P first, then every other entry in table order, each with its count when
    // above 1 ("H_3PO_4" gives "H3O4P"); the charge is left out.
    std::string sortedFormula() const;

  private:
    // The parser holding what source_ evaluates to, parsed again only after setFormula or a
    // change of the table, so asking for error, composition and molar mass in turn parses once.
    const CompositionParser& evaluation() const;

    const ElementTable* table_;
    std::string source_;
    std::string display_;
    std::vector<CharKind> kinds_;
    // The evaluation cache of the const queries; a formula object is therefore not to be
    // queried from two threads at once.
    mutable CompositionParser parser_;
    mutable bool evaluated_ = false;
    mutable std::uint64_t evaluatedRevision_ = 0;
};

}  // namespace solvara
