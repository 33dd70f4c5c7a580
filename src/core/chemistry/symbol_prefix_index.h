#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace solvara {

// Where a symbol was found at the start of a text.
struct SymbolMatch {
    int position = -1;  // element-table position, -1 when no symbol matches
    int length = 1;     // characters the symbol covers; 1 when none matches, so a caller moves on
};

// Finds the longest element-table symbol at the start of a text. Symbols are bucketed by their
// first byte and each bucket is kept longest first, lowest position first among equally long
// ones, so the first symbol of the bucket that matches is the answer. A text position thus
// costs a handful of comparisons instead of a scan of the whole table.
class SymbolPrefixIndex {
public:
    void insert(std::string_view symbol, int position);
    void erase(std::string_view symbol, int position);
    void clear();
    SymbolMatch longestPrefix(std::string_view text) const;

private:
    struct Candidate {
        std::string symbol;
        int position;
    };
    static bool precedes(const Candidate& a, const Candidate& b);
    std::vector<Candidate>& bucketOf(std::string_view symbol);

    std::array<std::vector<Candidate>, 256> buckets_;
};

}  // namespace solvara
