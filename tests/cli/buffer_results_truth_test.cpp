#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "support/cli_runner.h"
#include "support/temporary_folder.h"

namespace solvara {
namespace {

using testing::runCliWith;

// 0.5 M of acetate buffer at pH 5 takes about 1.3 L of the 0.3 M sodium acetate stock.
const std::vector<std::string> kAcetateTooConcentrated = {
    "buffer", "--buffer", "acetate buffer", "--ph", "5", "--concentration", "0.5", "--volume", "1"};

std::vector<std::string> with(std::vector<std::string> arguments,
                              const std::vector<std::string>& more) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(BufferResultsTruth, StocksThatDoNotFitAreAFailureInEveryOutput) {
    const auto json = runCliWith(with(kAcetateTooConcentrated, {"--json"}));
    EXPECT_EQ(json.status, exitCalculationFailed);
    const auto parsed = nlohmann::json::parse(json.out);
    EXPECT_FALSE(parsed["success"].get<bool>());
    EXPECT_TRUE(parsed["stocksExceedVolume"].get<bool>());
    EXPECT_TRUE(contains(parsed["error"].get<std::string>(), "stock solutions add up to more"));
    // The amounts it would take are still there to see.
    EXPECT_GT(parsed["secondReagent"]["amount"].get<double>(), 1000.0);

    const auto text = runCliWith(kAcetateTooConcentrated);
    EXPECT_EQ(text.status, exitCalculationFailed);
    EXPECT_TRUE(contains(text.out,
                         "\nWarning: the stock solutions add up to more than the final volume of "
                         "1 L: this buffer cannot be made from them!\n"))
        << text.out;
    EXPECT_FALSE(text.err.empty());

    const auto recipe = runCliWith(with(kAcetateTooConcentrated, {"--recipe"}));
    EXPECT_EQ(recipe.status, exitCalculationFailed);
    EXPECT_TRUE(contains(recipe.out,
                         "The stock solutions add up to more than 1 L: this buffer "
                         "cannot be made from them."))
        << recipe.out;
}

TEST(BufferResultsTruth, AnOpenedDocumentSaysSoToo) {
    testing::TemporaryFolder folder;
    const std::string file = (folder.path() / "acetate.buf").string();
    EXPECT_EQ(runCliWith(with(kAcetateTooConcentrated, {"--save", file})).status,
              exitCalculationFailed);
    const auto opened = runCliWith({"open", file, "--json"});
    EXPECT_EQ(opened.status, exitCalculationFailed) << opened.err;
    EXPECT_TRUE(nlohmann::json::parse(opened.out)["stocksExceedVolume"].get<bool>());
}

TEST(BufferResultsTruth, ABufferThatFitsIsNotFlagged) {
    const auto fits = runCliWith({"buffer", "--buffer", "acetate buffer", "--ph", "5",
                                  "--concentration", "0.1", "--volume", "1", "--json"});
    ASSERT_EQ(fits.status, exitSuccess) << fits.err;
    const auto parsed = nlohmann::json::parse(fits.out);
    EXPECT_TRUE(parsed["success"].get<bool>());
    EXPECT_FALSE(parsed["stocksExceedVolume"].get<bool>());
    EXPECT_FALSE(parsed["highIonicStrength"].get<bool>());
    EXPECT_GT(parsed["capacity"].get<double>(), 0.0);
}

}  // namespace
}  // namespace solvara
