#pragma once

#include <cstddef>

#include "core/text/pattern_automaton.h"
#include "core/text/pattern_nfa.h"

namespace solvara {

// A list filter pattern is a few words, a set or a few alternatives, whose
// automaton has tens of states; even a 4000-character literal fits this
// limit. Patterns that count positions, such as (a|b)*a followed by a dozen
// (a|b), grow exponentially and are refused before they take seconds or
// megabytes. The full table of the largest automaton takes at most 2 MB.
inline constexpr std::size_t maxAutomatonStates = 4096;

// A long pattern can keep the state count small while each state stands for
// thousands of states of the nondeterministic automaton (".*a.*a.*a..."), so
// the work of the construction is bounded as well: this many visits of a
// nondeterministic state take about 25 ms.
inline constexpr std::size_t maxConstructionSteps = std::size_t{1} << 22;

// The subset construction. Throws REXA_Exception (patternTooComplex) when
// either limit would be exceeded.
PatternAutomaton buildAutomaton(const Nfa& nfa);

}  // namespace solvara
