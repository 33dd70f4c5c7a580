#include "core/text/parse_number.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "core/text/blanks.h"

namespace solvara {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t countDigits(std::string_view text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && isDigit(text[end])) ++end;
    return end - from;
}

// Length of the decimal number at the start of `text` (sign, digits with
// an optional point, optional exponent), 0 when there is none. An "e" not
// followed by exponent digits is not part of the number, as with strtod.
std::size_t decimalNumberLength(std::string_view text) {
    std::size_t length = 0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) ++length;
    std::size_t mantissaDigits = countDigits(text, length);
    length += mantissaDigits;
    if (length < text.size() && text[length] == '.') {
        const std::size_t fraction = countDigits(text, length + 1);
        mantissaDigits += fraction;
        length += 1 + fraction;
    }
    if (mantissaDigits == 0) return 0;
    if (length < text.size() && (text[length] == 'e' || text[length] == 'E')) {
        std::size_t exponentStart = length + 1;
        if (exponentStart < text.size() &&
            (text[exponentStart] == '+' || text[exponentStart] == '-')) {
            ++exponentStart;
        }
        if (const std::size_t exponentDigits = countDigits(text, exponentStart);
            exponentDigits > 0) {
            length = exponentStart + exponentDigits;
        }
    }
    return length;
}

// The value of a plain decimal number; none when a double cannot hold it.
std::optional<double> decimalValue(std::string_view number) {
    // from_chars takes no leading '+', and reports a value beyond the range
    // of a double as an error rather than as infinity or zero.
    const char* first = number.data() + (number[0] == '+' ? 1 : 0);
    const char* last = number.data() + number.size();
    double parsed = 0;
    const auto result = std::from_chars(first, last, parsed);
    if (result.ec != std::errc{} || result.ptr != last) return std::nullopt;
    return parsed;
}

}  // namespace

bool parseNumber(std::string_view text, double& value) {
    text = skipBlanks(text);
    if (text.empty() || text == "-" || text == "." || text == "???") {
        value = 0;
        return true;
    }

    // A working copy, so the caller's text stays as typed.
    std::string number(text);
    std::replace(number.begin(), number.end(), ',', '.');
    if (const char last = number.back(); last == '+' || last == '-' || last == 'e' || last == 'E') {
        number += '0';  // a dangling sign or exponent: "2.5e" reads 2.5, "1e-" reads 1
    }

    const std::size_t length = decimalNumberLength(number);
    if (length == 0 || !skipBlanks(std::string_view(number).substr(length)).empty()) return false;

    const std::optional<double> parsed = decimalValue(std::string_view(number).substr(0, length));
    if (!parsed) return false;
    value = *parsed;
    return true;
}

std::optional<double> parseStrictNumber(std::string_view text) {
    if (text.empty() || decimalNumberLength(text) != text.size()) return std::nullopt;
    return decimalValue(text);
}

}  // namespace solvara
