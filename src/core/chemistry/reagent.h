#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/chemistry/bl_acid.h"
#include "core/chemistry/cc_data_set.h"
#include "core/chemistry/spectator.h"
#include "core/chemistry/substance.h"
#include "core/equilibrium/activity_coefficients.h"

namespace solvara {

class BLAcidDatabase;
class ChemistryModel;

// A substance as it is taken from the shelf: a name, a formula and a stock
// concentration, or a solid. Analysing its formula against the acid
// databases yields the acids it contains, each with a multiplier, and the
// spectator ions; that analysis is what the pH calculations consume.
//
// A reagent works with one program's chemistry (its element table, acid
// database, equilibrium constants and water ion product). Its acids are looked
// up first in its own acid database, a document's private list when one is
// set, then in the program's.
class Reagent : public CSubstance {
  public:
    // Bound to no program until loaded by an archive that carries one; such
    // a reagent has no acids and fails every analysis.
    Reagent() = default;
    explicit Reagent(ChemistryModel& program) : program_(&program) {}

    static const ClassInfo& staticClassInfo();
    const ClassInfo& classInfo() const override;
    // Writes version 0x10002; reads 0x10000 to 0x10002. Both directions
    // analyse the formula afterwards, quietly, so the stored analysis results
    // only keep the record layout.
    void Serialize(Archive& archive) override;

    // Acid i, or none when i is out of range or the id is in neither database.
    virtual BLAcid* acid(int i) const;
    // From the last acid to the first, the first with this name.
    virtual BLAcid* findAcid(std::string_view acidName) const;
    virtual int acidCount() const;

    ChemistryModel* program() const noexcept { return program_; }
    // The acids of a document's own list come before the program's; none
    // leaves only the program's.
    void setAcidDatabase(BLAcidDatabase* database) noexcept { acidDatabase_ = database; }
    BLAcidDatabase* acidDatabase() const noexcept;

    // Analyses the formula into acid entries and spectators, writing what it
    // finds into analysisLog; unless quiet, the log ends with the pH and
    // ionic strength of the stock. Returns `analysed`.
    bool analyze(bool quiet);
    // The closing lines of a full analysis (each acid with its concentration, the stock's pH and
    // ionic strength) from the acid entries the reagent holds, without reading its formula
    // again, so no acid has to be chosen anew.
    std::string analysisSummary();

    // The acids' constants at this temperature (degC) and ionic strength.
    void computeConstants(double solutionTemperature, double ionicStrength,
                          const ActivityCoefficients& coefficients) const;
    // The reagent's share of the charge balance at concentration c (mol/L)
    // and [H+] = h, with the constants of the last computeConstants. An acid
    // that cannot be found makes the charge not a number, so the solve fails.
    void addChargeAndStrength(double c, double h, double& charge, double& chargeSlope,
                              double& ionicStrength) const;
    // The pH of the stock solution alone at `concentration`, with
    // `extraCharge` mol/L of positive charge added; stores ownIonicStrength.
    // Throws pHCalculationError.
    double calculatePH(double solutionTemperature, double extraCharge);

    // Units of the acid per formula unit of reagent.
    double multiplierOf(std::int32_t acidId) const;
    int countAcidUses(std::int32_t acidId) const;

    // The ionic strength of the last calculatePH; copies do not take it over.
    double ownIonicStrength() const noexcept { return ownIonicStrength_.value; }

    std::int32_t id = 0;  // given by the reagent database
    CCDataSet concentrationData;
    std::string analysisLog;
    bool analysed = false;
    // The last analysis read its number from a "pH=" or "div=" section.
    bool hasSection = false;
    double concentration = 0.0;      // of the stock, mol/L
    double spectatorCharge = 0.0;    // sum of count * charge over the spectators
    double spectatorStrength = 0.0;  // sum of count * charge^2
    bool isSolid = false;            // weighed; no stock concentration applies
    std::vector<double> acidMultipliers;
    std::vector<std::int32_t> acidIds;
    std::vector<Spectator> spectators;

  private:
    class Analysis;

    // A result of this object's own calculation: a copy starts without it,
    // and assigning keeps the target's.
    struct OwnResult {
        double value = 0.0;
        OwnResult() = default;
        OwnResult(const OwnResult&) noexcept {}
        OwnResult& operator=(const OwnResult&) noexcept { return *this; }
    };

    void describeStockInConcentrationData();

    ChemistryModel* program_ = nullptr;
    BLAcidDatabase* acidDatabase_ = nullptr;  // none: the program's
    OwnResult ownIonicStrength_;
};

}  // namespace solvara
