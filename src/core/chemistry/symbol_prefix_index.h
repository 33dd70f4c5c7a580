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

// Finds the longest element-table symbol at the start of a text; among equally long ones the
// lowest position. Symbols are bucketed by their first byte. Within a bucket, symbols of two
// or more characters are ordered by second byte, then longest first, then by position, so
// only those sharing the text's second byte are compared, in the order that makes the first
// match the answer; one-character symbols answer only when none of those matches. A text
// position thus costs a few comparisons, however many moieties the table holds.
class SymbolPrefixIndex {
  public:
    void insert(std::string_view symbol, int position);
    void erase(std::string_view symbol, int position);
    void clear();
    // Replaces the whole index by these symbols, the position of each being its index in the
    // list; one sort instead of one ordered insertion per symbol keeps a large table fast.
    void assign(const std::vector<std::string_view>& symbols);
    SymbolMatch longestPrefix(std::string_view text) const;

  private:
    struct Candidate {
        std::string symbol;
        int position;
    };
    static bool precedes(const Candidate& a, const Candidate& b);

    std::array<std::vector<Candidate>, 256> longer_;  // two or more characters
    std::array<std::vector<int>, 256> single_;        // positions, lowest first
};

}  // namespace solvara
