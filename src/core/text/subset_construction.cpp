#include "core/text/subset_construction.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <vector>

#include "core/text/rexa_exception.h"

namespace solvara {
namespace {

static_assert(maxAutomatonStates <=
              std::numeric_limits<PatternAutomaton::State>::max() + std::size_t{1});

using State = PatternAutomaton::State;

// The states of the nondeterministic automaton that one deterministic state
// stands for, sorted. Only consuming states and the accepting state are
// kept: the moves without input between them add nothing.
using StateSet = std::vector<std::uint32_t>;

class SubsetConstruction {
  public:
    explicit SubsetConstruction(const Nfa& nfa);
    PatternAutomaton run();

  private:
    StateSet closure(const std::vector<std::uint32_t>& seeds);
    State numberOf(StateSet set);
    void spend(std::size_t steps);

    const Nfa& nfa_;
    ByteClasses classes_;
    std::map<StateSet, State> numbers_;
    std::vector<const StateSet*> setOf_;  // by state number; map keys do not move
    std::vector<std::uint32_t> visitedIn_;
    std::uint32_t closureCount_ = 0;
    std::size_t steps_ = 0;
};

std::vector<ByteSet> consumedSets(const Nfa& nfa) {
    std::vector<ByteSet> sets;
    for (const NfaState& state : nfa.states)
        if (state.consumes) sets.push_back(state.bytes);
    return sets;
}

SubsetConstruction::SubsetConstruction(const Nfa& nfa)
    : nfa_(nfa), classes_(byteClassesOf(consumedSets(nfa))), visitedIn_(nfa.states.size(), 0) {}

PatternAutomaton SubsetConstruction::run() {
    numberOf({});  // the dead state
    const State start = numberOf(closure({nfa_.start}));
    std::vector<State> transitions;
    std::vector<std::uint32_t> targets;
    // setOf_ grows while the loop runs: each new state gets its row in turn.
    for (std::size_t state = 0; state < setOf_.size(); ++state) {
        const StateSet& members = *setOf_[state];
        for (const unsigned char byte : classes_.representative) {
            targets.clear();
            for (const std::uint32_t member : members) {
                const NfaState& s = nfa_.states[member];
                if (s.consumes && s.bytes[byte]) targets.push_back(s.next);
            }
            spend(members.size());
            transitions.push_back(numberOf(closure(targets)));
        }
    }
    std::vector<bool> accepting;
    for (const StateSet* members : setOf_)
        accepting.push_back(std::binary_search(members->begin(), members->end(), nfa_.accept));
    return PatternAutomaton(std::move(classes_), std::move(transitions), std::move(accepting),
                            start);
}

StateSet SubsetConstruction::closure(const std::vector<std::uint32_t>& seeds) {
    const std::uint32_t mark = ++closureCount_;
    StateSet members;
    std::vector<std::uint32_t> pending = seeds;
    while (!pending.empty()) {
        const std::uint32_t state = pending.back();
        pending.pop_back();
        if (visitedIn_[state] == mark) continue;
        visitedIn_[state] = mark;
        spend(1);
        const NfaState& s = nfa_.states[state];
        if (s.consumes || state == nfa_.accept) {
            members.push_back(state);
            continue;
        }
        if (s.next != NfaState::none) pending.push_back(s.next);
        if (s.alternative != NfaState::none) pending.push_back(s.alternative);
    }
    std::sort(members.begin(), members.end());
    return members;
}

State SubsetConstruction::numberOf(StateSet set) {
    const auto found = numbers_.find(set);
    if (found != numbers_.end()) return found->second;
    if (setOf_.size() == maxAutomatonStates)
        throw REXA_Exception(PatternErrorCode::patternTooComplex, 0);
    const auto state = static_cast<State>(setOf_.size());
    const auto inserted = numbers_.emplace(std::move(set), state).first;
    setOf_.push_back(&inserted->first);
    return state;
}

void SubsetConstruction::spend(std::size_t steps) {
    steps_ += steps;
    if (steps_ > maxConstructionSteps) throw REXA_Exception(PatternErrorCode::patternTooComplex, 0);
}

}  // namespace

PatternAutomaton buildAutomaton(const Nfa& nfa) { return SubsetConstruction(nfa).run(); }

}  // namespace solvara
