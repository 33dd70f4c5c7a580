#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>

#include "support/cli_runner.h"

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

TEST(ListCommand, BuffersAreListedAsGroupsWithTheirVariants) {
    const auto result = runCliWith({"list", "buffers", "--json"});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto groups = nlohmann::json::parse(result.out)["buffers"];
    ASSERT_EQ(groups.size(), 8u);
    std::size_t variantCount = 0;
    for (const auto& group : groups) variantCount += group["variants"].size();
    EXPECT_EQ(variantCount, 15u);
    const auto hepes = std::find_if(groups.begin(), groups.end(),
                                    [](const auto& group) { return group["name"] == "HEPES"; });
    ASSERT_NE(hepes, groups.end());
    EXPECT_EQ((*hepes)["variants"],
              (nlohmann::json::parse(R"([{"id": 15, "name": "HEPES/sodium hydroxide",
                  "isDefaultVariant": true, "firstReagentId": 16, "firstReagent": "HEPES free acid",
                  "secondReagentId": 2, "secondReagent": "sodium hydroxide", "mainComponentId": 10,
                  "mainComponent": "HEPES", "firstReagentShare": 1.0, "secondReagentShare": 0.0,
                  "baseExcess": 0.0}])")));

    const auto text = runCliWith({"list", "buffers"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out.substr(0, text.out.find("  ")), "id");
    EXPECT_NE(text.out.find("citrate/phosphate"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("phoshporic acid/trisodium citrate"), std::string::npos);
}

TEST(ListCommand, UnknownListIsAUsageError) {
    EXPECT_EQ(runCliWith({"list", "elephants"}).status, 2);
    EXPECT_EQ(runCliWith({"list"}).status, 2);
}

}  // namespace
}  // namespace solvara
