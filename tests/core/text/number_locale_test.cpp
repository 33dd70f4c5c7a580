#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "core/text/float_numbers_string.h"
#include "core/text/parse_number.h"

namespace solvara {
namespace {

// Switches the C locale to one whose decimal separator is a comma, for one
// test, and back to "C" afterwards.
class DecimalCommaLocale : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name :
             {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8", "fr_FR"}) {
            if (std::setlocale(LC_ALL, name) != nullptr) {
                if (std::string(std::localeconv()->decimal_point) == ",") return;
            }
        }
        std::setlocale(LC_ALL, "C");
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(DecimalCommaLocale, NumbersAreShownWithAPoint) {
    CFloatNumbersString text(4);
    EXPECT_EQ(text.formatSignificant(0.5, 4), "0.5000");
    EXPECT_EQ(text.formatSignificant(0.00999, 4), "9.990e-03");
    EXPECT_EQ(text.formatSignificant(999.9, 3), "1000");
    EXPECT_EQ(text.formatCompact(0.05), "0.05");
    EXPECT_EQ(text.formatCompact(12000), "1.2e+04");
    EXPECT_EQ(significantDigits("0.00120"), 3);
}

TEST_F(DecimalCommaLocale, TypedPointAndCommaBothRead) {
    double value = 0;
    EXPECT_TRUE(parseNumber("2.5", value));
    EXPECT_EQ(value, 2.5);
    EXPECT_TRUE(parseNumber("0,10", value));
    EXPECT_EQ(value, 0.1);
    EXPECT_TRUE(parseNumber("1.5e-05", value));
    EXPECT_EQ(value, 1.5e-5);
}

}  // namespace
}  // namespace solvara
