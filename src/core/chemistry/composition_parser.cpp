#include "core/chemistry/composition_parser.h"

#include <algorithm>
#include <iterator>

#include "core/chemistry/formula_characters.h"
#include "core/chemistry/formula_count.h"

namespace solvara {

namespace {

// Every level of nesting has a sum and a last partial.
constexpr int kPartialCount = 2 * (kMaxBracketDepth + 1);

}  // namespace

bool CompositionParser::parse(const ElementTable& table, std::string_view formula) {
    table_ = &table;
    // Subscript marks only matter for display: "H_2O" and "H2O" mean the same.
    text_.clear();
    std::remove_copy(formula.begin(), formula.end(), std::back_inserter(text_), '_');
    pos_ = 0;
    fault_ = FormulaFault::none;
    partials_.reset(table.count() + 1, kPartialCount);

    // A leading number counts formula units; a composition is that of one unit. It must still
    // be a count, or the molar mass of the list would be wrong.
    if (atNumber()) fail(readCount(text_, pos_).fault);
    if (ok()) parseLevel(0);

    if (ok()) {
        partials_.write(sumOf(0), composition_);
    } else {
        composition_.reset(table.count() + 1, 0);
    }
    return ok();
}

void CompositionParser::parseLevel(int depth) {
    Level level{.depth = depth};
    partials_.clear(sumOf(depth));
    while (ok() && !atEnd()) {
        const char c = peek();
        if (isSeparator(c)) {
            readSeparator(level);
        } else if (c == '(' || c == '[') {
            readGroup(level);
        } else if (c == ')' || c == ']') {
            ++pos_;
            if (depth > 0) break;  // at the outermost level it closes nothing and is ignored
        } else if (atNumber()) {
            readItemCount(level);
        } else if (c == '^') {
            readCharge(level);
        } else if (c == '{' || c == '}') {
            ++pos_;
        } else {
            readSymbol(level);
        }
    }
    finishItem(level);
}

// "," "&" or the middle dot adds the part that follows; a count right after the separator
// multiplies that part, up to the next separator or the end of the group.
void CompositionParser::readSeparator(Level& level) {
    ++pos_;
    finishItem(level);
    level.partCount = 1;
    if (atNumber()) readNumber(level.partCount);
}

void CompositionParser::readGroup(Level& level) {
    if (atStateMarker()) {
        pos_ += 3;
        return;
    }
    ++pos_;
    if (level.depth == kMaxBracketDepth) return fail(FormulaFault::nestingTooDeep);
    parseLevel(level.depth + 1);
    if (!ok()) return;
    beginItem(level);
    partials_.assign(lastOf(level.depth), sumOf(level.depth + 1));
}

// A count multiplies the item before it: a symbol, a group or a charge ("SO_4^-2" is -2).
void CompositionParser::readItemCount(Level& level) {
    int count = 0;
    if (!readNumber(count)) return;
    if (!level.hasLast) return fail(FormulaFault::countWithoutItem);
    if (!partials_.scale(lastOf(level.depth), count)) fail(FormulaFault::countTooLarge);
}

// "^" then an optional "{", a number or a bare sign, an optional trailing sign, an optional
// "^" and an optional "}": ^+, ^2-, ^{3+}, ^-2 (the 2 then multiplies the charge). A mark at
// the end of the text adds nothing, so a formula being typed still weighs something.
void CompositionParser::readCharge(Level& level) {
    ++pos_;
    if (atEnd()) return;
    if (skipIf('{') && atEnd()) return;
    int charge = 0;
    if (atNumber()) {
        if (!readNumber(charge)) return;
    } else if (peek() == '+' || peek() == '-') {
        charge = peek() == '+' ? 1 : -1;
        ++pos_;
    } else {
        return fail(FormulaFault::chargeWithoutValue);
    }
    skipIf('+');
    if (skipIf('-')) charge = -charge;
    skipIf('^');
    beginItem(level);
    partials_.setUnit(lastOf(level.depth), 0, charge);
    skipIf('}');
}

void CompositionParser::readSymbol(Level& level) {
    const SymbolMatch match = table_->findLongestPrefix(std::string_view(text_).substr(pos_));
    if (match.position < 0) return fail(FormulaFault::unknownSymbol);
    beginItem(level);
    // The electron's slot holds the charge, so "e" is an item without units: "e_2" adds
    // nothing either, and "e^-" carries only its charge.
    if (match.position == 0) {
        partials_.clear(lastOf(level.depth));
    } else {
        partials_.setUnit(lastOf(level.depth), match.position, 1);
    }
    pos_ += static_cast<std::size_t>(match.length);
}

void CompositionParser::beginItem(Level& level) {
    finishItem(level);
    level.hasLast = true;
}

void CompositionParser::finishItem(Level& level) {
    if (!level.hasLast) return;
    level.hasLast = false;
    if (!partials_.addScaled(sumOf(level.depth), lastOf(level.depth), level.partCount)) {
        fail(FormulaFault::countTooLarge);
    }
}

bool CompositionParser::readNumber(int& value) {
    const CountReading count = readCount(text_, pos_);
    if (count.fault != FormulaFault::none) {
        fail(count.fault);
        return false;
    }
    value = count.value;
    return true;
}

// Digits, or a "." and digits, which readNumber refuses as a fraction.
bool CompositionParser::atNumber() const {
    if (atEnd()) return false;
    if (isDigit(peek())) return true;
    return peek() == '.' && pos_ + 1 < text_.size() && isDigit(text_[pos_ + 1]);
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
