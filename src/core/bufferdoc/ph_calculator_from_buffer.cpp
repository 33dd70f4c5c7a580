#include "core/bufferdoc/ph_calculator_from_buffer.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/bufferdoc/solvara_doc.h"
#include "core/program/program_model.h"

namespace solvara {
namespace {

constexpr double kMillilitresPerLitre = 1000.0;

// A row of `amount` of the substance: mL of its stock, or for a solid, the whole final volume of
// a solution holding the weighed grams.
ReagentpHCalculator rowOf(const Reagent& reagent, double amount, double volume) {
    ReagentpHCalculator row(reagent, amount);
    if (reagent.isSolid) {
        const double concentration = amount / reagent.molarMass / volume;
        row.isSolid = false;
        row.concentration = concentration;
        row.volume = volume * kMillilitresPerLitre;
        CCDataSet& data = row.concentrationData;
        data.SetConcentration(concentration);  // clears the rest first
        data.formula = reagent.formula;
        data.molarMass = reagent.molarMass;
        data.mass = amount;
        data.amount = amount / reagent.molarMass;
        data.volumeLitres = volume;
        data.UpdateVolumeShown();
    }
    return row;
}

Reagent reagentOfSalt(const InertSalt& salt, ProgramModel& program) {
    Reagent reagent(program);
    reagent.name = salt.name;
    reagent.setFormula(salt.formula, program.elements);
    reagent.isSolid = salt.isSolid;
    reagent.concentration = salt.concentration;
    reagent.concentrationData = salt.concentrationData;
    reagent.analyze(true);
    return reagent;
}

}  // namespace

std::unique_ptr<CpHCalculatorDoc> MakepHCalculatorFromBuffer(const CSolvaraDoc& buffer) {
    ProgramModel& program = buffer.program();
    auto calculator = std::make_unique<CpHCalculatorDoc>(program);
    std::string title = buffer.title();
    std::replace(title.begin(), title.end(), '/', '+');
    calculator->setTitle(title);

    const double volume = buffer.inputs().volume;
    calculator->setVolumeMode(VolumeMode::finalVolume);
    calculator->setSolutionVolume(volume * kMillilitresPerLitre);
    calculator->setTemperature(buffer.inputs().temperature);
    if (buffer.inputs().forceIonicStrength) {
        calculator->setIonicStrengthMode(IonicStrengthMode::forceIonicStrength);
        calculator->setIonicStrength(buffer.inputs().ionicStrength);
    }
    calculator->addReagent(
        rowOf(*buffer.buffer().FirstReagent(), buffer.results().firstReagentAmount, volume));
    calculator->addReagent(
        rowOf(*buffer.buffer().SecondReagent(), buffer.results().secondReagentAmount, volume));
    calculator->editAcids(
        [&buffer](BLAcidDatabase& acids) { acids.Assign(buffer.buffer().acidDatabase()); });

    const std::optional<double> saltAmount = buffer.results().saltAmount;
    if (!buffer.salt().formula.empty() && saltAmount && std::isfinite(*saltAmount)) {
        calculator->addReagent(rowOf(reagentOfSalt(buffer.salt(), program), *saltAmount, volume));
    }
    // The new document's own empty row goes last, which also points the rows at the copied acids.
    calculator->removeReagent(0);
    return calculator;
}

}  // namespace solvara
