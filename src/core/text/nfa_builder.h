#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "core/text/byte_set.h"
#include "core/text/pattern_nfa.h"

namespace solvara {

// Builds an Nfa bottom-up from the parts of a pattern (Thompson's
// construction): each operation combines the most recent fragments on a
// stack, so the parser can call them in postfix order without recursion.
class NfaBuilder {
  public:
    void addBytes(const ByteSet& bytes);
    void concatenate();  // the last two fragments, in order
    void alternate();    // either of the last two fragments
    void repeatZeroOrMore();
    void repeatOneOrMore();
    void makeOptional();
    // Upper-case letters in the last fragment also match their lower-case forms.
    void addLowerCaseForms();

    // Call with exactly one fragment left: the whole pattern.
    Nfa finish();

  private:
    // A fragment has one entry and one exit, a state whose `next` is still
    // open. Its states are numbered firstState and up, because every
    // operation only appends states.
    struct Fragment {
        std::uint32_t start;
        std::uint32_t exit;
        std::uint32_t firstState;
    };

    std::uint32_t addState(NfaState state);
    std::uint32_t addEmptyMove(std::uint32_t next, std::uint32_t alternative);
    void connect(std::uint32_t exit, std::uint32_t target);
    Fragment pop();
    void applyLowerCaseForms();

    Nfa nfa_;
    std::vector<Fragment> fragments_;
    // Ranges [first, end) of states whose byte sets gain lower-case forms,
    // applied once at the end so that nested groups cost no repeated work.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> lowerCaseRanges_;
};

}  // namespace solvara
