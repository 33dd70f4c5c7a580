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

// After the amount changed (through the mass or typed): what follows from it.
void followAmount(CCDataSet& data, CCOption option) {
    switch (option) {
        case CCOption::beSmart:
        case CCOption::volumeConstant: concentrationFromAmount(data); break;
        case CCOption::concentrationConstant: volumeFromAmount(data); break;
        case CCOption::amountConstant: break;
    }
}

void followVolume(CCDataSet& data, CCOption option) {
    switch (option) {
        case CCOption::beSmart:
            if (data.volumeShown == 0.0) break;
            // With an amount known the concentration follows; with only a concentration known the
            // amount does.
            if (data.amount != 0.0 || data.concentrationShown == 0.0) {
                concentrationFromAmount(data);
            } else {
                amountFromConcentration(data);
            }
            break;
        case CCOption::amountConstant: concentrationFromAmount(data); break;
        case CCOption::concentrationConstant: amountFromConcentration(data); break;
        case CCOption::volumeConstant: break;
    }
}

void followConcentration(CCDataSet& data, CCOption option) {
    switch (option) {
        case CCOption::beSmart:
        case CCOption::volumeConstant: amountFromConcentration(data); break;
        case CCOption::amountConstant: volumeFromAmount(data); break;
        case CCOption::concentrationConstant: break;
    }
}

}  // namespace

bool isEditable(CCQuantity quantity, CCOption option) {
    switch (quantity) {
        case CCQuantity::molarMass: return true;
        case CCQuantity::mass:
        case CCQuantity::amount: return option != CCOption::amountConstant;
        case CCQuantity::volume: return option != CCOption::volumeConstant;
        case CCQuantity::concentration: return option != CCOption::concentrationConstant;
    }
    return false;
}

CCRange rangeOf(CCQuantity quantity) {
    switch (quantity) {
        case CCQuantity::molarMass: return {0.0, 10000.0};
        case CCQuantity::mass: return {0.0, 100000.0};
        case CCQuantity::amount: return {0.0, 100.0};
        case CCQuantity::volume: return {0.0, 100000.0};
        case CCQuantity::concentration: return {0.0, 10000.0};
    }
    return {0.0, 0.0};
}

void applyEdit(CCDataSet& data, CCQuantity edited, double typed, CCOption option) {
    switch (edited) {
        case CCQuantity::molarMass:
            data.molarMass = typed;
            if (data.molarMass != 0.0) {
                data.amount = data.mass / data.molarMass;
                concentrationFromAmount(data);
            }
            break;
        case CCQuantity::mass:
            data.mass = typed;
            if (data.molarMass != 0.0) data.amount = data.mass / data.molarMass;
            followAmount(data, option);
            break;
        case CCQuantity::amount:
            data.amount = typed;
            data.mass = data.molarMass * data.amount;
            followAmount(data, option);
            break;
        case CCQuantity::volume:
            data.volumeShown = typed;
            data.volumeLitres = typed / factorOf(kCCVolumeUnits, data.volumeUnit);
            followVolume(data, option);
            break;
        case CCQuantity::concentration:
            data.concentrationShown = typed;
            data.concentrationMolar = typed / factorOf(kCCConcentrationUnits, data.concentrationUnit);
            followConcentration(data, option);
            break;
    }
}

void changeVolumeUnit(CCDataSet& data, std::int32_t unit) {
    data.volumeUnit = unit;
    data.UpdateVolumeShown();
}

void changeConcentrationUnit(CCDataSet& data, std::int32_t unit) {
    data.concentrationUnit = unit;
    data.UpdateConcentrationShown();
}

}  // namespace solvara
