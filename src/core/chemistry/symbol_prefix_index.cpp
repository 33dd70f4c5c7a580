#include "core/chemistry/symbol_prefix_index.h"

#include <algorithm>
#include <cstddef>

namespace solvara {

namespace {

std::size_t byteAt(std::string_view text, std::size_t i) {
    return static_cast<unsigned char>(text[i]);
}

}  // namespace

bool SymbolPrefixIndex::precedes(const Candidate& a, const Candidate& b) {
    if (a.symbol[1] != b.symbol[1]) return byteAt(a.symbol, 1) < byteAt(b.symbol, 1);
    if (a.symbol.size() != b.symbol.size()) return a.symbol.size() > b.symbol.size();
    return a.position < b.position;
}

void SymbolPrefixIndex::insert(std::string_view symbol, int position) {
    if (symbol.empty()) return;  // an empty symbol never matches anything
    if (symbol.size() == 1) {
        auto& positions = single_[byteAt(symbol, 0)];
        positions.insert(std::upper_bound(positions.begin(), positions.end(), position), position);
        return;
    }
    auto& bucket = longer_[byteAt(symbol, 0)];
    Candidate candidate{std::string(symbol), position};
    bucket.insert(std::upper_bound(bucket.begin(), bucket.end(), candidate, precedes),
                  std::move(candidate));
}

void SymbolPrefixIndex::erase(std::string_view symbol, int position) {
    if (symbol.empty()) return;
    if (symbol.size() == 1) {
        std::erase(single_[byteAt(symbol, 0)], position);
        return;
    }
    std::erase_if(longer_[byteAt(symbol, 0)], [&](const Candidate& candidate) {
        return candidate.position == position && candidate.symbol == symbol;
    });
}

void SymbolPrefixIndex::clear() {
    for (auto& bucket : longer_) bucket.clear();
    for (auto& positions : single_) positions.clear();
}

void SymbolPrefixIndex::assign(const std::vector<std::string_view>& symbols) {
    clear();
    for (std::size_t position = 0; position < symbols.size(); ++position) {
        const std::string_view symbol = symbols[position];
        if (symbol.empty()) continue;
        if (symbol.size() == 1) {
            single_[byteAt(symbol, 0)].push_back(static_cast<int>(position));
        } else {
            longer_[byteAt(symbol, 0)].push_back({std::string(symbol), static_cast<int>(position)});
        }
    }
    for (auto& bucket : longer_) std::sort(bucket.begin(), bucket.end(), precedes);
}

SymbolMatch SymbolPrefixIndex::longestPrefix(std::string_view text) const {
    if (text.empty()) return {};
    const std::size_t first = byteAt(text, 0);
    if (text.size() > 1) {
        const std::size_t second = byteAt(text, 1);
        const auto& bucket = longer_[first];
        auto candidate = std::lower_bound(
            bucket.begin(), bucket.end(), second,
            [](const Candidate& c, std::size_t byte) { return byteAt(c.symbol, 1) < byte; });
        for (; candidate != bucket.end() && byteAt(candidate->symbol, 1) == second; ++candidate) {
            if (text.starts_with(candidate->symbol)) {
                return {candidate->position, static_cast<int>(candidate->symbol.size())};
            }
        }
    }
    const auto& positions = single_[first];
    if (positions.empty()) return {};
    return {positions.front(), 1};
}

}  // namespace solvara
