#include "core/chemistry/concentration_calculation.h"

#include <cstddef>

namespace solvara {

namespace {

template <std::size_t N>
double factorOf(const std::array<CCUnit, N>& units, std::int32_t index) {
    return units.at(static_cast<std::size_t>(index)).factor;
}

void setVolume(CCDataSet& data, double litres) {
    data.volumeLitres = litres;
    data.UpdateVolumeShown();
}

void setConcentration(CCDataSet& data, double molar) {
    data.concentrationMolar = molar;
    data.UpdateConcentrationShown();
}

// C = n/V while a volume is shown.
void concentrationFromAmount(CCDataSet& data) {
    if (data.volumeShown != 0.0) setConcentration(data, data.amount / data.volumeLitres);
}

// V = n/C while a concentration is shown.
void volumeFromAmount(CCDataSet& data) {
    if (data.concentrationShown != 0.0) setVolume(data, data.amount / data.concentrationMolar);
}

void amountFromConcentration(CCDataSet& data) {
    data.amount = data.concentrationMolar * data.volumeLitres;
    data.mass = data.amount * data.molarMass;
}

}  // namespace

bool isEditable(CCQuantity quantity, CCOption option) {
    switch (quantity) {
        case CCQuantity::molarMass:
            return true;
        case CCQuantity::mass:
        case CCQuantity::amount:
            return option != CCOption::amountConstant;
        case CCQuantity::volume:
            return option != CCOption::volumeConstant;
        case CCQuantity::concentration:
            return option != CCOption::concentrationConstant;
    }
    return false;
}

CCRange rangeOf(CCQuantity quantity) {
    switch (quantity) {
        case CCQuantity::molarMass:
            return {0.0, 10000.0};
        case CCQuantity::mass:
            return {0.0, 100000.0};
        case CCQuantity::amount:
            return {0.0, 100.0};
        case CCQuantity::volume:
            return {0.0, 100000.0};
        case CCQuantity::concentration:
            return {0.0, 10000.0};
    }
    return {0.0, 0.0};
}

void CCCalculation::edit(CCQuantity edited, double typed) {
    const bool typingVolume = edited == CCQuantity::volume;
    if (!typingVolume) amountFromVolume_ = false;
    switch (edited) {
        case CCQuantity::molarMass:
            data_.molarMass = typed;
            if (data_.molarMass != 0.0) {
                data_.amount = data_.mass / data_.molarMass;
                concentrationFromAmount(data_);
            }
            break;
        case CCQuantity::mass:
            data_.mass = typed;
            if (data_.molarMass != 0.0) data_.amount = data_.mass / data_.molarMass;
            followAmount();
            break;
        case CCQuantity::amount:
            data_.amount = typed;
            data_.mass = data_.molarMass * data_.amount;
            followAmount();
            break;
        case CCQuantity::volume:
            data_.volumeShown = typed;
            data_.volumeLitres = typed / factorOf(kCCVolumeUnits, data_.volumeUnit);
            followVolume();
            break;
        case CCQuantity::concentration:
            data_.concentrationShown = typed;
            data_.concentrationMolar =
                typed / factorOf(kCCConcentrationUnits, data_.concentrationUnit);
            followConcentration();
            break;
    }
}

void CCCalculation::followAmount() {
    switch (option_) {
        case CCOption::beSmart:
        case CCOption::volumeConstant:
            concentrationFromAmount(data_);
            break;
        case CCOption::concentrationConstant:
            volumeFromAmount(data_);
            break;
        case CCOption::amountConstant:
            break;
    }
}

void CCCalculation::followVolume() {
    switch (option_) {
        case CCOption::beSmart: {
            if (data_.volumeShown == 0.0) break;
            // With an amount known the concentration follows; with only a concentration known
            // the amount does.
            const bool amountKnown = data_.amount != 0.0 && !amountFromVolume_;
            if (amountKnown || data_.concentrationShown == 0.0) {
                concentrationFromAmount(data_);
            } else {
                amountFromConcentration(data_);
                amountFromVolume_ = true;
            }
            break;
        }
        case CCOption::amountConstant:
            concentrationFromAmount(data_);
            break;
        case CCOption::concentrationConstant:
            amountFromConcentration(data_);
            break;
        case CCOption::volumeConstant:
            break;
    }
}

void CCCalculation::followConcentration() {
    switch (option_) {
        case CCOption::beSmart:
        case CCOption::volumeConstant:
            amountFromConcentration(data_);
            break;
        case CCOption::amountConstant:
            volumeFromAmount(data_);
            break;
        case CCOption::concentrationConstant:
            break;
    }
}

void CCCalculation::clear() {
    data_.Clear();
    option_ = CCOption::beSmart;
    amountFromVolume_ = false;
}

void CCCalculation::changeVolumeUnit(std::int32_t unit) {
    data_.volumeUnit = unit;
    data_.UpdateVolumeShown();
}

void CCCalculation::changeConcentrationUnit(std::int32_t unit) {
    data_.concentrationUnit = unit;
    data_.UpdateConcentrationShown();
}

}  // namespace solvara
