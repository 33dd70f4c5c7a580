#include <cstdint>

#include "core/archive/archive.h"
#include "core/chemistry/reagent.h"

namespace solvara {

namespace {

// Before 0x10001 the record held no concentration data; before 0x10002 it
// began with its own texts instead of the substance record.
constexpr std::int32_t kFirstVersion = 0x10000;
constexpr std::int32_t kDataSetVersion = 0x10001;
constexpr std::int32_t kRecordVersion = 0x10002;

bool isOldLayout(std::int32_t version) {
    return version == kFirstVersion || version == kDataSetVersion;
}

}  // namespace

void Reagent::Serialize(Archive& archive) {
    std::int32_t version = kRecordVersion;
    archive.io(version);
    if (archive.IsLoading() && isOldLayout(version)) {
        archive.io(formula);
        archive.io(name);
    } else {
        CSubstance::Serialize(archive);
    }
    archive.io(concentration);
    archive.io(spectatorCharge);
    archive.io(spectatorStrength);
    archive.ioBool(isSolid);
    archive.io(id);
    if (archive.IsLoading() && isOldLayout(version)) archive.io(molarMass);
    archive.io(acidIds);
    if (archive.IsStoring() || version == kDataSetVersion || version == kRecordVersion) {
        concentrationData.Serialize(archive);
    } else if (version == kFirstVersion) {
        describeStockInConcentrationData();
    }
    archive.io(acidMultipliers);
    if (archive.IsLoading() && archive.chemistryModel() != nullptr)
        program_ = archive.chemistryModel();
    analyze(true);
}

// Records from before the data set existed get one that describes the stock.
void Reagent::describeStockInConcentrationData() {
    concentrationData.SetConcentration(concentration);
    concentrationData.formula = formula;
    concentrationData.molarMass = molarMass;
    concentrationData.UpdateVolumeShown();
}

}  // namespace solvara
