#include "core/text/float_numbers_string.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace solvara {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct SignificantCase {
    double value;
    int digits;
    const char* expected;
};

TEST(FormatSignificant, ShowsTheGivenSignificantDigits) {
    const SignificantCase cases[] = {
        {0, 4, "0"},
        {-0.0, 4, "0"},
        {0.01, 4, "0.01000"},
        {0.00999, 4, "9.990e-03"},
        {1000, 4, "1000"},
        {2500.4, 4, "2.500e+03"},
        {-0.5, 4, "-0.5000"},
        {0.5, 4, "0.5000"},
        {25, 4, "25.00"},
        {7, 4, "7.000"},
        {0.1234, 4, "0.1234"},
        {0.12345, 6, "0.123450"},
        {-2500.4, 4, "-2.500e+03"},
        {kInfinity, 4, "???"},
        {-kInfinity, 4, "???"},
        {kNaN, 4, "???"},
        // %g rounds these to an exponent; they are written out in full.
        {999.96, 4, "1000"},
        {999.9, 3, "1000"},
        {-999.9, 3, "-1000"},
        {150, 2, "150"},
        {150, 1, "200"},
        // Exponents have at least two digits, three when needed.
        {1.5e-5, 2, "1.5e-05"},
        {1e-300, 4, "1.000e-300"},
        {-3e120, 3, "-3.00e+120"},
        // Counts are kept within 1 to 17 digits.
        {2.7, -3, "3"},
        {0.1, 40, "0.10000000000000001"},
    };
    for (const SignificantCase& c : cases) {
        SCOPED_TRACE(c.expected);
        CFloatNumbersString text(4);
        EXPECT_EQ(text.formatSignificant(c.value, c.digits), c.expected);
        EXPECT_EQ(text.str(), c.expected);
    }
}

TEST(FormatSignificant, ZeroDigitsMeansTheDisplayDigits) {
    EXPECT_EQ(CFloatNumbersString(4).formatSignificant(0.5, 0), "0.5000");
    EXPECT_EQ(CFloatNumbersString(6).formatSignificant(0.5, 0), "0.500000");
    EXPECT_EQ(CFloatNumbersString(6).formatSignificant(1.5e-5, 0), "1.50000e-05");
}

struct CompactCase {
    double value;
    int displayDigits;
    const char* expected;
};

TEST(FormatCompact, DropsTrailingZeros) {
    const CompactCase cases[] = {
        {0, 4, "0"},
        {25, 4, "25"},
        {0.05, 4, "0.05"},
        {-0.05, 4, "-0.05"},
        {1234.4, 4, "1.234e+03"},
        {12000, 4, "1.2e+04"},
        {0.001, 4, "1e-03"},
        {-0.001, 4, "-1e-03"},
        {0.0123456, 4, "0.01235"},
        {123.456789, 4, "123.4568"},
        {123.456789, 6, "123.456789"},
        {0.0999999, 4, "0.1"},
        {1000, 4, "1000"},
        {12000, 1, "1e+04"},
        {1.5e-5, 6, "1.5e-05"},
        {kInfinity, 4, "???"},
        {kNaN, 4, "???"},
    };
    for (const CompactCase& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(CFloatNumbersString(c.displayDigits).formatCompact(c.value), c.expected);
    }
}

struct DigitsCase {
    const char* text;
    int expected;
};

TEST(FormatTwoDecimals, KeepsTwoDecimalsUntilTheDigitsWouldRunOn) {
    EXPECT_EQ(formatTwoDecimals(7.2), "7.20");
    EXPECT_EQ(formatTwoDecimals(-0.001), "-0.00");
    EXPECT_EQ(formatTwoDecimals(999999999.994), "999999999.99");
    EXPECT_EQ(formatTwoDecimals(1e9), "1.00e+09");
    EXPECT_EQ(formatTwoDecimals(-2.5e300), "-2.50e+300");
    EXPECT_EQ(formatTwoDecimals(std::nan("")), "???");
}

TEST(SignificantDigits, CountsDigitsAfterLeadingZeros) {
    const DigitsCase cases[] = {
        {"", 0},
        {"0", 0},
        {"0.00120", 3},
        {"-12.50", 4},
        {"1e-3", 1},
        {"+7", 1},
        {"1.5E+05", 2},
        {"1000", 4},
        {"0,10", 2},
        {"???", 0},
        {"-", 0},
        {"12abc3", 3},
        // Typed with a decimal comma or leading blanks, the same number has
        // the same digits.
        {"0,05", 1},
        {" 0.05", 1},
        {"\t-0,0120", 3},
    };
    for (const DigitsCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(significantDigits(c.text), c.expected);
    }
}

TEST(SignificantDigits, OfTheFormattedText) {
    CFloatNumbersString text(4);
    text.formatSignificant(0.5, 4);
    EXPECT_EQ(text.significantDigits(), 4);
    text.formatCompact(0.05);
    EXPECT_EQ(text.significantDigits(), 1);
}

}  // namespace
}  // namespace solvara
