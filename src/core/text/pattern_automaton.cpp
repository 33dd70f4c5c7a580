#include "core/text/pattern_automaton.h"

#include <utility>

namespace solvara {

PatternAutomaton::PatternAutomaton()
    : classCount_(1), transitions_{dead}, accepting_{0}, start_(dead) {}

PatternAutomaton::PatternAutomaton(ByteClasses classes, std::vector<State> transitions,
                                   std::vector<bool> accepting, State start)
    : classes_(std::move(classes)),
      classCount_(classes_.representative.size()),
      transitions_(std::move(transitions)),
      accepting_(accepting.begin(), accepting.end()),
      start_(start) {}

}  // namespace solvara
