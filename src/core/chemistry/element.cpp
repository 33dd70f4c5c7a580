#include "core/chemistry/element.h"

#include <utility>

#include "core/archive/archive.h"

namespace solvara {

Element::Element(std::string symbolText, std::string compositionText, std::string commentText,
                 double mass, int massDecimals)
    : symbol(std::move(symbolText)),
      composition(std::move(compositionText)),
      comment(std::move(commentText)),
      molarMass(mass),
      decimals(massDecimals) {}

const ClassInfo& Element::staticClassInfo() {
    static const ClassInfo info{"Element", 1, nullptr, &createObject<Element>};
    return info;
}

const ClassInfo& Element::classInfo() const { return staticClassInfo(); }

void Element::Serialize(Archive& archive) {
    archive.io(symbol);
    archive.io(composition);
    archive.io(comment);
    archive.io(molarMass);
    archive.io(decimals);
}

bool Element::operator==(const Element& other) const {
    return symbol == other.symbol && composition == other.composition && comment == other.comment &&
           molarMass == other.molarMass && decimals == other.decimals;
}

int countDecimals(std::string_view massText) {
    const auto point = massText.find('.');
    if (point == std::string_view::npos) return 0;
    return static_cast<int>(massText.size() - point - 1);
}

}  // namespace solvara
