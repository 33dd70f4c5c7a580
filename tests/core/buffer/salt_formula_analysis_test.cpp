#include "core/buffer/salt_formula_analysis.h"

#include <gtest/gtest.h>

#include "support/starter_table.h"

namespace solvara {
namespace {

constexpr double kNa = 22.98976928;
constexpr double kCl = 35.453;

TEST(SaltFormulaAnalysisTest, IonListsGiveFactorMassAndTheEditorsText) {
    const ElementTable table = testing::starterTable();
    const double magnesium = table[table.find("Mg")].molarMass;
    const double perchlorate = kCl + 4 * 15.9994;
    const double sulfate = 32.065 + 4 * 15.9994;
    const struct {
        const char* formula;
        std::int32_t factor;
        std::int32_t netCharge;
        double molarMass;
        const char* text;
    } cases[] = {
        {"Na^+,Cl^-", 2, 0, kNa + kCl, "Ionic strength of 1M solution: 1.0"},
        {"Mg^{2+},2Cl^-", 6, 0, magnesium + 2 * kCl, "Ionic strength of 1M solution: 3.0"},
        {"K^+,ClO_4^-", 2, 0, 39.0983 + perchlorate, "Ionic strength of 1M solution: 1.0"},
        {"2Na^+,SO_4^{2-}", 6, 0, 2 * kNa + sulfate, "Ionic strength of 1M solution: 3.0"},
        {"Na^+,2Cl^-", 3, -1, kNa + 2 * kCl, "Substance is not electrically neutral (-1)"},
        {"12Na^+,Cl^-", 13, 11, 12 * kNa + kCl, "Substance is not electrically neutral (11)"},
        {"NaCl", 0, 0, kNa + kCl, "No charge detected or error in formula."},
        {"", 0, 0, 0.0, "No charge detected or error in formula."},
        // An ion that cannot be weighed ends the list; the charge read so far stays.
        {"Na^+,Xx^-", 0, 1, 0.0, "Substance is not electrically neutral (1)"},
        {"Na^+,Cl^-,", 0, 0, 0.0, "No charge detected or error in formula."},
        {"Xx^+,Cl^-", 0, 0, 0.0, "No charge detected or error in formula."},
        {"e^-,Na^+", 0, 0, 0.0, "No charge detected or error in formula."},  // weighs nothing
    };
    for (const auto& expected : cases) {
        const SaltFormulaAnalysis analysis = analyzeSaltFormula(expected.formula, table);
        EXPECT_EQ(analysis.ionicStrengthFactor, expected.factor) << expected.formula;
        EXPECT_EQ(analysis.netCharge, expected.netCharge) << expected.formula;
        EXPECT_NEAR(analysis.molarMass, expected.molarMass, 1e-9) << expected.formula;
        EXPECT_EQ(analysis.outcomeText(), expected.text) << expected.formula;
        EXPECT_EQ(analysis.valid(), expected.netCharge == 0 && expected.factor != 0)
            << expected.formula;
    }
}

TEST(SaltFormulaAnalysisTest, CountsBeyondTheIntRangeMakeTheIonUnweighable) {
    const ElementTable table = testing::starterTable();
    for (const char* formula : {
             "99999999999Na^+,Cl^-",      // multiplier beyond the int range
             "Na^+,1073741824Ca^{2+}",    // nu z^2 = 2^32
             "Ca^{2+},536870911Ca^{2+}",  // each fits, the sum does not
             "Na^{2147483647+},Cl^-",     // z^2 alone is beyond the int range
         }) {
        const SaltFormulaAnalysis analysis = analyzeSaltFormula(formula, table);
        EXPECT_EQ(analysis.ionicStrengthFactor, 0) << formula;
        EXPECT_EQ(analysis.molarMass, 0.0) << formula;
    }
    // The largest factor that fits is still read.
    EXPECT_EQ(analyzeSaltFormula("Ca^{2+},536870910Ca^{2+}", table).ionicStrengthFactor,
              2147483644);
}

TEST(SaltFormulaAnalysisTest, IonicStrengthTextShowsHalfTheFactorWithOneDecimal) {
    EXPECT_EQ(ionicStrengthText(2), "Ionic strength of 1M solution: 1.0");
    EXPECT_EQ(ionicStrengthText(3), "Ionic strength of 1M solution: 1.5");
    EXPECT_EQ(ionicStrengthText(0), "Ionic strength of 1M solution: 0.0");
    EXPECT_EQ(ionicStrengthText(-5), "Ionic strength of 1M solution: -2.5");
}

}  // namespace
}  // namespace solvara
