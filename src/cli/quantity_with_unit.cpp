#include "cli/quantity_with_unit.h"

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
    number = number.substr(0, number.find_last_not_of(" \t") + 1);
    const std::optional<double> value = parseStrictNumber(number);
    if (!value) return std::nullopt;
    quantity.value = *value;
    return quantity;
}

}  // namespace solvara
