// Compiles arbitrary bytes as a list filter pattern and searches a few texts
// taken from the input. A crash, a hang, an escaping exception, a match out
// of the text's bounds, or a match that differs from a plain simulation of
// the nondeterministic automaton (tried from every start in turn) is a bug.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/list_filter.h"
#include "core/text/pattern_parser.h"
#include "core/text/rexi_search.h"

namespace {

using solvara::Nfa;
using solvara::NfaState;
using solvara::PatternMatch;

void check(bool condition) {
    if (!condition) std::abort();
}

// The states reachable from `seeds` without input.
std::vector<bool> closure(const Nfa& nfa, std::vector<std::uint32_t> seeds) {
    std::vector<bool> reached(nfa.states.size(), false);
    while (!seeds.empty()) {
        const std::uint32_t state = seeds.back();
        seeds.pop_back();
        if (reached[state]) continue;
        reached[state] = true;
        const NfaState& s = nfa.states[state];
        if (s.consumes) continue;
        if (s.next != NfaState::none) seeds.push_back(s.next);
        if (s.alternative != NfaState::none) seeds.push_back(s.alternative);
    }
    return reached;
}

std::vector<bool> step(const Nfa& nfa, const std::vector<bool>& current, unsigned char byte) {
    std::vector<std::uint32_t> targets;
    for (std::uint32_t state = 0; state < current.size(); ++state) {
        const NfaState& s = nfa.states[state];
        if (current[state] && s.consumes && s.bytes[byte]) targets.push_back(s.next);
    }
    return closure(nfa, targets);
}

PatternMatch referenceFind(const Nfa& nfa, std::string_view text) {
    for (std::size_t start = 0; start < text.size(); ++start) {
        std::vector<bool> current = closure(nfa, {nfa.start});
        std::size_t longest = 0;
        for (std::size_t position = start; position < text.size(); ++position) {
            current = step(nfa, current, static_cast<unsigned char>(text[position]));
            if (current[nfa.accept]) longest = position + 1 - start;
        }
        if (longest > 0) return {true, start, longest};
    }
    return {};
}

// The reference is slow; it checks only small cases.
constexpr std::size_t maxReferenceStates = 400;
constexpr std::size_t maxReferenceText = 64;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string pattern = input.ConsumeRandomLengthString();

    solvara::REXI_Search engine;
    const solvara::PatternResult result = engine.SetPattern(pattern);
    check(result.succeeded() == result.message.empty());
    check(result.position <= pattern.size());
    const solvara::ListFilter filter(pattern);
    const bool showsEverything = pattern.empty() || pattern == ".";

    Nfa nfa;
    if (result.succeeded()) nfa = solvara::parsePattern(pattern);

    for (int texts = 0; texts < 4 && input.remaining_bytes() > 0; ++texts) {
        const std::string text = input.ConsumeRandomLengthString();
        const PatternMatch match = engine.Find(text);
        if (match.matched) check(match.length >= 1 && match.start + match.length <= text.size());
        check(filter.passes(text) == (showsEverything || match.matched));
        if (nfa.states.size() <= maxReferenceStates && text.size() <= maxReferenceText &&
            result.succeeded()) {
            const PatternMatch expected = referenceFind(nfa, text);
            check(match.matched == expected.matched);
            if (match.matched)
                check(match.start == expected.start && match.length == expected.length);
        }
    }
    return 0;
}
