#pragma once

#include <string>
#include <string_view>

namespace solvara {

// The number of significant digits in a typed or formatted number: leading
// zeros, the decimal point or comma and the exponent do not count, so
// "0.00120" has 3, "-12.50" has 4, "1e-3" has 1 and "0" has 0.
int significantDigits(std::string_view text);

// `decimals` decimals as "%.*lf" writes them in the "C" locale ("12.50"), while the value is
// below 1e9 in size; a larger one, which would spell out every digit, gets an exponent instead
// ("1.25e+12"). A value that is not finite reads "???".
std::string formatFixedDecimals(double value, int decimals);
inline std::string formatTwoDecimals(double value) { return formatFixedDecimals(value, 2); }

// How every floating-point quantity is shown to the user. The text always
// uses '.' and exponents of at least two digits (1.5e-05), whatever the C
// locale, and a value that is not finite reads "???".
class CFloatNumbersString {
  public:
    // displayDigits is the user's "DisplayDigits" setting (4 or 6); it is
    // used where no digit count is given. Counts are kept within 1 to 17,
    // the digits a double can hold.
    explicit CFloatNumbersString(int displayDigits);

    // `digits` significant digits (0: the display digits), exponent
    // notation below 0.01 and above 1000: 0.5 -> "0.5000", 0.00999 ->
    // "9.990e-03", 999.9 with 3 digits -> "1000".
    std::string formatSignificant(double value, int digits);

    // Short text without trailing zeros: 25 -> "25", 12000 -> "1.2e+04".
    std::string formatCompact(double value);

    int significantDigits() const;
    const std::string& str() const noexcept { return text_; }
    int displayDigits() const noexcept { return displayDigits_; }

  private:
    int displayDigits_;
    std::string text_;
};

}  // namespace solvara
