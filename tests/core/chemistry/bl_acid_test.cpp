#include "core/chemistry/bl_acid.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "support/acid_fixtures.h"
#include "support/starter_table.h"

namespace solvara {
namespace {

using testing::phosphateLikeAcid;
using testing::tenToMinus;

TEST(BLAcidTest, ANewAcidHasOneStepOfPKaZero) {
    const BLAcid acid;
    const double pKw = BLAcid::referencePKw();
    EXPECT_DOUBLE_EQ(pKw, 13.997);
    EXPECT_EQ(acid.steps, 1);
    EXPECT_EQ(acid.temperature, 25.0);
    EXPECT_EQ(acid.id, 0);
    EXPECT_EQ(acid.Ka[0], 1.0);
    EXPECT_EQ(acid.pBa[0], 0.0);
    EXPECT_EQ(acid.pKb[0], pKw);
    EXPECT_EQ(acid.Kb[0], tenToMinus(pKw));
    EXPECT_EQ(acid.overallKa, (BLAcid::StepValues{1.0, 1.0, 1.0, 1.0}));
    EXPECT_EQ(acid.Ka[1], 0.0);
    EXPECT_EQ(acid.charges, (std::array<std::int32_t, 5>{}));
    EXPECT_EQ(acid.formula, "");
    EXPECT_EQ(acid.molarMass, 0.0);
    EXPECT_EQ(acid.phase, Phase::none);
}

TEST(BLAcidTest, DerivedValuesOfAThreeStepAcid) {
    BLAcid acid = phosphateLikeAcid();
    acid.dpKadT[3] = 0.5;  // a step the acid lacks keeps its coefficient
    acid.updateDerived();
    const double pKw = BLAcid::referencePKw();
    const BLAcid::StepValues pBa{2.15, 9.35, 21.70, 0.0};
    const BLAcid::StepValues logKH{12.35, 7.20, 2.15, 0.0};
    const BLAcid::StepValues logBH{12.35, 19.55, 21.70, 0.0};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(acid.pBa[i], pBa[i], 1e-12);
        EXPECT_EQ(acid.logKH[i], logKH[i]);
        EXPECT_NEAR(acid.logBH[i], logBH[i], 1e-12);
        EXPECT_EQ(acid.pKb[i], pKw - acid.logKH[i]);
        EXPECT_EQ(acid.Ka[i], tenToMinus(acid.pKa[i]));
        EXPECT_EQ(acid.Kb[i], tenToMinus(acid.pKb[i]));
        EXPECT_EQ(acid.overallKa[i], tenToMinus(acid.pBa[i]));
    }
    EXPECT_EQ(acid.pKb[0], pKw - 12.35);
    EXPECT_NEAR(acid.pBb[2], 3 * pKw - 21.70, 1e-12);
    EXPECT_EQ(acid.pBb[1], acid.pKb[0] + acid.pKb[1]);
    EXPECT_EQ(acid.overallKa[3], 1.0);
    for (const BLAcid::StepValues* unused : {&acid.pKa, &acid.pBa, &acid.Ka, &acid.Kb, &acid.pKb,
                                             &acid.pBb, &acid.logKH, &acid.logBH}) {
        EXPECT_EQ((*unused)[3], 0.0);
    }
    EXPECT_EQ(acid.dpKbdT, (BLAcid::StepValues{-0.005, 0.0028, 0.026, -0.5}));
}

TEST(BLAcidTest, DroppingAStepZeroesItsValuesButKeepsItsTemperatureCoefficient) {
    BLAcid acid = phosphateLikeAcid();
    acid.steps = 2;
    acid.updateDerived();
    for (const BLAcid::StepValues* dropped : {&acid.pKa, &acid.pBa, &acid.Ka, &acid.Kb, &acid.pKb,
                                              &acid.pBb, &acid.logKH, &acid.logBH}) {
        EXPECT_EQ((*dropped)[2], 0.0);
    }
    EXPECT_EQ(acid.overallKa[2], 1.0);
    EXPECT_EQ(acid.dpKadT[2], -0.026);
    EXPECT_EQ(acid.dpKbdT[2], 0.026);
    EXPECT_EQ(acid.logKH[0], 7.20);  // the base side now starts from step 2
    EXPECT_EQ(acid.logKH[1], 2.15);
}

TEST(BLAcidTest, ChargesComeFromTheFormsAndTheLowestNeutralFormIsShown) {
    const ElementTable table = testing::starterTable();
    const struct {
        std::vector<std::string> forms;
        std::vector<std::int32_t> charges;
        const char* shown;
    } cases[] = {
        {{"HAcetate", "Acetate^-"}, {0, -1}, "HAcetate"},
        {{"NH_4^+", "NH_3"}, {1, 0}, "NH_3"},
        {{"HSO_4^-", "SO_4^{2-}"}, {-1, -2}, "HSO_4^-"},
        {{"H_3PO_4", "H_2PO_4^-", "HPO_4^{2-}", "PO_4^{3-}"}, {0, -1, -2, -3}, "H_3PO_4"},
        {{"Xx^+", "Xx"}, {0, 0}, "Xx^+"},  // unreadable forms count as neutral
    };
    for (const auto& expected : cases) {
        BLAcid acid;
        acid.steps = static_cast<int>(expected.forms.size()) - 1;
        for (std::size_t k = 0; k < expected.forms.size(); ++k) acid.forms[k] = expected.forms[k];
        acid.charges[4] = 99;  // beyond the forms: left alone
        acid.updateCharges(table);
        for (std::size_t k = 0; k < expected.charges.size(); ++k) {
            EXPECT_EQ(acid.charges[k], expected.charges[k]) << expected.shown << " form " << k;
        }
        if (expected.forms.size() < 5) {
            EXPECT_EQ(acid.charges[4], 99);
        }
        EXPECT_EQ(acid.formula, expected.shown);
        CSubstance shown;
        shown.setFormula(expected.shown, table);
        EXPECT_EQ(acid.molarMass, shown.molarMass);
    }
}

TEST(BLAcidTest, HAcetateWeighsHydrogenAndTheAcetateMoiety) {
    const ElementTable table = testing::starterTable();
    BLAcid acid;
    acid.forms[0] = "HAcetate";
    acid.forms[1] = "Acetate^-";
    acid.updateCharges(table);
    EXPECT_EQ(acid.formula, "HAcetate");
    EXPECT_NEAR(acid.molarMass, 1.00794 + 59.044, 1e-3);
    EXPECT_TRUE(acid.chargesConsecutive());
}

TEST(BLAcidTest, ChargesConsecutiveChecksOneStepDownPerForm) {
    const struct {
        int steps;
        std::array<std::int32_t, 5> charges;
        bool consecutive;
    } cases[] = {
        {1, {0, -1, 7, 7, 7}, true},  // only the forms of the acid count
        {2, {1, 0, -1, 0, 0}, true},
        {2, {0, -1, -3, 0, 0}, false},
        {3, {0, 1, 2, 3, 0}, false},  // rising
        {4, {2, 1, 0, -1, -2}, true},
        {4, {2, 1, 0, -1, -1}, false},
        {0, {5, 5, 5, 5, 5}, true},  // no step count it knows
        {5, {5, 5, 5, 5, 5}, true},
        {1, {INT_MIN, INT_MAX, 0, 0, 0}, false},
        {1, {INT_MAX, INT_MIN, 0, 0, 0}, false},
    };
    for (const auto& test : cases) {
        BLAcid acid;
        acid.steps = test.steps;
        acid.charges = test.charges;
        EXPECT_EQ(acid.chargesConsecutive(), test.consecutive)
            << test.steps << " steps, z0 " << test.charges[0];
    }
}

TEST(BLAcidTest, HasFormMatchesTheExactTextOfAFormInUse) {
    BLAcid acid;
    acid.steps = 1;
    acid.forms = {"HAcetate", "Acetate^-", "Stale", "", ""};
    EXPECT_TRUE(acid.hasForm("HAcetate"));
    EXPECT_TRUE(acid.hasForm("Acetate^-"));
    EXPECT_FALSE(acid.hasForm("Acetate^{-}"));
    EXPECT_FALSE(acid.hasForm("hacetate"));
    EXPECT_FALSE(acid.hasForm("Stale"));
    acid.steps = 99;  // a damaged record reaches no further than the five forms
    EXPECT_TRUE(acid.hasForm("Stale"));
    acid.steps = -3;
    EXPECT_TRUE(acid.hasForm("HAcetate"));
    EXPECT_FALSE(acid.hasForm("Acetate^-"));
}

TEST(BLAcidTest, UpdateDerivedStaysWithinTheArraysForAnyStepCount) {
    for (const int steps : {-7, 0, 5, INT_MAX}) {
        BLAcid acid = phosphateLikeAcid();
        acid.steps = steps;
        acid.updateDerived();
        EXPECT_EQ(acid.dpKbdT[0], -0.005) << steps;
    }
}

}  // namespace
}  // namespace solvara
