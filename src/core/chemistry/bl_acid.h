#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/chemistry/element_table.h"
#include "core/chemistry/substance.h"
#include "core/equilibrium/activity_coefficients.h"

namespace solvara {

// A Bronsted-Lowry acid of one to four dissociation steps. Form k (0 to steps) has lost k
// protons, so form 0 is the most protonated and each step lowers the charge by one. The
// primary data are pKa and dpKa/dT of each step at 25 degC; every other customary form of the
// same equilibria is kept in step with them by updateDerived.
//
// Arrays of four hold steps 1 to 4 at indexes 0 to 3; values of steps beyond `steps` are 0,
// except dpKadT, dpKbdT and overallKa (1 there).
class BLAcid : public CSubstance {
  public:
    static constexpr int kMaxSteps = 4;
    // The temperature every pKa refers to, in degC.
    static constexpr double kReferenceTemperature = 25.0;

    using StepValues = std::array<double, kMaxSteps>;
    using FormValues = std::array<double, kMaxSteps + 1>;

    // One step with pKa 0 and no forms.
    BLAcid();

    static const ClassInfo& staticClassInfo();
    const ClassInfo& classInfo() const override;
    // The derived values are read as stored, not recomputed.
    void Serialize(Archive& archive) override;

    // pKw at the reference temperature and ionic strength 0: the base constants refer to it.
    static double referencePKw() noexcept;

    // Recomputes every derived array from steps, pKa and dpKadT, and zeroes the pKa of steps
    // beyond `steps`.
    void updateDerived() noexcept;
    // Charges from the forms' formulas (0 for a form the table cannot read), then the displayed
    // formula: the neutral form with the lowest index, else form 0.
    void updateCharges(const ElementTable& table);
    // Each form's charge is one below the previous form's.
    bool chargesConsecutive() const noexcept;
    // `text` is, byte for byte, one of the acid's forms.
    bool hasForm(std::string_view text) const;

    // Fills beta with the cumulative concentration constants at this temperature and ionic
    // strength, using `coefficients`, or when there are none activity coefficients computed
    // here with the Davies coefficient daviesC. Beta is working state of the pH solver: it is
    // overwritten by every call and read by addChargeAndStrength. NaN and infinite inputs give
    // non-finite constants; so does a `steps` outside 1 to 4 (a damaged record).
    void computeConstants(double solutionTemperature, double ionicStrength,
                          const ActivityCoefficients* coefficients, double daviesC) noexcept;
    // The fraction of the acid in each form 0 to steps at [H+] = h (mol/L), after
    // computeConstants without given coefficients; entries beyond `steps` are left alone.
    void fractions(double h, double solutionTemperature, double ionicStrength, double daviesC,
                   FormValues& alpha) noexcept;
    // Adds, for the acid at total concentration c (mol/L) and [H+] = h with the constants of
    // the last computeConstants, the charge of its forms, the derivative of that charge with
    // respect to h, and their share of the ionic strength.
    void addChargeAndStrength(double c, double h, double& charge, double& chargeSlope,
                              double& ionicStrength) const noexcept;

    // Conversions of the constant converter: setting one value of step `step` (1 to `steps`)
    // recomputes the primary data from it and then the derived values. False, and nothing
    // changes, when the step does not exist.
    bool setKa(int step, double value) noexcept;
    bool setPKa(int step, double value) noexcept;
    bool setPBa(int step, double value) noexcept;
    bool setKb(int step, double value) noexcept;
    bool setPKb(int step, double value) noexcept;
    // The other overall base constants stay, so two stepwise values change (one for step 1).
    bool setPBb(int step, double value) noexcept;
    bool setLogKH(int step, double value) noexcept;
    bool setLogBH(int step, double value) noexcept;
    // The temperature coefficients only mirror each other; no pKa changes.
    bool setDpKadT(int step, double value) noexcept;
    bool setDpKbdT(int step, double value) noexcept;

    // A record from a file may claim any number of steps; only these have forms and constants.
    bool stepsValid() const noexcept { return steps >= 1 && steps <= kMaxSteps; }

    int steps = 1;
    std::array<std::string, kMaxSteps + 1> forms;
    std::array<std::int32_t, kMaxSteps + 1> charges{};
    // Kept for the file, read by no calculation.
    double temperature = kReferenceTemperature;
    StepValues pBa{};          // overall: pKa_1 + ... + pKa_k
    StepValues overallKa{};    // 10^-pBa_k
    StepValues beta{};         // conditional cumulative constants of the last computeConstants
    StepValues reserved{};     // kept for the file, read by nothing
    StepValues logBH{};        // overall protonation: logKH_1 + ... + logKH_k
    StepValues Ka{};           // stepwise, 10^-pKa_i
    StepValues Kb{};           // stepwise, 10^-pKb_i
    StepValues pKa{};          // stepwise at 25 degC (primary)
    StepValues dpKadT{};       // pKa units per degC (primary)
    StepValues dpKbdT{};       // -dpKadT_i
    StepValues logKH{};        // stepwise protonation: pKa_(steps+1-i)
    StepValues pBb{};          // overall: pKb_1 + ... + pKb_k
    StepValues pKb{};          // pKw - pKa_(steps+1-i)
    std::int32_t id = 0;       // given by the acid database
    std::string trailingText;  // kept for the file, read by nothing

  private:
    static constexpr std::size_t at(int index) noexcept { return static_cast<std::size_t>(index); }
    // `steps` as an index bound: a record from a file may claim any number.
    int boundedSteps() const noexcept;
    bool stepExists(int step) const noexcept { return step >= 1 && step <= boundedSteps(); }
    void storeConstants(double solutionTemperature,
                        const ActivityCoefficients& coefficients) noexcept;
    // beta'_k with beta'_0 = 1.
    double cumulativeConstant(int form) const noexcept;
};

}  // namespace solvara
