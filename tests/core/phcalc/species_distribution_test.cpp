#include "core/phcalc/species_distribution.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <variant>

#include "core/equilibrium/activity_coefficients.h"
#include "core/phcalc/species_distribution_plot.h"
#include "core/report/report_pages.h"
#include "support/ph_document_fixture.h"

namespace solvara {
namespace {

using SpeciesDistributionTest = testing::PhDocumentFixture;

TEST_F(SpeciesDistributionTest, TheFormsOfEveryAcidAddUpToTheWholeAcidAtEveryPH) {
    setRows({{"", "H_3PO_4", 0.1, 0.0}, {"", "H_3Citrate", 0.05, 0.0}, {"", "HAcetate", 0.1, 0.0}});
    document_.recalculate();
    const auto distribution = speciesDistribution(document_);
    ASSERT_TRUE(distribution);
    ASSERT_EQ(distribution->acids.size(), 3u);
    for (const auto& acid : distribution->acids) {
        ASSERT_EQ(acid.fractions.size(), acid.forms.size()) << acid.name;
        for (int step = 0; step < SpeciesDistribution::stepCount; ++step) {
            double sum = 0.0;
            for (const auto& form : acid.fractions) sum += form[static_cast<std::size_t>(step)];
            EXPECT_NEAR(sum, 1.0, 1e-12)
                << acid.name << " at pH " << SpeciesDistribution::pHAt(step);
        }
    }
}

struct Conditions {
    double temperature;
    double ionicStrength;
};

class MonoproticCrossingTest : public SpeciesDistributionTest,
                               public ::testing::WithParamInterface<Conditions> {};

// The acid and its base are equal where the pH equals the pKa corrected for the temperature and
// for the activity of the charged base: pH = pKa(T) + log gamma(1).
TEST_P(MonoproticCrossingTest, AcidAndBaseCrossAtTheCorrectedPKa) {
    const auto [temperature, ionicStrength] = GetParam();
    setRows({{"", "HAcetate", 0.1, 0.0}});
    document_.setTemperature(temperature);
    document_.setIonicStrengthMode(IonicStrengthMode::forceIonicStrength);
    document_.setIonicStrength(ionicStrength);
    const auto distribution = speciesDistribution(document_);
    ASSERT_TRUE(distribution);
    ASSERT_EQ(distribution->acids.size(), 1u);
    const auto& fractions = distribution->acids[0].fractions;
    ASSERT_EQ(fractions.size(), 2u);

    const BLAcid& acid = document_.acids().At(0);
    const ActivityCoefficients gamma(ionicStrength, temperature, program_->defaults.daviesC, false);
    const double expected = acid.pKa[0] + acid.dpKadT[0] * (temperature - 25.0) + gamma.logGamma(1);
    double crossing = NAN;
    for (std::size_t step = 1; step < fractions[0].size(); ++step) {
        const double before = fractions[0][step - 1] - fractions[1][step - 1];
        const double after = fractions[0][step] - fractions[1][step];
        if (before > 0 && after <= 0) {
            const double share = before / (before - after);
            crossing = SpeciesDistribution::pHAt(static_cast<int>(step) - 1) +
                       share * SpeciesDistribution::pHStep;
        }
    }
    EXPECT_NEAR(crossing, expected, 2e-3);
}

INSTANTIATE_TEST_SUITE_P(Conditions, MonoproticCrossingTest,
                         ::testing::Values(Conditions{25.0, 0.0}, Conditions{37.0, 0.1},
                                           Conditions{5.0, 0.5}));

TEST_F(SpeciesDistributionTest, NoResultsGiveNoDistributionAndAPageSayingWhy) {
    setRows({{"", "HXyz", 0.1, 0.0}});
    document_.recalculate();
    ASSERT_FALSE(document_.resultsValid());
    EXPECT_FALSE(speciesDistribution(document_));
    const Report report = speciesDistributionReport(document_);
    const bool explained =
        std::any_of(report.items.begin(), report.items.end(), [](const auto& item) {
            const auto* text = std::get_if<ReportText>(&item);
            return text != nullptr &&
                   text->text.find("could not be calculated") != std::string::npos;
        });
    EXPECT_TRUE(explained);
}

TEST_F(SpeciesDistributionTest, CsvHasOneColumnPerFormAndOneLinePerStep) {
    setRows({{"", "HAcetate", 0.1, 0.0}, {"", "NaOH", 0.05, 0.0}});
    document_.recalculate();
    const std::string csv = speciesDistributionCsv(*speciesDistribution(document_));
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = csv.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        lines.push_back(csv.substr(start, end - start));
    }
    ASSERT_EQ(lines.size(), 1u + SpeciesDistribution::stepCount);
    // Sodium hydroxide is an acid too, of the forms NaOH and Na^+.
    EXPECT_EQ(lines[0], "pH,Na^+,NaOH,HAcetate,Acetate^-");
    EXPECT_EQ(lines[1].substr(0, 11), "0.00,1.000,");
    EXPECT_EQ(lines.back().substr(0, 6), "14.00,");
    EXPECT_EQ(csv.size(), csv.find("14.00,") + lines.back().size() + 2);
}

// Five acids take two pages; every plot, curves and labels, lies whole on one page.
TEST_F(SpeciesDistributionTest, PlotsAreLabelledMarkedAndNeverCutByAPage) {
    setRows({{"", "H_3PO_4", 0.1, 0.0},
             {"", "H_3Citrate", 0.05, 0.0},
             {"", "HAcetate", 0.1, 0.0},
             {"", "HHEPES", 0.02, 0.0},
             {"", "NH_3", 0.01, 0.0}});
    document_.recalculate();
    ASSERT_TRUE(document_.resultsValid());
    const auto distribution = speciesDistribution(document_);
    ASSERT_EQ(distribution->acids.size(), 5u);
    const Report report = speciesDistributionReport(*distribution, document_.pH());

    std::set<std::string> labels;
    int marks = 0;
    for (const ReportItem& item : report.items) {
        if (const auto* label = std::get_if<ReportFormulaText>(&item))
            labels.insert(label->formula);
        const auto* line = std::get_if<ReportLine>(&item);
        if (line != nullptr && line->pen.colour == ReportColour{220, 0, 0}) ++marks;
        const auto* curve = std::get_if<ReportPolyline>(&item);
        if (curve == nullptr) continue;
        const int page = -curve->points.front().y / kDistributionPageHeight;
        for (const ReportPoint& point : curve->points) {
            EXPECT_EQ(-point.y / kDistributionPageHeight, page);
        }
    }
    std::set<std::string> forms;
    for (const auto& acid : distribution->acids) forms.insert(acid.forms.begin(), acid.forms.end());
    EXPECT_EQ(labels, forms);
    EXPECT_EQ(marks, 5);
    EXPECT_GT(report.height, kDistributionPageHeight);
}

}  // namespace
}  // namespace solvara
