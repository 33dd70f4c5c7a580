#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace solvara {

// Texts are kept as the single-byte Windows-1252 characters that files store;
// these conversions are for the edges of the program (terminal, JSON, widgets,
// wide strings in files written by other programs).

// The Unicode code point of one Windows-1252 byte. The five bytes the code
// page leaves undefined map to the C1 control of the same value.
char32_t windows1252ToUnicode(unsigned char byte);

// The Windows-1252 byte for a code point, if the code page has one.
std::optional<unsigned char> unicodeToWindows1252(char32_t codePoint);

std::string windows1252ToUtf8(std::string_view text);

// A surrogate pair or a lone surrogate becomes one '?'.
std::string utf16ToWindows1252(std::u16string_view text);

// Text from outside that should be UTF-8 but need not be (a file name, an
// argument): valid UTF-8 sequences are kept, and every other byte is read as
// the Windows-1252 character it stands for, so the result is always UTF-8.
std::string repairUtf8(std::string_view text);

// Text that is not valid UTF-8 is taken as Windows-1252 already; a code point
// the code page cannot show becomes '?'.
std::string utf8ToWindows1252(std::string_view text);

}  // namespace solvara
