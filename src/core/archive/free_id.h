#pragma once

#include <cstdint>
#include <limits>
#include <optional>

namespace solvara {

// The first id after `last` that `inUse` does not claim; none when the int range ends first.
// Databases hand out ids through this, so an id read from a file is never given out again
// even when the file's stored last id lies below it, and reading a file need not change the
// stored last id, which a re-saved file therefore keeps byte for byte.
template <class InUse>
std::optional<std::int32_t> firstFreeIdAfter(std::int32_t last, InUse inUse) {
    while (last != std::numeric_limits<std::int32_t>::max()) {
        ++last;
        if (!inUse(last)) return last;
    }
    return std::nullopt;
}

}  // namespace solvara
