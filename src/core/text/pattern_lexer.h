#pragma once

#include <cstddef>
#include <string_view>

#include "core/text/byte_set.h"

namespace solvara {

enum class PatternTokenKind {
    bytes,            // a character, ".", an escape or a "[...]" set
    openGroup,        // (
    closeGroup,       // )
    alternative,      // |
    zeroOrMore,       // *
    oneOrMore,        // +
    zeroOrOne,        // ?
    caseInsensitive,  // \i
    end,
};

struct PatternToken {
    PatternTokenKind kind = PatternTokenKind::end;
    std::size_t position = 0;  // of the token's first byte in the pattern
    ByteSet bytes;             // for bytes: the characters the element matches
};

// Splits a pattern into tokens, skipping white space between them. Escapes
// and sets are resolved here, so the parser sees every element as a byte set.
class PatternLexer {
  public:
    explicit PatternLexer(std::string_view pattern) : pattern_(pattern) {}

    // Throws REXA_Exception for an unclosed set or a named sub-pattern.
    PatternToken next();

  private:
    bool atEnd() const { return position_ >= pattern_.size(); }
    unsigned char current() const { return static_cast<unsigned char>(pattern_[position_]); }
    void skipWhiteSpace();
    unsigned char readCharacter();
    unsigned char readEscape();
    ByteSet readSet();
    bool rangeFollows() const;
    [[noreturn]] void rejectName(std::size_t dollarPosition);

    std::string_view pattern_;
    std::size_t position_ = 0;
};

}  // namespace solvara
