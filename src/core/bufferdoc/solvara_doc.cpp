#include "core/bufferdoc/solvara_doc.h"

#include <cmath>

#include "core/archive/archive.h"
#include "core/buffer/buffer.h"
#include "core/buffer/prepared_mixture_ph.h"
#include "core/program/program_model.h"

namespace solvara {
namespace {

constexpr std::int32_t kRecordVersion = 0x00010000;
constexpr std::int32_t kMillimolar = 1;
constexpr std::int32_t kMillilitres = 1;

double shownFactor(std::int32_t unit, std::int32_t thousandthUnit) {
    return unit == thousandthUnit ? 1000.0 : 1.0;
}

bool isReagent(const Reagent* reagent) { return reagent != nullptr && !reagent->formula.empty(); }

bool isUsableAmount(double amount) { return std::isfinite(amount) && amount != 0.0; }

void addComposition(Composition& sum, const Composition& part) {
    if (part.size() > sum.size()) {
        Composition wider(part.size(), 0);
        for (int slot = 0; slot < sum.size(); ++slot) wider.set(slot, sum[slot]);
        sum = wider;
    }
    for (int slot = 0; slot < part.size(); ++slot) sum.set(slot, sum[slot] + part[slot]);
}

}  // namespace

CSolvaraDoc::CSolvaraDoc(ProgramModel& program) : COrvaneDocument(program), buffer(program) {
    const ProgramDefaults& defaults = program.defaults;
    inputs.forceIonicStrength = defaults.forceIonicStrength;
    results.lowForcingWarning = defaults.forceIonicStrength;
    concentrationUnit = defaults.concentrationUnit;
    volumeUnit = defaults.volumeUnit;
    concentrationShown = defaults.concentration;
    volumeShown = defaults.volume;
    ConcentrationFromShown();
    VolumeFromShown();
    inputs.pH = defaults.pH;
    inputs.temperature = defaults.temperature;
    inputs.ionicStrength = defaults.ionicStrength;
    inputs.preparationTemperature = defaults.preparationTemperature;
}

void CSolvaraDoc::ConcentrationFromShown() {
    inputs.concentration = concentrationShown / shownFactor(concentrationUnit, kMillimolar);
}

void CSolvaraDoc::VolumeFromShown() {
    inputs.volume = volumeShown / shownFactor(volumeUnit, kMillilitres); }

void CSolvaraDoc::ConcentrationToShown() {
    concentrationShown = inputs.concentration * shownFactor(concentrationUnit, kMillimolar);
}

void CSolvaraDoc::VolumeToShown() {
    volumeShown = inputs.volume * shownFactor(volumeUnit, kMillilitres); }

void CSolvaraDoc::PickBuffer(const Buffer& variant) {
    buffer = variant;
    Recalculate();
    setTitle(buffer.name);
    SetModifiedFlag(false);
}

int CSolvaraDoc::Recalculate() {
    const PreparationOutcome outcome =
        recalculatePreparation(buffer, salt, inputs, results, program());
    if (outcome == PreparationOutcome::noConcentration) return 0;
    SetModifiedFlag();
    return outcome == PreparationOutcome::calculated ? 1 : 0;
}

std::optional<double> CSolvaraDoc::PHAtPreparationTemperature(double temperature) {
    inputs.preparationTemperature = temperature;
    results.pHAtPreparation = PreparedPHAt(buffer, program(), results, temperature);
    return results.pHAtPreparation;
}

void CSolvaraDoc::SetForceIonicStrength(bool force) {
    inputs.forceIonicStrength = force;
    const InertSalt* defaultSalt = program().salts.DefaultSalt();
    if (force && salt.name.empty()) {
        salt = defaultSalt != nullptr ? *defaultSalt : InertSalt();
    } else if (!force && defaultSalt != nullptr && salt == *defaultSalt) {
        salt = InertSalt();
    }
}

bool CSolvaraDoc::HasBothReagents() const {
    return isReagent(buffer.FirstReagent()) && isReagent(buffer.SecondReagent());
}

bool CSolvaraDoc::CanMakepHCalculator() const {
    return isUsableAmount(results.firstReagentAmount) && isUsableAmount(results.secondReagentAmount);
}

Composition CSolvaraDoc::ElementUsage() const {
    const ElementTable& table = program().elements;
    Composition sum(table.count() + 1, 0);
    for (const Reagent* reagent : {buffer.FirstReagent(), buffer.SecondReagent()}) {
        if (isReagent(reagent)) addComposition(sum, reagent->composition(table));
    }
    if (!salt.formula.empty()) addComposition(sum, salt.composition(table));
    return sum;
}

void CSolvaraDoc::Serialize(Archive& archive) {
    std::int32_t version = kRecordVersion;
    archive.io(version);
    buffer.Serialize(archive);
    archive.ioBool(inputs.forceIonicStrength);
    archive.io(inputs.ionicStrength);
    salt.Serialize(archive);
    archive.io(results.saltIonicStrength);
    archive.io(inputs.concentration);
    archive.io(inputs.volume);
    archive.io(inputs.pH);
    archive.io(inputs.temperature);
    archive.io(inputs.preparationTemperature);
    archive.io(concentrationUnit);
    archive.io(volumeUnit);
    if (archive.IsLoading()) {
        ConcentrationToShown();
        VolumeToShown();
        SetModifiedFlag(false);
    }
}

}  // namespace solvara
