#pragma once

#include <optional>
#include <string_view>

namespace solvara {

// Reads a typed number leniently: leading and trailing blanks, a decimal
// comma and a dangling exponent ("2.5e", "1e-") are accepted, and a text
// that is empty, "-", "." or "???" reads as 0. Only plain decimal notation
// is a number ("inf", "nan" and hexadecimal are not), and so is nothing a
// double cannot hold. Returns false, leaving `value` alone, for anything
// else. The decimal point is '.' or ',' whatever the C locale.
bool parseNumber(std::string_view text, double& value);

// Reads a number as a command line or a script gives it: plain decimal
// notation ("12", "-0.5", ".5", "1.5e-3") and nothing else. No blanks, no
// decimal comma, no dangling exponent, and none of the texts parseNumber
// takes for 0; none either for what a double cannot hold.
std::optional<double> parseStrictNumber(std::string_view text);

}  // namespace solvara
