#pragma once

#include <CLI/CLI.hpp>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace solvara {

// The values a numeric option accepts.
struct NumberRange {
    double low = 0.0;
    double high = std::numeric_limits<double>::infinity();
    bool lowIncluded = true;

    bool contains(double value) const;
    // "from 0 to 100", "of 0 or more", "above 0"
    std::string text() const;
};

inline constexpr NumberRange kNotNegative{};
inline constexpr NumberRange kAboveZero{0.0, std::numeric_limits<double>::infinity(), false};
inline constexpr NumberRange kTemperatures{0.0, 100.0};  // degC, as the desktop forms take them
inline constexpr NumberRange kPhValues{0.0, 14.0};

// The number in `text` when it is written in plain decimal notation and lies in `range`;
// otherwise none, and `problem` says why ("\"-1\" is not a number of 0 or more").
std::optional<double> readNumber(std::string_view text, const NumberRange& range,
                                 std::string& problem);

// For an option that takes one such number; CLI11 puts the option's name before the problem.
CLI::Validator numberIn(const NumberRange& range);

// For an option that names something (a file, a salt): an empty text is refused rather than
// taken for "none"; `what` is "a file name" and the like.
CLI::Validator nonEmpty(const std::string& what);

}  // namespace solvara
