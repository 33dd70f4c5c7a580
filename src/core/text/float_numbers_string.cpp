#include "core/text/float_numbers_string.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "core/text/blanks.h"

namespace solvara {
namespace {

constexpr int kMaxDigits = 17;  // a double holds no more significant digits

int clampDigits(int digits) { return std::clamp(digits, 1, kMaxDigits); }

// std::to_chars formats as printf does in the "C" locale, whatever locale
// the program runs in: '.' as the decimal point, and for %e and %g an
// exponent of at least two digits.
std::string toChars(double value, std::chars_format format, int precision) {
    // Enough for every call below: |value| < 1e9 in fixed notation and at
    // most 17 significant digits otherwise.
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    return std::string(buffer.data(), result.ptr);
}

// "1.2e+03" -> "1200": %g switches to an exponent when rounding carries a
// value just below 1000 past the digit count (999.9 with 3 digits), and
// numbers up to 1000 are shown without one.
std::string expandExponent(const std::string& text, std::size_t exponentAt) {
    int exponent = 0;
    const char* exponentText = text.data() + exponentAt + 1;
    if (*exponentText == '+') ++exponentText;
    std::from_chars(exponentText, text.data() + text.size(), exponent);

    std::string digits = text.substr(0, exponentAt);
    const std::size_t point = digits.find('.');
    int zeros = exponent;
    if (point != std::string::npos) {
        zeros -= static_cast<int>(digits.size() - point - 1);
        digits.erase(point, 1);
    }
    digits.append(static_cast<std::size_t>(std::max(zeros, 0)), '0');
    return digits;
}

void padToDigits(std::string& text, int digits) {
    const int missing = digits - significantDigits(text);
    if (missing <= 0) return;
    if (text.find('.') == std::string::npos) text += '.';
    text.append(static_cast<std::size_t>(missing), '0');
}

// "25.0000" -> "25", "1.200e+04" -> "1.2e+04", "1.000e-03" -> "1e-03".
void stripTrailingZeros(std::string& text) {
    const std::size_t mantissaEnd = std::min(text.find('e'), text.size());
    const std::size_t point = text.find('.');
    if (point == std::string::npos || point > mantissaEnd) return;
    std::size_t keep = text.find_last_not_of('0', mantissaEnd - 1) + 1;
    if (keep == point + 1) keep = point;
    text.erase(keep, mantissaEnd - keep);
}

// Zero and values that are not finite read the same in every format.
std::string_view specialText(double value) {
    if (!std::isfinite(value)) return "???";
    if (value == 0) return "0";
    return {};
}

}  // namespace

int significantDigits(std::string_view text) {
    text = skipBlanks(text);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    // The decimal comma is skipped like the point: "0,05" has one digit.
    const std::size_t first = text.find_first_not_of("0.,");
    if (first == std::string_view::npos) return 0;
    text.remove_prefix(first);
    text = text.substr(0, text.find_first_of("eE"));
    return static_cast<int>(
        std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }));
}

std::string formatFixedDecimals(double value, int decimals) {
    if (!std::isfinite(value)) return "???";
    constexpr double kLongestFixed = 1e9;
    const auto format =
        std::fabs(value) < kLongestFixed ? std::chars_format::fixed : std::chars_format::scientific;
    return toChars(value, format, decimals);
}

CFloatNumbersString::CFloatNumbersString(int displayDigits)
    : displayDigits_(clampDigits(displayDigits)) {}

std::string CFloatNumbersString::formatSignificant(double value, int digits) {
    if (const std::string_view special = specialText(value); !special.empty()) {
        return text_ = special;
    }
    digits = digits == 0 ? displayDigits_ : clampDigits(digits);
    const double magnitude = std::fabs(value);
    if (magnitude < 0.01 || magnitude > 1000) {
        text_ = toChars(value, std::chars_format::scientific, digits - 1);
    } else {
        text_ = toChars(magnitude, std::chars_format::general, digits);
        if (const std::size_t exponentAt = text_.find('e'); exponentAt != std::string::npos) {
            text_ = expandExponent(text_, exponentAt);
        } else {
            padToDigits(text_, digits);
        }
        if (value < 0) text_.insert(0, 1, '-');
    }
    return text_;
}

std::string CFloatNumbersString::formatCompact(double value) {
    if (const std::string_view special = specialText(value); !special.empty()) {
        return text_ = special;
    }
    const double magnitude = std::fabs(value);
    if (magnitude >= 0.01 && magnitude <= 1000) {
        const int decimals = magnitude < 0.1 ? displayDigits_ + 1 : displayDigits_;
        text_ = toChars(value, std::chars_format::fixed, decimals);
    } else {
        text_ = toChars(value, std::chars_format::scientific, displayDigits_ - 1);
    }
    stripTrailingZeros(text_);
    return text_;
}

int CFloatNumbersString::significantDigits() const { return solvara::significantDigits(text_); }

}  // namespace solvara
