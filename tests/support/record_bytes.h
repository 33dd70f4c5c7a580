#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

namespace solvara::testing {

// Builds the bytes of a record item by item, from the archive's byte layout rather than from
// the archive itself, so a fixture shows what a file holds.
class RecordBytes {
  public:
    RecordBytes& int32(std::int32_t value) { return little(static_cast<std::uint32_t>(value), 4); }
    RecordBytes& float64(double value) { return little(std::bit_cast<std::uint64_t>(value), 8); }
    // Counts below 0xFFFF only.
    RecordBytes& count(std::uint16_t value) { return little(value, 2); }
    // Strings below 255 characters only: a one-byte length, then the characters.
    RecordBytes& string(std::string_view text) {
        bytes_.push_back(static_cast<char>(text.size()));
        bytes_.append(text);
        return *this;
    }
    // The wide form other writers produce: FF FE FF, a one-byte length, then UTF-16LE. Texts
    // below 255 characters of Windows-1252 code points that equal their Unicode ones.
    RecordBytes& wideString(std::string_view text) {
        bytes_.append("\xFF\xFE\xFF");
        bytes_.push_back(static_cast<char>(text.size()));
        for (const char c : text) little(static_cast<unsigned char>(c), 2);
        return *this;
    }
    RecordBytes& raw(std::string_view bytes) {
        bytes_.append(bytes);
        return *this;
    }

    const std::string& bytes() const { return bytes_; }

  private:
    RecordBytes& little(std::uint64_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes_.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
        return *this;
    }

    std::string bytes_;
};

}  // namespace solvara::testing
