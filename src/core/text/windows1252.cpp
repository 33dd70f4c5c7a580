#include "core/text/windows1252.h"

#include <array>
#include <cstdint>

namespace solvara {
namespace {

// Bytes 0x80 to 0x9F are the only ones that differ from Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t codePoint) {
    auto put = [&out](std::uint32_t byte) { out.push_back(static_cast<char>(byte)); };
    const auto cp = static_cast<std::uint32_t>(codePoint);
    if (cp < 0x80) {
        put(cp);
    } else if (cp < 0x800) {
        put(0xC0 | (cp >> 6));
        put(0x80 | (cp & 0x3F));
    } else {
        put(0xE0 | (cp >> 12));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    }
}

// Decodes the UTF-8 sequence at text[pos]; returns its length, 0 if invalid.
std::size_t decodeUtf8(std::string_view text, std::size_t pos, char32_t& codePoint) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    std::uint32_t value = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07u;
    } else {
        return 0;
    }
    if (pos + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) return 0;
        value = (value << 6) | (next & 0x3Fu);
    }
    static constexpr std::array<std::uint32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
    if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return 0;
    }
    codePoint = static_cast<char32_t>(value);
    return length;
}

bool isValidUtf8(std::string_view text) {
    char32_t ignored = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = decodeUtf8(text, pos, ignored);
        if (length == 0) return false;
        pos += length;
    }
    return true;
}

}  // namespace

char32_t windows1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80u];
    return byte;
}

std::optional<unsigned char> unicodeToWindows1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<unsigned char>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::string windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) appendUtf8(out, windows1252ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string repairUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    char32_t codePoint = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = decodeUtf8(text, pos, codePoint);
        if (length == 0) {
            appendUtf8(out, windows1252ToUnicode(static_cast<unsigned char>(text[pos])));
            ++pos;
        } else {
            out.append(text.substr(pos, length));
            pos += length;
        }
    }
    return out;
}

std::string utf16ToWindows1252(std::u16string_view text) {
    const auto isHighSurrogate = [](char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; };
    const auto isLowSurrogate = [](char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; };
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (isHighSurrogate(unit) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) ++i;
        const auto byte = unicodeToWindows1252(unit);
        out.push_back(byte ? static_cast<char>(*byte) : '?');
    }
    return out;
}

std::string utf8ToWindows1252(std::string_view text) {
    if (!isValidUtf8(text)) return std::string(text);
    std::string out;
    out.reserve(text.size());
    char32_t codePoint = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        pos += decodeUtf8(text, pos, codePoint);
        const auto byte = unicodeToWindows1252(codePoint);
        out.push_back(byte ? static_cast<char>(*byte) : '?');
    }
    return out;
}

}  // namespace solvara
