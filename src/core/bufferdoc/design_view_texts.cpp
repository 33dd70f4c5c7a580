#include "core/bufferdoc/design_view_texts.h"

#include <cmath>

#include "core/bufferdoc/solvara_doc.h"
#include "core/chemistry/reagent.h"
#include "core/equilibrium/ph_calculation_error.h"
#include "core/text/float_numbers_string.h"
#include "core/text/message_format.h"

namespace solvara {

std::string amountText(double amount) {
    if (!std::isfinite(amount) || !(amount > 0.0)) return {};
    if (amount >= 1.0) return formatTwoDecimals(amount);
    constexpr int kDigits = 4;
    return CFloatNumbersString(kDigits).formatSignificant(amount, kDigits);
}

std::string saltAmountText(const std::optional<double>& amount, bool forceIonicStrength) {
    if (!forceIonicStrength) return {};
    if (!amount || !std::isfinite(*amount)) return "???";
    return amountText(*amount);
}

std::string preparationPhText(const std::optional<double>& pHAtPreparation) {
    if (!pHAtPreparation || !std::isfinite(*pHAtPreparation))
        return "deg C pH can't be calculated.";
    return formatMessage("deg C pH of this solution is %.2lf", {*pHAtPreparation});
}

std::string preparationFailureText(const CSolvaraDoc& document) {
    switch (document.preparationFailure()) {
        case PreparationFailure::noConcentration:
            return "the concentration is 0";
        case PreparationFailure::notPrepared:
            return "Buffer not properly defined or can be not prepared using selected reagents.";
        case PreparationFailure::stocksExceedVolume:
            return "the stock solutions add up to more than the final volume of " +
                   CFloatNumbersString(4).formatCompact(document.volumeShown()) +
                   (document.volumeUnit() == VolumeUnit::millilitres ? " mL" : " L") +
                   ": this buffer cannot be made from them";
        case PreparationFailure::none:
            break;
    }
    return {};
}

std::string reagentCaption(Reagent& reagent, int ordinal) {
    const std::string caption = ordinal == 1 ? "1st reagent" : "2nd reagent";
    if (reagent.isSolid) return caption;
    constexpr double kStockTemperature = 25.0;
    try {
        const double pH = reagent.calculatePH(kStockTemperature, 0.0);
        if (std::isfinite(pH)) return caption + formatMessage(" (pH=%.2lf)", {pH});
    } catch (const pHCalculationError&) {
    }
    return caption + " (error in pH calculation!)";
}

}  // namespace solvara
