#include "core/text/windows1252_case.h"

#include <gtest/gtest.h>

namespace solvara {
namespace {

TEST(Windows1252Case, CapitalsBecomeTheirSmallForms) {
    const std::pair<unsigned char, unsigned char> pairs[] = {
        {'A', 'a'},   {'Z', 'z'},   {0xC0, 0xE0}, {0xC4, 0xE4}, {0xD6, 0xF6}, {0xD8, 0xF8},
        {0xDE, 0xFE}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};
    for (const auto& [capital, small] : pairs) {
        EXPECT_EQ(windows1252LowerCase(capital), small) << int{capital};
        EXPECT_EQ(windows1252LowerCase(small), small) << int{small};
    }
}

TEST(Windows1252Case, OtherBytesAreUnchanged) {
    // multiplication sign, sharp s, "0", "@" and "[" beside the capitals, "^", NUL, euro sign,
    // micro sign
    for (const int byte : {0xD7, 0xDF, 0x30, 0x40, 0x5B, 0x5E, 0x00, 0x80, 0xB5})
        EXPECT_EQ(windows1252LowerCase(static_cast<unsigned char>(byte)), byte) << byte;
}

}  // namespace
}  // namespace solvara
