#pragma once

#include <string_view>

namespace solvara {

// Why a formula cannot be evaluated. Each has its own message, so a user learns what to fix.
enum class FormulaFault {
    none,
    unknownSymbol,       // a symbol the element table lacks ("Xx", " H_2O", "(aq)")
    fractionalCount,     // "CaSO_4&0.5H_2O": the notation counts whole units only
    countTooLarge,       // a count, or the units a formula adds up to, beyond the int range
    countWithoutItem,    // "(2H)": a count that follows no symbol, group or charge
    chargeWithoutValue,  // "H^x": a charge mark followed by neither number nor sign
    nestingTooDeep,      // more brackets inside one another than the parser follows
};

// The deepest the parser follows brackets inside one another; no chemical formula comes near.
inline constexpr int kMaxBracketDepth = 32;

// "unknown symbol", "fractional count (counts are whole numbers)", ...; empty for none.
std::string_view formulaFaultText(FormulaFault fault);

}  // namespace solvara
