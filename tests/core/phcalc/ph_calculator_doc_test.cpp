#include "core/phcalc/ph_calculator_doc.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "core/phcalc/calculation_details_report.h"
#include "core/phcalc/csv_export.h"
#include "core/program/program_model.h"
#include "core/report/report_text.h"
#include "support/stock_row.h"

namespace solvara {
namespace {

class pHCalculatorDocTest : public ::testing::Test {
  protected:
    pHCalculatorDocTest() : program_(makeStarterProgramModel()) {}

    ReagentpHCalculator row(const char* formula, double concentration, double volume) {
        return testing::stockRow(*program_, formula, concentration, volume);
    }

    std::shared_ptr<ProgramModel> program_;
};

TEST_F(pHCalculatorDocTest, ANewDocumentHasOneEmptyRowAndTheDefaultTemperature) {
    program_->defaults.temperature = 37.0;
    const CpHCalculatorDoc document(*program_);
    ASSERT_EQ(document.reagentCount(), 1);
    EXPECT_TRUE(document.reagents()[0]->formula.empty());
    EXPECT_EQ(document.temperature(), 37.0);
    ASSERT_EQ(document.species().size(), 2u);
    EXPECT_EQ(document.species()[0].formula, "H^+");
    EXPECT_EQ(document.species()[1].formula, "OH^-");
    EXPECT_FALSE(document.resultsValid());
    EXPECT_FALSE(document.IsModified());
}

TEST_F(pHCalculatorDocTest, RowEditsMarkTheDocumentAndKeepItsAcidCopiesCurrent) {
    CpHCalculatorDoc document(*program_);
    document.addReagent(row("HAcetate", 0.1, 10.0));
    EXPECT_TRUE(document.IsModified());
    ASSERT_EQ(document.acids().Count(), 1);
    // The row looks its acid up in the document's copy, so edits of the copy count.
    EXPECT_EQ(document.reagentAt(1).acid(0), &document.acids().At(0));

    document.SetModifiedFlag(false);
    document.replaceReagent(1, row("HCl", 0.2, 0.0));
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.reagentAt(1).volume, 10.0) << "the row keeps its volume";
    ASSERT_EQ(document.acids().Count(), 1);
    EXPECT_EQ(document.acids().At(0).name, "hydrochloric acid");

    document.SetModifiedFlag(false);
    document.removeReagent(1);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.acids().Count(), 0);
    EXPECT_EQ(document.species().size(), 2u);
    EXPECT_THROW(document.removeReagent(1), std::out_of_range);
    EXPECT_THROW(document.reagentAt(-1), std::out_of_range);
}

TEST_F(pHCalculatorDocTest, EveryEditRecalculatesMarksTheDocumentAndSaysWhatChanged) {
    CpHCalculatorDoc document(*program_);
    EXPECT_EQ(document.addReagent(row("HAcetate", 0.1, 10.0)),
              DocumentChange::rows | DocumentChange::results | DocumentChange::modified);
    EXPECT_TRUE(document.resultsValid());
    const double pHAt25 = document.pH();
    EXPECT_EQ(document.setTemperature(60.0), DocumentChange::inputs | DocumentChange::results)
        << "the document was modified already";
    EXPECT_NE(document.pH(), pHAt25);

    document.SetModifiedFlag(false);
    EXPECT_EQ(document.recalculate(), DocumentChange::results);
    EXPECT_FALSE(document.IsModified()) << "recalculating changes no content";

    EXPECT_TRUE(has(document.setIonicStrengthMode(IonicStrengthMode::forceIonicStrength),
                    DocumentChange::modified));
    document.setIonicStrength(0.3);
    EXPECT_EQ(document.ionicStrength(), 0.3);
    document.setIonicStrengthMode(IonicStrengthMode::ignoreIonicStrength);
    EXPECT_EQ(document.ionicStrength(), 0.0) << "ignoring is forcing 0";

    EXPECT_THROW(document.setRowVolume(5, 1.0), std::out_of_range);
}

TEST_F(pHCalculatorDocTest, TheCalculatorsStockSetsConcentrationAndVolumeInMillilitres) {
    CpHCalculatorDoc document(*program_);
    document.replaceReagent(0, row("HAcetate", 0.1, 0.0));
    document.setRowVolume(0, 5.0);
    CCDataSet stock = document.reagentAt(0).concentrationData;
    stock.SetConcentration(0.25);
    stock.volumeLitres = 0.02;
    document.SetModifiedFlag(false);

    EXPECT_TRUE(has(document.setRowStock(0, stock), DocumentChange::rows));
    const ReagentpHCalculator& edited = document.reagentAt(0);
    EXPECT_DOUBLE_EQ(edited.volume, 20.0);
    EXPECT_EQ(edited.concentration, 0.25);
    EXPECT_EQ(edited.concentrationData.concentrationMolar, 0.25);
    EXPECT_TRUE(edited.analysed);
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(document.resultsValid());
    EXPECT_THROW(document.setRowStock(1, stock), std::out_of_range);
}

TEST_F(pHCalculatorDocTest, EachRowSaysWhatKeepsItFromTheCalculation) {
    CpHCalculatorDoc document(*program_);
    document.addReagent(row("HAcetate", 0.0, 0.0));
    document.addReagent(row("Xx_2", 0.1, 0.0));
    document.addReagent(row("", 0.0, 0.0));
    document.setRowConcentration(3, 0.1);
    EXPECT_EQ(document.rowFault(0), RowFault::none) << "an empty row is left out";
    EXPECT_EQ(document.rowFault(1), RowFault::noConcentration);
    EXPECT_EQ(document.rowFault(2), RowFault::formulaNotAnalysed);
    EXPECT_EQ(document.rowFault(3), RowFault::concentrationWithoutFormula);
    EXPECT_EQ(document.solution().firstFaultyRow(), 1);
    EXPECT_FALSE(document.resultsValid());

    document.removeReagent(3);
    document.setRowFormula(2, "Na^+,Acetate^-");
    EXPECT_EQ(document.rowFault(2), RowFault::none);
    document.setRowConcentration(1, 0.1);
    EXPECT_EQ(document.solution().firstFaultyRow(), std::nullopt);
    EXPECT_TRUE(document.resultsValid());
    EXPECT_EQ(document.acids().Count(), 2) << "acetic acid and sodium hydroxide";
    EXPECT_EQ(document.reagentAt(2).acid(0), &document.acids().At(0));
}

TEST_F(pHCalculatorDocTest, TheSpeciesCompositionSumsEverySpeciesRow) {
    CpHCalculatorDoc document(*program_);
    document.addReagent(row("HAcetate", 0.1, 0.0));  // H^+, OH^-, HAcetate, Acetate^-
    const ElementTable& table = program_->elements;
    const Composition used = document.speciesComposition();
    EXPECT_EQ(used[table.find("H")], 1 + 1 + 1);
    EXPECT_EQ(used[table.find("O")], 1);
    EXPECT_EQ(used[table.find("Acetate")], 2);
    EXPECT_EQ(used.charge(), 1 - 1 - 1);
    EXPECT_EQ(used[table.find("Na")], 0);
}

// A document whose every row was removed, as the command line makes one for water alone.
TEST_F(pHCalculatorDocTest, ADocumentWithoutRowsIsPureWaterInEveryOutput) {
    CpHCalculatorDoc document(*program_);
    document.removeReagent(0);
    document.setIonicStrengthMode(IonicStrengthMode::ignoreIonicStrength);
    document.recalculate();
    ASSERT_TRUE(document.resultsValid());
    EXPECT_NEAR(document.pH(), 6.9985, 1e-9);
    EXPECT_GT(document.bufferCapacity(), 0.0);

    const std::string report = reportAsText(calculationDetailsReport(document));
    EXPECT_EQ(report.find("containing"), std::string::npos) << report;
    EXPECT_NE(report.find("Buffering capacity of the solution is 7.0"), std::string::npos)
        << report;
    const std::string csv = pHResultsCsv(document);
    EXPECT_NE(csv.find("pH =,7.00\r\n"), std::string::npos) << csv;
    EXPECT_TRUE(
        csv.ends_with("H^+,1.003e-07,0.00,1.000,1.003e-07,7.00\r\n"
                      "OH^-,1.003e-07,0.00,1.000,1.003e-07,7.00\r\n"))
        << csv;
}

TEST_F(pHCalculatorDocTest, AnAcidCopyWithADamagedStepCountHasNoSpeciesAndDoesNotCalculate) {
    CpHCalculatorDoc document(*program_);
    document.addReagent(row("HAcetate", 0.1, 0.0));
    // As a damaged file may hold it.
    document.editAcids([](BLAcidDatabase& acids) { acids.At(0).steps = 9; });
    document.addReagent(row("", 0.0, 0.0));
    EXPECT_EQ(document.species().size(), 2u);
    document.recalculate();
    EXPECT_FALSE(document.resultsValid());
}

}  // namespace
}  // namespace solvara
