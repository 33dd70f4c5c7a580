#include "core/phcalc/ph_solution.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>
#include <utility>

#include "core/chemistry/power_of_ten.h"
#include "core/equilibrium/charge_balance_solver.h"
#include "core/equilibrium/ionic_strength_limit.h"
#include "core/program/program_model.h"

namespace solvara {
namespace {

constexpr SolveTuning kSolutionTuning{1.0003e-7, 1e-8};

// The rows of a solution as terms of the charge balance.
class RowTerms {
  public:
    explicit RowTerms(const std::vector<std::shared_ptr<ReagentpHCalculator>>& rows)
        : rows_(rows) {}

    void computeConstants(double temperature, double ionicStrength,
                          const ActivityCoefficients& coefficients) {
        for (const auto& row : rows_)
            row->computeConstants(temperature, ionicStrength, coefficients);
    }
    void addChargeAndStrength(double h, double& charge, double& chargeSlope, double& strength) {
        for (const auto& row : rows_) {
            row->addChargeAndStrength(row->effectiveConcentration, h, charge, chargeSlope,
                                      strength);
        }
    }

  private:
    const std::vector<std::shared_ptr<ReagentpHCalculator>>& rows_;
};

// The same terms, with the rows' acids copied once before the solve: the solve's constants go
// into the copies, so the solution it is made for is not touched. The copies are in the order
// the rows use their acids, so every sum is added up as the rows add it.
class CopiedAcidTerms {
  public:
    CopiedAcidTerms(const std::vector<std::shared_ptr<ReagentpHCalculator>>& rows, double daviesC)
        : daviesC_(daviesC) {
        for (const auto& row : rows) {
            Row term{row->effectiveConcentration,
                     row->spectatorCharge,
                     row->spectatorStrength,
                     {},
                     acids_.size()};
            const std::size_t entries = std::min(row->acidIds.size(), row->acidMultipliers.size());
            for (std::size_t i = entries; i-- > 0;) {
                const BLAcid* acid = row->acid(static_cast<int>(i));
                if (acid == nullptr) {
                    term.missingAcid = true;
                    break;
                }
                acids_.push_back(*acid);
                multipliers_.push_back(row->acidMultipliers[i]);
            }
            term.acidsEnd = acids_.size();
            rows_.push_back(term);
        }
    }

    void computeConstants(double temperature, double ionicStrength,
                          const ActivityCoefficients& coefficients) {
        for (BLAcid& acid : acids_) {
            acid.computeConstants(temperature, ionicStrength, &coefficients, daviesC_);
        }
    }
    void addChargeAndStrength(double h, double& charge, double& chargeSlope, double& strength) {
        std::size_t first = 0;
        for (const Row& row : rows_) {
            const double c = row.concentration;
            charge += c * row.spectatorCharge;
            strength += 0.5 * c * row.spectatorStrength;
            for (std::size_t i = first; i < row.acidsEnd; ++i) {
                acids_[i].addChargeAndStrength(c * multipliers_[i], h, charge, chargeSlope,
                                               strength);
            }
            if (row.missingAcid) charge = std::numeric_limits<double>::quiet_NaN();
            first = row.acidsEnd;
        }
    }

  private:
    struct Row {
        double concentration;
        double spectatorCharge;
        double spectatorStrength;
        bool missingAcid;
        std::size_t acidsEnd;
    };
    double daviesC_;
    std::vector<Row> rows_;
    std::vector<BLAcid> acids_;
    std::vector<double> multipliers_;
};

std::string twoDecimals(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

}  // namespace

pHSolution::pHSolution(ProgramModel& program)
    : acids(program.elements), temperature(program.defaults.temperature), program_(program) {
    rebuildSpecies();
}

void pHSolution::addReagent(const ReagentpHCalculator& row) {
    auto copy = std::make_shared<ReagentpHCalculator>(row);
    copy->setAcidDatabase(&acids);
    reagents.push_back(std::move(copy));
    refreshAcids();
    rebuildSpecies();
}

void pHSolution::replaceReagent(int index, const Reagent& reagent) {
    ReagentpHCalculator& row = reagentAt(index);
    static_cast<Reagent&>(row) = reagent;
    row.setAcidDatabase(&acids);
    refreshAcids();
    rebuildSpecies();
}

void pHSolution::removeReagent(int index) {
    reagentAt(index);  // checks the index
    reagents.erase(reagents.begin() + index);
    refreshAcids();
    rebuildSpecies();
}

ReagentpHCalculator& pHSolution::reagentAt(int index) {
    return const_cast<ReagentpHCalculator&>(std::as_const(*this).reagentAt(index));
}

const ReagentpHCalculator& pHSolution::reagentAt(int index) const {
    if (index < 0 || index >= reagentCount()) throw std::out_of_range("no reagent row there");
    return *reagents[static_cast<std::size_t>(index)];
}

void pHSolution::refreshAcids() {
    BLAcidDatabase used(program_.elements);
    for (const auto& row : reagents) {
        for (int i = row->acidCount() - 1; i >= 0; --i) {
            const BLAcid* acid = row->acid(i);
            if (acid != nullptr && used.FindByName(acid->name) == nullptr) {
                used.Add(*acid, false);
            }
        }
    }
    acids.Assign(used);
}

void pHSolution::distributeConcentrations(VolumeMode mode) {
    if (mode == VolumeMode::sumVolumes) {
        solutionVolume = 0.0;
        for (const auto& row : reagents) solutionVolume += row->volume;
    }
    // A zero final volume would divide by zero; the solve refuses it instead.
    const bool noVolume = !(solutionVolume > 0.0) || !std::isfinite(solutionVolume);
    for (const auto& row : reagents) {
        if (mode == VolumeMode::ignoreVolumes) {
            row->effectiveConcentration = row->concentration;
        } else {
            row->effectiveConcentration =
                noVolume ? 0.0 : row->concentration * row->volume / solutionVolume;
        }
    }
}

ChargeBalanceSettings pHSolution::settingsOf(const SolveConditions& conditions) const {
    if (volumeMode != VolumeMode::ignoreVolumes &&
        (!(solutionVolume > 0.0) || !std::isfinite(solutionVolume))) {
        throw pHCalculationError();
    }
    return chargeBalanceSettings(conditions, kSolutionTuning, program_.defaults.daviesC);
}

SolveConditions pHSolution::conditionsOfModes(double extraCharge) const {
    SolveConditions conditions;
    conditions.temperature = temperature;
    conditions.extraCharge = extraCharge;
    conditions.forceIonicStrength = ionicStrengthMode != IonicStrengthMode::calculateIonicStrength;
    conditions.ionicStrengthValue =
        ionicStrengthMode == IonicStrengthMode::forceIonicStrength ? ionicStrength : 0.0;
    return conditions;
}

double pHSolution::solveHydrogenActivity(const SolveConditions& conditions) {
    resultsValid = false;
    RowTerms terms(reagents);
    const ChargeBalanceResult result =
        solveChargeBalance(settingsOf(conditions), program_.water, terms, ionicStrength);
    resultsValid = true;
    return result.hydrogenActivity();
}

double pHSolution::calculatePH(const SolveConditions& conditions) {
    return -std::log10(solveHydrogenActivity(conditions));
}

double pHSolution::bufferCapacity() const {
    constexpr double kAddedBase = 5e-7;
    CopiedAcidTerms terms(reagents, program_.defaults.daviesC);
    const auto solvePH = [&](double extraCharge) {
        double workingIonicStrength = 0.0;
        const ChargeBalanceResult result =
            solveChargeBalance(settingsOf(conditionsOfModes(extraCharge)), program_.water, terms,
                               workingIonicStrength);
        return -std::log10(result.hydrogenActivity());
    };
    const double raisedPH = solvePH(kAddedBase);
    const double basePH = solvePH(0.0);
    const double capacity = kAddedBase / (raisedPH - basePH);
    if (!(capacity > 0.0) || !std::isfinite(capacity)) throw pHCalculationError();
    return capacity;
}

void pHSolution::rebuildSpecies() {
    species.clear();
    spectatorRows.clear();
    addSpeciesRow("H^+", -1, 1, false);
    addSpeciesRow("OH^-", -1, -1, false);
    for (const auto& row : reagents) {
        for (int i = 0; i < row->acidCount(); ++i) {
            const BLAcid* acid = row->acid(i);
            // A damaged record's step count would index past the forms.
            if (acid == nullptr || !acid->stepsValid()) continue;
            for (int k = acid->steps; k >= 0; --k) {
                const auto form = static_cast<std::size_t>(k);
                addSpeciesRow(acid->forms[form], acid->id, acid->charges[form], false);
            }
        }
        for (const Spectator& spectator : row->spectators) {
            addSpeciesRow(spectator.formula, -1, spectator.charge, true);
        }
    }
}

int pHSolution::speciesRow(const std::string& formula, int acidId, int charge) const {
    const SolutionForm wanted{formula, {}, {}, acidId, charge};
    for (std::size_t i = 0; i < species.size(); ++i) {
        if (species[i].sameSpecies(wanted)) return static_cast<int>(i);
    }
    return -1;
}

void pHSolution::addSpeciesRow(const std::string& formula, int acidId, int charge, bool spectator) {
    if (speciesRow(formula, acidId, charge) >= 0) return;
    species.push_back(SolutionForm{formula, {}, {}, acidId, charge});
    if (spectator) spectatorRows.push_back(static_cast<int>(species.size()) - 1);
}

void pHSolution::computeSpecies(double solutionPH, double solutionTemperature,
                                double solutionIonicStrength) {
    const ActivityCoefficients coefficients(solutionIonicStrength, solutionTemperature,
                                            program_.defaults.daviesC, false);
    for (SolutionForm& row : species) {
        row.concentration = 0.0;
        row.activityCoefficient = 1.0;
        row.activity = 0.0;
        row.fraction = 0.0;
        row.logActivityText.clear();
    }
    if (!resultsValid) return;

    const double hydrogenActivity = powerOfTen(-solutionPH);
    const double h = hydrogenActivity / coefficients.gamma(1);
    addAcidShares(h, solutionTemperature, solutionIonicStrength);

    for (SolutionForm& row : species) {
        row.activityCoefficient = coefficients.gamma(row.charge);
        row.activity = row.activityCoefficient * row.concentration;
        row.logActivityText =
            row.activity == 0.0 ? "- - -" : twoDecimals(-std::log10(row.activity));
    }
    const double Kw = program_.water.Kw(solutionTemperature, solutionIonicStrength);
    SolutionForm& hydrogen = species[0];
    hydrogen.concentration = h;
    hydrogen.activityCoefficient = coefficients.gamma(1);
    hydrogen.activity = hydrogenActivity;
    hydrogen.fraction = 0.0;
    hydrogen.logActivityText = twoDecimals(-std::log10(hydrogenActivity));
    hydrogen.note = "(pH)";
    SolutionForm& hydroxide = species[1];
    hydroxide.concentration = Kw / h;
    hydroxide.activityCoefficient = coefficients.gamma(1);
    hydroxide.activity = coefficients.gamma(1) * Kw / h;
    hydroxide.fraction = 0.0;
    hydroxide.logActivityText = twoDecimals(-std::log10(hydroxide.activity));
    hydroxide.note = "(pOH)";
}

// Total concentrations of every acid form and spectator, then each acid's
// forms split by their fractions at h.
void pHSolution::addAcidShares(double h, double solutionTemperature, double solutionIonicStrength) {
    for (auto row = reagents.rbegin(); row != reagents.rend(); ++row) {
        const double c = (*row)->effectiveConcentration;
        for (int i = (*row)->acidCount() - 1; i >= 0; --i) {
            const BLAcid* acid = (*row)->acid(i);
            if (acid == nullptr || !acid->stepsValid()) continue;
            const double m = (*row)->acidMultipliers[static_cast<std::size_t>(i)];
            for (int k = acid->steps; k >= 0; --k) {
                const auto form = static_cast<std::size_t>(k);
                const int index = speciesRow(acid->forms[form], acid->id, acid->charges[form]);
                if (index >= 0) species[static_cast<std::size_t>(index)].concentration += c * m;
            }
        }
        for (auto spectator = (*row)->spectators.rbegin(); spectator != (*row)->spectators.rend();
             ++spectator) {
            const int index = speciesRow(spectator->formula, -1, spectator->charge);
            if (index < 0) continue;
            SolutionForm& target = species[static_cast<std::size_t>(index)];
            target.concentration += c * spectator->count;
            target.fraction = 1.0;
        }
    }
    for (int a = acids.Count() - 1; a >= 0; --a) {
        BLAcid& acid = acids.At(a);
        if (!acid.stepsValid()) continue;
        BLAcid::FormValues alpha{};
        acid.fractions(h, solutionTemperature, solutionIonicStrength, program_.defaults.daviesC,
                       alpha);
        for (int k = acid.steps; k >= 0; --k) {
            const auto form = static_cast<std::size_t>(k);
            const int index = speciesRow(acid.forms[form], acid.id, acid.charges[form]);
            if (index < 0) continue;
            SolutionForm& target = species[static_cast<std::size_t>(index)];
            target.fraction = alpha[form];
            target.concentration *= alpha[form];
        }
    }
}

double pHSolution::osmolality() const {
    double sum = 0.0;
    for (const SolutionForm& row : species) sum += row.activity;
    return sum;
}

RowFault pHSolution::rowFault(int index) const {
    const Reagent& reagent = reagentAt(index);
    if (reagent.formula.empty()) {
        return reagent.concentration != 0.0 ? RowFault::concentrationWithoutFormula
                                            : RowFault::none;
    }
    if (!reagent.analysed) return RowFault::formulaNotAnalysed;
    return reagent.concentration == 0.0 ? RowFault::noConcentration : RowFault::none;
}

std::optional<int> pHSolution::firstFaultyRow() const {
    for (int index = 0; index < reagentCount(); ++index) {
        if (rowFault(index) != RowFault::none) return index;
    }
    return std::nullopt;
}

bool pHSolution::speciesAreFinite() const {
    const auto finite = [](const SolutionForm& row) {
        return std::isfinite(row.concentration) && std::isfinite(row.activityCoefficient) &&
               std::isfinite(row.activity) && std::isfinite(row.fraction);
    };
    // An activity of H+ or OH- that underflowed to 0 would show an infinite -log.
    return species[0].activity > 0.0 && species[1].activity > 0.0 &&
           std::all_of(species.begin(), species.end(), finite) && std::isfinite(osmolality());
}

bool pHSolution::recalculate() {
    const double lastPH = pH;
    if (firstFaultyRow()) {
        resultsValid = false;
    } else {
        distributeConcentrations(volumeMode);
        try {
            pH = calculatePH(conditionsOfModes(0.0));
        } catch (const pHCalculationError&) {
            // resultsValid is already false; pH keeps its last value.
        }
    }
    computeSpecies(pH, temperature, ionicStrength);
    if (resultsValid && !speciesAreFinite()) {
        resultsValid = false;
        pH = lastPH;
        computeSpecies(pH, temperature, ionicStrength);
    }
    return resultsValid;
}

double pHSolution::resultIonicStrength() const {
    const bool failedCalculation =
        ionicStrengthMode == IonicStrengthMode::calculateIonicStrength && !resultsValid;
    return failedCalculation ? std::numeric_limits<double>::quiet_NaN() : ionicStrength;
}

bool pHSolution::ionicStrengthTooHigh() const {
    return solvara::ionicStrengthTooHigh(resultIonicStrength(), program_.defaults);
}

std::string pHSolution::pHLabel() const {
    return resultsValid ? "pH = " + twoDecimals(pH) : "pH = ???";
}

}  // namespace solvara
