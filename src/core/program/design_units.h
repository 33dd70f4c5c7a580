#pragma once

#include <cstdint>

#include "core/archive/archive.h"

namespace solvara {

// The units a buffer design's concentration and volume are shown in. The values are those of the
// files (documents and the defaults file).
enum class ConcentrationUnit : std::int32_t { molar = 0, millimolar = 1 };
enum class VolumeUnit : std::int32_t { litres = 0, millilitres = 1 };

// What the program opens at start-up. The values are those of the defaults file.
enum class StartDocument : std::int32_t { newBuffer = 0, newpHCalculator = 1, ask = 2 };

// Reads or writes an enumeration stored as a 32-bit value. Files have always been read leniently:
// a stored value that is none of `known` reads as `fallback`.
template <class Enum, std::size_t count>
void ioStoredEnum(Archive& archive, Enum& value, const Enum (&known)[count], Enum fallback) {
    auto stored = static_cast<std::int32_t>(value);
    archive.io(stored);
    value = fallback;
    for (const Enum candidate : known) {
        if (static_cast<std::int32_t>(candidate) == stored) value = candidate;
    }
}

}  // namespace solvara
