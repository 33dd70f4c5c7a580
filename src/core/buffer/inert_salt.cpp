#include "core/buffer/inert_salt.h"

#include "core/archive/archive.h"

namespace solvara {

namespace {

constexpr std::int32_t kVersionWithDataSet = 0x10001;
constexpr std::int32_t kVersionWithoutDataSet = 0x10000;

}  // namespace

// The class record names no base: a salt is only ever read where a salt is expected.
const ClassInfo& InertSalt::staticClassInfo() {
    static const ClassInfo info{"InertSalt", 1, nullptr, &createObject<InertSalt>};
    return info;
}

const ClassInfo& InertSalt::classInfo() const { return staticClassInfo(); }

void InertSalt::Serialize(Archive& archive) {
    std::int32_t version = kVersionWithDataSet;
    archive.io(version);
    CSubstance::Serialize(archive);
    archive.ioBool(isDefault);
    archive.io(ionicStrengthFactor);
    archive.ioBool(isSolid);
    archive.io(concentration);
    archive.io(id);
    // A record of another version ends here.
    if (version == kVersionWithDataSet) {
        concentrationData.Serialize(archive);
    } else if (version == kVersionWithoutDataSet) {
        rebuildConcentrationData();
    }
}

// Records from before the data set existed get one that describes the stock solution.
void InertSalt::rebuildConcentrationData() {
    concentrationData.SetConcentration(concentration);
    concentrationData.formula = formula;
    concentrationData.molarMass = molarMass;
    concentrationData.UpdateVolumeShown();
}

SaltFormulaAnalysis InertSalt::setSaltFormula(std::string_view text, const ElementTable& table) {
    setFormula(text, table);
    const SaltFormulaAnalysis analysis = analyzeSaltFormula(text, table);
    molarMass = analysis.molarMass;
    ionicStrengthFactor = analysis.ionicStrengthFactor;
    concentrationData.molarMass = molarMass;
    concentrationData.formula = formula;
    return analysis;
}

std::string InertSalt::ionicStrengthText() const {
    return solvara::ionicStrengthText(ionicStrengthFactor);
}

double InertSalt::concentrationFor(double increment) const {
    return 2.0 * increment / ionicStrengthFactor;
}

double InertSalt::amountToTake(double saltConcentration, double finalVolume) const {
    if (isSolid) return finalVolume * saltConcentration * molarMass;
    return 1000.0 * saltConcentration * finalVolume / concentration;
}

}  // namespace solvara
