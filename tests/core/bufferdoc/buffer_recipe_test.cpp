#include "core/bufferdoc/buffer_recipe.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/bufferdoc/recipe_page.h"
#include "core/bufferdoc/solvara_doc.h"
#include "core/program/program_model.h"
#include "core/report/report_text.h"

namespace solvara {
namespace {

class BufferRecipeTest : public ::testing::Test {
  protected:
    void pick(const char* group, const char* variant) {
        document.PickBuffer(*program->buffers.FindVariant(group, variant));
    }

    std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
    CSolvaraDoc document{*program};
};

TEST_F(BufferRecipeTest, APreparedBufferGivesEveryPartOfThePage) {
    document.setPH(7.2);
    document.setTemperature(20.0);
    pick("phosphate buffer 7.2", "sodium dihydrogenphosphate/disodium hydrogenphosphate");
    const RecipeContent content = recipeContentOf(document, "Thursday, December 10, 2026");
    EXPECT_EQ(content.mainComponentName, "phosphoric acid");
    EXPECT_EQ(content.firstReagent.name, "sodium dihydrogenphosphate");
    EXPECT_EQ(content.firstReagent.amount, document.results().firstReagentAmount);
    ASSERT_EQ(content.temperatureSeries.size(), 101u);
    EXPECT_NEAR(content.temperatureSeries[20], 7.2, 0.01);
    ASSERT_EQ(content.capacityCurve.size(), 280u);
    EXPECT_LT(content.pHChanges.acid10, content.pHChanges.acid1);
    EXPECT_LT(content.pHChanges.acid1, 7.2);
    EXPECT_GT(content.pHChanges.base10, content.pHChanges.base1);
    EXPECT_FALSE(content.ionicStrengthTooHigh);

    const std::string page = reportAsText(recipePage(content));
    for (const char* line :
         {"pH = 7.20", "C(phosphoric acid) = 0.025 M (total)", "Buffer capacity vs pH plot:",
          "at pH = 7.20 buffer capacity =", "nominal buffer pH = 7.20"}) {
        EXPECT_NE(page.find(line), std::string::npos) << line << "\n" << page;
    }
}

TEST_F(BufferRecipeTest, AnUnreachablePhGivesTheFailureLineAndNoPlots) {
    document.setPH(12.0);
    pick("acetate buffer", "acetic acid/sodium acetate");
    const RecipeContent content = recipeContentOf(document, "");
    EXPECT_TRUE(content.temperatureSeries.empty());
    EXPECT_TRUE(content.capacityCurve.empty());
    EXPECT_TRUE(std::isnan(content.pHAtPreparation));
    const std::string page = reportAsText(recipePage(content));
    EXPECT_NE(
        page.find("Buffer not properly defined or can be not prepared using selected reagents."),
        std::string::npos);
    EXPECT_EQ(page.find("plot"), std::string::npos);
}

TEST_F(BufferRecipeTest, ASaltWithoutIonsShowsNoAmountRatherThanNothing) {
    document.setPH(4.8);
    pick("acetate buffer", "acetic acid/sodium acetate");
    document.SetForceIonicStrength(true);
    document.setIonicStrength(0.5);
    InertSalt unknown;
    unknown.name = "unknown";
    document.setSalt(unknown);
    document.Recalculate();
    const RecipeContent content = recipeContentOf(document, "");
    EXPECT_TRUE(content.ionicStrengthTooHigh);
    EXPECT_TRUE(std::isnan(content.salt.amount));
    const std::string page = reportAsText(recipePage(content));
    EXPECT_NE(page.find("??? mL"), std::string::npos) << page;
    EXPECT_NE(page.find("Warning: ionic strength of the solution is too high"), std::string::npos);
}

// 0.5 M of acetate buffer at pH 5 takes about 1.3 L of the 0.3 M sodium acetate stock for 1 L.
TEST_F(BufferRecipeTest, StocksThatDoNotFitLeaveTheAmountsEmptyAndSayWhy) {
    document.setPH(5.0);
    document.setConcentrationUnit(ConcentrationUnit::molar);
    document.setConcentrationShown(0.5);
    pick("acetate buffer", "acetic acid/sodium acetate");
    ASSERT_TRUE(document.results().stocksExceedVolume);
    const RecipeContent content = recipeContentOf(document, "");
    EXPECT_TRUE(content.stocksExceedVolume);
    const std::string page = reportAsText(recipePage(content));
    EXPECT_NE(page.find("The stock solutions add up to more than 1 L: this buffer cannot be made "
                        "from them."),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("     mL  of 0.3000M sodium acetate"), std::string::npos) << page;
    EXPECT_EQ(page.find("1304"), std::string::npos) << page;

    document.setPH(4.0);  // mostly acid: 0.5 L of acid and 0.25 L of acetate stock
    document.Recalculate();
    EXPECT_FALSE(recipeContentOf(document, "").stocksExceedVolume);
}

}  // namespace
}  // namespace solvara
