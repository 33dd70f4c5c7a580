#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/chemistry/reagent.h"
#include "core/equilibrium/ph_calculation_error.h"
#include "core/program/program_model.h"
#include "support/starter_program.h"

namespace solvara {
namespace {

using testing::kHydrochloricAcid;
using testing::kPhosphoricAcid;
using testing::kSodiumHydroxide;
using testing::reagentOf;

const std::string kSpectatorHint = "(have you entered the canonical formula?)\r\n";

class ReagentAnalysisTest : public ::testing::Test {
  protected:
    Reagent analysed(const std::string& formula, double concentration, bool quiet = true) {
        Reagent reagent = reagentOf(*program, formula, concentration);
        reagent.analyze(quiet);
        return reagent;
    }

    std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
};

TEST_F(ReagentAnalysisTest, NotationsResolveAgainstTheStarterAcids) {
    const double mK = 39.0983;
    const double mCl = 35.453;
    struct Case {
        const char* formula;
        std::vector<std::int32_t> acidIds;
        std::vector<double> multipliers;
        double spectatorCharge;
        double spectatorStrength;
        std::string log;
    };
    const Case cases[] = {
        {"H_3PO_4", {kPhosphoricAcid}, {1.0}, 0, 0, "H_3PO_4, C = 0.1000\r\n"},
        {"2Na^+,HPO_4^{2-}",
         {kSodiumHydroxide, kPhosphoricAcid},
         {2.0, 1.0},
         0,
         0,
         "NaOH, C = 0.2000\r\nH_3PO_4, C = 0.1000\r\n"},
        {"K^+,Cl^-",
         {kHydrochloricAcid},
         {1.0},
         1,
         1,
         "K^+ - assumed to be a spectator, C = 0.1000\r\n" + kSpectatorHint +
             "HCl, C = 0.1000\r\n"},
        {"3K^+,PO_4^{3-}",
         {kPhosphoricAcid},
         {1.0},
         3,
         3,
         "K^+ - assumed to be a spectator, C = 0.3000\r\n" + kSpectatorHint +
             "H_3PO_4, C = 0.1000\r\n"},
        {"H_3PO_4;div=2",
         {kPhosphoricAcid},
         {0.5},
         0,
         0,
         "concentration divisor = 2\r\nH_3PO_4, C = 0.0500\r\n"},
        {"Na^+,,Cl^-",
         {kSodiumHydroxide, kHydrochloricAcid},
         {1.0, 1.0},
         0,
         0,
         "Empty string found instead of formula\r\nNaOH, C = 0.1000\r\nHCl, C = 0.1000\r\n"},
        // Strong acids are written with their ions; H^+ counts for charge and mass only.
        {"H^+,Cl^-", {kHydrochloricAcid}, {1.0}, 0, 0, "HCl, C = 0.1000\r\n"},
        {"Na^+/OH^-&H_2O", {kSodiumHydroxide}, {1.0}, 0, 0, "NaOH, C = 0.1000\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formula);
        const Reagent reagent = analysed(c.formula, 0.1);
        EXPECT_TRUE(reagent.analysed);
        EXPECT_EQ(reagent.analysisLog, c.log);
        EXPECT_EQ(reagent.acidIds, c.acidIds);
        EXPECT_EQ(reagent.acidMultipliers, c.multipliers);
        EXPECT_EQ(reagent.spectatorCharge, c.spectatorCharge);
        EXPECT_EQ(reagent.spectatorStrength, c.spectatorStrength);
        EXPECT_EQ(reagent.concentrationData.formula, c.formula);
        EXPECT_EQ(reagent.concentrationData.molarMass, reagent.molarMass);
    }
    EXPECT_NEAR(analysed("K^+,Cl^-", 0.1).molarMass, mK + mCl, 1e-3);
    EXPECT_EQ(analysed("H_3PO_4;div=2", 0.1).molarMass, 0.0);
    EXPECT_TRUE(analysed("H_3PO_4;div=2", 0.1).hasSection);
}

TEST_F(ReagentAnalysisTest, IonsOfNoAcidAreSpectatorsCountedOncePerFormula) {
    program->acids.Remove(kSodiumHydroxide);
    const Reagent reagent = analysed("2Na^+,HPO_4^{2-}", 0.1);
    EXPECT_TRUE(reagent.analysed);
    EXPECT_EQ(reagent.spectatorCharge, 2.0);
    EXPECT_EQ(reagent.spectatorStrength, 2.0);
    ASSERT_EQ(reagent.spectators.size(), 1u);
    EXPECT_EQ(reagent.spectators[0], (Spectator{2.0, "Na^+", 1}));

    const Reagent twice = analysed("Na^+,Na^+,SO_4^{2-};div=4", 0.1);
    ASSERT_EQ(twice.spectators.size(), 1u);
    EXPECT_EQ(twice.spectators[0].count, 0.5);
    EXPECT_EQ(twice.spectatorStrength, 0.5);
}

TEST_F(ReagentAnalysisTest, FailuresLeaveTheirLineAndNoResults) {
    struct Case {
        const char* formula;
        std::string log;
    };
    const Case cases[] = {
        {"", ""},
        {"Na^+", "Na^+ - substance is not electrically neutral (1)\r\n"},
        {"H_3PO_4;", "Can't find pH nor div section after semicolon\r\n"},
        {"H_3PO_4; x=2", "Can't find pH nor div section after semicolon\r\n"},
        {"H_3PO_4;pH=", "Can't find number in pH or div section\r\n"},
        {"H_3PO_4;pH=0", "Can't find number in pH or div section\r\n"},
        {"H_3PO_4;div=1e999", "Can't find number in pH or div section\r\n"},
        {"H_3PO_4;pH=7", "Wrong number (1) of substances for forced pH (must be 2)\r\n"},
        {"Xx_2", "Xx_2 - can't calculate molar mass for a given formula"},
        {"2", " - can't calculate molar mass for a given formula"},
        // A formula of known symbols that breaks the notation says what is wrong.
        {"99999999999Na^+,Cl^-",
         "99999999999Na^+ - can't calculate molar mass: count too large (at most 2147483647 "
         "units of an entry or of charge)"},
        {"CaSO_4&0.5H_2O", "CaSO_4 - assumed to be a spectator, C = 0.1000\r\n" + kSpectatorHint +
                               "0.5H_2O - can't calculate molar mass: fractional count (counts "
                               "are whole numbers)"},
        {"(2H_2O)", "(2H_2O) - can't calculate molar mass: count that follows no symbol or group"},
        {"K^+,Xx^-", "K^+ - assumed to be a spectator, C = 0.1000\r\n" + kSpectatorHint +
                         "Xx^- - can't calculate molar mass for a given formula"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formula);
        Reagent reagent = reagentOf(*program, c.formula, 0.1);
        EXPECT_FALSE(reagent.analyze(false));
        EXPECT_FALSE(reagent.analysed);
        EXPECT_FALSE(reagent.hasSection);
        EXPECT_EQ(reagent.analysisLog, c.log);
        EXPECT_EQ(reagent.molarMass, 0.0);
        EXPECT_EQ(reagent.spectatorCharge, 0.0);
        EXPECT_EQ(reagent.spectatorStrength, 0.0);
    }
}

TEST_F(ReagentAnalysisTest, ForcedPHFindsTheSecondAcidsShareByBisection) {
    Reagent reagent = analysed("NaOH/H_3PO_4; pH=7.33", 0.1);
    ASSERT_TRUE(reagent.analysed);
    EXPECT_TRUE(reagent.hasSection);
    EXPECT_EQ(reagent.molarMass, 0.0);
    EXPECT_EQ(reagent.acidIds, (std::vector<std::int32_t>{kSodiumHydroxide, kPhosphoricAcid}));
    EXPECT_EQ(reagent.acidMultipliers[0], 1.0);
    EXPECT_GT(reagent.acidMultipliers[1], 0.0);
    EXPECT_LT(reagent.acidMultipliers[1], 1.0);
    EXPECT_EQ(reagent.analysisLog.substr(0, 19), "forced pH = 7.33\r\nN");
    EXPECT_NEAR(reagent.calculatePH(25.0, 0.0), 7.33, 0.001);

    // The starter buffers, pH given without a blank.
    const Reagent& acetic4 = *program->reagents.FindByName("acetic buffer pH=4.00");
    EXPECT_TRUE(acetic4.analysed);
    Reagent copy = acetic4;
    EXPECT_NEAR(copy.calculatePH(25.0, 0.0), 4.0, 0.001);
}

TEST_F(ReagentAnalysisTest, ForcedPHOutOfReachEndsAtTheNearestEnd) {
    for (const char* formula : {"HAcetate/NaOH;pH=99", "HAcetate/NaOH;pH=0.0001"}) {
        SCOPED_TRACE(formula);
        Reagent reagent = analysed(formula, 0.1);
        ASSERT_TRUE(reagent.analysed);
        EXPECT_GE(reagent.acidMultipliers[1], 0.0);
        EXPECT_LE(reagent.acidMultipliers[1], 1.0);
    }
    EXPECT_NEAR(analysed("HAcetate/NaOH;pH=99", 0.1).acidMultipliers[1], 1.0, 1e-6);
}

TEST_F(ReagentAnalysisTest, ForcedPHThatCannotBeSolvedFailsTheAnalysis) {
    const Reagent reagent = analysed("HAcetate/NaOH;pH=5", std::nan(""));
    EXPECT_FALSE(reagent.analysed);
    EXPECT_EQ(reagent.analysisLog, "forced pH = 5.00\r\n");
}

TEST_F(ReagentAnalysisTest, SummaryAddsPHAndIonicStrengthWithTheUsersLimit) {
    program->defaults.highIonicStrengthLimit = 1.0;
    const Reagent acetic = analysed("HAcetate", 0.1, false);
    EXPECT_EQ(acetic.analysisLog,
              "HAcetate, C = 0.1000\r\npH = 2.88\r\nionic strength = 0.0014\r\n");

    program->defaults.highIonicStrengthLimit = 0.001;
    EXPECT_EQ(analysed("HAcetate", 0.1, false).analysisLog,
              "HAcetate, C = 0.1000\r\npH = 2.88\r\nionic strength = 0.0014\r\n"
              "Warning: high ionic strength - results unreliable!!!");

    const Reagent forced = analysed("HAcetate/NaOH;pH=5.00", 0.1, false);
    EXPECT_EQ(forced.analysisLog.find("\npH = "), std::string::npos);
    EXPECT_NE(forced.analysisLog.find("ionic strength = 0.0702\r\n"), std::string::npos);
}

// A reagent taken from the database is summarised from the acids it holds: the lines a full
// analysis ends with, without the spectator lines before them.
TEST_F(ReagentAnalysisTest, SummaryOfHeldAcidsRepeatsTheAnalysisEnding) {
    Reagent spectator = analysed("K^+,Cl^-", 0.1, false);
    const std::string summary = spectator.analysisSummary();
    EXPECT_EQ(summary.substr(0, 20), "HCl, C = 0.1000\r\npH ");
    EXPECT_EQ(spectator.analysisLog.substr(spectator.analysisLog.size() - summary.size()), summary);

    Reagent forced = analysed("HAcetate/NaOH;pH=5.00", 0.1, false);
    EXPECT_EQ(forced.analysisLog.substr(forced.analysisLog.find("HAcetate, C")),
              forced.analysisSummary());
}

TEST_F(ReagentAnalysisTest, SolidReagentNamesItsAcidsOnly) {
    Reagent solid = reagentOf(*program, "Na^+,Acetate^-", 1.0);
    solid.isSolid = true;
    EXPECT_TRUE(solid.analyze(false));
    EXPECT_EQ(solid.analysisLog, "NaOH\r\nHAcetate\r\n");
}

TEST_F(ReagentAnalysisTest, UnsolvableStockIsAWarningNotAFailure) {
    for (const double concentration :
         {std::nan(""), std::numeric_limits<double>::infinity(), 1e300}) {
        SCOPED_TRACE(concentration);
        const Reagent reagent = analysed("HCl", concentration, false);
        EXPECT_TRUE(reagent.analysed);
        const std::string warning = "Warning: unable to calculate pH!!!";
        ASSERT_GE(reagent.analysisLog.size(), warning.size());
        EXPECT_EQ(reagent.analysisLog.substr(reagent.analysisLog.size() - warning.size()), warning);
    }
}

TEST_F(ReagentAnalysisTest, ANewFormulaWithoutSectionClearsTheSectionFlag) {
    Reagent reagent = analysed("H_3PO_4;div=2", 0.1);
    ASSERT_TRUE(reagent.hasSection);
    reagent.formula = "H_3PO_4";
    ASSERT_TRUE(reagent.analyze(true));
    EXPECT_FALSE(reagent.hasSection);
    EXPECT_EQ(reagent.acidMultipliers, std::vector<double>{1.0});
}

TEST_F(ReagentAnalysisTest, AReagentOfNoProgramFailsWithoutLog) {
    Reagent reagent;
    reagent.formula = "HCl";
    EXPECT_FALSE(reagent.analyze(false));
    EXPECT_TRUE(reagent.analysisLog.empty());
    EXPECT_EQ(reagent.acid(0), nullptr);
}

// Picks the candidate at `pick`, or cancels with -1; remembers what it was offered.
class ScriptedChooser : public AcidChooser {
  public:
    explicit ScriptedChooser(int pickAt) : pick_(pickAt) {}
    std::int32_t chooseAcid(const BLAcidDatabase&, std::span<const std::int32_t> ids) override {
        ++calls;
        offered.assign(ids.begin(), ids.end());
        return pick_ < 0 ? -1 : ids[static_cast<std::size_t>(pick_)];
    }
    int calls = 0;
    std::vector<std::int32_t> offered;

  private:
    int pick_;
};

class SharedFormTest : public ReagentAnalysisTest {
  protected:
    void SetUp() override {
        BLAcid perchloric;
        perchloric.name = "chloride twin";
        perchloric.steps = 1;
        perchloric.forms = {"HCl", "Cl^-", "", "", ""};
        perchloric.pKa[0] = -5.0;
        perchloric.updateDerived();
        perchloric.updateCharges(program->elements);
        program->acids.Add(perchloric, true);  // id 11
    }
};

TEST_F(SharedFormTest, WithoutChooserASharedFormIsNoAcid) {
    const Reagent reagent = analysed("K^+,Cl^-", 0.1);
    EXPECT_TRUE(reagent.acidIds.empty());
    EXPECT_EQ(reagent.spectators.size(), 2u);
}

TEST_F(SharedFormTest, TheChooserPicksAmongTheAcidsNewestFirstAndIsAskedOnce) {
    ScriptedChooser chooser(1);
    program->acidChooser = &chooser;
    const Reagent reagent = analysed("K^+,Cl^-", 0.1);
    EXPECT_EQ(chooser.offered, (std::vector<std::int32_t>{11, kHydrochloricAcid}));
    EXPECT_EQ(reagent.acidIds, std::vector<std::int32_t>{kHydrochloricAcid});

    ScriptedChooser cancelling(-1);
    program->acidChooser = &cancelling;
    EXPECT_TRUE(analysed("K^+,Cl^-", 0.1).acidIds.empty());
    EXPECT_EQ(cancelling.calls, 1);
}

}  // namespace
}  // namespace solvara
