#include "core/text/subset_construction.h"

#include <gtest/gtest.h>

#include <string>

#include "core/text/rexi_search.h"

namespace solvara {
namespace {

std::string repeated(std::string_view part, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += part;
    return text;
}

// (a|b)*a followed by n more (a|b): the automaton must remember the last n + 1
// bytes, so it has about 2^(n+1) states.
std::string countingPattern(std::size_t n) { return "(a|b)*a" + repeated("(a|b)", n); }

void expectTooComplex(const std::string& pattern) {
    REXI_Search engine;
    ASSERT_TRUE(engine.SetPattern("kept").succeeded());
    const PatternResult result = engine.SetPattern(pattern);
    EXPECT_EQ(result.code, PatternErrorCode::patternTooComplex);
    EXPECT_EQ(result.message, "pattern too complex");
    EXPECT_EQ(result.position, 0u);
    EXPECT_TRUE(engine.Find("kept").matched);
}

TEST(AutomatonLimits, ExponentialAutomatonIsRefusedOncePastTheStateLimit) {
    REXI_Search engine;
    ASSERT_TRUE(engine.SetPattern(countingPattern(10)).succeeded());
    EXPECT_TRUE(engine.Find("bba" + repeated("b", 10)).matched);
    EXPECT_FALSE(engine.Find("bba" + repeated("b", 9)).matched);

    expectTooComplex(countingPattern(12));
    expectTooComplex(countingPattern(400));
}

TEST(AutomatonLimits, LiteralUpToTheStateLimitCompilesAndLongerIsRefused) {
    const std::string literal(maxAutomatonStates - 2, 'a');  // plus the start and the dead state
    REXI_Search engine;
    ASSERT_TRUE(engine.SetPattern(literal).succeeded());
    EXPECT_TRUE(engine.Find("b" + literal).matched);
    EXPECT_FALSE(engine.Find(literal.substr(1)).matched);

    expectTooComplex(literal + "a");
    expectTooComplex(std::string(100'000, 'x'));
}

TEST(AutomatonLimits, ConstructionWorkIsBoundedWhenStatesStayFew) {
    // Fewer states than the limit allows, but each stands for thousands of
    // nondeterministic states.
    constexpr std::size_t parts = 3000;
    static_assert(parts + 2 < maxAutomatonStates);
    expectTooComplex(repeated(".*a", parts));
}

TEST(AutomatonLimits, DeepNestingNeedsNoDeepStack) {
    constexpr std::size_t depth = 100'000;
    REXI_Search engine;
    ASSERT_TRUE(
        engine.SetPattern(repeated("(", depth) + "A" + repeated(")\\i", depth)).succeeded());
    EXPECT_TRUE(engine.Find("xa").matched);

    const PatternResult unclosed = engine.SetPattern(repeated("(", depth) + "a");
    EXPECT_EQ(unclosed.code, PatternErrorCode::closingParenthesisExpected);
    EXPECT_EQ(unclosed.position, depth + 1);

    ASSERT_TRUE(engine.SetPattern(repeated("(b*", depth) + repeated(")", depth)).succeeded());
    EXPECT_TRUE(engine.Find("abbb").matched);
}

TEST(AutomatonLimits, LongAlternationWithFewStatesCompiles) {
    REXI_Search engine;
    ASSERT_TRUE(engine.SetPattern(repeated("x|", 100'000) + "y").succeeded());
    const PatternMatch match = engine.Find("aay");
    EXPECT_TRUE(match.matched);
    EXPECT_EQ(match.start, 2u);
}

}  // namespace
}  // namespace solvara
