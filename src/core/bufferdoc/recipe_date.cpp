#include "core/bufferdoc/recipe_date.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace solvara {

std::string recipeDate(const std::tm& date) {
    static constexpr std::array<std::string_view, 7> kDays = {
        "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    static constexpr std::array<std::string_view, 12> kMonths = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    if (date.tm_wday < 0 || date.tm_wday > 6 || date.tm_mon < 0 || date.tm_mon > 11 ||
        date.tm_mday < 1 || date.tm_mday > 31) {
        return {};
    }
    std::array<char, 8> day{};
    std::snprintf(day.data(), day.size(), "%02d", date.tm_mday);
    return std::string(kDays[static_cast<std::size_t>(date.tm_wday)]) + ", " +
           std::string(kMonths[static_cast<std::size_t>(date.tm_mon)]) + " " + day.data() + ", " +
           std::to_string(date.tm_year + 1900);
}

std::string recipeDateToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return recipeDate(local);
}

}  // namespace solvara
