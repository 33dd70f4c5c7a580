#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/text/byte_classes.h"

namespace solvara {

// The deterministic automaton of a pattern: a transition table over byte
// classes. State 0 is the dead state, from which nothing can match; a
// default-constructed automaton starts there and so matches nothing.
class PatternAutomaton {
  public:
    using State = std::uint16_t;
    static constexpr State dead = 0;

    PatternAutomaton();
    // transitions holds one row of classes.representative.size() targets per
    // state; accepting has one flag per state.
    PatternAutomaton(ByteClasses classes, std::vector<State> transitions,
                     std::vector<bool> accepting, State start);

    State start() const { return start_; }
    std::size_t stateCount() const { return accepting_.size(); }
    bool accepting(State state) const { return accepting_[state] != 0; }
    State next(State state, unsigned char byte) const {
        return transitions_[state * classCount_ + classes_.classOf[byte]];
    }

  private:
    ByteClasses classes_;
    std::size_t classCount_;
    std::vector<State> transitions_;
    std::vector<std::uint8_t> accepting_;  // not vector<bool>: read on every step of a search
    State start_;
};

}  // namespace solvara
