#include "core/text/message_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

namespace solvara {
namespace {

TEST(MessageFormatTest, FirstPassWithoutArgumentsTurnsDoublePercentIntoOne) {
    EXPECT_EQ(withoutArguments("%%s, C = %%.4lf\r\n"), "%s, C = %.4lf\r\n");
    EXPECT_EQ(withoutArguments("100%%%% sure"), "100%% sure");
    EXPECT_EQ(withoutArguments("trailing %"), "trailing %");
}

TEST(MessageFormatTest, PlaceholdersAreFilledInOrderAsPrintfWouldInTheCLocale) {
    struct Case {
        const char* format;
        std::initializer_list<MessageArgument> arguments;
        const char* expected;
    };
    const Case cases[] = {
        {"%s, C = %.4lf\r\n", {"HCl", 0.1}, "HCl, C = 0.1000\r\n"},
        {"pH = %.2lf", {7.0049}, "pH = 7.00"},
        {"divisor = %.0lf", {2.5}, "divisor = 2"},
        {"%s (%i)", {"Na^+", 1.0}, "Na^+ (1)"},
        {"%d of %i", {-3.0, 12.0}, "-3 of 12"},
        {"%f", {0.5}, "0.500000"},
        {"at temperature %lg \xB0"
         "C.",
         {25.0},
         "at temperature 25 \xB0"
         "C."},
        {"%lg|%g|%.2g", {0.1 + 0.2, 1.5e-7, 1234.0}, "0.3|1.5e-07|1.2e+03"},
        {"100%% %s", {"sure"}, "100% sure"},
        {"missing %s and %i", {"one"}, "missing one and "},
        {"wrong kind %i", {"text"}, "wrong kind "},
        {"%.4lf", {std::nan("")}, "nan"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatMessage(c.format, c.arguments), c.expected) << c.format;
}

TEST(MessageFormatTest, ArgumentTextIsNotReadAsFormat) {
    EXPECT_EQ(formatMessage("%s - spectator", {"%s%i"}), "%s%i - spectator");
}

TEST(MessageFormatTest, HugeNumbersAreWrittenOutWhole) {
    const std::string text = formatMessage("%.4lf", {1e300});
    EXPECT_EQ(text.size(), 301u + 5u);
    EXPECT_EQ(text.substr(0, 2), "10");
}

TEST(MessageFormatTest, DecimalPointWhateverTheCLocale) {
    bool switched = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            switched = true;
            break;
        }
    }
    if (!switched) GTEST_SKIP() << "no locale with a decimal comma is installed";
    EXPECT_EQ(formatMessage("%.2lf", {7.33}), "7.33");
    std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace solvara
