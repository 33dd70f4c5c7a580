#include "core/database/utf16_to_windows1252.h"

#include <algorithm>
#include <array>

namespace solvara {

namespace {

// The characters of bytes 0x80 to 0x9F. The five bytes Windows-1252 leaves
// undefined map to the C1 control of the same value, as Windows converts them,
// so text that went through UTF-16 comes back unchanged.
constexpr std::array<char16_t, 32> kHighBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

char windows1252Byte(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
    const auto found = std::find(kHighBlock.begin(), kHighBlock.end(), unit);
    if (found == kHighBlock.end()) return '?';
    return static_cast<char>(0x80 + (found - kHighBlock.begin()));
}

}  // namespace

std::string windows1252FromUtf16(std::u16string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (isHighSurrogate(unit) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) ++i;
        result.push_back(windows1252Byte(unit));
    }
    return result;
}

}  // namespace solvara
