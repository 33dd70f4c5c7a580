#include "core/text/nfa_builder.h"

#include "core/text/windows1252_case.h"

namespace solvara {
namespace {

ByteSet withLowerCaseForms(const ByteSet& bytes) {
    ByteSet result = bytes;
    for (unsigned c = 0; c < bytes.size(); ++c)
        if (bytes[c]) result.set(windows1252LowerCase(static_cast<unsigned char>(c)));
    return result;
}

}  // namespace

void NfaBuilder::addBytes(const ByteSet& bytes) {
    const std::uint32_t state = addState(NfaState{true, bytes, NfaState::none, NfaState::none});
    fragments_.push_back({state, state, state});
}

void NfaBuilder::concatenate() {
    const Fragment second = pop();
    const Fragment first = pop();
    connect(first.exit, second.start);
    fragments_.push_back({first.start, second.exit, first.firstState});
}

void NfaBuilder::alternate() {
    const Fragment second = pop();
    const Fragment first = pop();
    const std::uint32_t join = addEmptyMove(NfaState::none, NfaState::none);
    const std::uint32_t fork = addEmptyMove(first.start, second.start);
    connect(first.exit, join);
    connect(second.exit, join);
    fragments_.push_back({fork, join, first.firstState});
}

void NfaBuilder::repeatZeroOrMore() {
    const Fragment body = pop();
    const std::uint32_t join = addEmptyMove(NfaState::none, NfaState::none);
    const std::uint32_t loop = addEmptyMove(body.start, join);
    connect(body.exit, loop);
    fragments_.push_back({loop, join, body.firstState});
}

void NfaBuilder::repeatOneOrMore() {
    const Fragment body = pop();
    const std::uint32_t join = addEmptyMove(NfaState::none, NfaState::none);
    const std::uint32_t loop = addEmptyMove(body.start, join);
    connect(body.exit, loop);
    fragments_.push_back({body.start, join, body.firstState});
}

void NfaBuilder::makeOptional() {
    const Fragment body = pop();
    const std::uint32_t join = addEmptyMove(NfaState::none, NfaState::none);
    const std::uint32_t skip = addEmptyMove(body.start, join);
    connect(body.exit, join);
    fragments_.push_back({skip, join, body.firstState});
}

void NfaBuilder::addLowerCaseForms() {
    lowerCaseRanges_.emplace_back(fragments_.back().firstState,
                                  static_cast<std::uint32_t>(nfa_.states.size()));
}

Nfa NfaBuilder::finish() {
    const Fragment whole = pop();
    nfa_.accept = addEmptyMove(NfaState::none, NfaState::none);
    connect(whole.exit, nfa_.accept);
    nfa_.start = whole.start;
    applyLowerCaseForms();
    return std::move(nfa_);
}

std::uint32_t NfaBuilder::addState(NfaState state) {
    nfa_.states.push_back(state);
    return static_cast<std::uint32_t>(nfa_.states.size() - 1);
}

std::uint32_t NfaBuilder::addEmptyMove(std::uint32_t next, std::uint32_t alternative) {
    return addState(NfaState{false, ByteSet(), next, alternative});
}

void NfaBuilder::connect(std::uint32_t exit, std::uint32_t target) {
    nfa_.states[exit].next = target;
}

NfaBuilder::Fragment NfaBuilder::pop() {
    const Fragment fragment = fragments_.back();
    fragments_.pop_back();
    return fragment;
}

void NfaBuilder::applyLowerCaseForms() {
    // Count, per state, how many ranges cover it: +1 where a range begins, -1 after it ends.
    std::vector<int> coverChange(nfa_.states.size() + 1, 0);
    for (const auto& [first, end] : lowerCaseRanges_) {
        ++coverChange[first];
        --coverChange[end];
    }
    int cover = 0;
    for (std::size_t state = 0; state < nfa_.states.size(); ++state) {
        cover += coverChange[state];
        NfaState& s = nfa_.states[state];
        if (cover > 0 && s.consumes) s.bytes = withLowerCaseForms(s.bytes);
    }
}

}  // namespace solvara
