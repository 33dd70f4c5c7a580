#pragma once

namespace solvara {

// The Windows-1252 middle dot, which separates parts of a formula like "," and "&".
constexpr char kMiddleDot = '\xB7';

// Character tests of the formula notation. Unlike <cctype> they take any byte, including the
// negative chars of Windows-1252 text.
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool isSeparator(char c) { return c == ',' || c == '&' || c == kMiddleDot; }

}  // namespace solvara
