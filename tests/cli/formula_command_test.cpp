#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/cli_runner.h"

namespace solvara {
namespace {

using testing::runCliWith;

TEST(FormulaCommand, JsonGivesCompositionMassesAndExports) {
    const auto result = runCliWith({"formula", "2Na^+,HPO_4^{2-}", "--json"});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["composition"], (nlohmann::json{{"H", 1}, {"Na", 1}, {"O", 4}, {"P", 1}}));
    EXPECT_EQ(json["charge"], -1);
    EXPECT_NEAR(json["molarMassOfList"].get<double>(),
                2 * 22.98976928 + 1.00794 + 30.973762 + 4 * 15.9994, 1e-9);
    EXPECT_EQ(json["phase"], "none");
    EXPECT_EQ(json["canonicalForm"], "2Na^+,HPO_4^{2-}");
    EXPECT_EQ(json["html"], "2Na<sup>+</sup>,HPO<sub>4</sub><sup>2-</sup>");
    EXPECT_EQ(json["forumCode"], "2Na[sup]+[/sup],HPO[sub]4[/sub][sup]2-[/sup]");
    EXPECT_EQ(json["latex"], "\\textrm{2Na}^{+}\\textrm{,HPO}_{4}^{2-}");
    EXPECT_EQ(json["success"], true);
    EXPECT_TRUE(json["error"].is_null());
}

TEST(FormulaCommand, StarterMoietiesAreKnownAndSortedFormulaPutsCarbonFirst) {
    const auto result = runCliWith({"formula", "C_{10}H_{16}N_2O_8", "--json"});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["sortedFormula"], "C10H16N2O8");

    const auto citrate =
        nlohmann::json::parse(runCliWith({"formula", "Citrate^{3-}", "--json"}).out);
    EXPECT_EQ(citrate["composition"], (nlohmann::json{{"Citrate", 1}}));
    EXPECT_DOUBLE_EQ(citrate["molarMass"].get<double>(), 189.0997);
}

TEST(FormulaCommand, AFormulaThatCannotBeEvaluatedIsReportedWithItsReasonAndExitStatusOne) {
    const auto result = runCliWith({"formula", "Xx_2", "--json"});
    EXPECT_EQ(result.status, 1);
    const auto json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["success"], false);
    EXPECT_EQ(json["error"], "the formula cannot be evaluated: unknown symbol");
    EXPECT_EQ(json["molarMass"], 0.0);

    const auto hemihydrate = runCliWith({"formula", "CaSO_4&0.5H_2O"});
    EXPECT_EQ(hemihydrate.status, 1);
    EXPECT_NE(hemihydrate.out.find("error:              the formula cannot be evaluated: "
                                   "fractional count (counts are whole "
                                   "numbers)\n"),
              std::string::npos)
        << hemihydrate.out;
    EXPECT_NE(hemihydrate.out.find("molar mass:         0 g/mol\n"), std::string::npos)
        << hemihydrate.out;
}

TEST(FormulaCommand, TextOutputConvertsTheMiddleDotToUtf8) {
    // The middle dot separates parts like "&"; the terminal sees UTF-8.
    const auto result = runCliWith({"formula",
                                    "CuSO_4\xC2\xB7"
                                    "5H_2O",
                                    "--digits", "6"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("formula:            CuSO_4\xC2\xB7"
                              "5H_2O\n"),
              std::string::npos);
    EXPECT_NE(result.out.find("composition:        H: 10, O: 9, S: 1, Cu: 1\n"), std::string::npos)
        << result.out;
}

TEST(FormulaCommand, MissingFormulaIsAUsageError) {
    EXPECT_EQ(runCliWith({"formula"}).status, 2);
    EXPECT_EQ(runCliWith({"nonsense"}).status, 2);
}

}  // namespace
}  // namespace solvara
