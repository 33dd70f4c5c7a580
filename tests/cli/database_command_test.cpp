#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/program/database_file.h"
#include "core/program/password_digest.h"
#include "support/cli_runner.h"
#include "support/temporary_folder.h"

namespace solvara {
namespace {

using testing::runCliWith;

class DatabaseCommand : public ::testing::Test {
  protected:
    // The starter content with one more acid, protected by `password`.
    void writeEditedDatabase(const std::filesystem::path& path, const std::string& password = "") {
        std::filesystem::create_directories(path.parent_path());
        const std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
        BLAcid acid;
        acid.name = "edited";
        program->acids.Add(acid, true);
        writeDatabaseFile(path, *program, passwordDigest(password));
    }

    int acidCount(const testing::CliResult& result) {
        EXPECT_EQ(result.status, 0) << result.err;
        return static_cast<int>(nlohmann::json::parse(result.out)["acids"].size());
    }

    testing::TemporaryFolder folder;
    const std::string file = (folder.path() / "lab.dat").string();
};

TEST_F(DatabaseCommand, SaveWritesTheStarterContentAndCheckTellsWhatItHolds) {
    const auto saved = runCliWith({"database", "save", file});
    ASSERT_EQ(saved.status, 0) << saved.err;

    const auto checked = runCliWith({"database", "check", file, "--json"});
    ASSERT_EQ(checked.status, 0) << checked.err;
    const auto json = nlohmann::json::parse(checked.out);
    EXPECT_EQ(json["version"], "0x00020000");
    EXPECT_EQ(json["protected"], false);
    EXPECT_EQ(json["moieties"], 3);
    EXPECT_EQ(json["acids"], 10);
    EXPECT_EQ(json["reagents"], 16);
    EXPECT_EQ(json["salts"], 8);
    EXPECT_EQ(json["bufferGroups"], 8);
    EXPECT_EQ(json["bufferVariants"], 15);

    const auto text = runCliWith({"database", "check", file});
    EXPECT_NE(text.out.find("protected: no"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("buffers:   8 groups, 15 variants"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("acids:     10"), std::string::npos) << text.out;
}

TEST_F(DatabaseCommand, CheckOfAnUnreadableFileGivesTheReasonAndStatusTwo) {
    testing::writeFile(file, std::string("\x00\x00\x02\x00\x00\x00", 6));
    const auto result = runCliWith({"database", "check", file, "--json"});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find(file + " past its end"), std::string::npos) << result.err;
    EXPECT_EQ(nlohmann::json::parse(result.out)["success"], false);

    EXPECT_EQ(runCliWith({"database", "check", (folder.path() / "missing.dat").string()}).status,
              2);
}

TEST_F(DatabaseCommand, DatabaseOptionChoosesTheDatabaseOfEveryCommand) {
    writeEditedDatabase(file, "pw");
    EXPECT_EQ(acidCount(runCliWith({"list", "acids", "--json", "--database", file})), 11);
    const auto missing =
        runCliWith({"list", "acids", "--database", (folder.path() / "missing.dat").string()});
    EXPECT_EQ(missing.status, 2);

    // Saving the database in use keeps its password.
    const std::string copy = (folder.path() / "copy.dat").string();
    ASSERT_EQ(runCliWith({"database", "save", copy, "--database", file}).status, 0);
    EXPECT_EQ(ReadStoredDigest(copy), passwordDigest("pw"));
}

TEST_F(DatabaseCommand, TheUserDatabaseFileIsTheDefaultAndOneThatDoesNotReadIsReported) {
    const std::map<std::string, std::string> variables{{"HOME", folder.path().string()}};
    const EnvironmentLookup environment =
        [&variables](const char* name) -> std::optional<std::string> {
        const auto found = variables.find(name);
        return found == variables.end() ? std::nullopt : std::optional(found->second);
    };
    const auto userFile = folder.path() / ".local/share/Orvane/Solvara/Solvaradatabase.dat";
    const std::string fallback =
        " The built-in starter content is used instead of this database file.\n";
    const auto listed = [&environment](int acids, const std::string& err) {
        const auto result = runCliWith({"list", "acids", "--json"}, environment);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(nlohmann::json::parse(result.out)["acids"].size(),
                  static_cast<std::size_t>(acids));
        EXPECT_EQ(result.err, err);
    };
    listed(10, "");  // no file yet: nothing to report

    writeEditedDatabase(userFile);
    listed(11, "");

    testing::writeFile(userFile, std::string("\x00\x00\x02\x00", 4));  // the version alone
    listed(10, "Attempted to access " + userFile.string() + " past its end." + fallback);

    std::filesystem::remove(userFile);
    std::filesystem::create_directory(userFile);
    listed(10, userFile.string() + ": cannot be opened: is a folder." + fallback);
}

TEST_F(DatabaseCommand, EverySaveFailureNamesTheFileAndTheReasonAlike) {
    const std::filesystem::path absent = folder.path() / "absent";
    const std::string place = (folder.path() / "place.phc").string();
    std::filesystem::create_directory(place);
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const Case cases[] = {
        {{"database", "save", (absent / "lab.dat").string()},
         (absent / "lab.dat").string() + ": cannot be saved: no such folder.\n"},
        {{"ph", "--reagent", "HCl:0.1", "--save", place},
         place + ": cannot be saved: is a folder.\n"},
        {{"buffer", "--buffer", "citrate buffer", "--ph", "5", "--concentration", "0.1", "--volume",
          "1", "--save", (absent / "x.buf").string()},
         (absent / "x.buf").string() + ": cannot be saved: no such folder.\n"},
    };
    for (const Case& c : cases) {
        const auto result = runCliWith(c.arguments);
        EXPECT_EQ(result.status, 2) << c.message;
        EXPECT_EQ(result.err, c.message);
    }
    EXPECT_FALSE(std::filesystem::exists(absent));
}

TEST_F(DatabaseCommand, SaveNeverReplacesAProtectedOrUnreadableFile) {
    writeEditedDatabase(file, "pw");
    const std::string before = testing::readFile(file);
    const auto refused = runCliWith({"database", "save", file});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("protected"), std::string::npos) << refused.err;
    EXPECT_EQ(testing::readFile(file), before);

    testing::writeFile(file, "notes");
    EXPECT_EQ(runCliWith({"database", "save", file}).status, 2);
    EXPECT_EQ(testing::readFile(file), "notes");
}

}  // namespace
}  // namespace solvara
