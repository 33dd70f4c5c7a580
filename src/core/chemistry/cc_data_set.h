#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/archive/cobject.h"

namespace solvara {

struct CCUnit {
    std::string_view name;
    double factor;  // how many of this unit make one base unit
};

inline constexpr std::array<CCUnit, 2> kCCVolumeUnits = {{{"L", 1.0}, {"mL", 1000.0}}};
inline constexpr std::array<CCUnit, 3> kCCConcentrationUnits = {
    {{"mol/L", 1.0}, {"mmol/L", 1000.0}, {"mmol/mL", 1.0}}};

// What the concentration calculator worked out for one substance. The shown
// values are the base values in the chosen units:
// volumeShown = volumeLitres * factor(volumeUnit) and
// concentrationShown = concentrationMolar * factor(concentrationUnit).
class CCDataSet : public CObject {
  public:
    static const ClassInfo& staticClassInfo();
    const ClassInfo& classInfo() const override;
    // A unit index read from a file that names no unit is replaced by the
    // base unit and the shown value recomputed, so no later lookup fails.
    void Serialize(Archive& archive) override;

    // Forgets the numbers and sets the units back to mL and mol/L; the
    // formula and the molar mass stay.
    void Clear();
    void SetConcentration(double concentration);
    void UpdateConcentrationShown();
    void UpdateVolumeShown();

    double concentrationMolar = 0.0;
    std::int32_t volumeUnit = 1;
    std::int32_t concentrationUnit = 0;
    double concentrationShown = 0.0;
    double molarMass = 0.0;
    double amount = 0.0;
    double mass = 0.0;
    double volumeShown = 0.0;
    double volumeLitres = 0.0;
    std::string formula;
};

}  // namespace solvara
