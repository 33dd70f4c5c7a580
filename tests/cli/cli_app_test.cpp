#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <stdexcept>
#include <streambuf>

#include "core/text/windows1252.h"
#include "support/cli_runner.h"
#include "support/temporary_folder.h"

namespace solvara {
namespace {

using testing::runCliWith;

bool isUtf8(const std::string& text) { return repairUtf8(text) == text; }

// Takes no byte, as standard output on a full disk or a closed descriptor.
class RefusingBuffer : public std::streambuf {
  protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(CliApp, OutputThatCannotBeWrittenIsAFailureWithAMessage) {
    struct Case {
        std::vector<const char*> argv;
        int status;
    };
    const Case cases[] = {
        {{"solvara-cli", "list", "acids"}, 2},
        {{"solvara-cli", "list", "acids", "--json"}, 2},
        {{"solvara-cli", "formula", "Xx_2"}, 1},  // a failure keeps its own status
    };
    for (const Case& c : cases) {
        RefusingBuffer refusing;
        std::ostream out(&refusing);
        std::ostringstream err;
        const int status = runCli(static_cast<int>(c.argv.size()), c.argv.data(), out, err,
                                  [](const char*) { return std::nullopt; });
        EXPECT_EQ(status, c.status) << c.argv[1];
        EXPECT_NE(err.str().find("the output could not be written"), std::string::npos)
            << err.str();
    }
}

TEST(CliApp, WithJsonEveryFailureIsAnObjectThatSaysWhy) {
    testing::TemporaryFolder folder;
    const std::string missing = (folder.path() / "missing.dat").string();
    const std::string missingDocument = (folder.path() / "missing.phc").string();
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string error;
    };
    const Case cases[] = {
        {{"ph", "--temperature", "warm", "--json"},
         2,
         "--temperature: \"warm\" is not a number from 0 to 100"},
        {{"--json", "nonsense"}, 2, "A subcommand is required"},
        {{"list", "--json"}, 2, "WHAT is required"},
        {{"--json", "--digits", "6", "list", "acids"}, 2, "excludes"},
        {{"list", "acids", "--json", "--database", missing}, 2, missing},
        {{"database", "check", missing, "--json"}, 2, missing},
        {{"open", missingDocument, "--json"}, 2, missingDocument},
        {{"buffer", "--buffer", "none", "--ph", "7", "--concentration", "1", "--volume", "1",
          "--json"},
         2,
         "no buffer group \"none\""},
        {{"ph", "--reagent", "HCl:0", "--json"}, 1, "has no concentration"},
        {{"formula", "Xx_2", "--json"}, 1, "cannot be evaluated"},
    };
    for (const Case& c : cases) {
        const auto result = runCliWith(c.arguments);
        SCOPED_TRACE(result.err);
        EXPECT_EQ(result.status, c.status);
        const auto json = nlohmann::json::parse(result.out);
        EXPECT_EQ(json["success"], false);
        EXPECT_NE(json["error"].get<std::string>().find(c.error), std::string::npos);
        EXPECT_EQ(json["error"].get<std::string>().find("--help"), std::string::npos);
    }
}

TEST(CliApp, ResultsWhoseSavingFailedAreNoSuccess) {
    const std::vector<std::vector<std::string>> cases = {
        {"ph", "--reagent", "HCl:0.01", "--json", "--save", "/nonexistent/x.phc"},
        {"buffer", "--buffer", "acetate buffer", "--ph", "4.8", "--concentration", "0.1",
         "--volume", "1", "--json", "--save", "/nonexistent/x.buf"},
    };
    for (const auto& arguments : cases) {
        const auto result = runCliWith(arguments);
        EXPECT_EQ(result.status, 2) << result.err;
        const auto json = nlohmann::json::parse(result.out);
        EXPECT_EQ(json["success"], false);
        EXPECT_NE(json["error"].get<std::string>().find("/nonexistent/x."), std::string::npos);
        EXPECT_TRUE(json["pH"].is_number()) << "the results stay";
    }
}

TEST(CliApp, NamesThatAreNotUtf8AreShownAsWindows1252) {
    const auto missing = runCliWith({"--json", "database", "check", "\xFF.dat"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(isUtf8(missing.err)) << missing.err;
    const auto failure = nlohmann::json::parse(missing.out);
    EXPECT_NE(failure["error"].get<std::string>().find("\xC3\xBF.dat"), std::string::npos);

    testing::TemporaryFolder folder;
    const std::string file = (folder.path() / "lab\xB0.dat").string();
    ASSERT_EQ(runCliWith({"database", "save", file}).status, 0);
    const auto checked = runCliWith({"database", "check", file, "--json"});
    ASSERT_EQ(checked.status, 0) << checked.err;
    EXPECT_EQ(nlohmann::json::parse(checked.out)["file"], repairUtf8(file));
    const auto text = runCliWith({"database", "check", file});
    EXPECT_NE(text.out.find("lab\xC2\xB0.dat"), std::string::npos) << text.out;

    const auto group = runCliWith({"buffer", "--buffer", "\xFF", "--ph", "7", "--concentration",
                                   "1", "--volume", "1", "--json"});
    EXPECT_EQ(group.status, 2);
    EXPECT_NE(nlohmann::json::parse(group.out)["error"].get<std::string>().find("\"\xC3\xBF\""),
              std::string::npos);
}

TEST(CliApp, AnUnexpectedExceptionEndsWithAMessageAndStatusOne) {
    const EnvironmentLookup failing = [](const char*) -> std::optional<std::string> {
        throw std::runtime_error("environment unavailable");
    };
    const auto text = runCliWith({"list", "acids"}, failing);
    EXPECT_EQ(text.status, 1);
    EXPECT_NE(text.err.find("environment unavailable"), std::string::npos) << text.err;

    const auto json = runCliWith({"list", "acids", "--json"}, failing);
    EXPECT_EQ(json.status, 1);
    EXPECT_EQ(nlohmann::json::parse(json.out)["success"], false);
}

TEST(CliApp, CommonOptionsThatCannotActAreRefused) {
    testing::TemporaryFolder folder;
    const std::string file = (folder.path() / "lab.dat").string();
    ASSERT_EQ(runCliWith({"database", "save", file}).status, 0);
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const Case cases[] = {
        {{"--database", "", "list", "acids"}, "--database: needs a file name"},
        {{"--database", file, "database", "check", file}, "--database cannot act"},
        {{"--digits", "6", "database", "check", file}, "--digits cannot act"},
        {{"--digits", "0x4", "list", "acids"}, "--digits"},
        {{"--digits", "4.0", "list", "acids"}, "--digits"},
        {{"--digits", "", "list", "acids"}, "--digits"},
    };
    for (const Case& c : cases) {
        const auto result = runCliWith(c.arguments);
        EXPECT_EQ(result.status, 2) << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
}

}  // namespace
}  // namespace solvara
