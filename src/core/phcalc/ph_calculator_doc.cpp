#include "core/phcalc/ph_calculator_doc.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <utility>

#include "core/archive/archive.h"
#include "core/chemistry/chemical_formula.h"
#include "core/program/program_model.h"

namespace solvara {

namespace {

constexpr std::int32_t kDocumentVersion = 0x10000;

// Modes beyond the known ones would leave the volumes undistributed and the reports blank.
template <class Mode>
void ioMode(Archive& archive, Mode& mode) {
    auto value = static_cast<std::int32_t>(mode);
    archive.io(value);
    if (value < 0 || value > 2) throw ArchiveError(ArchiveErrorKind::badIndex, archive.fileName());
    mode = static_cast<Mode>(value);
}

}  // namespace

CpHCalculatorDoc::CpHCalculatorDoc(ProgramModel& program)
    : COrvaneDocument(program), solution_(program) {
    solution_.addReagent(ReagentpHCalculator(program));
}

DocumentChange CpHCalculatorDoc::recalculated(DocumentChange changes) {
    solution_.recalculate();
    return changes | DocumentChange::results | SetModifiedFlag();
}

DocumentChange CpHCalculatorDoc::recalculate() {
    solution_.recalculate();
    return DocumentChange::results;
}

DocumentChange CpHCalculatorDoc::setTemperature(double temperature) {
    solution_.temperature = temperature;
    return recalculated(DocumentChange::inputs);
}

DocumentChange CpHCalculatorDoc::setVolumeMode(VolumeMode mode) {
    solution_.volumeMode = mode;
    return recalculated(DocumentChange::inputs);
}

DocumentChange CpHCalculatorDoc::setSolutionVolume(double volume) {
    solution_.solutionVolume = volume;
    return recalculated(DocumentChange::inputs);
}

DocumentChange CpHCalculatorDoc::setIonicStrengthMode(IonicStrengthMode mode) {
    solution_.ionicStrengthMode = mode;
    if (mode == IonicStrengthMode::ignoreIonicStrength) solution_.ionicStrength = 0.0;
    return recalculated(DocumentChange::inputs);
}

DocumentChange CpHCalculatorDoc::setIonicStrength(double ionicStrength) {
    solution_.ionicStrength = ionicStrength;
    return recalculated(DocumentChange::inputs);
}

DocumentChange CpHCalculatorDoc::addReagent(const ReagentpHCalculator& row) {
    solution_.addReagent(row);
    return recalculated(DocumentChange::rows);
}

DocumentChange CpHCalculatorDoc::replaceReagent(int index, const Reagent& reagent) {
    solution_.replaceReagent(index, reagent);
    return recalculated(DocumentChange::rows);
}

DocumentChange CpHCalculatorDoc::removeReagent(int index) {
    solution_.removeReagent(index);
    return recalculated(DocumentChange::rows);
}

DocumentChange CpHCalculatorDoc::setRowName(int index, std::string name) {
    row(index).name = std::move(name);
    return recalculated(DocumentChange::rows);
}

DocumentChange CpHCalculatorDoc::setRowFormula(int index, const std::string& formula) {
    ReagentpHCalculator& edited = row(index);
    edited.setFormula(formula, program().elements);
    edited.analyze(false);
    solution_.refreshAcids();
    solution_.rebuildSpecies();
    return recalculated(DocumentChange::rows);
}

DocumentChange CpHCalculatorDoc::setRowConcentration(int index, double concentration) {
    ReagentpHCalculator& edited = row(index);
    edited.concentration = concentration;
    // The concentration calculator opens on the stock as typed.
    edited.concentrationData.SetConcentration(concentration);
    // The analysis log ends with the stock's pH, which depends on the concentration.
    edited.analyze(false);
    return recalculated(DocumentChange::rows);
}

DocumentChange CpHCalculatorDoc::setRowVolume(int index, double volume) {
    row(index).volume = volume;
    return recalculated(DocumentChange::rows);
}

DocumentChange CpHCalculatorDoc::setRowStock(int index, const CCDataSet& stock) {
    ReagentpHCalculator& edited = row(index);
    edited.concentrationData = stock;
    edited.concentration = stock.concentrationMolar;
    edited.volume = stock.volumeLitres * 1000.0;
    edited.analyze(true);
    return recalculated(DocumentChange::rows);
}

DocumentChange CpHCalculatorDoc::editAcids(const std::function<void(BLAcidDatabase&)>& edit) {
    edit(solution_.acids);
    solution_.rebuildSpecies();
    return recalculated(DocumentChange::rows);
}

Composition CpHCalculatorDoc::speciesComposition() const {
    const ElementTable& table = program().elements;
    std::vector<long long> sums(static_cast<std::size_t>(table.count() + 1), 0);
    ChemicalFormula formula(table);
    for (auto row = species().rbegin(); row != species().rend(); ++row) {
        formula.setFormula(row->formula);
        const Composition units = formula.composition();
        for (std::size_t slot = 0; slot < sums.size(); ++slot) {
            sums[slot] += units[static_cast<int>(slot)];
        }
    }
    // Formulas from a damaged file may claim absurd counts; the sums must not wrap.
    Composition total(static_cast<int>(sums.size()), 0);
    for (std::size_t slot = 0; slot < sums.size(); ++slot) {
        total.set(static_cast<int>(slot), static_cast<int>(std::clamp<long long>(
                                              sums[slot], std::numeric_limits<int>::min(),
                                              std::numeric_limits<int>::max())));
    }
    return total;
}

void CpHCalculatorDoc::Serialize(Archive& archive) {
    std::int32_t version = kDocumentVersion;
    archive.io(version);  // one layout has ever been written
    pHSolution& solution = solution_;
    archive.io(solution.ionicStrength);
    archive.io(solution.temperature);
    archive.io(solution.solutionVolume);
    archive.io(solution.pH);
    ioMode(archive, solution.ionicStrengthMode);
    ioMode(archive, solution.volumeMode);
    solution.acids.Serialize(archive);
    std::vector<std::shared_ptr<ReagentpHCalculator>>& reagents = solution.reagents;
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
    for (const auto& row : reagents) row->setAcidDatabase(&solution.acids);
    solution.resultsValid = false;
    solution.rebuildSpecies();
}

}  // namespace solvara
