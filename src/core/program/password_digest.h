#pragma once

#include <string>
#include <string_view>

namespace solvara {

// The digest stored in the database file for a password: MD5 of its
// Windows-1252 bytes as 32 lowercase hexadecimal digits. An empty password is
// never digested — an empty digest means "no password" — so this returns an
// empty text for it.
std::string passwordDigest(std::string_view password);

}  // namespace solvara
