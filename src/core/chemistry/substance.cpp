#include "core/chemistry/substance.h"

#include <cstdint>

#include "core/archive/archive.h"

namespace solvara {

namespace {

// Readers ignore the version: the record has had one layout only.
constexpr std::int32_t kRecordVersion = 0x10000;

}  // namespace

const ClassInfo& CSubstance::staticClassInfo() {
    static const ClassInfo info{"CSubstance", 1, nullptr, &createObject<CSubstance>};
    return info;
}

const ClassInfo& CSubstance::classInfo() const { return staticClassInfo(); }

void CSubstance::Serialize(Archive& archive) {
    std::int32_t version = kRecordVersion;
    archive.io(version);
    archive.io(name);
    archive.io(formula);
    archive.io(extraText);
    archive.io(molarMass);
    // Every int is a valid Phase, so a file cannot put one out of range.
    auto storedPhase = static_cast<std::int32_t>(phase);
    archive.io(storedPhase);
    phase = static_cast<Phase>(storedPhase);
}

void CSubstance::setFormula(std::string_view text, const ElementTable& table) {
    formula = text;
    const ChemicalFormula parsed(table, text);
    molarMass = parsed.molarMassOfList();
    phase = parsed.phase();
}

Composition CSubstance::composition(const ElementTable& table) const {
    return ChemicalFormula(table, formula).composition();
}

bool CSubstance::operator==(const CSubstance& other) const {
    return name == other.name && formula == other.formula && extraText == other.extraText &&
           phase == other.phase;
}

}  // namespace solvara
