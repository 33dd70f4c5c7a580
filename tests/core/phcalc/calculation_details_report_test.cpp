#include "core/phcalc/calculation_details_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "core/program/program_model.h"
#include "support/ph_document_fixture.h"

namespace solvara {
namespace {

// One line per text item: "x y text", with "<" before right-aligned texts' x, the title's font
// marked "T", and a formula item's formula after a "|".
std::vector<std::string> describe(const Report& report) {
    std::vector<std::string> lines;
    for (const ReportItem& item : report.items) {
        if (const auto* text = std::get_if<ReportText>(&item)) {
            std::string line = text->alignment == ReportAlignment::right ? "<" : "";
            line += std::to_string(text->at.x) + ' ' + std::to_string(text->at.y) + ' ';
            if (text->font == reportTitleFont) line += "T ";
            lines.push_back(line + text->text);
        } else if (const auto* formula = std::get_if<ReportFormulaText>(&item)) {
            lines.push_back(std::to_string(formula->at.x) + ' ' + std::to_string(formula->at.y) +
                            ' ' + formula->text + '|' + formula->formula);
        } else {
            lines.push_back("a drawing");
        }
    }
    return lines;
}

using DetailsReportTest = testing::PhDocumentFixture;

TEST_F(DetailsReportTest, EveryLineOfASolutionWithAnAcidAndSpectators) {
    // Two rows, one diprotic acid, two spectator ions; ionic strength forced to 0 so that every
    // coefficient is 1 and the corrected constants are the entered ones.
    setRows({{"potassium bromide", "K^+,Br^-", 0.1, 10.0}, {"", "H_2SO_4", 0.05, 0.0}});
    document_.setVolumeMode(VolumeMode::sumVolumes);
    document_.setSolutionVolume(10.0);
    document_.setIonicStrengthMode(IonicStrengthMode::forceIonicStrength);
    document_.setIonicStrength(0.0);

    std::vector<std::string> lines = describe(calculationDetailsReport(*uncalculated()));

    EXPECT_EQ(lines, (std::vector<std::string>{
                         "100 -100 T Results of pH calculation for solution containing:",
                         "150 -205 potassium bromide (<SUBSTANCEFORMULA>)|K^+,Br^-",
                         "1300 -205 0.1000 M",
                         "1600 -205 10.00 mL",
                         "150 -275 <SUBSTANCEFORMULA>|H_2SO_4",
                         "1300 -275 0.05000 M",
                         "150 -345 mixed for a total volume of 10.00 mL",
                         "100 -415 at temperature 25 \xB0"
                         "C.",
                         "100 -485 Ionic strength forced to 0.",
                         "100 -555 Activity coefficients:",
                         "200 -625 <SUBSTANCEFORMULA> = 1.000|f_1",
                         "200 -695 <SUBSTANCEFORMULA> = 1.000|f_2",
                         "200 -765 <SUBSTANCEFORMULA> = 1.000|f_3",
                         "200 -835 <SUBSTANCEFORMULA> = 1.000|f_4",
                         "100 -905 Thermodynamically corrected <SUBSTANCEFORMULA> = 13.997|pK_w",
                         "100 -975 Dissociation constants:",
                         "690 -975 normal",
                         "890 -975 corrected",
                         "1110 -975 practical",
                         "150 -1045 sulphuric acid",
                         "200 -1115 <SUBSTANCEFORMULA>|pK_{a1}",
                         "<810 -1115 -3.00",
                         "<1030 -1115 -3.00",
                         "<1250 -1115 -3.00",
                         "200 -1185 <SUBSTANCEFORMULA>|pK_{a2}",
                         "<810 -1185 1.99",
                         "<1030 -1185 1.99",
                         "<1250 -1185 1.99",
                         "100 -1255 Solution composition:",
                         "200 -1325 form",
                         "500 -1325 concentration",
                         "850 -1325 fraction",
                         "1150 -1325 act. coeff.",
                         "1450 -1325 activity",
                         "1780 -1325 -log(act)",
                         // Without results the species lines hold their formulas only, and
                         // there is neither osmolality nor capacity.
                         "200 -1395 <SUBSTANCEFORMULA>|H^+",
                         "200 -1465 <SUBSTANCEFORMULA>|OH^-",
                         "150 -1535 sulphuric acid",
                         "200 -1605 <SUBSTANCEFORMULA>|H_2SO_4",
                         "200 -1675 <SUBSTANCEFORMULA>|HSO_4^-",
                         "200 -1745 <SUBSTANCEFORMULA>|SO_4^{2-}",
                         "100 -1815 spectators",
                         "200 -1885 <SUBSTANCEFORMULA>|K^+",
                         "200 -1955 <SUBSTANCEFORMULA>|Br^-",
                         "100 -2025 Solution osmolality is ???.",
                     }));
}

TEST_F(DetailsReportTest, HeightAndPagesFollowRowsModesAcidsAndSpectators) {
    const auto addRow = [&](CpHCalculatorDoc& document, const char* formula) {
        document.addReagent(testing::stockRow(*program_, formula, 0.1, 10.0));
    };
    struct Case {
        const char* what;
        std::function<void(CpHCalculatorDoc&)> build;
        int height;
        int pages;
    };
    const Case cases[] = {
        {"one empty row, ionic strength ignored",
         [&](CpHCalculatorDoc& document) {
             document.setIonicStrengthMode(IonicStrengthMode::ignoreIonicStrength);
         },
         1010, 1},
        {"two rows summed, a diprotic acid and two spectators",
         [&](CpHCalculatorDoc& document) {
             document.removeReagent(0);
             addRow(document, "K^+,Br^-");
             addRow(document, "H_2SO_4");
             document.setVolumeMode(VolumeMode::sumVolumes);
         },
         2270, 1},
        {"thirty rows of one monoprotic acid",
         [&](CpHCalculatorDoc& document) {
             document.removeReagent(0);
             for (int i = 0; i < 30; ++i) addRow(document, "HCl");
         },
         70 * 30 + 940 + 350 + 140 + 210 + 70, 2},
    };
    for (const Case& c : cases) {
        CpHCalculatorDoc document(*program_);
        c.build(document);
        EXPECT_EQ(calculationDetailsReport(document).height, c.height) << c.what;
        EXPECT_EQ(detailsReportPageCount(document), c.pages) << c.what;
    }
}

TEST_F(DetailsReportTest, WaterWithIgnoredIonicStrengthShowsResultsWithoutTheCorrections) {
    document_.setIonicStrengthMode(IonicStrengthMode::ignoreIonicStrength);
    ASSERT_TRUE(document_.resultsValid());

    const std::vector<std::string> lines = describe(calculationDetailsReport(document_));

    const std::vector<std::string> top(lines.begin(), lines.begin() + 5);
    EXPECT_EQ(top, (std::vector<std::string>{
                       "100 -100 T Results of pH calculation",
                       "100 -205 at temperature 25 \xB0"
                       "C.",
                       "100 -275 Ionic strength ignored (forced to be 0.0).",
                       "100 -345 Thermodynamically corrected <SUBSTANCEFORMULA> = 13.997|pK_w",
                       "100 -415 Solution composition:",
                   }));
    // The H+ line with every column.
    const std::vector<std::string> hydrogen(lines.begin() + 11, lines.begin() + 18);
    ASSERT_EQ(hydrogen.size(), 7u);
    EXPECT_EQ(hydrogen[0], "200 -555 <SUBSTANCEFORMULA>|H^+");
    EXPECT_TRUE(hydrogen[1].starts_with("550 -555 1.00")) << hydrogen[1];
    EXPECT_EQ(hydrogen[2], "<1000 -555 0.00%");
    EXPECT_EQ(hydrogen[3], "<1300 -555 1.000");
    EXPECT_TRUE(hydrogen[4].starts_with("1450 -555 1.00")) << hydrogen[4];
    EXPECT_EQ(hydrogen[5], "<1850 -555 7.00");
    EXPECT_EQ(hydrogen[6], "1860 -555 (pH)");
    EXPECT_TRUE(lines[lines.size() - 2].starts_with("100 -695 Solution osmolality is 2.00"))
        << lines[lines.size() - 2];
    EXPECT_TRUE(lines.back().starts_with("100 -765 Buffering capacity of the solution is "))
        << lines.back();
}

TEST_F(DetailsReportTest, TheCapacityLineLeavesTheDocumentAsItWas) {
    setRows({{"hydrochloric acid", "HCl", 0.1, 5.0}});
    document_.setVolumeMode(VolumeMode::sumVolumes);
    ASSERT_TRUE(document_.resultsValid());
    document_.SetModifiedFlag(false);
    const double pH = document_.pH();
    const double ionicStrength = document_.ionicStrength();

    const std::vector<std::string> lines = describe(calculationDetailsReport(document_));

    EXPECT_NE(lines.back().find(" Buffering capacity of the solution is "), std::string::npos)
        << lines.back();
    EXPECT_TRUE(document_.resultsValid()) << "the document keeps its results";
    EXPECT_EQ(document_.pH(), pH);
    EXPECT_EQ(document_.ionicStrength(), ionicStrength);
    EXPECT_FALSE(document_.IsModified());
}

// The working values a failed solve leaves are no results: nothing is worked out from them.
TEST_F(DetailsReportTest, AFailedCalculationShowsNoFigureOfItsSolve) {
    setRows({{"sodium hydroxide", "NaOH", 1000.0, 0.0}});
    document_.recalculate();
    ASSERT_FALSE(document_.resultsValid());

    // The lines without their positions.
    std::vector<std::string> texts;
    for (const std::string& line : describe(calculationDetailsReport(document_))) {
        texts.push_back(line.substr(line.find(' ', line.find(' ') + 1) + 1));
    }

    for (const char* expected :
         {"Ionic strength calculated to be ???.", "<SUBSTANCEFORMULA> = ???|f_1",
          "Thermodynamically corrected <SUBSTANCEFORMULA> = ???|pK_w"}) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
    }
    EXPECT_EQ(texts.back(), "Solution osmolality is ???.");
}

TEST_F(DetailsReportTest, TooHighIonicStrengthIsRemarkedBeforeThePeriod) {
    setRows({{"sodium chloride", "Na^+,Cl^-", 0.2, 0.0}});
    for (const IonicStrengthMode mode :
         {IonicStrengthMode::calculateIonicStrength, IonicStrengthMode::forceIonicStrength}) {
        document_.setIonicStrengthMode(mode);
        document_.setIonicStrength(0.2);
        document_.recalculate();
        ASSERT_TRUE(document_.resultsValid());
        const std::string line = describe(calculationDetailsReport(document_))[4];
        EXPECT_TRUE(line.ends_with(" 0.2000 (too high for reliable results).")) << line;
    }
}

}  // namespace
}  // namespace solvara
