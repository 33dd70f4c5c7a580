#pragma once

#include <string>

#include "core/bufferdoc/recipe_content.h"

namespace solvara {

class CSolvaraDoc;

// What the recipe of a recalculated buffer document shows: its parameters, amounts and warnings,
// with the pH versus temperature series, the expected pH changes and the capacity curve worked
// out for it now. `date` is the date line.
RecipeContent recipeContentOf(const CSolvaraDoc& document, std::string date);

}  // namespace solvara
