#include "cli/option_values.h"

#include "core/text/float_numbers_string.h"
#include "core/text/parse_number.h"

namespace solvara {
namespace {

std::string compact(double value) { return CFloatNumbersString(4).formatCompact(value); }

}  // namespace

bool NumberRange::contains(double value) const {
    return (lowIncluded ? value >= low : value > low) && value <= high;
}

std::string NumberRange::text() const {
    if (high != std::numeric_limits<double>::infinity()) {
        return "from " + compact(low) + " to " + compact(high);
    }
    return lowIncluded ? "of " + compact(low) + " or more" : "above " + compact(low);
}

std::optional<double> readNumber(std::string_view text, const NumberRange& range,
                                 std::string& problem) {
    const std::optional<double> value = parseStrictNumber(text);
    if (value && range.contains(*value)) return value;
    problem = "\"" + std::string(text) + "\" is not a number " + range.text();
    return std::nullopt;
}

CLI::Validator numberIn(const NumberRange& range) {
    return CLI::Validator(
        [range](const std::string& text) {
            std::string problem;
            readNumber(text, range, problem);
            return problem;
        },
        range.text());
}

CLI::Validator nonEmpty(const std::string& what) {
    return CLI::Validator(
        [what](const std::string& text) { return text.empty() ? "needs " + what : std::string(); },
        "");
}

}  // namespace solvara
