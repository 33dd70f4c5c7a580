#include "core/phcalc/ph_view_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/ph_document_fixture.h"

namespace solvara {
namespace {

using PhViewTextsTest = testing::PhDocumentFixture;

std::vector<std::string> column(const std::vector<SpeciesListRow>& rows, SpeciesColumn which) {
    std::vector<std::string> cells;
    for (const SpeciesListRow& row : rows)
        cells.push_back(row.cells[static_cast<std::size_t>(which)]);
    return cells;
}

TEST_F(PhViewTextsTest, TabsShowTheNameOrTheRowNumberAndMarkRowsThatCannotBeCalculated) {
    setRows({{"acetic acid", "HAcetate", 0.1, 0.0},
             {"", "", 0.0, 0.0},
             {"", "HXyz", 0.1, 0.0},
             {"lye", "NaOH", 0.0, 0.0}});
    EXPECT_EQ(reagentTabText(document_, 0), "acetic acid");
    EXPECT_EQ(reagentTabText(document_, 1), "reagent 2");
    EXPECT_EQ(reagentTabText(document_, 2), "reagent 3 (?)");
    EXPECT_EQ(reagentTabText(document_, 3), "lye (?)");
}

TEST_F(PhViewTextsTest, TheFilterListsMatchingFormulasWithTheirTotal) {
    setRows({{"", "HAcetate", 0.1, 0.0}, {"", "Na^+,Acetate^-", 0.05, 0.0}});
    document_.recalculate();
    ASSERT_TRUE(document_.resultsValid());

    const auto all = speciesListRows(document_, ".");
    EXPECT_EQ(column(all, SpeciesColumn::substance),
              (std::vector<std::string>{"H^+", "OH^-", "Acetate^-", "HAcetate", "NaOH", "Na^+"}));
    EXPECT_EQ(all[0].cells[5], all[0].cells[5].substr(0, 4) + " (pH)");
    EXPECT_EQ(speciesTotalText(document_, all, "."), "");
    EXPECT_EQ(speciesListRows(document_, "").size(), all.size());

    const auto acetate = speciesListRows(document_, "Acetate");
    EXPECT_EQ(column(acetate, SpeciesColumn::substance),
              (std::vector<std::string>{"Acetate^-", "HAcetate"}));
    // Both forms of the acid together are all the acid there is.
    EXPECT_EQ(speciesTotalText(document_, acetate, "Acetate"), "Total: 0.1500 M");
    EXPECT_TRUE(speciesListRows(document_, "[Ace").empty());
}

TEST_F(PhViewTextsTest, AFailedSolveShowsFormulasAndQuestionMarks) {
    setRows({{"", "HAcetate", 0.1, 0.0}, {"", "", 0.2, 0.0}});
    document_.recalculate();
    ASSERT_FALSE(document_.resultsValid());
    for (const SpeciesListRow& row : speciesListRows(document_, ".")) {
        EXPECT_FALSE(row.cells[0].empty());
        for (std::size_t cell = 1; cell < row.cells.size(); ++cell)
            EXPECT_EQ(row.cells[cell], "???");
    }
    const auto acetate = speciesListRows(document_, "Acetate");
    EXPECT_EQ(speciesTotalText(document_, acetate, "Acetate"), "Total: ??? M");
}

TEST_F(PhViewTextsTest, NumbersSortByValueAndTextsWithoutRegardToCase) {
    setRows({{"", "H_3PO_4", 0.1, 0.0}, {"", "Na^+,Acetate^-", 0.05, 0.0}});
    document_.recalculate();
    ASSERT_TRUE(document_.resultsValid());
    auto rows = speciesListRows(document_, ".");

    sortSpeciesListRows(rows, document_, SpeciesColumn::concentration, true);
    const auto concentration = [this](const SpeciesListRow& row) {
        return document_.species()[static_cast<std::size_t>(row.species)].concentration;
    };
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_LE(concentration(rows[i - 1]), concentration(rows[i]));
    }
    sortSpeciesListRows(rows, document_, SpeciesColumn::substance, false);
    const auto names = column(rows, SpeciesColumn::substance);
    EXPECT_EQ(names.front(), "PO_4^{3-}");
    EXPECT_EQ(names.back(), "Acetate^-");
    sortSpeciesListRows(rows, document_, SpeciesColumn::substance, true);
    // Without regard to case "Acetate^-" comes first, and "_" sorts before letters.
    const auto ascending = column(rows, SpeciesColumn::substance);
    EXPECT_EQ(ascending.front(), "Acetate^-");
    EXPECT_LT(std::find(ascending.begin(), ascending.end(), "H_3PO_4"),
              std::find(ascending.begin(), ascending.end(), "HPO_4^{2-}"));
}

}  // namespace
}  // namespace solvara
