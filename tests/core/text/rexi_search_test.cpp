#include "core/text/rexi_search.h"

#include <gtest/gtest.h>

#include <string>

namespace solvara {
namespace {

struct FindCase {
    std::string pattern;
    std::string text;
    bool matched;
    std::size_t start;
    std::size_t length;
};

void PrintTo(const FindCase& c, std::ostream* out) {
    *out << '"' << c.pattern << "\" in \"" << c.text << '"';
}

class FindTest : public testing::TestWithParam<FindCase> {};

TEST_P(FindTest, FindsTheLeftmostLongestNonEmptyMatch) {
    const FindCase& c = GetParam();
    REXI_Search engine;
    const PatternResult result = engine.SetPattern(c.pattern);
    ASSERT_TRUE(result.succeeded()) << result.message << " at " << result.position;
    EXPECT_EQ(result.message, "");
    const PatternMatch match = engine.Find(c.text);
    EXPECT_EQ(match.matched, c.matched);
    if (c.matched) {
        EXPECT_EQ(match.start, c.start);
        EXPECT_EQ(match.length, c.length);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Search, FindTest,
    testing::Values(
        FindCase{"acid", "acetic acid", true, 7, 4}, FindCase{"acid", "EDTA", false, 0, 0},
        FindCase{"acid", "", false, 0, 0},
        // Longest at the leftmost start, whichever branch comes first.
        FindCase{"a|ab", "xab", true, 1, 2}, FindCase{"ab|a", "xab", true, 1, 2},
        // The leftmost start wins over a longer match further right.
        FindCase{"a|bcd", "abcd", true, 0, 1},
        // A longer match for the same start can come after a shorter one.
        FindCase{"a(bc)*", "abcbcx", true, 0, 5},
        // An earlier start that fails does not hide a later one that matches.
        FindCase{"xaa|ab", "xab", true, 1, 2}, FindCase{"(xa|a)a*b", "xaaab", true, 0, 5},
        // Empty matches do not count.
        FindCase{"a*", "bab", true, 1, 1}, FindCase{"a*", "bbb", false, 0, 0},
        FindCase{"a?", "", false, 0, 0}, FindCase{"b+", "abbbc", true, 1, 3},
        FindCase{"(ab)+", "xababa", true, 1, 4}, FindCase{"colou?r", "color", true, 0, 5},
        FindCase{"colou?r", "colour", true, 0, 6},
        // Precedence: postfix, then concatenation, then "|".
        FindCase{"ab|cd", "acd", true, 1, 2}, FindCase{"ab*", "abbb", true, 0, 4},
        FindCase{"(a|b)c", "bc", true, 0, 2},
        // White space between tokens is ignored; an escaped or bracketed blank is meant.
        FindCase{"acetic acid", "acetic acid", false, 0, 0},
        FindCase{"acetic acid", "aceticacid", true, 0, 10},
        FindCase{"acetic\\ acid", "acetic acid", true, 0, 11},
        FindCase{"acetic[ ]acid", "acetic acid", true, 0, 11},
        FindCase{" a\tb\n\r\v\fc ", "abc", true, 0, 3}, FindCase{"a *", "xaa", true, 1, 2},
        // Sets.
        FindCase{"[Ss]odium", "sodium hydroxide", true, 0, 6},
        FindCase{"[a-c]+", "xabcd", true, 1, 3}, FindCase{"[^a]", "aab", true, 2, 1},
        FindCase{"[z-a]", "m", false, 0, 0}, FindCase{"[]", "[]", false, 0, 0},
        FindCase{"[^]", "\xFF", true, 0, 1}, FindCase{"[a-]+", "x-a", true, 1, 2},
        FindCase{"[-a]+", "x-a", true, 1, 2}, FindCase{"[a-c-e]+", "b-e", true, 0, 3},
        FindCase{"[\\]]", "a]", true, 1, 1}, FindCase{"[\\x41-\\x43]+", "ABCD", true, 0, 3},
        FindCase{"[\\i]", "\\i", true, 1, 1}, FindCase{"[a^]+", "^a", true, 0, 2},
        // Case postfix: capitals gain their small forms, not the other way round.
        FindCase{"(Sodium)\\i", "sodium hydroxide", true, 0, 6},
        FindCase{"(Sodium)\\i", "SODIUM", false, 0, 0},
        FindCase{"(sodium)\\i", "Sodium", false, 0, 0}, FindCase{"([A-Z]\\i)+", "1aBc", true, 1, 3},
        FindCase{"(A)\\iB", "ab", false, 0, 0}, FindCase{"(A)\\iB", "aB", true, 0, 2},
        FindCase{"A(B)\\i", "ab", false, 0, 0}, FindCase{"(\xC4pfel)\\i", "\xE4pfel", true, 0, 5},
        FindCase{"(\xE4pfel)\\i", "\xC4pfel", false, 0, 0},
        // Escapes.
        FindCase{"\\x41", "A", true, 0, 1}, FindCase{"\\x4A", "J", true, 0, 1},
        FindCase{"\\x4a", "J", true, 0, 1}, FindCase{"\\x4", "x4", true, 0, 2},
        FindCase{"\\xZ1", "xZ1", true, 0, 3},
        FindCase{"\\a\\b\\t\\n\\v\\r", "_\a\b\t\n\v\r", true, 1, 6},
        FindCase{"\\.", "a.b", true, 1, 1}, FindCase{"\\[\\(\\\\", "[(\\", true, 0, 3},
        FindCase{"\\0", std::string("a\0b", 3), true, 1, 1}, FindCase{"a\\", "xa\\", true, 1, 2},
        // No anchors; formula markup is ordinary text.
        FindCase{"^{2-}", "2Na^+,HPO_4^{2-}", true, 11, 5},
        FindCase{"PO_4", "NaH_2PO_4", true, 5, 4}, FindCase{"^a", "b^a", true, 1, 2},
        FindCase{"$", "US$", true, 2, 1}, FindCase{"$1", "$1", true, 0, 2},
        FindCase{"$ x", "$x", true, 0, 2},
        // Any byte, Windows-1252 letters and bytes 0x80 and up included.
        FindCase{".", "\x80", true, 0, 1}, FindCase{".+", std::string("a\0\xFF", 3), true, 0, 3},
        FindCase{"\xFF+",
                 "a\xFF\xFF"
                 "b",
                 true, 1, 2},
        FindCase{"[\x80-\xFF]+", "ab\xE9\xB0", true, 2, 2}));

TEST(REXI_Search, EveryByteValueMatchesItselfWrittenAsAHexEscape) {
    for (unsigned byte = 0; byte < 256; ++byte) {
        static constexpr char hex[] = "0123456789ABCDEF";
        const std::string escape = std::string("\\x") + hex[byte / 16] + hex[byte % 16];
        const std::string text(1, static_cast<char>(byte));
        for (const std::string& pattern : {escape, "[" + escape + "]"}) {
            REXI_Search engine;
            ASSERT_TRUE(engine.SetPattern(pattern).succeeded()) << pattern;
            EXPECT_TRUE(engine.Find(text).matched) << pattern;
            EXPECT_FALSE(engine.Find(text == "a" ? "b" : "a").matched) << pattern;
        }
    }
}

TEST(REXI_Search, ANewEngineMatchesNothing) {
    const REXI_Search engine;
    EXPECT_FALSE(engine.Find("anything").matched);
    EXPECT_FALSE(engine.Find("").matched);
}

TEST(REXI_Search, AFailedPatternKeepsThePreviousAutomaton) {
    REXI_Search engine;
    ASSERT_TRUE(engine.SetPattern("acid").succeeded());
    EXPECT_FALSE(engine.SetPattern("[abc").succeeded());
    EXPECT_TRUE(engine.Find("citric acid").matched);
    EXPECT_FALSE(engine.Find("[abc").matched);

    ASSERT_TRUE(engine.SetPattern("EDTA").succeeded());
    EXPECT_FALSE(engine.Find("citric acid").matched);
    EXPECT_TRUE(engine.Find("Na_2EDTA").matched);
}

TEST(REXI_Search, LongTextWithLongPartialMatchesTakesOnePass) {
    // Tried from every start separately this is quadratic in the text.
    REXI_Search engine;
    ASSERT_TRUE(engine.SetPattern("a*b").succeeded());
    const std::string text(1'000'000, 'a');
    EXPECT_FALSE(engine.Find(text).matched);
    const PatternMatch match = engine.Find(text + "b");
    EXPECT_TRUE(match.matched);
    EXPECT_EQ(match.start, 0u);
    EXPECT_EQ(match.length, text.size() + 1);
}

}  // namespace
}  // namespace solvara
