#include "core/bufferdoc/design_view_texts.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/chemistry/reagent.h"
#include "core/program/program_model.h"

namespace solvara {
namespace {

TEST(DesignViewTexts, Amounts) {
    const std::pair<double, const char*> reagentCases[] = {
        {12.345, "12.35"}, {1.0, "1.00"}, {0.12345, "0.1235"}, {0.001234, "1.234e-03"},
        {0.0, ""},         {-2.0, ""},    {NAN, ""},           {INFINITY, ""}};
    for (const auto& [amount, text] : reagentCases) EXPECT_EQ(amountText(amount), text) << amount;

    EXPECT_EQ(saltAmountText(5.844, true), "5.84");
    EXPECT_EQ(saltAmountText(5.844, false), "");
    EXPECT_EQ(saltAmountText(std::nullopt, true), "???");
    EXPECT_EQ(saltAmountText(NAN, true), "???");
    EXPECT_EQ(saltAmountText(0.0, true), "");
}

TEST(DesignViewTexts, PhAtPreparationAndReagentCaptions) {
    EXPECT_EQ(preparationPhText(7.214), "deg C pH of this solution is 7.21");
    EXPECT_EQ(preparationPhText(std::nullopt), "deg C pH can't be calculated.");

    const std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
    Reagent acid = *program->reagents.FindByName("acetic acid");
    EXPECT_EQ(reagentCaption(acid, 1).substr(0, 16), "1st reagent (pH=");
    Reagent solid = *program->reagents.FindByName("sodium acetate, solid");
    EXPECT_EQ(reagentCaption(solid, 2), "2nd reagent");
    // An acid the reagent cannot find makes its pH fail.
    Reagent orphan = acid;
    orphan.acidIds = {99999};
    EXPECT_EQ(reagentCaption(orphan, 2), "2nd reagent (error in pH calculation!)");
}

}  // namespace
}  // namespace solvara
