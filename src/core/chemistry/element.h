#pragma once

#include <string>
#include <string_view>

namespace solvara {

// One entry of the element table: a chemical element or a user-defined moiety
// (an abbreviation such as "Citrate" that formulas use like an element symbol).
struct Element {
    std::string symbol;       // case-sensitive, as written in formulas
    std::string composition;  // for a moiety, the formula it stands for; empty for an element
    std::string comment;
    double molarMass = 0.0;  // g/mol
    int decimals = 0;        // digits after the decimal point the mass was entered with

    bool operator==(const Element&) const = default;
};

// The number of characters after the first "." of a mass as typed ("24.3050" has 4), so the
// mass can be shown again as it was entered.
int countDecimals(std::string_view massText);

}  // namespace solvara
