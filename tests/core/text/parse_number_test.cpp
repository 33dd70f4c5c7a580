#include "core/text/parse_number.h"

#include <gtest/gtest.h>

#include <string>

#include "core/text/float_numbers_string.h"

namespace solvara {
namespace {

struct AcceptedCase {
    const char* text;
    double expected;
};

TEST(ParseNumber, ReadsTypedNumbersLeniently) {
    const AcceptedCase cases[] = {
        {"", 0},         {"   ", 0},         {"\t", 0},     {"-", 0},
        {".", 0},        {"???", 0},         {"  ???", 0},  {"0", 0},
        {"0,10", 0.1},   {"2.5e", 2.5},      {"2.5E", 2.5}, {"1e-", 1},
        {"1e+", 1},      {"+", 0},           {"12", 12},    {"-12.5", -12.5},
        {"+3", 3},       {".5", 0.5},        {"5.", 5},     {"1.5e-05", 1.5e-5},
        {"1,5E3", 1500}, {"  7 \t", 7},      {"0 ", 0},     {"-0 ", 0},
        {".0 ", 0},      {"1e-310", 1e-310},
    };
    for (const AcceptedCase& c : cases) {
        SCOPED_TRACE(c.text);
        double value = -99;
        EXPECT_TRUE(parseNumber(c.text, value));
        EXPECT_EQ(value, c.expected);
    }
}

TEST(ParseNumber, RefusesWhatIsNotANumber) {
    const char* const cases[] = {
        "abc", "12abc", "0x",    "0x10", "1 2",  "5-",  "1,000,5", "--5",    "+-5",    "-.",
        "- ",  "e5",    "2.5e ", "inf",  "-inf", "nan", "1e400",   "-1e400", "1e-400", "???x",
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        double value = -99;
        EXPECT_FALSE(parseNumber(text, value));
        EXPECT_EQ(value, -99) << "a refused text leaves the value alone";
    }
}

TEST(ParseNumber, ReadsOnlyTheGivenCharacters) {
    const std::string typed = "12.5abc";
    double value = 0;
    EXPECT_TRUE(parseNumber(std::string_view(typed).substr(0, 4), value));
    EXPECT_EQ(value, 12.5);
}

// What a number field does when it loses the focus: the text is rewritten
// with as many significant digits as were typed.
TEST(ParseNumber, TypedDigitsSurviveReformatting) {
    struct Case {
        const char* typed;
        double value;
        const char* shown;
    };
    const Case cases[] = {
        {"0,10", 0.1, "0.10"},        {"25", 25, "25"},
        {"2.50e3", 2500, "2.50e+03"}, {"0,0500", 0.05, "0.0500"},
        {" 1000.0", 1000, "1000.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        double value = 0;
        ASSERT_TRUE(parseNumber(c.typed, value));
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(CFloatNumbersString(4).formatSignificant(value, significantDigits(c.typed)),
                  c.shown);
    }
}

TEST(ParseNumber, ReadsBackEveryDigitOfTheDisplay) {
    const double values[] = {0.1, 1.0 / 3, -2.0 / 3e-7, 999.9999999999999, 6.02214076e23, 1e-300};
    for (const double value : values) {
        SCOPED_TRACE(value);
        double readBack = 0;
        ASSERT_TRUE(parseNumber(CFloatNumbersString(4).formatSignificant(value, 17), readBack));
        EXPECT_EQ(readBack, value);
    }
}

TEST(ParseStrictNumber, ReadsPlainDecimalNotation) {
    const AcceptedCase cases[] = {
        {"0", 0},    {"12", 12}, {"-12.5", -12.5},    {"+3", 3},
        {".5", 0.5}, {"5.", 5},  {"1.5e-05", 1.5e-5}, {"2E3", 2000},
    };
    for (const AcceptedCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseStrictNumber(c.text), c.expected);
    }
}

TEST(ParseStrictNumber, RefusesWhatTheLenientReaderForgives) {
    const char* const cases[] = {
        "",    " ",    "-",     ".",   "???", "+",    " 7",    "7 ",   "0,5", "2.5e",
        "1e-", "0x10", "0X1p3", "inf", "nan", "-inf", "1e400", "25mM", "1 2", "--5",
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(parseStrictNumber(text), std::nullopt);
    }
}

}  // namespace
}  // namespace solvara
