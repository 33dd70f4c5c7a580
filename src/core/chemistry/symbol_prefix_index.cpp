#include "core/chemistry/symbol_prefix_index.h"

#include <algorithm>

namespace solvara {

bool SymbolPrefixIndex::precedes(const Candidate& a, const Candidate& b) {
    if (a.symbol.size() != b.symbol.size()) return a.symbol.size() > b.symbol.size();
    return a.position < b.position;
}

std::vector<SymbolPrefixIndex::Candidate>& SymbolPrefixIndex::bucketOf(std::string_view symbol) {
    return buckets_[static_cast<unsigned char>(symbol.front())];
}

void SymbolPrefixIndex::insert(std::string_view symbol, int position) {
    if (symbol.empty()) return;  // an empty symbol never matches anything
    auto& bucket = bucketOf(symbol);
    Candidate candidate{std::string(symbol), position};
    bucket.insert(std::upper_bound(bucket.begin(), bucket.end(), candidate, precedes),
                  std::move(candidate));
}

void SymbolPrefixIndex::erase(std::string_view symbol, int position) {
    if (symbol.empty()) return;
    auto& bucket = bucketOf(symbol);
    std::erase_if(bucket, [&](const Candidate& candidate) {
        return candidate.position == position && candidate.symbol == symbol;
    });
}

void SymbolPrefixIndex::clear() {
    for (auto& bucket : buckets_) bucket.clear();
}

SymbolMatch SymbolPrefixIndex::longestPrefix(std::string_view text) const {
    if (text.empty()) return {};
    for (const auto& candidate : buckets_[static_cast<unsigned char>(text.front())]) {
        if (text.starts_with(candidate.symbol)) {
            return {candidate.position, static_cast<int>(candidate.symbol.size())};
        }
    }
    return {};
}

}  // namespace solvara
