#include "core/chemistry/cc_data_set.h"

#include "core/archive/archive.h"

namespace solvara {

namespace {

constexpr std::int32_t kRecordVersion = 0x00010000;

template <std::size_t N>
bool isUnit(const std::array<CCUnit, N>& units, std::int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < units.size();
}

// Out-of-range indexes are a programming error here: data from files is
// checked when it is read.
template <std::size_t N>
double unitFactor(const std::array<CCUnit, N>& units, std::int32_t index) {
    return units.at(static_cast<std::size_t>(index)).factor;
}

}  // namespace

const ClassInfo& CCDataSet::staticClassInfo() {
    static const ClassInfo info{"CCDataSet", 1, nullptr, &createObject<CCDataSet>};
    return info;
}

const ClassInfo& CCDataSet::classInfo() const { return staticClassInfo(); }

void CCDataSet::Clear() {
    concentrationMolar = 0.0;
    volumeUnit = 1;
    concentrationUnit = 0;
    concentrationShown = 0.0;
    amount = 0.0;
    mass = 0.0;
    volumeShown = 0.0;
    volumeLitres = 0.0;
}

void CCDataSet::SetConcentration(double concentration) {
    Clear();
    concentrationMolar = concentration;
    UpdateConcentrationShown();
}

void CCDataSet::UpdateConcentrationShown() {
    concentrationShown = concentrationMolar * unitFactor(kCCConcentrationUnits, concentrationUnit);
}

void CCDataSet::UpdateVolumeShown() {
    volumeShown = volumeLitres * unitFactor(kCCVolumeUnits, volumeUnit);
}

void CCDataSet::Serialize(Archive& archive) {
    std::int32_t version = kRecordVersion;
    archive.io(version);
    archive.io(volumeUnit);
    archive.io(concentrationUnit);
    archive.io(concentrationShown);
    archive.io(concentrationMolar);
    archive.io(molarMass);
    archive.io(amount);
    archive.io(mass);
    archive.io(volumeShown);
    archive.io(volumeLitres);
    archive.io(formula);
    if (archive.IsStoring()) return;
    if (!isUnit(kCCVolumeUnits, volumeUnit)) {
        volumeUnit = 0;
        UpdateVolumeShown();
    }
    if (!isUnit(kCCConcentrationUnits, concentrationUnit)) {
        concentrationUnit = 0;
        UpdateConcentrationShown();
    }
}

}  // namespace solvara
