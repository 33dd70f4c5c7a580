#include "core/report/report_numbers.h"

#include <array>
#include <charconv>
#include <cmath>

#include "core/text/float_numbers_string.h"

namespace solvara {
namespace {

constexpr const char* kNotANumber = "???";

}  // namespace

std::string twoDecimals(double value) { return formatTwoDecimals(value); }

std::string threeDecimals(double value) { return formatFixedDecimals(value, 3); }

std::string shortNumber(double value) {
    if (!std::isfinite(value)) return kNotANumber;
    // std::to_chars formats as printf's %g does in the "C" locale.
    constexpr int kPrintfDefaultPrecision = 6;
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, kPrintfDefaultPrecision);
    return std::string(buffer.data(), result.ptr);
}

std::string fourDigits(double value) {
    constexpr int kReportDigits = 4;
    return CFloatNumbersString(kReportDigits).formatSignificant(value, kReportDigits);
}

}  // namespace solvara
