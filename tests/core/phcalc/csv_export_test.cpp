#include "core/phcalc/csv_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "core/program/program_model.h"
#include "support/ph_document_fixture.h"
#include "support/temporary_folder.h"

namespace solvara {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "the text ends with an unterminated line";
    return lines;
}

using CsvExportTest = testing::PhDocumentFixture;

TEST_F(CsvExportTest, ASolutionIsWrittenLineByLineWithSlashesInLabels) {
    setRows({{"sodium acetate, trihydrate", "Na^+,Acetate^-", 0.1, 10.0},
             {"", "HCl", 0.1, 5.0},
             {"potassium bromide", "K^+,Br^-", 0.1, 0.0}});
    document_.setVolumeMode(VolumeMode::sumVolumes);
    document_.recalculate();
    ASSERT_TRUE(document_.resultsValid());

    const std::vector<std::string> lines = linesOf(pHResultsCsv(document_));

    ASSERT_GE(lines.size(), 16u);
    const std::vector<std::string> head(lines.begin(), lines.begin() + 7);
    EXPECT_EQ(head, (std::vector<std::string>{
                        "Results of pH calculation for solution containing:",
                        "name/formula,molarity,volume (mL)",
                        "sodium acetate/ trihydrate (Na^+/Acetate^-),0.1000,10.00",
                        "HCl,0.1000,5.000",
                        "potassium bromide (K^+/Br^-),0.1000,",
                        "mixed for a total volume of,,15.00",
                        "at temperature,25,\xB0"
                        "C",
                    }));
    EXPECT_TRUE(
        std::regex_match(lines[7], std::regex("ionic strength calculated to be,0\\.0[0-9]{4}")))
        << lines[7];
    EXPECT_EQ(lines[8], "Activity coefficients:");
    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(std::regex_match(lines[8u + static_cast<unsigned>(i)],
                                     std::regex("f_" + std::to_string(i) + ",0\\.[0-9]{4,5}")))
            << lines[8u + static_cast<unsigned>(i)];
    }
    EXPECT_TRUE(
        std::regex_match(lines[13], std::regex("thermodynamically corrected pKw =,13\\.[0-9]{3}")))
        << lines[13];
    EXPECT_TRUE(std::regex_match(lines[14], std::regex("pH =,[0-9]\\.[0-9]{2}"))) << lines[14];
    EXPECT_EQ(lines[15], "form,concentration,fraction (%),act. coeff.,activity,-log(act)");

    // Species: H+, OH-, each acid's name and forms, then every reagent's spectators in turn.
    std::vector<std::string> expectedForms{"H^+", "OH^-"};
    for (int a = 0; a < document_.acids().Count(); ++a) {
        const BLAcid& acid = document_.acids().At(a);
        expectedForms.push_back(acid.name);
        for (int k = 0; k <= acid.steps; ++k)
            expectedForms.push_back(acid.forms[static_cast<std::size_t>(k)]);
    }
    for (const char* spectator : {"spectators", "K^+", "Br^-"}) expectedForms.push_back(spectator);
    std::vector<std::string> forms;
    for (std::size_t i = 16; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::size_t comma = line.find(',');
        forms.push_back(line.substr(0, comma));
        if (comma != std::string::npos) {
            EXPECT_EQ(std::count(line.begin(), line.end(), ','), 5) << line;
        }
    }
    EXPECT_EQ(forms, expectedForms);
    EXPECT_TRUE(lines.back().ends_with(",- - -"))
        << "no bromide in the mixed volume: " << lines.back();
    EXPECT_TRUE(std::regex_match(
        lines[16], std::regex("H\\^\\+,[0-9.e-]+,0\\.00,0\\.[0-9]{4},[0-9.e-]+,[0-9]\\.[0-9]{2}")))
        << lines[16];
}

TEST_F(CsvExportTest, AnEmptyDocumentWithoutResults) {
    document_.setIonicStrengthMode(IonicStrengthMode::ignoreIonicStrength);
    EXPECT_EQ(pHResultsCsv(*uncalculated()),
              "Results of pH calculation\r\n"
              "name/formula,molarity,volume (mL)\r\n"
              "\r\n"
              "at temperature,25,\xB0"
              "C\r\n"
              "ionic strength ignored (forced to be,0.0)\r\n"
              "thermodynamically corrected pKw =,13.997\r\n"
              "pH =,???\r\n"
              "form,concentration,fraction (%),act. coeff.,activity,-log(act)\r\n"
              "H^+,\r\n"
              "OH^-,\r\n");
}

TEST_F(CsvExportTest, IonicStrengthLineOfEachMode) {
    struct Case {
        IonicStrengthMode mode;
        double ionicStrength;
        const char* expected;
    };
    const Case cases[] = {
        {IonicStrengthMode::calculateIonicStrength, 0.05,
         "ionic strength calculated to be,0.05000"},
        {IonicStrengthMode::calculateIonicStrength, 0.2,
         "ionic strength calculated to be,0.2000,(too high for reliable results)"},
        {IonicStrengthMode::forceIonicStrength, 0.2,
         "ionic strength forced to,0.2000,(too high for reliable results)"},
        {IonicStrengthMode::ignoreIonicStrength, 0.2, "ionic strength ignored (forced to be,0.0)"},
    };
    // Sodium chloride alone gives its own concentration of ionic strength.
    for (const Case& c : cases) {
        setRows({{"sodium chloride", "Na^+,Cl^-", c.ionicStrength, 0.0}});
        document_.setIonicStrengthMode(c.mode);
        document_.setIonicStrength(c.ionicStrength);
        document_.recalculate();
        ASSERT_TRUE(document_.resultsValid());
        EXPECT_EQ(linesOf(pHResultsCsv(document_))[5], c.expected);
    }
}

TEST(CsvFileName, AThreeLetterExtensionIsDropped) {
    const std::pair<const char*, const char*> cases[] = {
        {"solution.phc", "solution"}, {"a.phc", "a"}, {"pHcalc1", "pHcalc1"}, {".phc", ".phc"},
        {"data.xlsx", "data.xlsx"},
    };
    for (const auto& [title, proposed] : cases) EXPECT_EQ(proposedCsvFileName(title), proposed);
}

TEST_F(CsvExportTest, TheFileHoldsTheTextByteForByte) {
    testing::TemporaryFolder folder;
    const std::filesystem::path path = folder.path() / "results.csv";
    testing::writeFile(path, "old content that is longer than nothing");
    writepHResultsCsv(document_, path);
    EXPECT_EQ(testing::readFile(path), pHResultsCsv(document_));
}

}  // namespace
}  // namespace solvara
