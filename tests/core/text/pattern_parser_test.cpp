#include <gtest/gtest.h>

#include <string>

#include "core/text/rexi_search.h"

namespace solvara {
namespace {

struct ErrorCase {
    std::string pattern;
    PatternErrorCode code;
    std::string message;
    std::size_t position;
};

void PrintTo(const ErrorCase& c, std::ostream* out) { *out << '"' << c.pattern << '"'; }

class PatternErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(PatternErrorTest, ReportsCodeMessageAndPosition) {
    const ErrorCase& c = GetParam();
    REXI_Search engine;
    const PatternResult result = engine.SetPattern(c.pattern);
    EXPECT_FALSE(result.succeeded());
    EXPECT_EQ(result.code, c.code);
    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(result.position, c.position);
    EXPECT_FALSE(engine.Find(c.pattern).matched);
}

constexpr auto elementExpected = PatternErrorCode::elementExpected;
constexpr auto unexpectedSymbol = PatternErrorCode::unexpectedSymbol;
constexpr auto parenthesisExpected = PatternErrorCode::closingParenthesisExpected;
constexpr auto bracketMissing = PatternErrorCode::closingBracketMissing;
constexpr auto nameNotFound = PatternErrorCode::nameNotFound;

INSTANTIATE_TEST_SUITE_P(
    Syntax, PatternErrorTest,
    testing::Values(ErrorCase{"", elementExpected, "[,',( or ident expected", 0},
                    ErrorCase{"   ", elementExpected, "[,',( or ident expected", 3},
                    ErrorCase{"*a", elementExpected, "[,',( or ident expected", 0},
                    ErrorCase{"\\ia", elementExpected, "[,',( or ident expected", 0},
                    ErrorCase{"|a", elementExpected, "[,',( or ident expected", 0},
                    ErrorCase{"a|", elementExpected, "[,',( or ident expected", 2},
                    ErrorCase{"a||b", elementExpected, "[,',( or ident expected", 2},
                    ErrorCase{"()", elementExpected, "[,',( or ident expected", 1},
                    ErrorCase{"(|a)", elementExpected, "[,',( or ident expected", 1},
                    ErrorCase{")a", elementExpected, "[,',( or ident expected", 0},
                    // A second postfix, or a ")" too many, is left over at the outer level.
                    ErrorCase{"a**", unexpectedSymbol, "unexpected symbol", 2},
                    ErrorCase{"a*\\i", unexpectedSymbol, "unexpected symbol", 2},
                    ErrorCase{"[A-Z]\\i +", unexpectedSymbol, "unexpected symbol", 8},
                    ErrorCase{"a)", unexpectedSymbol, "unexpected symbol", 1},
                    ErrorCase{"(a)b)c", unexpectedSymbol, "unexpected symbol", 4},
                    // Inside a group the same is a missing ")".
                    ErrorCase{"(a**)", parenthesisExpected, ") expected", 3},
                    ErrorCase{"(a", parenthesisExpected, ") expected", 2},
                    ErrorCase{"((a)|b ", parenthesisExpected, ") expected", 7},
                    ErrorCase{"[abc", bracketMissing, "closing ] missing", 4},
                    ErrorCase{"[^", bracketMissing, "closing ] missing", 2},
                    ErrorCase{"[a-", bracketMissing, "closing ] missing", 3},
                    ErrorCase{"[a\\]", bracketMissing, "closing ] missing", 4},
                    ErrorCase{"$name", nameNotFound, "name not found in name dictionary", 0},
                    ErrorCase{"a $_b1c+", nameNotFound, "_b1c not found in name dictionary", 2},
                    // The first error found is the one reported.
                    ErrorCase{"a)$x", unexpectedSymbol, "unexpected symbol", 1},
                    ErrorCase{"(a$x", nameNotFound, "x not found in name dictionary", 2}));

}  // namespace
}  // namespace solvara
