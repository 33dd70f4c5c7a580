#pragma once

#include <optional>
#include <string>
#include <vector>

namespace solvara {

// One line of what to mix: a reagent or the inert salt.
struct RecipeIngredient {
    std::string name;
    std::string formula;
    bool isSolid = false;
    double stockConcentration = 0.0;  // mol/L; not shown for a solid
    double amount = 0.0;              // g of a solid, mL of a stock solution
};

// pH after adding strong monoprotic acid or base at 10, 5 and 1 mmol/L; not a number where it
// cannot be computed.
struct RecipePhChanges {
    double acid10 = 0.0;
    double acid5 = 0.0;
    double acid1 = 0.0;
    double base1 = 0.0;
    double base5 = 0.0;
    double base10 = 0.0;
};

// Everything the recipe page shows, taken from a buffer document after its recalculation.
struct RecipeContent {
    double pH = 7.0;            // wanted
    double temperature = 25.0;  // working, degC
    std::string bufferName;
    std::optional<std::string> mainComponentName;  // none without a main component
    double concentrationShown = 0.0;
    bool concentrationInMillimolar = false;
    double volumeShown = 1.0;
    bool volumeInMillilitres = false;
    double ionicStrength = 0.0;
    bool forceIonicStrength = false;
    bool ionicStrengthTooHigh = false;
    bool lowForcingWarning = false;
    // The stock solutions add up to more than the final volume: the reagent amounts are not
    // shown, and the page says why.
    bool stocksExceedVolume = false;
    RecipeIngredient firstReagent;
    RecipeIngredient secondReagent;
    RecipeIngredient salt;
    double preparationTemperature = 25.0;
    double pHAtPreparation = 0.0;  // not a number when it cannot be computed
    // pH at 0, 1, ..., 100 degC; not a number where it cannot be computed.
    std::vector<double> temperatureSeries;
    // Capacity at pH 0.05 * i, or empty when there is no curve.
    std::vector<double> capacityCurve;
    double capacity = 0.0;  // not a number when it cannot be computed
    RecipePhChanges pHChanges;
    std::string date;  // "Thursday, December 10, 2026"
};

}  // namespace solvara
