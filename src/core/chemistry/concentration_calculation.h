#pragma once

#include <cstdint>

#include "core/chemistry/cc_data_set.h"

namespace solvara {

// The quantities of the concentration calculator, related by n = m/M and C = n/V.
enum class CCQuantity { molarMass, mass, amount, volume, concentration };

// Which quantity stays fixed when another changes.
enum class CCOption { beSmart = 0, amountConstant = 1, volumeConstant = 2, concentrationConstant = 3 };

// The quantities a user may type under an option; the molar mass follows the formula instead.
bool isEditable(CCQuantity quantity, CCOption option);

// The accepted range of a quantity as it is typed, in its shown unit.
struct CCRange {
    double min;
    double max;
    bool contains(double value) const { return value >= min && value <= max; }
};
CCRange rangeOf(CCQuantity quantity);

// Stores a value typed for `edited` (in its shown unit: volumeShown and concentrationShown for V
// and C) and works out the others by the option. Nothing but the data set changes.
void applyEdit(CCDataSet& data, CCQuantity edited, double typed, CCOption option);

// Shows the same base value in another unit.
void changeVolumeUnit(CCDataSet& data, std::int32_t unit);
void changeConcentrationUnit(CCDataSet& data, std::int32_t unit);

}  // namespace solvara
