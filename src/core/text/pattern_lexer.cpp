#include "core/text/pattern_lexer.h"

#include <optional>

#include "core/text/rexa_exception.h"

namespace solvara {
namespace {

bool isWhiteSpace(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool startsName(unsigned char c) { return isLetter(c) || c == '_'; }
bool continuesName(unsigned char c) { return startsName(c) || isDigit(c); }

std::optional<unsigned> hexDigitValue(unsigned char c) {
    if (isDigit(c)) return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
    return std::nullopt;
}

ByteSet singleByte(unsigned char c) {
    ByteSet set;
    set.set(c);
    return set;
}

PatternToken token(PatternTokenKind kind, std::size_t position, ByteSet bytes = {}) {
    return PatternToken{kind, position, bytes};
}

}  // namespace

PatternToken PatternLexer::next() {
    skipWhiteSpace();
    const std::size_t start = position_;
    if (atEnd()) return token(PatternTokenKind::end, start);
    const auto single = [&](PatternTokenKind kind) {
        ++position_;
        return token(kind, start);
    };
    switch (current()) {
        case '(':
            return single(PatternTokenKind::openGroup);
        case ')':
            return single(PatternTokenKind::closeGroup);
        case '|':
            return single(PatternTokenKind::alternative);
        case '*':
            return single(PatternTokenKind::zeroOrMore);
        case '+':
            return single(PatternTokenKind::oneOrMore);
        case '?':
            return single(PatternTokenKind::zeroOrOne);
        case '.':
            ++position_;
            return token(PatternTokenKind::bytes, start, ByteSet().set());
        case '[':
            ++position_;
            return token(PatternTokenKind::bytes, start, readSet());
        case '\\':
            if (start + 1 < pattern_.size() && pattern_[start + 1] == 'i') {
                position_ += 2;
                return token(PatternTokenKind::caseInsensitive, start);
            }
            break;
        case '$':
            if (start + 1 < pattern_.size() &&
                startsName(static_cast<unsigned char>(pattern_[start + 1])))
                rejectName(start);
            break;
        default:
            break;
    }
    return token(PatternTokenKind::bytes, start, singleByte(readCharacter()));
}

void PatternLexer::skipWhiteSpace() {
    while (!atEnd() && isWhiteSpace(current())) ++position_;
}

unsigned char PatternLexer::readCharacter() {
    const unsigned char c = current();
    ++position_;
    return c == '\\' ? readEscape() : c;
}

// Called after the backslash.
unsigned char PatternLexer::readEscape() {
    // A backslash that ends the pattern has nothing to escape and stands for itself.
    if (atEnd()) return '\\';
    const unsigned char c = current();
    ++position_;
    switch (c) {
        case 'a':
            return 7;
        case 'b':
            return 8;
        case 't':
            return 9;
        case 'n':
            return 10;
        case 'v':
            return 11;
        case 'r':
            return 13;
        case '0':
            return 0;
        case 'x':
            if (position_ + 1 < pattern_.size()) {
                const auto high = hexDigitValue(current());
                const auto low = hexDigitValue(static_cast<unsigned char>(pattern_[position_ + 1]));
                if (high && low) {
                    position_ += 2;
                    return static_cast<unsigned char>(*high * 16 + *low);
                }
            }
            return 'x';
        default:
            return c;
    }
}

// Called after the opening bracket; consumes the closing one.
ByteSet PatternLexer::readSet() {
    ByteSet set;
    const bool complement = !atEnd() && current() == '^';
    if (complement) ++position_;
    for (;;) {
        if (atEnd()) throw REXA_Exception(PatternErrorCode::closingBracketMissing, position_);
        if (current() == ']') {
            ++position_;
            return complement ? ~set : set;
        }
        const unsigned char first = readCharacter();
        if (!rangeFollows()) {
            set.set(first);
            continue;
        }
        ++position_;  // the hyphen
        const unsigned char last = readCharacter();
        // A range written backwards holds nothing.
        for (unsigned c = first; c <= last; ++c) set.set(c);
    }
}

bool PatternLexer::rangeFollows() const {
    return position_ + 1 < pattern_.size() && pattern_[position_] == '-' &&
           pattern_[position_ + 1] != ']';
}

// The lists define no named sub-patterns, so every name is unknown.
void PatternLexer::rejectName(std::size_t dollarPosition) {
    position_ = dollarPosition + 1;
    while (!atEnd() && continuesName(current())) ++position_;
    const std::string_view name =
        pattern_.substr(dollarPosition + 1, position_ - dollarPosition - 1);
    throw REXA_Exception(PatternErrorCode::nameNotFound, dollarPosition, name);
}

}  // namespace solvara
