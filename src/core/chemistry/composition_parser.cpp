#include "core/chemistry/composition_parser.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <iterator>

#include "core/chemistry/formula_characters.h"

namespace solvara {

namespace {

// Levels nest no deeper than the partial stack is deep. That bounds the recursion whatever the
// text, and no chemical formula comes near it.
constexpr int kMaxNesting = PartialStack::kCapacity;

}  // namespace

bool CompositionParser::parse(const ElementTable& table, std::string_view formula) {
    table_ = &table;
    // Subscript marks only matter for display: "H_2O" and "H2O" mean the same.
    text_.clear();
    std::remove_copy(formula.begin(), formula.end(), std::back_inserter(text_), '_');
    pos_ = 0;
    nesting_ = 0;
    failed_ = false;
    stack_.reset(table.count() + 1);

    // A leading number counts formula units; a composition is that of one unit.
    if (!atEnd() && isDigit(peek())) skipNumber();
    parseLevel(Level::whole);

    if (failed_) {
        composition_.reset(table.count() + 1, 0);
    } else {
        stack_.writeBottom(composition_);
    }
    return !failed_;
}

void CompositionParser::require(bool ok) {
    if (!ok) failed_ = true;
}

void CompositionParser::parseLevel(Level level) {
    if (atEnd()) {
        require(stack_.pushFilled(0));
        return;
    }
    if (nesting_ == kMaxNesting) {
        failed_ = true;
        return;
    }
    ++nesting_;
    parseItems(level);
    --nesting_;
}

void CompositionParser::parseItems(Level level) {
    // Partials below base belong to the enclosing levels.
    const int base = stack_.depth() + 1;
    while (!failed_) {
        if (atEnd()) {
            combineDownTo(base);
            return;
        }
        const char c = peek();
        if (isSeparator(c)) {
            ++pos_;
            parsePart();
        } else if (c == '(' || c == '[') {
            if (atStateMarker()) {
                pos_ += 3;
            } else {
                combineDownTo(base);
                ++pos_;
                parseLevel(Level::group);
            }
        } else if (c == ')' || c == ']') {
            if (level == Level::whole) {
                ++pos_;  // closes no group: ignored, the rest still counts
                continue;
            }
            combineDownTo(base);
            // A part ends at its group's closing bracket but leaves it to the group, so that
            // a multiplier after the bracket applies to every part of the group.
            if (level == Level::group) ++pos_;
            return;
        } else if (isDigit(c)) {
            int count = 0;
            if (readCount(count)) require(stack_.pushFilled(count) && stack_.multiplyCombine());
        } else if (c == '^') {
            readCharge();
        } else if (c == '{' || c == '}') {
            ++pos_;
        } else {
            readSymbol(base);
        }
    }
}

// After a separator: the part that follows, multiplied by a count written right after it.
void CompositionParser::parsePart() {
    if (atEnd() || !isDigit(peek())) {
        parseLevel(Level::part);
        return;
    }
    int count = 0;
    if (!readCount(count)) return;
    require(stack_.pushFilled(count));
    parseLevel(Level::part);
    require(stack_.multiplyCombine());
}

// "^" then an optional "{", a number or a bare sign, an optional trailing sign, an optional
// "^" and an optional "}": ^+, ^2-, ^{3+}, ^-2 (the 2 then multiplies the charge).
void CompositionParser::readCharge() {
    ++pos_;
    if (atEnd()) return;
    if (skipIf('{') && atEnd()) return;
    int charge = 0;
    if (isDigit(peek())) {
        if (!readCount(charge)) return;
    } else if (peek() == '+' || peek() == '-') {
        charge = peek() == '+' ? 1 : -1;
        ++pos_;
    } else {
        failed_ = true;
        return;
    }
    skipIf('+');
    if (skipIf('-')) charge = -charge;
    skipIf('^');
    require(stack_.pushUnit(0, charge));
    skipIf('}');
}

void CompositionParser::readSymbol(int base) {
    if (stack_.depth() > base) require(stack_.addCombine());
    const SymbolMatch match =
        table_->findLongestPrefix(std::string_view(text_).substr(pos_));
    if (match.position < 0) {
        failed_ = true;
        return;
    }
    // The electron's slot holds the charge, so "e" itself adds nothing; "e^-" carries the charge.
    if (match.position != 0) require(stack_.pushUnit(match.position, 1));
    pos_ += static_cast<std::size_t>(match.length);
}

// Digits, optionally "." and more digits; the value is truncated to an int.
bool CompositionParser::readCount(int& count) {
    std::int64_t value = 0;
    while (!atEnd() && isDigit(peek())) {
        value = value * 10 + (peek() - '0');
        if (value > INT_MAX) {
            failed_ = true;
            return false;
        }
        ++pos_;
    }
    skipFraction();
    count = static_cast<int>(value);
    return true;
}

void CompositionParser::skipNumber() {
    while (!atEnd() && isDigit(peek())) ++pos_;
    skipFraction();
}

// A "." belongs to a number only when digits follow it.
void CompositionParser::skipFraction() {
    if (pos_ + 1 >= text_.size() || text_[pos_] != '.' || !isDigit(text_[pos_ + 1])) return;
    ++pos_;
    while (!atEnd() && isDigit(peek())) ++pos_;
}

void CompositionParser::combineDownTo(int base) {
    while (!failed_ && stack_.depth() > base) require(stack_.addCombine());
}

// "(s)" and "(g)", also opened with "[", mark the state and add nothing.
bool CompositionParser::atStateMarker() const {
    if (pos_ + 2 >= text_.size()) return false;
    const char state = text_[pos_ + 1];
    return (state == 's' || state == 'g') && text_[pos_ + 2] == ')';
}

bool CompositionParser::skipIf(char c) {
    if (atEnd() || peek() != c) return false;
    ++pos_;
    return true;
}

}  // namespace solvara
