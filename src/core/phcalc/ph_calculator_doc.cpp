#include "core/phcalc/ph_calculator_doc.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>

#include "core/archive/archive.h"
#include "core/chemistry/chemical_formula.h"
#include "core/program/program_model.h"

namespace solvara {

namespace {

constexpr std::int32_t kDocumentVersion = 0x10000;

// Modes beyond the known ones would leave the volumes undistributed and the reports blank.
void ioMode(Archive& archive, int& mode) {
    std::int32_t value = mode;
    archive.io(value);
    if (value < 0 || value > 2) throw ArchiveError(ArchiveErrorKind::badIndex, archive.fileName());
    mode = value;
}

}  // namespace

CpHCalculatorDoc::CpHCalculatorDoc(ProgramModel& program)
    : COrvaneDocument(program), pHSolution(program) {
    addReagent(ReagentpHCalculator(program));
    SetModifiedFlag(false);
}

void CpHCalculatorDoc::addReagent(const ReagentpHCalculator& row) {
    pHSolution::addReagent(row);
    SetModifiedFlag();
}

void CpHCalculatorDoc::replaceReagent(int index, const Reagent& reagent) {
    pHSolution::replaceReagent(index, reagent);
    SetModifiedFlag();
}

void CpHCalculatorDoc::removeReagent(int index) {
    pHSolution::removeReagent(index);
    SetModifiedFlag();
}

Composition CpHCalculatorDoc::speciesComposition() const {
    const ElementTable& table = program().elements;
    std::vector<long long> sums(static_cast<std::size_t>(table.count() + 1), 0);
    ChemicalFormula formula(table);
    for (auto row = species.rbegin(); row != species.rend(); ++row) {
        formula.setFormula(row->formula);
        const Composition units = formula.composition();
        for (std::size_t slot = 0; slot < sums.size(); ++slot) {
            sums[slot] += units[static_cast<int>(slot)];
        }
    }
    // Formulas from a damaged file may claim absurd counts; the sums must not wrap.
    Composition total(static_cast<int>(sums.size()), 0);
    for (std::size_t slot = 0; slot < sums.size(); ++slot) {
        total.set(static_cast<int>(slot),
                  static_cast<int>(std::clamp<long long>(sums[slot],
                                                         std::numeric_limits<int>::min(),
                                                         std::numeric_limits<int>::max())));
    }
    return total;
}

void CpHCalculatorDoc::Serialize(Archive& archive) {
    std::int32_t version = kDocumentVersion;
    archive.io(version);  // one layout has ever been written
    archive.io(ionicStrength);
    archive.io(temperature);
    archive.io(solutionVolume);
    archive.io(pH);
    ioMode(archive, ionicStrengthMode);
    ioMode(archive, volumeMode);
    acids.Serialize(archive);
    if (archive.IsStoring()) {
        archive.writeCount(reagents.size());
        for (const auto& row : reagents) row->Serialize(archive);
        return;
    }
    // The smallest row: an empty reagent record and the row's own version and two doubles.
    constexpr std::size_t kSmallestRowBytes = 60;
    const std::size_t count = archive.readCount(kSmallestRowBytes);
    reagents.clear();
    for (std::size_t i = 0; i < count; ++i) {
        // Rows resolve their forms in the program's acids while the file is read, as they were
        // when it was written; only the complete document points them at its own copies.
        auto row = std::make_shared<ReagentpHCalculator>(program());
        row->Serialize(archive);
        reagents.push_back(std::move(row));
    }
    for (const auto& row : reagents) row->setAcidDatabase(&acids);
    resultsValid = false;
    rebuildSpecies();
}

}  // namespace solvara
