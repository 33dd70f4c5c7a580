#include "core/buffer/capacity_curve.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>

#include "core/buffer/buffer.h"
#include "core/buffer/buffer_mixture_ph.h"
#include "core/buffer/mixing_line.h"
#include "core/buffer/preparation_search.h"
#include "core/chemistry/reagent.h"
#include "core/equilibrium/ph_calculation_error.h"

namespace solvara {

namespace {

constexpr double kHighestPlottedPH = 14.0;

bool canBePrepared(const Buffer& buffer) {
    const Reagent* first = buffer.FirstReagent();
    const Reagent* second = buffer.SecondReagent();
    if (first == nullptr || second == nullptr || !buffer.HasMainComponent()) return false;
    const auto hasNoStock = [](const Reagent& reagent) {
        return !reagent.isSolid && reagent.concentration == 0.0;
    };
    return !hasNoStock(*first) && !hasNoStock(*second);
}

// The pH range between the two end compositions, without added base, lowest
// first; none when an end cannot be evaluated.
std::optional<std::pair<double, double>> reachableRange(Buffer& buffer, ChemistryModel& program,
                                                        const MixingLine& line, double temperature,
                                                        double saltIonicStrength) {
    double c1 = 0.0;
    double c2 = 0.0;
    try {
        const auto pHAt = [&](double x) {
            line.compositionAt(x, c1, c2);
            const MixtureConditions mixture{
                .c1 = c1,
                .c2 = c2,
                .solve = {.temperature = temperature, .ionicStrengthValue = saltIonicStrength}};
            return MixturePH(buffer, program, mixture);
        };
        const double atZero = pHAt(0.0);
        const double atOne = pHAt(1.0);
        return std::minmax(atZero, atOne);
    } catch (const pHCalculationError&) {
        return std::nullopt;
    }
}

std::vector<double> computeCurve(Buffer& buffer, ChemistryModel& program, const MixingLine& line,
                                 double low, double high, double temperature,
                                 double saltIonicStrength) {
    std::vector<double> curve(Buffer::kCapacityCurvePoints, 0.0);
    // Grid points strictly inside the range, one step clear of its top.
    // Signed: a range that ends below one step gives an end index of -1.
    const auto first = static_cast<std::ptrdiff_t>(low / Buffer::kCapacityCurveStep) + 1;
    const auto end = std::min(static_cast<std::ptrdiff_t>(Buffer::kCapacityCurvePoints),
                              static_cast<std::ptrdiff_t>(high / Buffer::kCapacityCurveStep) - 1);
    if (first >= end) return curve;

    // Every point is a preparation at the same total, temperature and salt:
    // one search serves them all.
    PreparationSearch search(buffer, program, line, temperature, false, saltIonicStrength, true);
    if (!search.evaluateEnds()) return curve;
    for (std::ptrdiff_t i = first; i < end; ++i) {
        double c1 = 0.0;
        double c2 = 0.0;
        if (search.find(Buffer::kCapacityCurveStep * static_cast<double>(i), c1, c2)) {
            const MixtureConditions mixture{
                .c1 = c1,
                .c2 = c2,
                .solve = {.temperature = temperature, .ionicStrengthValue = saltIonicStrength}};
            curve[static_cast<std::size_t>(i)] = BufferCapacity(buffer, program, mixture);
        }
    }
    return curve;
}

}  // namespace

const std::vector<double>* CapacityCurve(Buffer& buffer, ChemistryModel& program, double wantedPH,
                                         double totalConcentration, double temperature,
                                         double saltIonicStrength) {
    if (!canBePrepared(buffer)) return nullptr;
    const CapacityCurveKey key{wantedPH, totalConcentration, temperature, saltIonicStrength};
    if (!buffer.capacityCurve.empty() && buffer.capacityCurveKey == key) {
        return &buffer.capacityCurve;
    }
    buffer.capacityCurve.clear();
    if (totalConcentration == 0.0) return nullptr;

    const std::optional<MixingLine> line = MixingLine::of(buffer, totalConcentration);
    if (!line) return nullptr;
    const auto range = reachableRange(buffer, program, *line, temperature, saltIonicStrength);
    if (!range) return nullptr;
    const double low = std::max(range->first, 0.0);
    const double high = std::min(range->second, kHighestPlottedPH);
    if (low < wantedPH && wantedPH < high) {
        buffer.capacityCurve =
            computeCurve(buffer, program, *line, low, high, temperature, saltIonicStrength);
    }
    buffer.capacityCurveKey = key;
    return buffer.capacityCurve.empty() ? nullptr : &buffer.capacityCurve;
}

}  // namespace solvara
