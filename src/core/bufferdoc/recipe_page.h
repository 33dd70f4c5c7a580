#pragma once

#include "core/bufferdoc/recipe_content.h"
#include "core/report/report_items.h"

namespace solvara {

// The one A4 page of a buffer recipe (2100 x 2970 report units): the buffer's parameters, what to
// mix, the hints and warnings, the pH versus temperature plot, the capacity versus pH plot and
// the expected pH changes. A buffer that could not be prepared gets the header and a line saying
// so.
Report recipePage(const RecipeContent& content);

}  // namespace solvara
