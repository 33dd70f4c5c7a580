#include "core/chemistry/bl_acid.h"

#include <algorithm>
#include <cstdint>

#include "core/chemistry/chemical_formula.h"
#include "core/chemistry/power_of_ten.h"
#include "core/equilibrium/water_ion_product.h"

namespace solvara {

// A new acid's forms are empty, so its charges are 0 and its displayed formula is the empty
// form 0: what updateCharges would give, without needing a table.
BLAcid::BLAcid() { updateDerived(); }

const ClassInfo& BLAcid::staticClassInfo() {
    static const ClassInfo info{"BLAcid", 1, &CSubstance::staticClassInfo(), &createObject<BLAcid>};
    return info;
}

const ClassInfo& BLAcid::classInfo() const { return staticClassInfo(); }

double BLAcid::referencePKw() noexcept {
    WaterIonProduct water;
    return water.pKw(kReferenceTemperature, 0.0);
}

int BLAcid::boundedSteps() const noexcept { return std::clamp(steps, 0, kMaxSteps); }

void BLAcid::updateDerived() noexcept {
    const int n = boundedSteps();
    pBa[0] = pKa[0];
    for (int k = 1; k < kMaxSteps; ++k) pBa[at(k)] = pBa[at(k - 1)] + pKa[at(k)];

    const double pKw = referencePKw();
    for (int i = 0; i < n; ++i) {
        const double pKaFromTop = pKa[at(n - 1 - i)];
        logKH[at(i)] = pKaFromTop;
        pKb[at(i)] = pKw - pKaFromTop;
        Ka[at(i)] = powerOfTen(-pKa[at(i)]);
        Kb[at(i)] = powerOfTen(-pKb[at(i)]);
    }

    logBH[0] = logKH[0];
    pBb[0] = pKb[0];
    for (int k = 1; k < kMaxSteps; ++k) {
        logBH[at(k)] = logBH[at(k - 1)] + logKH[at(k)];
        pBb[at(k)] = pBb[at(k - 1)] + pKb[at(k)];
    }

    for (int j = n; j < kMaxSteps; ++j) {
        for (StepValues* values : {&pKa, &pBa, &pKb, &pBb, &Ka, &Kb, &logKH, &logBH}) {
            (*values)[at(j)] = 0.0;
        }
    }
    for (int k = 0; k < kMaxSteps; ++k) {
        overallKa[at(k)] = powerOfTen(-pBa[at(k)]);
        dpKbdT[at(k)] = -dpKadT[at(k)];
    }
}

void BLAcid::updateCharges(const ElementTable& table) {
    int displayed = 0;  // form 0 when no form is neutral
    for (int form = boundedSteps(); form >= 0; --form) {
        const std::int32_t charge = ChemicalFormula(table, forms[at(form)]).composition().charge();
        charges[at(form)] = charge;
        if (charge == 0) displayed = form;  // the lowest neutral form comes last
    }
    setFormula(forms[at(displayed)], table);
}

bool BLAcid::chargesConsecutive() const noexcept {
    if (!stepsValid()) return true;
    for (int form = 0; form < steps; ++form) {
        // Wide enough that a charge at the end of the int range cannot overflow.
        if (std::int64_t{charges[at(form)]} != std::int64_t{charges[at(form + 1)]} + 1)
            return false;
    }
    return true;
}

bool BLAcid::hasForm(std::string_view text) const {
    const auto end = forms.begin() + boundedSteps() + 1;
    return std::find(forms.begin(), end, text) != end;
}

}  // namespace solvara
