#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/chemistry/bl_acid_database.h"
#include "core/chemistry/reagent_ph_calculator.h"
#include "core/equilibrium/charge_balance_solver.h"
#include "core/equilibrium/solution_modes.h"
#include "core/phcalc/solution_form.h"

namespace solvara {

class ProgramModel;

// Why a row keeps the solution from being calculated.
enum class RowFault {
    none,
    formulaNotAnalysed,           // the formula names something the database does not know
    noConcentration,              // a reagent without a concentration
    concentrationWithoutFormula,  // a concentration of nothing
};

// A solution made of reagents with their concentrations and volumes, and
// everything the charge-balance solve finds for it: pH, ionic strength,
// buffer capacity and the species table. The pH calculator document holds
// one; the command line uses one directly.
class pHSolution {
  public:
    // No rows; temperature from the program defaults; species H+ and OH-.
    explicit pHSolution(ProgramModel& program);
    pHSolution(const pHSolution&) = delete;
    pHSolution& operator=(const pHSolution&) = delete;

    // Row editing. Each points the row's acid lookups at this solution's own
    // acid copies, then refreshes the copies and the species rows.
    void addReagent(const ReagentpHCalculator& row);
    void replaceReagent(int index, const Reagent& reagent);
    void removeReagent(int index);
    int reagentCount() const { return static_cast<int>(reagents.size()); }
    ReagentpHCalculator& reagentAt(int index);
    const ReagentpHCalculator& reagentAt(int index) const;

    // Copies of every acid the rows use, keeping edits made to copies already
    // held; acids no row uses any more are dropped.
    void refreshAcids();

    // Sets every row's effective concentration for the volume mode.
    void distributeConcentrations(VolumeMode mode);
    // The activity of H+ at equilibrium; throws pHCalculationError. Leaves the working ionic
    // strength in ionicStrength and sets resultsValid when it converged.
    double solveHydrogenActivity(const SolveConditions& conditions);
    double calculatePH(const SolveConditions& conditions);
    // The solve the modes ask for, with `extraCharge` mol/L of base added.
    SolveConditions conditionsOfModes(double extraCharge) const;
    // mol/L per pH unit, from two solves on copies of the acids, so the solution and its results
    // stay as they are; throws pHCalculationError, also when the quotient is not a finite
    // positive number: adding base never lowers the pH of a real solution, so a capacity of 0
    // or below only shows that the model has left its range. Uses the concentrations the last
    // distribution left.
    double bufferCapacity() const;
    void rebuildSpecies();
    void computeSpecies(double solutionPH, double solutionTemperature,
                        double solutionIonicStrength);
    // The sum of the activities of every species (mol/L).
    double osmolality() const;

    // The whole calculation after an edit: row checks, concentrations, solve,
    // species. Returns whether the results are valid: a solve whose species
    // figures are not all finite failed as much as one that did not converge,
    // and leaves pH at its last value and the species table empty.
    bool recalculate();
    // The ionic strength the results are worked out at: the forced value (0 when ignored) or the
    // calculated one. Not a number while there are no results in "calculate I" mode, since the
    // working value a failed solve leaves is no result.
    double resultIonicStrength() const;
    // That ionic strength is above the program's limit for reliable results.
    bool ionicStrengthTooHigh() const;
    // "pH = 7.00", or "pH = ???" when the last calculation failed.
    std::string pHLabel() const;

    VolumeMode volumeMode = VolumeMode::ignoreVolumes;
    IonicStrengthMode ionicStrengthMode = IonicStrengthMode::calculateIonicStrength;
    bool resultsValid = false;
    BLAcidDatabase acids;         // the solution's own copies of the acids its rows use
    double ionicStrength = 0.0;   // mol/L: the forced value, or the last result
    double temperature;           // degC
    double solutionVolume = 0.0;  // mL: the final volume, or the computed sum
    double pH = 7.0;
    std::vector<SolutionForm> species;
    std::vector<int> spectatorRows;
    std::vector<std::shared_ptr<ReagentpHCalculator>> reagents;

    // What keeps a row from the calculation; the first row that has a fault.
    RowFault rowFault(int index) const;
    std::optional<int> firstFaultyRow() const;

  private:
    // The settings of the Newton solve; throws pHCalculationError when the volume mode needs a
    // volume the solution does not have.
    ChargeBalanceSettings settingsOf(const SolveConditions& conditions) const;
    // Every figure of the species table is finite, and water's own ions have an activity.
    bool speciesAreFinite() const;
    // -1 when the table has no such row.
    int speciesRow(const std::string& formula, int acidId, int charge) const;
    void addSpeciesRow(const std::string& formula, int acidId, int charge, bool spectator);
    void addAcidShares(double hydrogen, double solutionTemperature, double solutionIonicStrength);

    ProgramModel& program_;
};

}  // namespace solvara
