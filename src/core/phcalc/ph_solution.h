#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/chemistry/bl_acid_database.h"
#include "core/chemistry/reagent_ph_calculator.h"
#include "core/phcalc/solution_form.h"

namespace solvara {

class ProgramModel;

// A solution made of reagents with their concentrations and volumes, and
// everything the charge-balance solve finds for it: pH, ionic strength,
// buffer capacity and the species table. The pH calculator document holds
// one; the command line uses one directly.
class pHSolution {
  public:
    enum VolumeMode { ignoreVolumes = 0, sumVolumes = 1, finalVolume = 2 };
    enum IonicStrengthMode { calculateIonicStrength = 0, ignoreIonicStrength = 1,
                             forceIonicStrength = 2 };

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

    // Copies of every acid the rows use, keeping edits made to copies already
    // held; acids no row uses any more are dropped.
    void refreshAcids();

    // Sets every row's effective concentration for the volume mode.
    void distributeConcentrations(int mode);
    // The activity of H+ at equilibrium; throws pHCalculationError.
    double solveHydrogenActivity(double solutionTemperature, double extraCharge, bool force,
                                 double ionicStrengthValue, double initialH);
    double calculatePH(double solutionTemperature, double extraCharge, bool force,
                       double ionicStrengthValue, double initialH);
    // mol/L per pH unit, from two solves; throws pHCalculationError, also when the quotient is
    // not a finite positive number: adding base never lowers the pH of a real solution, so a
    // capacity of 0 or below only shows that the model has left its range.
    double bufferCapacity();
    void rebuildSpecies();
    void computeSpecies(double solutionPH, double solutionTemperature, double solutionIonicStrength);
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

    int volumeMode = ignoreVolumes;
    int ionicStrengthMode = calculateIonicStrength;
    bool resultsValid = false;
    BLAcidDatabase acids;  // the solution's own copies of the acids its rows use
    double ionicStrength = 0.0;  // mol/L: the forced value, or the last result
    double temperature;          // degC
    double solutionVolume = 0.0;  // mL: the final volume, or the computed sum
    double pH = 7.0;
    std::vector<SolutionForm> species;
    std::vector<int> spectatorRows;
    std::vector<std::shared_ptr<ReagentpHCalculator>> reagents;

  private:
    bool rowsAreComplete() const;
    // Every figure of the species table is finite, and water's own ions have an activity.
    bool speciesAreFinite() const;
    // -1 when the table has no such row.
    int speciesRow(const std::string& formula, int acidId, int charge) const;
    void addSpeciesRow(const std::string& formula, int acidId, int charge, bool spectator);
    void addAcidShares(double hydrogen, double solutionTemperature,
                       double solutionIonicStrength);

    ProgramModel& program_;
};

}  // namespace solvara
