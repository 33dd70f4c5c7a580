#include "core/text/rexi_search.h"

#include <algorithm>
#include <vector>

#include "core/text/pattern_parser.h"
#include "core/text/subset_construction.h"

namespace solvara {

PatternResult REXI_Search::SetPattern(std::string_view pattern) {
    try {
        automaton_ = buildAutomaton(parsePattern(pattern));
        return {};
    } catch (const REXA_Exception& error) {
        return {error.code(), error.what(), error.position()};
    }
}

// The automaton is run from every start position at once. Runs are kept in
// order of their start; two runs that reach the same state at the same
// position would continue alike, so only the earlier one, which wins any
// match the later one could make, is kept. Hence at most one run per state.
PatternMatch REXI_Search::Find(std::string_view text) const {
    using State = PatternAutomaton::State;
    struct Run {
        State state;
        std::size_t start;
    };
    PatternMatch best;
    std::vector<Run> runs;
    runs.reserve(std::min(automaton_.stateCount(), text.size()));
    // The position + 1 at which each state was last entered by some run.
    std::vector<std::size_t> enteredAt(automaton_.stateCount(), 0);
    for (std::size_t position = 0; position < text.size(); ++position) {
        // Once a match is known, runs starting later cannot win.
        if (!best.matched) runs.push_back({automaton_.start(), position});
        // Each run takes one step or ends; the survivors move up in place, in order.
        std::size_t kept = 0;
        for (const Run& run : runs) {
            const State state =
                automaton_.next(run.state, static_cast<unsigned char>(text[position]));
            if (state == PatternAutomaton::dead || enteredAt[state] == position + 1) continue;
            enteredAt[state] = position + 1;
            runs[kept++] = {state, run.start};
            if (automaton_.accepting(state)) {
                best = {true, run.start, position + 1 - run.start};
                break;  // the remaining runs started later
            }
        }
        runs.resize(kept);
        if (runs.empty() && best.matched) break;
    }
    return best;
}

}  // namespace solvara
