#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/text/pattern_automaton.h"
#include "core/text/rexa_exception.h"

namespace solvara {

struct PatternResult {
    PatternErrorCode code = PatternErrorCode::none;
    std::string message;       // empty on success
    std::size_t position = 0;  // byte offset in the pattern where the error was found

    bool succeeded() const { return code == PatternErrorCode::none; }
};

struct PatternMatch {
    bool matched = false;
    std::size_t start = 0;
    std::size_t length = 0;
};

// The pattern engine of the list filters: a pattern compiled into a
// deterministic automaton, searched for in texts of Windows-1252 bytes.
class REXI_Search {
  public:
    // A new engine matches nothing.
    REXI_Search() = default;

    // Compiles a pattern. On success its automaton replaces the previous one;
    // on an error the previous one stays and the result tells what and where.
    PatternResult SetPattern(std::string_view pattern);

    // The leftmost non-empty match and, at that start, its longest length.
    // Runs from every start position in one pass, so the time is linear in
    // the text for a given automaton.
    PatternMatch Find(std::string_view text) const;

  private:
    PatternAutomaton automaton_;
};

}  // namespace solvara
