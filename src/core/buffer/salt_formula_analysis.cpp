#include "core/buffer/salt_formula_analysis.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>

#include "core/chemistry/chemical_formula.h"

namespace solvara {

namespace {

constexpr std::int64_t kIntMax = std::numeric_limits<std::int32_t>::max();

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The leading multiplier, removed from the piece: 1 when there is none, nothing when it is
// beyond the int range.
std::optional<std::int64_t> takeMultiplier(std::string_view& piece) {
    if (piece.empty() || !isDigit(piece.front())) return 1;
    std::int64_t multiplier = 0;
    while (!piece.empty() && isDigit(piece.front())) {
        multiplier = multiplier * 10 + (piece.front() - '0');
        if (multiplier > kIntMax) return std::nullopt;
        piece.remove_prefix(1);
    }
    return multiplier;
}

}  // namespace

SaltFormulaAnalysis analyzeSaltFormula(std::string_view formula, const ElementTable& table) {
    double molarMass = 0.0;
    std::int64_t factor = 0;
    std::int64_t netCharge = 0;  // never beyond the factor in size, so it fits an int at the end
    ChemicalFormula ion(table);
    std::string_view rest = formula;
    while (true) {
        const auto comma = rest.find(',');
        std::string_view piece = rest.substr(0, comma);

        const std::optional<std::int64_t> multiplier = takeMultiplier(piece);
        ion.setFormula(piece);
        const double ionMass = multiplier ? ion.molarMass() : 0.0;
        const std::int64_t z = ion.composition().charge();
        // z^2 fits, being at most 2^62; the product must stay within the int range.
        const bool weighable = ionMass != 0.0 && (z == 0 || *multiplier <= kIntMax / (z * z)) &&
                               factor + *multiplier * z * z <= kIntMax;
        if (!weighable) {
            molarMass = 0.0;
            factor = 0;
            break;
        }
        molarMass += static_cast<double>(*multiplier) * ionMass;
        factor += *multiplier * z * z;
        netCharge += *multiplier * z;

        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return {molarMass, static_cast<std::int32_t>(factor), static_cast<std::int32_t>(netCharge)};
}

std::string SaltFormulaAnalysis::outcomeText() const {
    if (netCharge != 0) {
        return "Substance is not electrically neutral (" + std::to_string(netCharge) + ")";
    }
    if (ionicStrengthFactor != 0) return ionicStrengthText(ionicStrengthFactor);
    return "No charge detected or error in formula.";
}

std::string ionicStrengthText(std::int32_t ionicStrengthFactor) {
    std::array<char, 32> number{};
    const double strength = ionicStrengthFactor * 0.5;
    const auto end = std::to_chars(number.data(), number.data() + number.size(), strength,
                                   std::chars_format::fixed, 1)
                         .ptr;
    return "Ionic strength of 1M solution: " + std::string(number.data(), end);
}

}  // namespace solvara
