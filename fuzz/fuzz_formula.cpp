// Arbitrary bytes as a formula, with markup on and off, through every operation. Beyond not
// crashing, a formula must keep its own invariants: one kind per display character, and a
// formula that cannot be evaluated weighs nothing and holds nothing.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "../tests/support/starter_table.h"
#include "core/chemistry/chemical_formula.h"
#include "core/chemistry/formula_export.h"

namespace {

using namespace solvara;

void check(bool condition) {
    if (!condition) std::abort();
}

void exercise(const ElementTable& table, std::string_view text, Markup markup) {
    ChemicalFormula formula(table);
    formula.setFormula(text, markup);
    check(formula.kinds().size() == formula.display().size());
    check(formula.length() == static_cast<int>(formula.display().size()));

    const Composition composition = formula.composition();
    check(composition.size() == table.count() + 1);
    const double mass = formula.molarMass();
    check(std::isfinite(mass));
    if (formula.error()) {
        check(mass == 0.0);
        check(composition == Composition(table.count() + 1, 0));
    }
    check(std::isfinite(formula.molarMassOfList()));
    formula.phase();
    formula.canonicalForm();
    formula.sortedFormula();
    toHtml(formula);
    toRtf(formula);
    toForumCode(formula);
    toLatex(formula);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ElementTable table = testing::starterTable();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    exercise(table, text, Markup::on);
    exercise(table, text, Markup::off);
    return 0;
}
