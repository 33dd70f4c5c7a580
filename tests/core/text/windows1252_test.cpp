#include "core/text/windows1252.h"

#include <gtest/gtest.h>

namespace solvara {
namespace {

TEST(Windows1252, DegreeSignMiddleDotAndEuroRoundTripThroughUtf8) {
    const std::string cp1252 =
        "25\xB0"
        "C \xB7 5\x80";
    const std::string utf8 = windows1252ToUtf8(cp1252);
    EXPECT_EQ(utf8,
              "25\xC2\xB0"
              "C \xC2\xB7 5\xE2\x82\xAC");
    EXPECT_EQ(utf8ToWindows1252(utf8), cp1252);
}

TEST(Windows1252, CodePointsOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToWindows1252("\xE2\x86\x92x"), "?x");  // U+2192 arrow
    EXPECT_EQ(unicodeToWindows1252(U'\u2192'), std::nullopt);
    EXPECT_EQ(unicodeToWindows1252(U'\u2014'), 0x97);
}

TEST(Windows1252, TextThatIsNotUtf8IsTakenAsWindows1252) {
    EXPECT_EQ(utf8ToWindows1252("\xB0"
                                "C"),
              "\xB0"
              "C");
    EXPECT_EQ(utf8ToWindows1252("\xC2"), "\xC2");          // truncated sequence
    EXPECT_EQ(utf8ToWindows1252("\xC0\xAF"), "\xC0\xAF");  // overlong form
}

TEST(Windows1252, RepairKeepsUtf8AndReadsStrayBytesAsWindows1252) {
    EXPECT_EQ(repairUtf8("25 \xC2\xB0"), "25 \xC2\xB0");
    EXPECT_EQ(repairUtf8("\xFF.dat"), "\xC3\xBF.dat");
    // A stray byte among valid sequences leaves the valid ones alone.
    EXPECT_EQ(repairUtf8("\xC2\xB0\x80\xC2"), "\xC2\xB0\xE2\x82\xAC\xC3\x82");
    EXPECT_EQ(repairUtf8("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC");  // a surrogate
}

}  // namespace
}  // namespace solvara
