#include "core/phcalc/ph_solution.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/equilibrium/ph_calculation_error.h"
#include "core/program/program_model.h"
#include "support/stock_row.h"

namespace solvara {
namespace {

class pHSolutionTest : public ::testing::Test {
  protected:
    pHSolutionTest() : program_(makeStarterProgramModel()), solution_(*program_) {}

    // A stock row of `formula` at `concentration` M, `volume` mL.
    ReagentpHCalculator row(const char* formula, double concentration, double volume = 0.0) {
        return testing::stockRow(*program_, formula, concentration, volume);
    }

    // A monoprotic acid HF / F^- with pKa 4.75 and no temperature coefficient.
    void addTestAcid() {
        BLAcid acid;
        acid.name = "test acid";
        acid.forms[0] = "HF";
        acid.forms[1] = "F^-";
        acid.pKa[0] = 4.75;
        acid.updateDerived();
        acid.updateCharges(program_->elements);
        ASSERT_TRUE(program_->acids.Add(acid, true));
    }

    const SolutionForm& speciesNamed(const std::string& formula) const {
        for (const SolutionForm& form : solution_.species) {
            if (form.formula == formula) return form;
        }
        throw std::logic_error("no species " + formula);
    }

    std::shared_ptr<ProgramModel> program_;
    pHSolution solution_;
};

TEST_F(pHSolutionTest, PureWaterIsNeutralWithTheCapacityOfWater) {
    solution_.ionicStrengthMode = IonicStrengthMode::ignoreIonicStrength;
    ASSERT_TRUE(solution_.recalculate());
    EXPECT_NEAR(solution_.pH, 6.9985, 1e-9);
    EXPECT_EQ(solution_.pHLabel(), "pH = 7.00");
    EXPECT_NEAR(solution_.bufferCapacity(), 7.0e-7, 0.1e-7);
    ASSERT_EQ(solution_.species.size(), 2u);
    EXPECT_EQ(solution_.species[0].note, "(pH)");
    EXPECT_EQ(solution_.species[1].note, "(pOH)");
    EXPECT_EQ(solution_.species[0].logActivityText, "7.00");
}

TEST_F(pHSolutionTest, WeakAcidWithCalculatedAndIgnoredIonicStrength) {
    addTestAcid();
    solution_.addReagent(row("HF", 0.1));
    ASSERT_TRUE(solution_.recalculate());
    EXPECT_NEAR(solution_.pH, 2.878, 5e-4);
    EXPECT_NEAR(solution_.ionicStrength, 0.00138, 1e-5);

    // Species: H+, OH-, then the acid's forms from the least protonated.
    ASSERT_EQ(solution_.species.size(), 4u);
    EXPECT_EQ(solution_.species[2].formula, "F^-");
    EXPECT_EQ(solution_.species[3].formula, "HF");
    const SolutionForm& fluoride = speciesNamed("F^-");
    const SolutionForm& acid = speciesNamed("HF");
    EXPECT_NEAR(fluoride.fraction + acid.fraction, 1.0, 1e-12);
    EXPECT_NEAR(fluoride.concentration + acid.concentration, 0.1, 1e-12);
    // Charge balance: [H+] = [F-] + [OH-].
    EXPECT_NEAR(speciesNamed("H^+").concentration,
                fluoride.concentration + speciesNamed("OH^-").concentration, 1e-9);
    double activities = 0.0;
    for (const SolutionForm& form : solution_.species) activities += form.activity;
    EXPECT_DOUBLE_EQ(solution_.osmolality(), activities);

    solution_.ionicStrengthMode = IonicStrengthMode::ignoreIonicStrength;
    ASSERT_TRUE(solution_.recalculate());
    EXPECT_NEAR(solution_.pH, 2.8779, 5e-5);
}

TEST_F(pHSolutionTest, ForcingZeroIonicStrengthIsIgnoringIt) {
    addTestAcid();
    solution_.addReagent(row("HF", 0.1));
    solution_.ionicStrengthMode = IonicStrengthMode::ignoreIonicStrength;
    ASSERT_TRUE(solution_.recalculate());
    const double ignored = solution_.pH;
    solution_.ionicStrengthMode = IonicStrengthMode::forceIonicStrength;
    solution_.ionicStrength = 0.0;
    ASSERT_TRUE(solution_.recalculate());
    EXPECT_DOUBLE_EQ(solution_.pH, ignored);
}

TEST_F(pHSolutionTest, AnIonFromTwoReagentsIsOneSpeciesRowWithTheSummedConcentration) {
    solution_.addReagent(row("K^+,Cl^-", 0.1));
    solution_.addReagent(row("2K^+,HPO_4^{2-}", 0.05));
    ASSERT_TRUE(solution_.recalculate());
    ASSERT_EQ(solution_.spectatorRows.size(), 1u);
    const SolutionForm& potassium =
        solution_.species[static_cast<std::size_t>(solution_.spectatorRows[0])];
    EXPECT_EQ(potassium.formula, "K^+");
    EXPECT_NEAR(potassium.concentration, 0.2, 1e-12);
    EXPECT_EQ(potassium.fraction, 1.0);
}

TEST_F(pHSolutionTest, VolumeModesSetTheEffectiveConcentrations) {
    solution_.addReagent(row("HCl", 0.1, 10.0));
    solution_.addReagent(row("NaOH", 0.2, 30.0));
    solution_.distributeConcentrations(VolumeMode::sumVolumes);
    EXPECT_EQ(solution_.solutionVolume, 40.0);
    EXPECT_NEAR(solution_.reagentAt(0).effectiveConcentration, 0.025, 1e-15);
    EXPECT_NEAR(solution_.reagentAt(1).effectiveConcentration, 0.15, 1e-15);

    solution_.solutionVolume = 100.0;
    solution_.distributeConcentrations(VolumeMode::finalVolume);
    EXPECT_NEAR(solution_.reagentAt(1).effectiveConcentration, 0.06, 1e-15);

    solution_.distributeConcentrations(VolumeMode::ignoreVolumes);
    EXPECT_EQ(solution_.reagentAt(1).effectiveConcentration, 0.2);
}

TEST_F(pHSolutionTest, NoVolumeIsAFailedCalculationNotADivisionByZero) {
    solution_.addReagent(row("HCl", 0.1, 0.0));
    for (const VolumeMode mode : {VolumeMode::sumVolumes, VolumeMode::finalVolume}) {
        solution_.volumeMode = mode;
        solution_.solutionVolume = 0.0;
        EXPECT_FALSE(solution_.recalculate()) << static_cast<int>(mode);
        EXPECT_EQ(solution_.pHLabel(), "pH = ???");
        for (const SolutionForm& form : solution_.species) {
            EXPECT_EQ(form.concentration, 0.0);
            EXPECT_EQ(form.activityCoefficient, 1.0);
            EXPECT_TRUE(form.logActivityText.empty());
        }
    }
}

TEST_F(pHSolutionTest, IncompleteRowsPreventTheCalculation) {
    struct Case {
        const char* formula;
        double concentration;
    };
    for (const Case& incomplete : {Case{"HCl", 0.0}, Case{"", 0.1}, Case{"Xx", 0.1}}) {
        pHSolution solution(*program_);
        solution.addReagent(row(incomplete.formula, incomplete.concentration));
        EXPECT_FALSE(solution.recalculate()) << incomplete.formula;
        EXPECT_EQ(solution.pHLabel(), "pH = ???");
    }
    pHSolution emptyRow(*program_);
    emptyRow.addReagent(ReagentpHCalculator(*program_));
    EXPECT_TRUE(emptyRow.recalculate());
}

TEST_F(pHSolutionTest, RemovingTheLastUserOfAnAcidDropsItsCopyAndRows) {
    solution_.addReagent(row("HCl", 0.1));
    solution_.addReagent(row("HAcetate", 0.1));
    EXPECT_EQ(solution_.acids.Count(), 2);
    EXPECT_EQ(solution_.species.size(), 6u);
    solution_.removeReagent(1);
    EXPECT_EQ(solution_.acids.Count(), 1);
    EXPECT_EQ(solution_.acids.At(0).name, "hydrochloric acid");
    EXPECT_EQ(solution_.species.size(), 4u);
}

TEST_F(pHSolutionTest, AbsurdInputsFailWithoutCrashing) {
    solution_.addReagent(row("HCl", 0.1));
    for (const double temperature : {std::nan(""), HUGE_VAL, -1e300}) {
        solution_.temperature = temperature;
        EXPECT_FALSE(solution_.recalculate()) << temperature;
    }
    solution_.temperature = 25.0;
    solution_.reagentAt(0).concentration = 1e300;
    EXPECT_NO_THROW(solution_.recalculate());
}

// Far beyond any real solution the solve either finds no equilibrium or one whose activities
// under- or overflow. Both are failed calculations: the label says so, the last pH stays, the
// table is empty and there is no ionic strength to judge.
TEST_F(pHSolutionTest, AbsurdConcentrationsAreFailedCalculations) {
    solution_.addReagent(row("NaOH", 0.01));
    ASSERT_TRUE(solution_.recalculate());
    const double lastPH = solution_.pH;
    struct Case {
        const char* formula;
        double concentration;
    };
    for (const Case& c : {Case{"NaOH", 1000.0}, Case{"NaOH", 1e300}, Case{"HCl", 1e300}}) {
        SCOPED_TRACE(std::string(c.formula) + " " + std::to_string(c.concentration));
        solution_.replaceReagent(0, row(c.formula, c.concentration));
        EXPECT_FALSE(solution_.recalculate());
        EXPECT_EQ(solution_.pHLabel(), "pH = ???");
        EXPECT_EQ(solution_.pH, lastPH);
        EXPECT_TRUE(std::isnan(solution_.resultIonicStrength()));
        EXPECT_FALSE(solution_.ionicStrengthTooHigh());
        for (const SolutionForm& form : solution_.species) {
            EXPECT_EQ(form.concentration, 0.0) << form.formula;
            EXPECT_EQ(form.activity, 0.0) << form.formula;
        }
    }
}

TEST_F(pHSolutionTest, IonicStrengthAboveTheProgramsLimitIsFlagged) {
    struct Case {
        const char* formula;
        double concentration;
        IonicStrengthMode mode;
        double forced;
        bool tooHigh;
    };
    const Case cases[] = {
        {"Na^+,Cl^-", 0.05, IonicStrengthMode::calculateIonicStrength, 0.0, false},
        {"Na^+,Cl^-", 0.2, IonicStrengthMode::calculateIonicStrength, 0.0, true},
        {"Na^+,Cl^-", 0.2, IonicStrengthMode::ignoreIonicStrength, 0.0, false},
        {"Na^+,Cl^-", 0.05, IonicStrengthMode::forceIonicStrength, 0.2, true},
        {"Na^+,Cl^-", 0.2, IonicStrengthMode::forceIonicStrength, 0.05, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.concentration) + " mode " +
                     std::to_string(static_cast<int>(c.mode)));
        pHSolution solution(*program_);
        solution.addReagent(row(c.formula, c.concentration));
        solution.ionicStrengthMode = c.mode;
        solution.ionicStrength = c.forced;
        ASSERT_TRUE(solution.recalculate());
        EXPECT_EQ(solution.ionicStrengthTooHigh(), c.tooHigh);
    }
    program_->defaults.highIonicStrengthLimit = 0.3;
    solution_.addReagent(row("Na^+,Cl^-", 0.2));
    ASSERT_TRUE(solution_.recalculate());
    EXPECT_FALSE(solution_.ionicStrengthTooHigh());
}

// 12 M hydrochloric acid is far outside the activity model: the pH it gives is a number, flagged
// as unreliable, but adding base lowers it, and a capacity of 0 or below is no result.
TEST_F(pHSolutionTest, ACapacityThatIsNotPositiveIsNotAvailable) {
    solution_.addReagent(row("HCl", 12.0));
    ASSERT_TRUE(solution_.recalculate());
    EXPECT_TRUE(solution_.ionicStrengthTooHigh());
    EXPECT_THROW(solution_.bufferCapacity(), pHCalculationError);

    solution_.replaceReagent(0, row("HCl", 0.01));
    ASSERT_TRUE(solution_.recalculate());
    EXPECT_FALSE(solution_.ionicStrengthTooHigh());
    // Mostly the strong acid's own: 2.303 [H+].
    EXPECT_NEAR(solution_.bufferCapacity(), 2.303 * 0.01, 2e-3);
}

}  // namespace
}  // namespace solvara
