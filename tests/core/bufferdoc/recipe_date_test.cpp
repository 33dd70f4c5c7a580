#include "core/bufferdoc/recipe_date.h"

#include <gtest/gtest.h>

namespace solvara {
namespace {

TEST(RecipeDate, WeekdayMonthTwoDigitDayYear) {
    std::tm date{};
    date.tm_wday = 4;
    date.tm_mon = 11;
    date.tm_mday = 3;
    date.tm_year = 126;
    EXPECT_EQ(recipeDate(date), "Thursday, December 03, 2026");
    date.tm_mon = 12;
    EXPECT_EQ(recipeDate(date), "");
}

}  // namespace
}  // namespace solvara
