#include "core/chemistry/formula_count.h"

#include <climits>
#include <cstdint>

#include "core/chemistry/formula_characters.h"

namespace solvara {

CountReading readCount(std::string_view text, std::size_t& pos) {
    std::int64_t value = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > INT_MAX) return {0, FormulaFault::countTooLarge};
    }
    if (pos + 1 < text.size() && text[pos] == '.' && isDigit(text[pos + 1])) {
        return {0, FormulaFault::fractionalCount};
    }
    return {static_cast<int>(value), FormulaFault::none};
}

CountReading takeLeadingCount(std::string_view& piece) {
    std::size_t end = 0;
    CountReading count = readCount(piece, end);
    if (count.fault != FormulaFault::none) return count;
    piece.remove_prefix(end);
    if (count.value == 0) count.value = 1;
    return count;
}

}  // namespace solvara
