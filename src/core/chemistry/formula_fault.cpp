#include "core/chemistry/formula_fault.h"

namespace solvara {

static_assert(kMaxBracketDepth == 32, "the nesting message names the depth");

std::string_view formulaFaultText(FormulaFault fault) {
    switch (fault) {
        case FormulaFault::none:
            break;
        case FormulaFault::unknownSymbol:
            return "unknown symbol";
        case FormulaFault::fractionalCount:
            return "fractional count (counts are whole numbers)";
        case FormulaFault::countTooLarge:
            return "count too large (at most 2147483647 units of an entry or of charge)";
        case FormulaFault::countWithoutItem:
            return "count that follows no symbol or group";
        case FormulaFault::chargeWithoutValue:
            return "charge mark without a number or sign";
        case FormulaFault::nestingTooDeep:
            return "brackets nested more than 32 deep";
    }
    return {};
}

}  // namespace solvara
