#pragma once

#include <string>
#include <string_view>

namespace solvara {

// Converts UTF-16 text to Windows-1252 bytes. A character that has no
// Windows-1252 byte (including a surrogate pair or a lone surrogate) becomes '?'.
std::string windows1252FromUtf16(std::u16string_view text);

}  // namespace solvara
