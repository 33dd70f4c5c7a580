#include "core/chemistry/concentration_calculation.h"

#include <gtest/gtest.h>

#include <vector>

namespace solvara {
namespace {

constexpr double kNaCl = 58.44;  // g/mol

CCDataSet stockOf(double molarMass) {
    CCDataSet data;
    data.molarMass = molarMass;
    return data;
}

struct Edit {
    CCQuantity quantity;
    double typed;
};

struct Expected {
    double mass;
    double amount;
    double volumeShown;
    double volumeLitres;
    double concentrationShown;
    double concentrationMolar;
};

struct CalculationCase {
    const char* name;
    CCOption option;
    std::vector<Edit> edits;
    Expected expected;
};

class ConcentrationCalculation : public ::testing::TestWithParam<CalculationCase> {};

TEST_P(ConcentrationCalculation, EditsGiveTheOtherQuantities) {
    const CalculationCase& c = GetParam();
    CCCalculation calculation(stockOf(kNaCl));
    calculation.setOption(c.option);
    for (const Edit& edit : c.edits) calculation.edit(edit.quantity, edit.typed);
    const CCDataSet& data = calculation.data();
    const Expected& e = c.expected;
    EXPECT_NEAR(data.mass, e.mass, 1e-9);
    EXPECT_NEAR(data.amount, e.amount, 1e-12);
    EXPECT_NEAR(data.volumeShown, e.volumeShown, 1e-9);
    EXPECT_NEAR(data.volumeLitres, e.volumeLitres, 1e-12);
    EXPECT_NEAR(data.concentrationShown, e.concentrationShown, 1e-9);
    EXPECT_NEAR(data.concentrationMolar, e.concentrationMolar, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConcentrationCalculation,
    ::testing::Values(CalculationCase{"MassThenVolume",
                                      CCOption::beSmart,
                                      {{CCQuantity::mass, 5.844}, {CCQuantity::volume, 100}},
                                      {5.844, 0.1, 100, 0.1, 1, 1}},
                      CalculationCase{"VolumeThenMass",
                                      CCOption::beSmart,
                                      {{CCQuantity::volume, 100}, {CCQuantity::mass, 5.844}},
                                      {5.844, 0.1, 100, 0.1, 1, 1}},
                      // With no amount yet a typed volume takes the amount from the concentration.
                      CalculationCase{"BeSmartVolumeFillsAmount",
                                      CCOption::beSmart,
                                      {{CCQuantity::concentration, 1}, {CCQuantity::volume, 2000}},
                                      {2 * kNaCl, 2, 2000, 2, 1, 1}},
                      // With an amount known a typed volume recomputes the concentration instead.
                      CalculationCase{"BeSmartVolumeKeepsAmount",
                                      CCOption::beSmart,
                                      {{CCQuantity::volume, 100},
                                       {CCQuantity::concentration, 1},
                                       {CCQuantity::volume, 500}},
                                      {0.1 * kNaCl, 0.1, 500, 0.5, 0.2, 0.2}},
                      CalculationCase{"VolumeConstantConcentrationGivesAmount",
                                      CCOption::volumeConstant,
                                      {{CCQuantity::volume, 200}, {CCQuantity::concentration, 0.5}},
                                      {0.1 * kNaCl, 0.1, 200, 0.2, 0.5, 0.5}},
                      CalculationCase{"MolarMassRecomputesAmountAndConcentration",
                                      CCOption::beSmart,
                                      {{CCQuantity::mass, 5.844},
                                       {CCQuantity::volume, 100},
                                       {CCQuantity::molarMass, 2 * kNaCl}},
                                      {5.844, 0.05, 100, 0.1, 0.5, 0.5}}),
    [](const ::testing::TestParamInfo<CalculationCase>& row) { return row.param.name; });

// The option cases above start from nothing; these start from a worked-out stock, as the
// calculator shows it when it reopens.
TEST(ConcentrationCalculation, ConstantOptionsKeepTheirQuantity) {
    CCCalculation stock(stockOf(kNaCl));
    stock.edit(CCQuantity::concentration, 0.5);

    CCCalculation byAmount = stock;
    byAmount.setOption(CCOption::concentrationConstant);
    byAmount.edit(CCQuantity::amount, 0.25);
    EXPECT_DOUBLE_EQ(byAmount.data().concentrationMolar, 0.5);
    EXPECT_DOUBLE_EQ(byAmount.data().volumeLitres, 0.5);
    EXPECT_DOUBLE_EQ(byAmount.data().volumeShown, 500);

    CCCalculation byVolume = stock;
    byVolume.edit(CCQuantity::amount, 0.1);
    byVolume.setOption(CCOption::amountConstant);
    byVolume.edit(CCQuantity::volume, 250);
    EXPECT_DOUBLE_EQ(byVolume.data().amount, 0.1);
    EXPECT_DOUBLE_EQ(byVolume.data().concentrationMolar, 0.4);
}

// "20" mL is typed as "2", then "20": the amount the "2" gave must not turn into a given.
TEST(ConcentrationCalculation, AVolumeTypedKeyByKeyKeepsTheConcentration) {
    CCCalculation calculation(stockOf(kNaCl));
    calculation.edit(CCQuantity::concentration, 0.5);
    calculation.edit(CCQuantity::volume, 2);
    calculation.edit(CCQuantity::volume, 20);
    EXPECT_DOUBLE_EQ(calculation.data().concentrationMolar, 0.5);
    EXPECT_DOUBLE_EQ(calculation.data().amount, 0.01);

    // Once the user types anything else, the amount is known and the volume sets C.
    calculation.edit(CCQuantity::mass, 0.5844);
    calculation.edit(CCQuantity::volume, 200);
    EXPECT_DOUBLE_EQ(calculation.data().amount, 0.01);
    EXPECT_DOUBLE_EQ(calculation.data().concentrationMolar, 0.05);
}

TEST(ConcentrationCalculation, UnitsChangeTheShownValueOnly) {
    CCCalculation calculation(stockOf(kNaCl));
    calculation.edit(CCQuantity::mass, 5.844);
    calculation.edit(CCQuantity::volume, 100);
    const CCDataSet& data = calculation.data();

    calculation.changeConcentrationUnit(1);
    EXPECT_DOUBLE_EQ(data.concentrationShown, 1000);
    calculation.changeVolumeUnit(0);
    EXPECT_DOUBLE_EQ(data.volumeShown, 0.1);
    EXPECT_DOUBLE_EQ(data.volumeLitres, 0.1);
    EXPECT_DOUBLE_EQ(data.concentrationMolar, 1);

    // A value typed in the new unit is read in it.
    calculation.setOption(CCOption::volumeConstant);
    calculation.edit(CCQuantity::concentration, 500);
    EXPECT_DOUBLE_EQ(data.concentrationMolar, 0.5);
    EXPECT_DOUBLE_EQ(data.amount, 0.05);

    calculation.clear();
    EXPECT_EQ(calculation.option(), CCOption::beSmart);
    EXPECT_EQ(data.volumeUnit, 1);
    EXPECT_EQ(data.molarMass, kNaCl);
}

TEST(ConcentrationCalculation, OptionsDecideWhatCanBeTyped) {
    EXPECT_FALSE(isEditable(CCQuantity::mass, CCOption::amountConstant));
    EXPECT_FALSE(isEditable(CCQuantity::amount, CCOption::amountConstant));
    EXPECT_TRUE(isEditable(CCQuantity::volume, CCOption::amountConstant));
    EXPECT_FALSE(isEditable(CCQuantity::volume, CCOption::volumeConstant));
    EXPECT_FALSE(isEditable(CCQuantity::concentration, CCOption::concentrationConstant));
    EXPECT_TRUE(rangeOf(CCQuantity::amount).contains(100));
    EXPECT_FALSE(rangeOf(CCQuantity::amount).contains(100.5));
    EXPECT_FALSE(rangeOf(CCQuantity::mass).contains(-1));
}

}  // namespace
}  // namespace solvara
