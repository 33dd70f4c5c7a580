#include "core/chemistry/reagent.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "core/equilibrium/ph_calculation_error.h"
#include "core/program/program_model.h"
#include "support/starter_program.h"

namespace solvara {
namespace {

using testing::kAceticAcid;
using testing::kPhosphoricAcid;
using testing::kSodiumHydroxide;
using testing::reagentOf;

class ReagentTest : public ::testing::Test {
  protected:
    Reagent analysed(const char* formula, double concentration) {
        Reagent reagent = reagentOf(*program, formula, concentration);
        EXPECT_TRUE(reagent.analyze(true)) << reagent.analysisLog;
        return reagent;
    }

    std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
};

TEST_F(ReagentTest, AcidsAreLookedUpInTheOwnListFirstThenInTheProgram) {
    Reagent reagent = analysed("Na^+,H_2PO_4^-", 0.1);
    EXPECT_EQ(reagent.acidCount(), 2);
    EXPECT_EQ(reagent.acid(0)->name, "sodium hydroxide");
    EXPECT_EQ(reagent.acid(2), nullptr);
    EXPECT_EQ(reagent.acid(-1), nullptr);

    BLAcidDatabase documentAcids(program->elements);
    BLAcid privatePhosphate = *program->acids.FindById(kPhosphoricAcid);
    privatePhosphate.name = "document's phosphate";
    documentAcids.Add(privatePhosphate, false);
    reagent.setAcidDatabase(&documentAcids);
    EXPECT_EQ(reagent.acid(1)->name, "document's phosphate");
    EXPECT_EQ(reagent.acid(0), program->acids.FindById(kSodiumHydroxide));
    EXPECT_EQ(reagent.findAcid("document's phosphate"), reagent.acid(1));
    EXPECT_EQ(reagent.findAcid("phosphoric acid"), nullptr);
}

TEST_F(ReagentTest, MultipliersAddUpOverRepeatedEntries) {
    const Reagent reagent = analysed("Na^+,Na^+,HPO_4^{2-}", 0.1);
    EXPECT_EQ(reagent.countAcidUses(kSodiumHydroxide), 2);
    EXPECT_EQ(reagent.multiplierOf(kSodiumHydroxide), 2.0);
    EXPECT_EQ(reagent.multiplierOf(kPhosphoricAcid), 1.0);
    EXPECT_EQ(reagent.countAcidUses(kAceticAcid), 0);
    EXPECT_EQ(reagent.multiplierOf(kAceticAcid), 0.0);
}

TEST_F(ReagentTest, PHOfTheStockAlone) {
    Reagent acetic = analysed("HAcetate", 0.1);
    EXPECT_NEAR(acetic.calculatePH(25.0, 0.0), 2.88, 0.005);
    EXPECT_NEAR(acetic.ownIonicStrength(), 0.00137, 0.00002);

    Reagent water = analysed("H_2O", 1.0);
    EXPECT_NEAR(water.calculatePH(25.0, 0.0), 6.9985, 1e-4);
    // Extra positive charge acts as a strong base.
    EXPECT_GT(water.calculatePH(25.0, 1e-3), 10.9);

    // A spectator-only salt is neutral.
    program->acids.Remove(kSodiumHydroxide);
    Reagent salt = reagentOf(*program, "Na^+,Cl^-", 0.1);
    ASSERT_TRUE(salt.analyze(true));
    EXPECT_NEAR(salt.calculatePH(25.0, 0.0), 7.0, 0.05);
}

TEST_F(ReagentTest, TheDaviesCoefficientIsReadAtEveryCalculation) {
    Reagent base = analysed("NaOH", 1.0);
    const double before = base.calculatePH(25.0, 0.0);
    program->defaults.daviesC = 0.0;
    EXPECT_GT(std::fabs(base.calculatePH(25.0, 0.0) - before), 0.01);
}

TEST_F(ReagentTest, AbsurdInputFailsTheCalculationOrGivesANumber) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double concentration;
        double temperature;
    };
    const Case failing[] = {{nan, 25.0}, {0.1, nan}, {inf, 25.0}, {1e300, 25.0}};
    for (const Case& c : failing) {
        Reagent reagent = analysed("HCl", 0.1);
        reagent.concentration = c.concentration;
        EXPECT_THROW(reagent.calculatePH(c.temperature, 0.0), pHCalculationError)
            << c.concentration << " " << c.temperature;
    }
    const Case odd[] = {{-0.1, 25.0}, {0.1, -300.0}, {0.1, 1e6}, {1e-300, 25.0}};
    for (const Case& c : odd) {
        Reagent reagent = analysed("H_3PO_4", 0.1);
        reagent.concentration = c.concentration;
        try {
            EXPECT_TRUE(std::isfinite(reagent.calculatePH(c.temperature, 0.0)));
        } catch (const pHCalculationError&) {
            SUCCEED();
        }
    }
}

TEST_F(ReagentTest, AbsurdAcidConstantsFailTheCalculationOrGiveANumber) {
    for (const double pKa : {std::numeric_limits<double>::quiet_NaN(), 1e300, -1e300, 400.0}) {
        SCOPED_TRACE(pKa);
        BLAcid& acetic = *program->acids.FindById(kAceticAcid);
        acetic.pKa[0] = pKa;
        acetic.updateDerived();
        Reagent reagent = reagentOf(*program, "HAcetate", 0.1);
        ASSERT_TRUE(reagent.analyze(false));
        try {
            EXPECT_TRUE(std::isfinite(reagent.calculatePH(25.0, 0.0)));
        } catch (const pHCalculationError&) {
            EXPECT_NE(reagent.analysisLog.find("unable to calculate pH"), std::string::npos);
        }
        Reagent forced = reagentOf(*program, "HAcetate/NaOH;pH=5", 0.1);
        if (forced.analyze(true)) {
            EXPECT_GE(forced.acidMultipliers[1], 0.0);
            EXPECT_LE(forced.acidMultipliers[1], 1.0);
        } else {
            EXPECT_EQ(forced.analysisLog, "forced pH = 5.00\r\n");
        }
    }
}

TEST_F(ReagentTest, AnAcidThatIsGoneFailsTheCalculation) {
    Reagent reagent = analysed("HAcetate", 0.1);
    program->acids.Remove(kAceticAcid);
    EXPECT_EQ(reagent.acid(0), nullptr);
    EXPECT_THROW(reagent.calculatePH(25.0, 0.0), pHCalculationError);
}

TEST_F(ReagentTest, CopiesTakeEverythingButTheOwnIonicStrength) {
    Reagent original = analysed("2Na^+,HPO_4^{2-}", 0.1);
    original.name = "disodium phosphate";
    original.id = 7;
    original.calculatePH(25.0, 0.0);
    ASSERT_GT(original.ownIonicStrength(), 0.0);

    Reagent copy = original;
    EXPECT_EQ(copy.ownIonicStrength(), 0.0);
    EXPECT_EQ(copy.name, original.name);
    EXPECT_EQ(copy.id, 7);
    EXPECT_EQ(copy.acidIds, original.acidIds);
    EXPECT_EQ(copy.acidMultipliers, original.acidMultipliers);
    EXPECT_EQ(copy.analysisLog, original.analysisLog);
    EXPECT_EQ(copy.program(), program.get());

    Reagent target = analysed("HCl", 0.1);
    target.calculatePH(25.0, 0.0);
    const double kept = target.ownIonicStrength();
    target = original;
    EXPECT_EQ(target.ownIonicStrength(), kept);
    EXPECT_EQ(target.formula, original.formula);
}

}  // namespace
}  // namespace solvara
