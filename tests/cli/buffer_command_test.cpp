#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "../core/database/temporary_folder.h"
#include "cli_runner.h"

namespace solvara {
namespace {

using testing::runCliWith;

const std::vector<std::string> kPhosphate = {"buffer",        "--buffer", "phosphate buffer 7.2",
                                             "--ph",          "7.2",      "--concentration",
                                             "25mM",          "--volume", "500mL"};

std::vector<std::string> with(std::vector<std::string> arguments,
                              const std::vector<std::string>& more) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

nlohmann::json jsonOf(const std::vector<std::string>& arguments, int expectedStatus = 0) {
    const auto result = runCliWith(with(arguments, {"--json"}));
    EXPECT_EQ(result.status, expectedStatus) << result.err;
    return nlohmann::json::parse(result.out);
}

TEST(BufferCommand, JsonHasTheAmountsAndEveryDerivedFigure) {
    const auto json = jsonOf(with(kPhosphate, {"--temperature", "20", "--prep-temperature", "30"}));
    EXPECT_TRUE(json["success"].get<bool>());
    EXPECT_TRUE(json["error"].is_null());
    EXPECT_EQ(json["group"], "phosphate buffer 7.2");
    EXPECT_EQ(json["variant"], "sodium dihydrogenphosphate/disodium hydrogenphosphate");
    EXPECT_EQ(json["name"], json["variant"]);
    EXPECT_EQ(json["concentration"], 0.025);
    EXPECT_EQ(json["volume"], 0.5);
    EXPECT_EQ(json["temperature"], 20.0);
    const auto& first = json["firstReagent"];
    const auto& second = json["secondReagent"];
    EXPECT_EQ(first["name"], "sodium dihydrogenphosphate");
    EXPECT_EQ(first["unit"], "mL");
    EXPECT_FALSE(first["solid"].get<bool>());
    EXPECT_NEAR(first["concentration"].get<double>() + second["concentration"].get<double>(), 0.025,
                1e-12);
    // mL of stock = 1000 * c * V / stock
    EXPECT_NEAR(first["amount"].get<double>(),
                1000.0 * first["concentration"].get<double>() * 0.5 /
                    first["stockConcentration"].get<double>(),
                1e-9);
    EXPECT_TRUE(json["salt"].is_null());
    EXPECT_GT(json["capacity"].get<double>(), 0.0);
    EXPECT_GT(json["ionicStrength"].get<double>(), 0.025);  // the buffer's own, not forced
    EXPECT_EQ(json["preparationTemperature"], 30.0);
    EXPECT_NEAR(json["pHAtPreparation"].get<double>(), 7.2, 0.05);
    EXPECT_FALSE(json["lowForcingWarning"].get<bool>());
    EXPECT_FALSE(json["highIonicStrength"].get<bool>());
    ASSERT_EQ(json["temperatureSeries"].size(), 101u);
    EXPECT_NEAR(json["temperatureSeries"][20].get<double>(), 7.2, 0.005);
    EXPECT_LT(json["expectedChanges"]["acid10"].get<double>(), 7.2);
    EXPECT_GT(json["expectedChanges"]["base10"].get<double>(), 7.2);
    ASSERT_EQ(json["capacityCurve"].size(), 280u);
    const auto& listed = json["listCapacities"];
    ASSERT_EQ(listed.size(), 7u);
    EXPECT_EQ(listed[0]["group"], "phosphate buffer 7.2");
    EXPECT_TRUE(listed[6]["capacity"].is_null());
}

TEST(BufferCommand, ForcedIonicStrengthWithANamedSalt) {
    const auto json = jsonOf({"buffer", "--buffer", "acetate buffer", "--ph", "4.8",
                              "--concentration", "0.05", "--volume", "1", "--force-is", "0.2",
                              "--salt", "sodium chloride, solid"});
    EXPECT_EQ(json["ionicStrength"], 0.2);
    EXPECT_TRUE(json["highIonicStrength"].get<bool>());
    EXPECT_EQ(json["salt"]["name"], "sodium chloride, solid");
    EXPECT_EQ(json["salt"]["unit"], "g");
    EXPECT_TRUE(json["salt"]["stockConcentration"].is_null());
    const double increment = json["saltIonicStrength"].get<double>();
    EXPECT_GT(increment, 0.1);
    EXPECT_NEAR(json["saltConcentration"].get<double>(), increment, 1e-12);  // factor 2
    EXPECT_NEAR(json["salt"]["amount"].get<double>(), increment * 58.44, 0.01);
}

TEST(BufferCommand, AnUnreachablePhFailsWithTheReason) {
    const auto result = runCliWith({"buffer", "--buffer", "acetate buffer", "--ph", "9",
                                    "--concentration", "50mM", "--volume", "1L", "--json"});
    EXPECT_EQ(result.status, 1);
    const auto json = nlohmann::json::parse(result.out);
    EXPECT_FALSE(json["success"].get<bool>());
    EXPECT_EQ(json["error"],
              "Buffer not properly defined or can be not prepared using selected reagents.");
    EXPECT_EQ(json["firstReagent"]["amount"], 0.0);
    EXPECT_TRUE(json["pHAtPreparation"].is_null());
    EXPECT_TRUE(json["capacityCurve"].is_null());
    ASSERT_EQ(json["temperatureSeries"].size(), 101u);
    EXPECT_TRUE(json["temperatureSeries"][0].is_null());

    const auto recipe = runCliWith({"buffer", "--buffer", "acetate buffer", "--ph", "9",
                                    "--concentration", "50mM", "--volume", "1L", "--recipe"});
    EXPECT_EQ(recipe.status, 1);
    EXPECT_NE(recipe.out.find("Buffer not properly defined"), std::string::npos);
}

TEST(BufferCommand, BadUsageIsRefused) {
    const std::vector<std::vector<std::string>> cases = {
        {"buffer", "--buffer", "no such group", "--ph", "7", "--concentration", "1", "--volume", "1"},
        {"buffer", "--buffer", "acetate buffer", "--variant", "nothing", "--ph", "7",
         "--concentration", "1", "--volume", "1"},
        // No default variant in this group.
        {"buffer", "--buffer", "citrate/phosphate", "--ph", "7", "--concentration", "1", "--volume", "1"},
        with(kPhosphate, {"--temperature", "101"}),
        {"buffer", "--buffer", "acetate buffer", "--ph", "14.5", "--concentration", "1", "--volume", "1"},
        {"buffer", "--buffer", "acetate buffer", "--ph", "5", "--concentration", "25uM", "--volume", "1"},
        {"buffer", "--buffer", "acetate buffer", "--ph", "5", "--concentration", "mM", "--volume", "1"},
        {"buffer", "--buffer", "acetate buffer", "--ph", "5", "--concentration", "1", "--volume", "0mL"},
        with(kPhosphate, {"--salt", "sodium chloride, 1M"}),
        with(kPhosphate, {"--force-is", "0.1", "--salt", "no such salt"}),
        with(kPhosphate, {"--force-is", "-0.1"}),
        with(kPhosphate, {"--json", "--recipe"}),
        {"buffer", "--ph", "7", "--concentration", "1", "--volume", "1"},
    };
    for (const auto& arguments : cases) {
        const auto result = runCliWith(arguments);
        EXPECT_EQ(result.status, 2) << arguments[2] << " " << result.out;
        EXPECT_FALSE(result.err.empty());
    }
}

TEST(BufferCommand, TextAndRecipe) {
    const auto text = runCliWith(kPhosphate);
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("1st reagent:"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("mL of 0.5000 M sodium dihydrogenphosphate"), std::string::npos);

    const auto recipe = runCliWith(with(kPhosphate, {"--recipe"}));
    EXPECT_EQ(recipe.status, 0) << recipe.err;
    EXPECT_NE(recipe.out.find("pH = 7.20"), std::string::npos) << recipe.out;
    EXPECT_NE(recipe.out.find("at temperature 25 \xC2\xB0" "C"), std::string::npos);
    EXPECT_NE(recipe.out.find("C(phosphoric acid) = 25 mM (total)"), std::string::npos);
    EXPECT_NE(recipe.out.find("To make 500 mL of above solution mix:"), std::string::npos);
}

TEST(BufferCommand, SavedDesignOpensWithTheSameResults) {
    testing::TemporaryFolder folder;
    const std::string file = (folder.path() / "phosphate.buf").string();
    const auto saved = jsonOf(with(kPhosphate, {"--save", file}));

    const auto opened = jsonOf({"open", file});
    for (const char* key : {"group", "variant", "pH", "concentration", "volume", "capacity"}) {
        EXPECT_EQ(opened[key], saved[key]) << key;
    }
    EXPECT_EQ(opened["firstReagent"], saved["firstReagent"]);
    EXPECT_EQ(opened["capacityCurve"], saved["capacityCurve"]);

    const std::string copy = (folder.path() / "copy.buf").string();
    const auto recipe = runCliWith({"open", file, "--recipe", "--save", copy});
    EXPECT_EQ(recipe.status, 0) << recipe.err;
    EXPECT_NE(recipe.out.find("To make 500 mL of above solution mix:"), std::string::npos);
    EXPECT_EQ(jsonOf({"open", copy})["firstReagent"], saved["firstReagent"]);
}

TEST(BufferCommand, DamagedOrMisusedBufferDocumentsAreRefused) {
    testing::TemporaryFolder folder;
    const std::string file = (folder.path() / "phosphate.buf").string();
    ASSERT_EQ(runCliWith(with(kPhosphate, {"--save", file})).status, 0);
    const std::string bytes = testing::readFile(file);
    const std::string truncated = (folder.path() / "truncated.buf").string();
    testing::writeFile(truncated, bytes.substr(0, bytes.size() / 2));

    const auto result = runCliWith({"open", truncated, "--json"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "Attempted to access " + truncated + " past its end.\n");
    EXPECT_TRUE(result.out.empty());

    EXPECT_EQ(runCliWith({"open", file, "--csv"}).status, 2);
    EXPECT_EQ(runCliWith({"open", (folder.path() / "missing.buf").string()}).status, 2);
}

}  // namespace
}  // namespace solvara
