#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "core/chemistry/cc_data_set.h"

namespace solvara {

// The quantities of the concentration calculator, related by n = m/M and C = n/V.
enum class CCQuantity { molarMass, mass, amount, volume, concentration };

// Which quantity stays fixed when another changes.
enum class CCOption {
    beSmart = 0,
    amountConstant = 1,
    volumeConstant = 2,
    concentrationConstant = 3
};

// The quantities a user may type under an option; the molar mass follows the formula instead.
bool isEditable(CCQuantity quantity, CCOption option);

// The accepted range of a quantity as it is typed, in its shown unit.
struct CCRange {
    double min;
    double max;
    bool contains(double value) const { return value >= min && value <= max; }
};
CCRange rangeOf(CCQuantity quantity);

// The calculator's working state: the data set and what its last edits derived.
class CCCalculation {
  public:
    explicit CCCalculation(const CCDataSet& data = {}) : data_(data) {}

    const CCDataSet& data() const { return data_; }
    CCOption option() const { return option_; }
    void setOption(CCOption option) { option_ = option; }

    // Stores a value typed for `edited` (in its shown unit: volumeShown and concentrationShown
    // for V and C) and works out the others by the option.
    void edit(CCQuantity edited, double typed);
    // Takes a formula's molar mass and works out what follows from it.
    void setMolarMass(double molarMass) { edit(CCQuantity::molarMass, molarMass); }
    void setFormula(std::string formula) { data_.formula = std::move(formula); }
    // Forgets the numbers (the formula and molar mass stay) and returns to "be smart".
    void clear();
    // Shows the same base value in another unit.
    void changeVolumeUnit(std::int32_t unit);
    void changeConcentrationUnit(std::int32_t unit);

  private:
    void followAmount();
    void followVolume();
    void followConcentration();

    CCDataSet data_;
    CCOption option_ = CCOption::beSmart;
    // A volume is typed one key at a time. When its first key took the amount from the
    // concentration ("be smart" with no amount), the next keys go on doing so: the amount
    // the first digit gave is no quantity the user stated.
    bool amountFromVolume_ = false;
};

}  // namespace solvara
