#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/text/byte_set.h"

namespace solvara {

// A partition of the 256 byte values into classes whose bytes no set of a
// pattern tells apart, so an automaton needs one transition per class, not
// per byte. A typical pattern has a handful of classes.
struct ByteClasses {
    std::array<std::uint8_t, 256> classOf{};
    std::vector<unsigned char> representative{0};  // one byte of each class
};

ByteClasses byteClassesOf(const std::vector<ByteSet>& sets);

}  // namespace solvara
