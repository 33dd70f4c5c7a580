#pragma once

#include <string>

namespace solvara {

// Numbers as the printed pages show them, whatever the C locale; a value that is not finite
// reads "???" in each.

// "%.2lf": 7.2 -> "7.20"; with an exponent from 1e9 on, as formatTwoDecimals.
std::string twoDecimals(double value);
// "%.3lf": 13.997 -> "13.997"; with an exponent from 1e9 on.
std::string threeDecimals(double value);
// "%lg": six significant digits without trailing zeros, 25 -> "25", 0.0005 -> "0.0005",
// 1.5e-05 -> "1.5e-05".
std::string shortNumber(double value);
// Four significant digits by the number display rules: 0.1 -> "0.1000".
std::string fourDigits(double value);

}  // namespace solvara
