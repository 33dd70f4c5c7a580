// The constant converter's conversions: whichever customary constant the user types, the
// primary pKa (or the temperature coefficient) follows from it and the rest from those.
#include <cmath>
#include <cstddef>

#include "core/chemistry/bl_acid.h"

namespace solvara {

bool BLAcid::setPKa(int step, double value) noexcept {
    if (!stepExists(step)) return false;
    pKa[at(step - 1)] = value;
    updateDerived();
    return true;
}

bool BLAcid::setKa(int step, double value) noexcept { return setPKa(step, -std::log10(value)); }

// The other stepwise values stay, so the higher overall values move with this one.
bool BLAcid::setPBa(int step, double value) noexcept {
    if (!stepExists(step)) return false;
    return setPKa(step, step == 1 ? value : value - pBa[at(step - 2)]);
}

// Base step i is the acid's step n + 1 - i, counted from the least protonated form.
bool BLAcid::setPKb(int step, double value) noexcept {
    if (!stepExists(step)) return false;
    pKa[at(boundedSteps() - step)] = referencePKw() - value;
    updateDerived();
    return true;
}

bool BLAcid::setKb(int step, double value) noexcept { return setPKb(step, -std::log10(value)); }

// Unlike the overall acid and protonation constants, every other overall base constant stays:
// the stepwise base constants on both sides of this one change, and with them two pKa. Step 1
// has only the one side.
bool BLAcid::setPBb(int step, double value) noexcept {
    if (!stepExists(step)) return false;
    const int n = boundedSteps();
    const std::size_t k = at(step - 1);
    const double pKw = referencePKw();
    pBb[k] = value;
    if (step == 1) {
        pKa[at(n - 1)] = pKw - pBb[0];
    } else {
        pKa[at(n - step)] = pKw + pBb[k - 1] - pBb[k];
        if (step < n) pKa[at(n - step - 1)] = pKw + pBb[k] - pBb[k + 1];
    }
    updateDerived();
    return true;
}

bool BLAcid::setLogKH(int step, double value) noexcept {
    if (!stepExists(step)) return false;
    pKa[at(boundedSteps() - step)] = value;
    updateDerived();
    return true;
}

bool BLAcid::setLogBH(int step, double value) noexcept {
    if (!stepExists(step)) return false;
    pKa[at(boundedSteps() - step)] = step == 1 ? value : value - logBH[at(step - 2)];
    updateDerived();
    return true;
}

bool BLAcid::setDpKadT(int step, double value) noexcept {
    if (!stepExists(step)) return false;
    dpKadT[at(step - 1)] = value;
    dpKbdT[at(step - 1)] = -value;
    return true;
}

bool BLAcid::setDpKbdT(int step, double value) noexcept {
    if (!stepExists(step)) return false;
    dpKbdT[at(step - 1)] = value;
    dpKadT[at(step - 1)] = -value;
    return true;
}

}  // namespace solvara
