#include "core/buffer/mixing_line.h"

#include <cmath>

#include "core/buffer/buffer.h"
#include "core/chemistry/reagent.h"

namespace solvara {

namespace {

bool isPositive(double value) { return value > 0.0 && std::isfinite(value); }

}  // namespace

std::optional<MixingLine> MixingLine::of(const Buffer& buffer, double totalConcentration) {
    const Reagent* first = buffer.FirstReagent();
    const Reagent* second = buffer.SecondReagent();
    if (first == nullptr || second == nullptr || !isPositive(totalConcentration)) {
        return std::nullopt;
    }
    const double f1 = buffer.firstReagentShare;
    const double f2 = buffer.secondReagentShare;
    if (f1 != 0.0 && f2 != 0.0) {
        if (!isPositive(f1) || !isPositive(f2)) return std::nullopt;
        return MixingLine(Carrier::both, totalConcentration, f1, f2, 0.0);
    }
    // A carrier stock at or below C, or of 0 M, leaves no room for the other
    // reagent; m would be 0, negative or not a number.
    if (f1 == 0.0) {
        const double most =
            (1.0 - totalConcentration / second->concentration) * first->concentration;
        if (!isPositive(f2) || !isPositive(most)) return std::nullopt;
        return MixingLine(Carrier::secondOnly, totalConcentration, f1, f2, most);
    }
    const double most = (1.0 - totalConcentration / first->concentration) * second->concentration;
    if (!isPositive(f1) || !isPositive(most)) return std::nullopt;
    return MixingLine(Carrier::firstOnly, totalConcentration, f1, f2, most);
}

void MixingLine::compositionAt(double x, double& c1, double& c2) const noexcept {
    switch (carrier_) {
        case Carrier::both:
            c1 = x * total_ / firstShare_;
            c2 = (1.0 - x) * total_ / secondShare_;
            break;
        case Carrier::secondOnly:
            c1 = (1.0 - x) * mostOfOther_;
            c2 = total_ / secondShare_;
            break;
        case Carrier::firstOnly:
            c1 = total_ / firstShare_;
            c2 = (1.0 - x) * mostOfOther_;
            break;
    }
}

}  // namespace solvara
