#pragma once

#include <bitset>

namespace solvara {

// A set of byte values: what one step of a pattern accepts.
using ByteSet = std::bitset<256>;

}  // namespace solvara
