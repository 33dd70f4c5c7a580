#include "core/chemistry/reagent_ph_calculator.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/archive/archive.h"
#include "core/program/program_class_registry.h"
#include "core/program/program_model.h"
#include "support/record_bytes.h"

namespace solvara {
namespace {

class ReagentpHCalculatorRecord : public ::testing::Test {
  protected:
    ReagentpHCalculatorRecord() : program_(makeStarterProgramModel()) {}

    std::string reagentPart(const char* formula) {
        Reagent reagent(*program_);
        reagent.setFormula(formula, program_->elements);
        reagent.concentration = 0.1;
        std::ostringstream out;
        Archive archive(out, "row.phc");
        reagent.Serialize(archive);
        archive.Close();
        return out.str();
    }

    // Reads one row from `bytes` and checks that nothing is left over.
    ReagentpHCalculator read(const std::string& bytes) {
        std::istringstream in(bytes);
        Archive archive(in, registry_, "row.phc");
        archive.setChemistryModel(program_.get());
        ReagentpHCalculator row;
        row.Serialize(archive);
        EXPECT_THROW(archive.readByte(), ArchiveError) << "bytes left after the row";
        return row;
    }

    std::shared_ptr<ProgramModel> program_;
    ClassRegistry registry_ = makeProgramClassRegistry();
};

TEST_F(ReagentpHCalculatorRecord, CurrentRowsHoldVersionConcentrationAndVolume) {
    ReagentpHCalculator row(*program_);
    row.setFormula("K^+,Cl^-", program_->elements);
    row.concentration = 0.1;
    row.effectiveConcentration = 0.025;
    row.volume = 12.5;
    std::ostringstream out;
    Archive archive(out, "row.phc");
    row.Serialize(archive);
    archive.Close();

    const std::string rowPart =
        testing::RecordBytes().int32(0x20000).float64(0.025).float64(12.5).bytes();
    EXPECT_EQ(out.str(), reagentPart("K^+,Cl^-") + rowPart);

    const ReagentpHCalculator back = read(out.str());
    EXPECT_EQ(back.volume, 12.5);
    EXPECT_EQ(back.effectiveConcentration, 0.025);
    EXPECT_TRUE(back.analysed);
    // The full analysis after reading leaves the stock's pH in the log.
    EXPECT_NE(back.analysisLog.find("pH = "), std::string::npos) << back.analysisLog;
}

TEST_F(ReagentpHCalculatorRecord, OldRowsCarryASpectatorArrayThatTheAnalysisRebuilds) {
    const std::string bytes = reagentPart("K^+,Cl^-") + testing::RecordBytes()
                                                            .int32(0x10000)
                                                            .float64(0.05)
                                                            .float64(20.0)
                                                            .count(1)
                                                            .float64(1.0)
                                                            .string("K^+")
                                                            .int32(1)
                                                            .bytes();
    const ReagentpHCalculator row = read(bytes);
    EXPECT_EQ(row.volume, 20.0);
    ASSERT_EQ(row.spectators.size(), 1u);
    EXPECT_EQ(row.spectators[0], (Spectator{1.0, "K^+", 1}));
}

TEST_F(ReagentpHCalculatorRecord, ASpectatorArrayLongerThanTheFileIsAnEndOfFileError) {
    const std::string bytes =
        reagentPart("K^+,Cl^-") +
        testing::RecordBytes().int32(0x10000).float64(0.05).float64(20.0).count(60000).bytes();
    std::istringstream in(bytes);
    Archive archive(in, registry_, "row.phc");
    ReagentpHCalculator row;
    try {
        row.Serialize(archive);
        ADD_FAILURE() << "no error";
    } catch (const ArchiveError& error) {
        EXPECT_EQ(error.kind(), ArchiveErrorKind::endOfFile);
    }
}

}  // namespace
}  // namespace solvara
