#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace solvara {

// A number typed with an optional unit, as in "25mM" or "0.5 L".
struct QuantityWithUnit {
    double value = 0.0;
    std::int32_t unit = 0;  // 0: the base unit (also without a unit), 1: its thousandth
};

// Reads "NUMBER[UNIT]" where NUMBER is in plain decimal notation and UNIT is `baseUnit` or
// `thousandthUnit` (exact case, blanks allowed before it). None when the text is not such a
// quantity.
std::optional<QuantityWithUnit> parseQuantityWithUnit(std::string_view text,
                                                      std::string_view baseUnit,
                                                      std::string_view thousandthUnit);

}  // namespace solvara
