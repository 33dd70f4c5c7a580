#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "core/text/byte_set.h"

namespace solvara {

// One state of the nondeterministic automaton a pattern is first built into.
// A consuming state steps on any byte of `bytes` to `next`; any other state
// moves without input to `next` and `alternative`, where present.
struct NfaState {
    static constexpr std::uint32_t none = std::numeric_limits<std::uint32_t>::max();

    bool consumes = false;
    ByteSet bytes;
    std::uint32_t next = none;
    std::uint32_t alternative = none;
};

struct Nfa {
    std::vector<NfaState> states;
    std::uint32_t start = 0;
    std::uint32_t accept = 0;  // has no moves of its own
};

}  // namespace solvara
