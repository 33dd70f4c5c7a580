#pragma once

#include <string_view>

#include "core/text/pattern_nfa.h"

namespace solvara {

// Parses a list filter pattern into its nondeterministic automaton.
//
//   pattern     = alternation
//   alternation = sequence { "|" sequence }
//   sequence    = element [postfix] { element [postfix] }
//   element     = character | "." | set | "(" alternation ")"
//   postfix     = "*" | "+" | "?" | "\i"
//
// Throws REXA_Exception at the first error. Groups are tracked on a heap
// stack, not by recursion, so any depth of nesting is safe.
Nfa parsePattern(std::string_view pattern);

}  // namespace solvara
