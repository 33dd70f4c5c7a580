#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

#include "core/chemistry/bl_acid.h"
#include "support/acid_fixtures.h"

namespace solvara {
namespace {

using testing::acidWithPKa;

using Setter = bool (BLAcid::*)(int, double) noexcept;

struct Conversion {
    const char* name;
    Setter set;
    BLAcid::StepValues BLAcid::*field;
};

const Conversion kConversions[] = {
    {"Ka", &BLAcid::setKa, &BLAcid::Ka},
    {"pKa", &BLAcid::setPKa, &BLAcid::pKa},
    {"pBa", &BLAcid::setPBa, &BLAcid::pBa},
    {"Kb", &BLAcid::setKb, &BLAcid::Kb},
    {"pKb", &BLAcid::setPKb, &BLAcid::pKb},
    {"pBb", &BLAcid::setPBb, &BLAcid::pBb},
    {"logKH", &BLAcid::setLogKH, &BLAcid::logKH},
    {"logBH", &BLAcid::setLogBH, &BLAcid::logBH},
    {"dpKadT", &BLAcid::setDpKadT, &BLAcid::dpKadT},
    {"dpKbdT", &BLAcid::setDpKbdT, &BLAcid::dpKbdT},
};

TEST(AcidConstantConversionsTest, ATypedKaOfAMonoproticAcid) {
    BLAcid acid = acidWithPKa({0.0});
    const double pKw = BLAcid::referencePKw();
    ASSERT_TRUE(acid.setKa(1, 1e-5));
    EXPECT_DOUBLE_EQ(acid.pKa[0], 5.0);
    EXPECT_DOUBLE_EQ(acid.pBa[0], 5.0);
    EXPECT_DOUBLE_EQ(acid.pKb[0], pKw - 5.0);
    EXPECT_DOUBLE_EQ(acid.logKH[0], 5.0);
    EXPECT_DOUBLE_EQ(acid.logBH[0], 5.0);
    EXPECT_NEAR(acid.Ka[0], 1e-5, 1e-18);  // through exp(-ln 10 pKa), not exactly the typed text
}

TEST(AcidConstantConversionsTest, ATypedOverallAcidConstantMovesTheHigherOnes) {
    BLAcid acid = acidWithPKa({2.0, 7.0, 12.0});
    EXPECT_EQ(acid.pBa, (BLAcid::StepValues{2.0, 9.0, 21.0, 0.0}));
    EXPECT_EQ(acid.logKH, (BLAcid::StepValues{12.0, 7.0, 2.0, 0.0}));
    EXPECT_EQ(acid.logBH, (BLAcid::StepValues{12.0, 19.0, 21.0, 0.0}));
    EXPECT_EQ(acid.pKb[0], BLAcid::referencePKw() - 12.0);

    ASSERT_TRUE(acid.setPBa(2, 10.0));
    EXPECT_EQ(acid.pKa, (BLAcid::StepValues{2.0, 8.0, 12.0, 0.0}));
    EXPECT_EQ(acid.pBa[2], 22.0);
}

TEST(AcidConstantConversionsTest, ATypedOverallProtonationConstantChangesOneStep) {
    BLAcid acid = acidWithPKa({2.0, 7.0, 12.0});
    ASSERT_TRUE(acid.setLogBH(2, 20.0));  // logKH_2 = 8 is the acid's step 2
    EXPECT_EQ(acid.pKa, (BLAcid::StepValues{2.0, 8.0, 12.0, 0.0}));
    EXPECT_EQ(acid.logBH, (BLAcid::StepValues{12.0, 20.0, 22.0, 0.0}));
    ASSERT_TRUE(acid.setLogBH(1, 11.0));
    EXPECT_EQ(acid.pKa, (BLAcid::StepValues{2.0, 8.0, 11.0, 0.0}));
}

TEST(AcidConstantConversionsTest, ATypedOverallBaseConstantKeepsTheOtherOverallBaseConstants) {
    BLAcid acid = acidWithPKa({2.0, 7.0, 12.0});
    const BLAcid::StepValues pBb = acid.pBb;
    ASSERT_TRUE(acid.setPBb(2, pBb[1] + 1.0));
    EXPECT_NEAR(acid.pKa[1], 6.0, 1e-12);
    EXPECT_NEAR(acid.pKa[0], 3.0, 1e-12);
    EXPECT_EQ(acid.pKa[2], 12.0);
    EXPECT_NEAR(acid.pBb[0], pBb[0], 1e-12);
    EXPECT_NEAR(acid.pBb[1], pBb[1] + 1.0, 1e-12);
    EXPECT_NEAR(acid.pBb[2], pBb[2], 1e-12);
}

TEST(AcidConstantConversionsTest, OverallBaseConstantsOfEveryStepCount) {
    // Raising pBb_k by 1 raises pKb_k and lowers pKb_(k+1): the acid's step n+1-k falls and
    // the one below it rises, except for step 1, which moves the overall values above it.
    const struct {
        int steps;
        int step;
        BLAcid::StepValues pKaChange;
    } cases[] = {
        {1, 1, {-1, 0, 0, 0}}, {2, 1, {0, -1, 0, 0}}, {2, 2, {-1, 0, 0, 0}}, {3, 1, {0, 0, -1, 0}},
        {3, 2, {1, -1, 0, 0}}, {3, 3, {-1, 0, 0, 0}}, {4, 1, {0, 0, 0, -1}}, {4, 2, {0, 1, -1, 0}},
        {4, 3, {1, -1, 0, 0}}, {4, 4, {-1, 0, 0, 0}},
    };
    for (const auto& test : cases) {
        BLAcid acid = acidWithPKa({1.5, 4.0, 8.5, 11.0});
        acid.steps = test.steps;
        acid.updateDerived();
        const BLAcid acidBefore = acid;
        const std::size_t edited = static_cast<std::size_t>(test.step - 1);
        ASSERT_TRUE(acid.setPBb(test.step, acid.pBb[edited] + 1.0));
        const std::string where =
            std::to_string(test.steps) + " steps, pBb_" + std::to_string(test.step);
        for (std::size_t i = 0; i < static_cast<std::size_t>(test.steps); ++i) {
            EXPECT_NEAR(acid.pKa[i] - acidBefore.pKa[i], test.pKaChange[i], 1e-12) << where;
            if (test.step > 1) {
                EXPECT_NEAR(acid.pBb[i] - acidBefore.pBb[i], i == edited ? 1.0 : 0.0, 1e-12)
                    << where;
            }
        }
    }
}

TEST(AcidConstantConversionsTest, TemperatureCoefficientsMirrorEachOtherAndTouchNoPKa) {
    BLAcid acid = acidWithPKa({2.0, 7.0, 12.0});
    acid.Ka[0] = 123.0;  // would be rewritten by a recomputation
    ASSERT_TRUE(acid.setDpKadT(1, -0.0028));
    EXPECT_EQ(acid.dpKbdT[0], 0.0028);
    ASSERT_TRUE(acid.setDpKbdT(3, 0.01));
    EXPECT_EQ(acid.dpKadT[2], -0.01);
    EXPECT_EQ(acid.pKa, (BLAcid::StepValues{2.0, 7.0, 12.0, 0.0}));
    EXPECT_EQ(acid.Ka[0], 123.0);
}

TEST(AcidConstantConversionsTest, EveryConversionKeepsTheTypedValueAndAConsistentAcid) {
    for (const int steps : {1, 2, 3, 4}) {
        for (const Conversion& conversion : kConversions) {
            for (int step = 1; step <= steps; ++step) {
                BLAcid acid = acidWithPKa({1.5, 4.0, 8.5, 11.0});
                acid.steps = steps;
                acid.updateDerived();
                const std::size_t i = static_cast<std::size_t>(step - 1);
                const double typed = (acid.*conversion.field)[i] * 1.1 + 0.3;
                ASSERT_TRUE((acid.*conversion.set)(step, typed));

                const std::string where = std::string(conversion.name) + "_" +
                                          std::to_string(step) + " of " + std::to_string(steps);
                EXPECT_NEAR((acid.*conversion.field)[i], typed, 1e-12 * std::abs(typed)) << where;
                BLAcid recomputed = acid;
                recomputed.updateDerived();
                for (const BLAcid::StepValues BLAcid::*values :
                     {&BLAcid::pBa, &BLAcid::Ka, &BLAcid::pKb, &BLAcid::logBH, &BLAcid::pBb,
                      &BLAcid::dpKbdT}) {
                    EXPECT_EQ(acid.*values, recomputed.*values) << where;
                }
            }
        }
    }
}

TEST(AcidConstantConversionsTest, StepsTheAcidDoesNotHaveChangeNothing) {
    for (const Conversion& conversion : kConversions) {
        for (const int step : {INT_MIN, -1, 0, 3, 5, INT_MAX}) {
            BLAcid acid = acidWithPKa({2.0, 7.0});
            const BLAcid before = acid;
            EXPECT_FALSE((acid.*conversion.set)(step, 9.0)) << conversion.name << " " << step;
            EXPECT_EQ(acid.pKa, before.pKa) << conversion.name << " " << step;
            EXPECT_EQ(acid.dpKadT, before.dpKadT) << conversion.name << " " << step;
            EXPECT_EQ(acid.*conversion.field, before.*conversion.field) << conversion.name;
        }
    }
}

TEST(AcidConstantConversionsTest, AConstantOfZeroOrBelowGivesNonFiniteValues) {
    BLAcid acid = acidWithPKa({4.76});
    ASSERT_TRUE(acid.setKa(1, 0.0));
    EXPECT_FALSE(std::isfinite(acid.pKa[0]));
    ASSERT_TRUE(acid.setKb(1, -1.0));
    EXPECT_TRUE(std::isnan(acid.pKa[0]));
}

}  // namespace
}  // namespace solvara
