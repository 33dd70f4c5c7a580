#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/phcalc/ph_calculator_doc.h"
#include "core/phcalc/species_distribution.h"
#include "core/program/program_model.h"
#include "support/cli_runner.h"
#include "support/stock_row.h"

namespace solvara {
namespace {

using testing::runCliWith;

// The command prints the very text the core makes for the same solution.
TEST(PhDistribution, PrintsTheDistributionOfTheSolutionAsCsv) {
    const auto result = runCliWith({"ph", "--reagent", "acetic acid:0.1", "--temperature", "37",
                                    "--ionic-strength", "0.1", "--distribution"});
    ASSERT_EQ(result.status, 0) << result.err;

    const std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
    CpHCalculatorDoc document(*program);
    document.replaceReagent(0, *program->reagents.FindByName("acetic acid"));
    document.setRowConcentration(0, 0.1);
    document.setTemperature(37);
    document.setIonicStrengthMode(IonicStrengthMode::forceIonicStrength);
    document.setIonicStrength(0.1);
    const auto distribution = speciesDistribution(document);
    ASSERT_TRUE(distribution);
    EXPECT_EQ(result.out, speciesDistributionCsv(*distribution));
    EXPECT_EQ(result.out.substr(0, 23), "pH,HAcetate,Acetate^-\r\n");
}

TEST(PhDistribution, RefusesOtherOutputsAndFailsWithoutResults) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"ph", "--distribution", "--csv"},
          std::vector<std::string>{"ph", "--distribution", "--json"},
          std::vector<std::string>{"ph", "--distribution", "--digits", "6"}}) {
        const auto refused = runCliWith(arguments);
        EXPECT_EQ(refused.status, 2);
        EXPECT_NE(refused.err.find("--distribution"), std::string::npos) << refused.err;
    }
    const auto failed = runCliWith({"ph", "--reagent", "Xx:0.1", "--distribution"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_TRUE(failed.out.empty());
    EXPECT_NE(failed.err.find("cannot be used"), std::string::npos) << failed.err;
}

}  // namespace
}  // namespace solvara
