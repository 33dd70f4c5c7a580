#include "core/bufferdoc/buffer_recipe.h"

#include <limits>
#include <optional>
#include <utility>

#include "core/buffer/capacity_curve.h"
#include "core/buffer/prepared_mixture_ph.h"
#include "core/bufferdoc/solvara_doc.h"
#include "core/equilibrium/ionic_strength_limit.h"
#include "core/program/program_model.h"

namespace solvara {
namespace {

constexpr double kNotAvailable = std::numeric_limits<double>::quiet_NaN();

RecipeIngredient ingredientOf(const CSubstance& substance, bool isSolid, double stock,
                              double amount) {
    return {substance.name, substance.formula, isSolid, stock, amount};
}

RecipeIngredient reagentOf(const Reagent* reagent, double amount) {
    if (reagent == nullptr) return {};
    return ingredientOf(*reagent, reagent->isSolid, reagent->concentration, amount);
}

}  // namespace

RecipeContent recipeContentOf(const CSolvaraDoc& document, std::string date) {
    const BufferPreparationInputs& inputs = document.inputs();
    const BufferPreparationResults& results = document.results();
    const StandaloneBuffer& buffer = document.buffer();

    RecipeContent content;
    content.pH = inputs.pH;
    content.temperature = inputs.temperature;
    content.bufferName = buffer.name;
    if (const BLAcid* mainComponent =
            buffer.HasMainComponent() ? buffer.MainComponent() : nullptr) {
        content.mainComponentName = mainComponent->name;
    }
    content.concentrationShown = document.concentrationShown();
    content.concentrationInMillimolar =
        document.concentrationUnit() == ConcentrationUnit::millimolar;
    content.volumeShown = document.volumeShown();
    content.volumeInMillilitres = document.volumeUnit() == VolumeUnit::millilitres;
    content.ionicStrength = inputs.ionicStrength;
    content.forceIonicStrength = inputs.forceIonicStrength;
    content.ionicStrengthTooHigh = document.ionicStrengthTooHigh();
    content.lowForcingWarning = results.lowForcingWarning;
    content.stocksExceedVolume = results.stocksExceedVolume;
    content.firstReagent = reagentOf(buffer.FirstReagent(), results.firstReagentAmount);
    content.secondReagent = reagentOf(buffer.SecondReagent(), results.secondReagentAmount);
    const InertSalt& salt = document.salt();
    content.salt = ingredientOf(salt, salt.isSolid, salt.concentration,
                                results.saltAmount.value_or(kNotAvailable));
    content.preparationTemperature = inputs.preparationTemperature;
    content.pHAtPreparation = results.pHAtPreparation.value_or(kNotAvailable);
    content.capacity = results.capacity.value_or(kNotAvailable);
    content.date = std::move(date);
    if (!results.prepared) return content;

    for (const std::optional<double>& pH : document.pHVersusTemperature()) {
        content.temperatureSeries.push_back(pH.value_or(kNotAvailable));
    }
    const ExpectedPHChanges changes = document.expectedPHChanges();
    const auto at = [&changes](std::size_t i) { return changes[i].value_or(kNotAvailable); };
    content.pHChanges = {at(0), at(1), at(2), at(3), at(4), at(5)};
    if (const std::vector<double>* curve = document.capacityCurve()) {
        content.capacityCurve = *curve;
    }
    return content;
}

}  // namespace solvara
