#include "core/buffer/solvara_doc.h"

#include <cmath>

#include "core/buffer/buffer.h"
#include "core/database/archive.h"
#include "core/database/program_model.h"

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

CSolvaraDoc::CSolvaraDoc(ProgramModel& program) : buffer(program), program_(&program) {
    const ProgramDefaults& defaults = program.defaults;
    forceIonicStrength = defaults.forceIonicStrength;
    lowForcingWarning = defaults.forceIonicStrength;
    concentrationUnit = defaults.concentrationUnit;
    volumeUnit = defaults.volumeUnit;
    concentrationShown = defaults.concentration;
    volumeShown = defaults.volume;
    ConcentrationFromShown();
    VolumeFromShown();
    pH = defaults.pH;
    temperature = defaults.temperature;
    ionicStrength = defaults.ionicStrength;
    preparationTemperature = defaults.preparationTemperature;
}

void CSolvaraDoc::ConcentrationFromShown() {
    concentration = concentrationShown / shownFactor(concentrationUnit, kMillimolar);
}

void CSolvaraDoc::VolumeFromShown() { volume = volumeShown / shownFactor(volumeUnit, kMillilitres); }

void CSolvaraDoc::ConcentrationToShown() {
    concentrationShown = concentration * shownFactor(concentrationUnit, kMillimolar);
}

void CSolvaraDoc::VolumeToShown() { volumeShown = volume * shownFactor(volumeUnit, kMillilitres); }

void CSolvaraDoc::SetForceIonicStrength(bool force) {
    forceIonicStrength = force;
    const InertSalt* defaultSalt = program_->salts.DefaultSalt();
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
    return isUsableAmount(firstReagentAmount) && isUsableAmount(secondReagentAmount);
}

Composition CSolvaraDoc::ElementUsage() const {
    const ElementTable& table = program_->elements;
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
    archive.ioBool(forceIonicStrength);
    archive.io(ionicStrength);
    salt.Serialize(archive);
    archive.io(saltIonicStrength);
    archive.io(concentration);
    archive.io(volume);
    archive.io(pH);
    archive.io(temperature);
    archive.io(preparationTemperature);
    archive.io(concentrationUnit);
    archive.io(volumeUnit);
    if (archive.IsLoading()) {
        ConcentrationToShown();
        VolumeToShown();
        SetModifiedFlag(false);
    }
}

}  // namespace solvara
