#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/cli_runner.h"
#include "support/temporary_folder.h"

namespace solvara {
namespace {

using testing::readFile;
using testing::runCliWith;
using testing::writeFile;

class OpenCommand : public ::testing::Test {
  protected:
    std::string path(const char* name) const { return (folder_.path() / name).string(); }

    // Saves an acetate buffer with `ph` and returns the file.
    std::string savedBuffer() {
        const std::string file = path("buffer.phc");
        const auto saved =
            runCliWith({"ph", "--reagent", "acetic acid:0.1:10", "--reagent",
                        "sodium acetate:0.3:10", "--volume-mode", "sum", "--save", file});
        EXPECT_EQ(saved.status, 0) << saved.err;
        return file;
    }

    testing::TemporaryFolder folder_;
};

TEST_F(OpenCommand, AnOpenedDocumentGivesTheResultsOfTheSolutionItWasSavedFrom) {
    const std::string file = savedBuffer();
    const auto fromPh = runCliWith({"ph", "--reagent", "acetic acid:0.1:10", "--reagent",
                                    "sodium acetate:0.3:10", "--volume-mode", "sum", "--json"});
    const auto opened = runCliWith({"open", file, "--json"});
    ASSERT_EQ(opened.status, 0) << opened.err;
    EXPECT_EQ(opened.out, fromPh.out);
    EXPECT_NEAR(nlohmann::json::parse(opened.out)["pH"].get<double>(), 5.05, 0.01);

    const auto report = runCliWith({"open", file, "--report"});
    EXPECT_EQ(report.status, 0) << report.err;
    EXPECT_EQ(report.out.rfind("     Results of pH calculation for solution containing:\n", 0), 0u)
        << report.out;
    EXPECT_NE(report.out.find("Buffering capacity of the solution is "), std::string::npos);

    const auto csv = runCliWith({"open", file, "--csv"});
    EXPECT_EQ(csv.status, 0) << csv.err;
    EXPECT_NE(csv.out.find("\r\nat temperature,25,\xB0"
                           "C\r\n"),
              std::string::npos)
        << csv.out;
}

TEST_F(OpenCommand, OldRowsAreWrittenBackInTheCurrentLayout) {
    // A document read back keeps the last acid id its file names, or the highest id of its
    // acids; the first file of a solution names none, so compare with a document written once
    // more.
    const auto resaved = runCliWith({"open", savedBuffer(), "--save", path("current.phc")});
    ASSERT_EQ(resaved.status, 0) << resaved.err;
    const std::string current = readFile(path("current.phc"));
    // The last row ends with its version and two doubles; an old row has version 0x10000 and an
    // empty spectator array after them.
    std::string old = current;
    old.replace(old.size() - 20, 4, std::string("\x00\x00\x01\x00", 4));
    old.append(std::string("\x00\x00", 2));
    const std::string oldFile = path("old.phc");
    writeFile(oldFile, old);

    const auto opened = runCliWith({"open", oldFile, "--save", path("new.phc")});
    EXPECT_EQ(opened.status, 0) << opened.err;
    EXPECT_EQ(readFile(path("new.phc")), current);
}

TEST_F(OpenCommand, UnreadableFilesAndBadUsageExitWithTwoAndSayWhy) {
    const std::string truncated = path("cut.phc");
    writeFile(truncated, readFile(savedBuffer()).substr(0, 50));
    const std::string other = path("notes.txt");
    writeFile(other, "text");
    const std::string empty = path("empty.buf");
    writeFile(empty, "");
    const std::string folder = path("folder.phc");
    std::filesystem::create_directory(folder);
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const Case cases[] = {
        {{"open", path("missing.phc")}, path("missing.phc") + ": cannot be opened: no such file."},
        {{"open", folder}, folder + ": cannot be opened: is a folder."},
        {{"open", empty}, empty + ": cannot be opened: is empty."},
        {{"open", truncated}, "Attempted to access " + truncated + " past its end."},
        {{"open", other},
         other +
             ": cannot be opened: is neither a pH calculation (.phc) nor a buffer design (.buf)."},
        {{"open", truncated, "--csv", "--report"}, "--json, --csv and --report exclude each other"},
    };
    for (const Case& c : cases) {
        const auto result = runCliWith(c.arguments);
        EXPECT_EQ(result.status, 2) << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
}

TEST_F(OpenCommand, ADocumentIsOpenedAsWhatItsContentIs) {
    const std::string solution = savedBuffer();
    const std::string design = path("design.buf");
    ASSERT_EQ(runCliWith({"buffer", "--buffer", "citrate buffer", "--ph", "5", "--concentration",
                          "0.1", "--volume", "1", "--save", design})
                  .status,
              0);
    struct Case {
        std::string original;
        const char* copy;
    };
    const Case cases[] = {
        {solution, "solution.buf"},
        {solution, "solution.txt"},
        {design, "design.phc"},
    };
    for (const Case& c : cases) {
        writeFile(path(c.copy), readFile(c.original));
        const auto original = runCliWith({"open", c.original, "--json"});
        const auto copy = runCliWith({"open", path(c.copy), "--json"});
        EXPECT_EQ(copy.status, 0) << c.copy << ": " << copy.err;
        EXPECT_EQ(copy.out, original.out) << c.copy;
    }
}

TEST_F(OpenCommand, SavingUnderTheExtensionOfTheOtherKindIsBadUsage) {
    const std::string solution = savedBuffer();
    const std::string wrongForPh = path("x.buf");
    const std::string wrongForBuffer = path("x.phc");
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const Case cases[] = {
        {{"ph", "--reagent", "HCl:0.1", "--save", wrongForPh},
         wrongForPh + ": cannot be saved: a pH calculation is saved as .phc."},
        {{"buffer", "--buffer", "citrate buffer", "--ph", "5", "--concentration", "0.1", "--volume",
          "1", "--save", wrongForBuffer},
         wrongForBuffer + ": cannot be saved: a buffer design is saved as .buf."},
        {{"open", solution, "--save", wrongForPh},
         wrongForPh + ": cannot be saved: a pH calculation is saved as .phc."},
    };
    for (const Case& c : cases) {
        const auto text = runCliWith(c.arguments);
        EXPECT_EQ(text.status, 2) << c.message;
        EXPECT_EQ(text.err, c.message + "\n");
        EXPECT_EQ(text.out, "") << "refused before anything is printed";

        std::vector<std::string> withJson = c.arguments;
        withJson.push_back("--json");
        const auto json = runCliWith(withJson);
        EXPECT_EQ(json.status, 2) << c.message;
        EXPECT_EQ(nlohmann::json::parse(json.out),
                  (nlohmann::json{{"success", false}, {"error", c.message}}));
    }
    EXPECT_FALSE(std::filesystem::exists(wrongForPh));
    EXPECT_FALSE(std::filesystem::exists(wrongForBuffer));
}

TEST_F(OpenCommand, ADocumentThatCannotBeCalculatedIsStillSavedAndExitsWithOne) {
    const std::string file = path("no-volume.phc");
    const auto saved =
        runCliWith({"ph", "--reagent", "HCl:0.1", "--volume-mode", "sum", "--save", file});
    EXPECT_EQ(saved.status, 1);
    const auto opened = runCliWith({"open", file, "--json"});
    EXPECT_EQ(opened.status, 1);
    EXPECT_FALSE(nlohmann::json::parse(opened.out)["success"].get<bool>());
    const auto csv = runCliWith({"open", file, "--csv"});
    EXPECT_EQ(csv.status, 1);
    EXPECT_EQ(csv.out, "") << "no export without results";
}

}  // namespace
}  // namespace solvara
