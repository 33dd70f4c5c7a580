#include "cli/quantity_with_unit.h"

#include <cmath>

#include "core/text/parse_number.h"

namespace solvara {

std::optional<QuantityWithUnit> parseQuantityWithUnit(std::string_view text,
                                                      std::string_view baseUnit,
                                                      std::string_view thousandthUnit) {
    QuantityWithUnit quantity;
    std::string_view number = text;
    if (text.ends_with(thousandthUnit)) {
        quantity.unit = 1;
        number.remove_suffix(thousandthUnit.size());
    } else if (text.ends_with(baseUnit)) {
        number.remove_suffix(baseUnit.size());
    }
    // parseNumber takes an empty text, "-" and "." for 0, which a command line must not.
    if (number.find_first_of("0123456789") == std::string_view::npos) return std::nullopt;
    if (!parseNumber(number, quantity.value) || !std::isfinite(quantity.value)) return std::nullopt;
    return quantity;
}

}  // namespace solvara
