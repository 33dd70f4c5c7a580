#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "cli_runner.h"

namespace solvara {
namespace {

using testing::runCliWith;

TEST(ListCommand, JsonListsTheStarterDatabases) {
    const auto acids = runCliWith({"list", "acids", "--json"});
    ASSERT_EQ(acids.status, 0) << acids.err;
    const auto acidList = nlohmann::json::parse(acids.out)["acids"];
    ASSERT_EQ(acidList.size(), 10u);
    EXPECT_EQ(acidList[3]["name"], "phosphoric acid");
    EXPECT_EQ(acidList[3]["id"], 4);
    EXPECT_EQ(acidList[3]["forms"],
              (nlohmann::json{"H_3PO_4", "H_2PO_4^-", "HPO_4^{2-}", "PO_4^{3-}"}));
    EXPECT_EQ(acidList[3]["charges"], (nlohmann::json{0, -1, -2, -3}));
    EXPECT_EQ(acidList[3]["pKa"], (nlohmann::json{2.148, 7.199, 12.35}));

    const auto reagents = nlohmann::json::parse(runCliWith({"list", "reagents", "--json"}).out);
    ASSERT_EQ(reagents["reagents"].size(), 16u);
    const auto& phosphate = reagents["reagents"][9];
    EXPECT_EQ(phosphate["formula"], "2Na^+,HPO_4^{2-}");
    EXPECT_EQ(phosphate["acidIds"], (nlohmann::json{8, 4}));
    EXPECT_EQ(phosphate["acidMultipliers"], (nlohmann::json{2.0, 1.0}));
    EXPECT_EQ(phosphate["analysed"], true);

    const auto salts = nlohmann::json::parse(runCliWith({"list", "salts", "--json"}).out);
    ASSERT_EQ(salts["salts"].size(), 8u);
    EXPECT_EQ(salts["salts"][0]["isDefault"], true);
    EXPECT_EQ(salts["salts"][4]["ionicStrengthFactor"], 6);
}

TEST(ListCommand, TextIsATableWithAHeaderLine) {
    const auto result = runCliWith({"list", "salts"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.substr(0, result.out.find('\n')),
              "id  name                          formula        stock    I factor  default");
    EXPECT_NE(result.out.find(
                  "\n1   sodium chloride, 1M           Na^+,Cl^-      1.000 M  2         yes\n"),
              std::string::npos)
        << result.out;
    EXPECT_NE(runCliWith({"list", "acids"}).out.find("HHEPES, HEPES^-"), std::string::npos);
    EXPECT_NE(runCliWith({"list", "reagents", "--digits", "6"}).out.find("0.300000 M"),
              std::string::npos);
}

TEST(ListCommand, UnknownListIsAUsageError) {
    EXPECT_EQ(runCliWith({"list", "elephants"}).status, 2);
    EXPECT_EQ(runCliWith({"list"}).status, 2);
}

}  // namespace
}  // namespace solvara
