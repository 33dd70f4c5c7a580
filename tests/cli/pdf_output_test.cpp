#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/temporary_folder.h"

namespace solvara {
namespace {

using testing::readFile;
using testing::runCliWith;

class PdfOutput : public ::testing::Test {
  protected:
    std::string path(const char* name) const { return (folder_.path() / name).string(); }

    testing::TemporaryFolder folder_;
};

const std::vector<std::string> phosphateDesign{
    "buffer",
    "--buffer",
    "phosphate buffer 7.2",
    "--variant",
    "sodium dihydrogenphosphate/disodium hydrogenphosphate",
    "--ph",
    "7.4",
    "--concentration",
    "0.1",
    "--volume",
    "1"};

const std::vector<std::string> acetateSolution{
    "ph", "--reagent", "acetic acid:0.1:10", "--reagent", "sodium acetate:0.3:10", "--volume-mode",
    "sum"};

std::vector<std::string> with(std::vector<std::string> arguments,
                              const std::vector<std::string>& more) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

#ifdef SOLVARA_CLI_PDF

// The text of a PDF file as a reader extracts it.
std::string pdfText(const std::string& file) {
    const std::string command = "pdftotext -layout '" + file + "' -";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string text;
    std::array<char, 4096> buffer{};
    while (const std::size_t read = fread(buffer.data(), 1, buffer.size(), pipe.get()))
        text.append(buffer.data(), read);
    return text;
}

TEST_F(PdfOutput, RecipesAndReportsAreWrittenAsPdfFromCommandsAndDocuments) {
    const auto design = runCliWith(
        with(phosphateDesign, {"--pdf", path("recipe.pdf"), "--save", path("design.buf")}));
    ASSERT_EQ(design.status, 0) << design.err;
    const auto solution = runCliWith(
        with(acetateSolution, {"--pdf", path("details.pdf"), "--save", path("solution.phc")}));
    ASSERT_EQ(solution.status, 0) << solution.err;
    ASSERT_EQ(runCliWith({"open", path("design.buf"), "--pdf", path("opened.pdf")}).status, 0);
    ASSERT_EQ(
        runCliWith({"open", path("solution.phc"), "--pdf", path("opened-details.pdf")}).status, 0);

    for (const char* recipe : {"recipe.pdf", "opened.pdf"}) {
        EXPECT_EQ(readFile(path(recipe)).substr(0, 5), "%PDF-") << recipe;
        const std::string text = pdfText(path(recipe));
        EXPECT_NE(text.find("sodium dihydrogenphosphate/disodium hydrogenphosphate"),
                  std::string::npos)
            << recipe << ":\n"
            << text;
        EXPECT_NE(text.find("31.85 mL"), std::string::npos) << recipe;
        EXPECT_NE(text.find("84.08 mL"), std::string::npos) << recipe;
    }
    for (const char* details : {"details.pdf", "opened-details.pdf"}) {
        const std::string text = pdfText(path(details));
        EXPECT_NE(text.find("Results of pH calculation for solution containing:"),
                  std::string::npos)
            << details << ":\n"
            << text;
        EXPECT_NE(text.find("sodium acetate"), std::string::npos) << details;
    }
}

TEST_F(PdfOutput, AFileThatCannotBeWrittenFailsTheCommandAndSaysWhy) {
    const std::string unwritable = path("no/such/folder/recipe.pdf");
    const auto failed = runCliWith(with(phosphateDesign, {"--json", "--pdf", unwritable}));
    EXPECT_EQ(failed.status, 2);
    const auto answer = nlohmann::json::parse(failed.out);
    EXPECT_FALSE(answer["success"].get<bool>());
    EXPECT_NE(answer["error"].get<std::string>().find("cannot write the PDF file"),
              std::string::npos)
        << failed.out;
}

#else

TEST_F(PdfOutput, ABuildWithoutPdfOutputRefusesPdfBeforeCalculating) {
    const auto refused = runCliWith(with(phosphateDesign, {"--pdf", path("recipe.pdf")}));
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("PDF output is not available in this build"), std::string::npos);
}

#endif

}  // namespace
}  // namespace solvara
