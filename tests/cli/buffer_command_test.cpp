#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "support/cli_runner.h"
#include "support/temporary_folder.h"

namespace solvara {
namespace {

using testing::runCliWith;

const std::vector<std::string> kPhosphate = {"buffer", "--buffer", "phosphate buffer 7.2",
                                             "--ph",   "7.2",      "--concentration",
                                             "25mM",   "--volume", "500mL"};

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
    const auto json =
        jsonOf({"buffer", "--buffer", "acetate buffer", "--ph", "4.8", "--concentration", "0.05",
                "--volume", "1", "--force-is", "0.2", "--salt", "sodium chloride, solid"});
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
        {"buffer", "--buffer", "no such group", "--ph", "7", "--concentration", "1", "--volume",
         "1"},
        {"buffer", "--buffer", "acetate buffer", "--variant", "nothing", "--ph", "7",
         "--concentration", "1", "--volume", "1"},
        // No default variant in this group.
        {"buffer", "--buffer", "citrate/phosphate", "--ph", "7", "--concentration", "1", "--volume",
         "1"},
        with(kPhosphate, {"--temperature", "101"}),
        {"buffer", "--buffer", "acetate buffer", "--ph", "14.5", "--concentration", "1", "--volume",
         "1"},
        {"buffer", "--buffer", "acetate buffer", "--ph", "5", "--concentration", "25uM", "--volume",
         "1"},
        {"buffer", "--buffer", "acetate buffer", "--ph", "5", "--concentration", "mM", "--volume",
         "1"},
        {"buffer", "--buffer", "acetate buffer", "--ph", "5", "--concentration", "1", "--volume",
         "0mL"},
        with(kPhosphate, {"--salt", "sodium chloride, 1M"}),
        with(kPhosphate, {"--force-is", "0.1", "--salt", "no such salt"}),
        with(kPhosphate, {"--force-is", "-0.1"}),
        with(kPhosphate, {"--json", "--recipe"}),
        with(kPhosphate, {"--recipe", "--digits", "6"}),
        with(kPhosphate, {"--variant", ""}),
        with(kPhosphate, {"--force-is", "0.1", "--salt", ""}),
        with(kPhosphate, {"--save", ""}),
        {"buffer", "--ph", "7", "--concentration", "1", "--volume", "1"},
    };
    for (const auto& arguments : cases) {
        const auto result = runCliWith(arguments);
        EXPECT_EQ(result.status, 2) << arguments[2] << " " << result.out;
        EXPECT_FALSE(result.err.empty());
    }
}

// The phosphate buffer with `option` set to `value`.
std::vector<std::string> withOption(const std::string& option, const std::string& value) {
    std::vector<std::string> arguments = kPhosphate;
    const auto given = std::find(arguments.begin(), arguments.end(), option);
    if (given == arguments.end()) return with(arguments, {option, value});
    *(given + 1) = value;
    return arguments;
}

TEST(BufferCommand, NumbersAreReadStrictlyAndWithinTheirRanges) {
    const char* const options[] = {"--ph",          "--concentration",    "--volume",
                                   "--temperature", "--prep-temperature", "--force-is"};
    const char* const notNumbers[] = {"",    " ",  "-",   ".",    "???",   "0x10", "inf",
                                      "nan", "5x", "1,5", "2.5e", "1e400", "mM5"};
    for (const char* option : options) {
        for (const char* text : notNumbers) {
            SCOPED_TRACE(std::string(option) + " " + text);
            const auto result = runCliWith(withOption(option, text));
            EXPECT_EQ(result.status, 2);
            EXPECT_NE(result.err.find(option), std::string::npos) << result.err;
        }
    }
    const std::pair<const char*, const char*> outOfRange[] = {
        {"--ph", "-0.1"},           {"--concentration", "-1mM"},  {"--volume", "0mL"},
        {"--temperature", "100.1"}, {"--prep-temperature", "-1"}, {"--force-is", "-0.1"},
    };
    for (const auto& [option, value] : outOfRange) {
        const auto result = runCliWith(withOption(option, value));
        EXPECT_EQ(result.status, 2) << option;
        EXPECT_NE(result.err.find(std::string(option) + ": \"" + value + "\" is not a number"),
                  std::string::npos)
            << result.err;
    }
    EXPECT_EQ(runCliWith(withOption("--volume", "0.5 L")).status, 0);
}

TEST(BufferCommand, HugeAmountsAreShownWithAnExponent) {
    for (const bool recipe : {false, true}) {
        auto arguments = withOption("--volume", "1e300");
        if (recipe) arguments.push_back("--recipe");
        const auto result = runCliWith(arguments);
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_NE(result.out.find("1.67e+301 mL"), std::string::npos) << result.out;
        std::size_t longestRun = 0;
        std::size_t run = 0;
        for (const char c : result.out) {
            run = c >= '0' && c <= '9' ? run + 1 : 0;
            longestRun = std::max(longestRun, run);
        }
        EXPECT_LT(longestRun, 12u) << result.out;
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
    EXPECT_NE(recipe.out.find("at temperature 25 \xC2\xB0"
                              "C"),
              std::string::npos);
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
    const std::string reason = "Attempted to access " + truncated + " past its end.";
    EXPECT_EQ(result.err, reason + "\n");
    EXPECT_EQ(nlohmann::json::parse(result.out),
              (nlohmann::json{{"success", false}, {"error", reason}}));

    EXPECT_EQ(runCliWith({"open", file, "--csv"}).status, 2);
    EXPECT_EQ(runCliWith({"open", (folder.path() / "missing.buf").string()}).status, 2);
}

}  // namespace
}  // namespace solvara
