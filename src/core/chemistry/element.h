#pragma once

#include <string>
#include <string_view>

#include "core/archive/cobject.h"

namespace solvara {

// One entry of the element table: a chemical element or a user-defined moiety
// (an abbreviation such as "Citrate" that formulas use like an element symbol).
class Element : public CObject {
  public:
    Element() = default;
    Element(std::string symbolText, std::string compositionText, std::string commentText,
            double mass, int massDecimals);

    static const ClassInfo& staticClassInfo();
    const ClassInfo& classInfo() const override;
    // The five fields, with no version of their own: the table's version covers them.
    void Serialize(Archive& archive) override;

    bool operator==(const Element& other) const;

    std::string symbol;       // case-sensitive, as written in formulas
    std::string composition;  // for a moiety, the formula it stands for; empty for an element
    std::string comment;
    double molarMass = 0.0;  // g/mol
    int decimals = 0;        // digits after the decimal point the mass was entered with
};

// The number of characters after the first "." of a mass as typed ("24.3050" has 4), so the
// mass can be shown again as it was entered.
int countDecimals(std::string_view massText);

}  // namespace solvara
