#pragma once

#include <ctime>
#include <string>

namespace solvara {

// The date line of a recipe, "%A, %B %d, %Y" in English whatever the locale:
// "Thursday, December 03, 2026". Fields out of range give an empty text.
std::string recipeDate(const std::tm& date);

// The date line for today, in local time.
std::string recipeDateToday();

}  // namespace solvara
