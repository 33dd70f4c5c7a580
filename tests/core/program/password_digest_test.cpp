#include "core/program/password_digest.h"

#include <gtest/gtest.h>

namespace solvara {
namespace {

TEST(PasswordDigest, IsLowercaseHexMd5OfTheBytes) {
    // Test vectors of the MD5 definition.
    EXPECT_EQ(passwordDigest("a"), "0cc175b9c0f1b6a831c399e269772661");
    EXPECT_EQ(passwordDigest("message digest"), "f96b697d7cb7938d525a2f31aaf161d0");
    // A Windows-1252 byte is digested as that one byte, not as UTF-8.
    EXPECT_EQ(passwordDigest("\xE9"), "3406877694691ddd1dfb0aca54681407");
}

TEST(PasswordDigest, EmptyPasswordMeansNoPassword) { EXPECT_EQ(passwordDigest(""), ""); }

}  // namespace
}  // namespace solvara
