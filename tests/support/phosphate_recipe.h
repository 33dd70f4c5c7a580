#pragma once

#include "core/bufferdoc/recipe_content.h"

namespace solvara::testing {

// A phosphate buffer that prepares: 1 L at pH 7.2, two stocks, no forcing.
inline RecipeContent phosphateRecipe() {
    RecipeContent content;
    content.pH = 7.2;
    content.temperature = 25.0;
    content.bufferName = "sodium dihydrogenphosphate/disodium hydrogenphosphate";
    content.mainComponentName = "phosphoric acid";
    content.concentrationShown = 25.0;
    content.concentrationInMillimolar = true;
    content.volumeShown = 1.0;
    content.ionicStrength = 0.05432;
    content.firstReagent = {"sodium dihydrogenphosphate", "NaH_2PO_4", false, 0.5, 25.12};
    content.secondReagent = {"disodium hydrogenphosphate", "Na_2HPO_4", false, 0.5, 24.88};
    content.salt = {"sodium chloride", "Na^+,Cl^-", false, 1.0, 0.0};
    content.preparationTemperature = 20.0;
    content.pHAtPreparation = 7.214;
    content.temperatureSeries.assign(101, 7.2);
    content.capacity = 0.0123;
    content.pHChanges = {6.91, 7.05, 7.17, 7.23, 7.34, 7.48};
    content.date = "Thursday, December 10, 2026";
    return content;
}

}  // namespace solvara::testing
