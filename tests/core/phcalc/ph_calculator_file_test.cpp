#include "core/phcalc/ph_calculator_file.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "core/archive/archive.h"
#include "core/document/document_read_error.h"
#include "core/program/program_model.h"
#include "support/record_bytes.h"
#include "support/stock_row.h"
#include "support/temporary_folder.h"

namespace solvara {
namespace {

using testing::RecordBytes;

class pHCalculatorFileTest : public ::testing::Test {
  protected:
    pHCalculatorFileTest() : program_(makeStarterProgramModel()) {}

    ReagentpHCalculator row(const char* name, const char* formula, double concentration,
                            double volume) {
        return testing::stockRow(*program_, formula, concentration, volume, name);
    }

    // The reagent record of a row, as the reagent itself writes it.
    std::string reagentRecord(const char* name, const char* formula, double concentration) {
        Reagent reagent = row(name, formula, concentration, 0.0);
        std::ostringstream out;
        Archive archive(out, "row");
        reagent.Serialize(archive);
        archive.Close();
        return out.str();
    }

    // The document fields: version, ionic strength 0.05, 30 degC, 250 mL, pH 6.5, forced ionic
    // strength, final volume, then an acid list without acids and one row.
    static RecordBytes header() {
        return RecordBytes()
            .int32(0x10000)
            .float64(0.05)
            .float64(30.0)
            .float64(250.0)
            .float64(6.5)
            .int32(2)
            .int32(2)
            .int32(0x10000)
            .int32(0)
            .count(0)
            .count(1);
    }

    std::filesystem::path fileWith(const std::string& name, const std::string& bytes) {
        const std::filesystem::path path = folder_.path() / name;
        testing::writeFile(path, bytes);
        return path;
    }

    std::shared_ptr<ProgramModel> program_;
    testing::TemporaryFolder folder_;
};

// The fields of a document: a calculated pH and concentrations in the solution come from the
// calculation, so the document is read from its record here rather than edited into that state.
TEST_F(pHCalculatorFileTest, ADocumentIsWrittenInTheFileLayout) {
    const std::string expected = header()
                                     .raw(reagentRecord("potassium chloride", "K^+,Br^-", 0.1))
                                     .int32(0x20000)
                                     .float64(0.01)
                                     .float64(25.0)
                                     .bytes();
    std::istringstream record(expected);
    const std::unique_ptr<CpHCalculatorDoc> read =
        readpHCalculatorDocument(record, "record.phc", *program_);
    CpHCalculatorDoc& document = *read;
    document.SetModifiedFlag();
    const std::filesystem::path path = folder_.path() / "salt.phc";

    writepHCalculatorFile(document, path);

    EXPECT_EQ(testing::readFile(path), expected);
    EXPECT_EQ(document.title(), "salt.phc");
    EXPECT_FALSE(document.IsModified());
    EXPECT_FALSE(std::filesystem::exists(folder_.path() / "salt.phc.tmp"));
}

TEST_F(pHCalculatorFileTest, OldRowsWithASpectatorArrayAreReadAndWrittenBackInTheCurrentLayout) {
    const std::string reagent = reagentRecord("potassium chloride", "K^+,Br^-", 0.1);
    const std::string oldFile = header()
                                    .raw(reagent)
                                    .int32(0x10000)
                                    .float64(0.01)
                                    .float64(25.0)
                                    .count(2)
                                    .float64(1.0)
                                    .string("K^+")
                                    .int32(1)
                                    .float64(1.0)
                                    .string("Br^-")
                                    .int32(-1)
                                    .bytes();
    const std::filesystem::path path = fileWith("old.phc", oldFile);

    const std::unique_ptr<CpHCalculatorDoc> document = readpHCalculatorFile(path, *program_);

    EXPECT_EQ(document->ionicStrength(), 0.05);
    EXPECT_EQ(document->temperature(), 30.0);
    EXPECT_EQ(document->solutionVolume(), 250.0);
    EXPECT_EQ(document->pH(), 6.5);
    EXPECT_EQ(document->ionicStrengthMode(), IonicStrengthMode::forceIonicStrength);
    EXPECT_EQ(document->volumeMode(), VolumeMode::finalVolume);
    ASSERT_EQ(document->reagentCount(), 1);
    const ReagentpHCalculator& read = document->reagentAt(0);
    EXPECT_EQ(read.name, "potassium chloride");
    EXPECT_EQ(read.effectiveConcentration, 0.01);
    EXPECT_EQ(read.volume, 25.0);
    EXPECT_EQ(read.spectators.size(), 2u);
    EXPECT_EQ(document->spectatorRows().size(), 2u) << "species rows are rebuilt";
    EXPECT_FALSE(document->resultsValid());
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(document->title(), "old.phc");

    const std::filesystem::path again = folder_.path() / "again.phc";
    writepHCalculatorFile(*document, again);
    EXPECT_EQ(testing::readFile(again),
              header().raw(reagent).int32(0x20000).float64(0.01).float64(25.0).bytes());
}

TEST_F(pHCalculatorFileTest, EditedAcidConstantsAndExactValuesSurviveSavingAndLoading) {
    CpHCalculatorDoc document(*program_);
    document.addReagent(row("", "HAcetate", 0.1, 0.0));
    document.editAcids([](BLAcidDatabase& acids) { acids.At(0).pKa[0] = 5.123456789; });
    document.setTemperature(1.0 / 3.0);
    document.setIonicStrength(0.1 + 0.2);
    document.recalculate();
    ASSERT_TRUE(document.resultsValid());
    const std::filesystem::path path = folder_.path() / "acetic.phc";
    writepHCalculatorFile(document, path);

    const std::unique_ptr<CpHCalculatorDoc> loaded = readpHCalculatorFile(path, *program_);

    EXPECT_EQ(loaded->temperature(), 1.0 / 3.0);
    EXPECT_EQ(loaded->pH(), document.pH());
    ASSERT_EQ(loaded->acids().Count(), 1);
    EXPECT_EQ(loaded->acids().At(0).pKa[0], 5.123456789);
    EXPECT_EQ(loaded->reagentAt(1).acid(0), &loaded->acids().At(0))
        << "rows use the document's copies once it is read";
    EXPECT_EQ(loaded->species().size(), 4u);
    loaded->recalculate();
    ASSERT_TRUE(loaded->resultsValid());
    EXPECT_EQ(loaded->pH(), document.pH());
}

// The document's acid copies keep the ids of the program's acids, while the list's own last id
// stays 0. Reading must not raise it: an unchanged document is written back byte for byte, and
// an acid added afterwards still gets an id no acid of the list holds.
TEST_F(pHCalculatorFileTest, AnAcidListWithLastIdZeroIsWrittenBackUnchangedAndGivesFreeIds) {
    CpHCalculatorDoc document(*program_);
    document.removeReagent(0);
    document.addReagent(row("sodium acetate", "Na^+,Acetate^-", 0.1, 10.0));
    document.addReagent(row("disodium phosphate", "2Na^+,HPO_4^{2-}", 0.05, 10.0));
    const std::filesystem::path path = folder_.path() / "mixture.phc";
    writepHCalculatorFile(document, path);
    const std::string written = testing::readFile(path);
    // Version, four doubles and two modes, then the acid list's version and last id.
    ASSERT_EQ(written.substr(44, 8), RecordBytes().int32(0x10000).int32(0).bytes());

    const std::unique_ptr<CpHCalculatorDoc> loaded = readpHCalculatorFile(path, *program_);
    const std::filesystem::path again = folder_.path() / "again.phc";
    writepHCalculatorFile(*loaded, again);
    EXPECT_EQ(testing::readFile(again), written);

    loaded->editAcids([&](BLAcidDatabase& acids) {
        std::set<std::int32_t> ids;
        for (int position = 0; position < acids.Count(); ++position) {
            ids.insert(acids.At(position).id);
        }
        ASSERT_EQ(ids.size(), 3u);  // acetic acid, sodium hydroxide and phosphoric acid
        ASSERT_TRUE(acids.Add(*program_->acids.FindByName("ammonia"), true));
        EXPECT_FALSE(ids.contains(acids.At(3).id));
    });
}

TEST_F(pHCalculatorFileTest, DamagedFilesAreRefusedWithTheFileNameAndTheReason) {
    CpHCalculatorDoc document(*program_);
    document.addReagent(row("acetic acid", "HAcetate", 0.1, 0.0));
    const std::filesystem::path good = folder_.path() / "good.phc";
    writepHCalculatorFile(document, good);
    const std::string bytes = testing::readFile(good);

    for (std::size_t length = 0; length < bytes.size(); ++length) {
        std::istringstream cut(bytes.substr(0, length));
        try {
            readpHCalculatorDocument(cut, "cut.phc", *program_);
            ADD_FAILURE() << "a file cut to " << length << " bytes was read";
        } catch (const DocumentReadError& error) {
            EXPECT_NE(std::string(error.what()).find("cut.phc"), std::string::npos) << error.what();
        }
    }

    std::string badMode = bytes;
    badMode[4 + 4 * 8] = 3;  // the ionic strength mode
    try {
        readpHCalculatorFile(fileWith("mode.phc", badMode), *program_);
        ADD_FAILURE() << "an unknown mode was read";
    } catch (const DocumentReadError& error) {
        EXPECT_NE(std::string(error.what()).find("bad format"), std::string::npos) << error.what();
    }

    try {
        readpHCalculatorFile(folder_.path() / "missing.phc", *program_);
        ADD_FAILURE() << "a missing file was read";
    } catch (const DocumentReadError& error) {
        EXPECT_NE(std::string(error.what()).find("missing.phc: cannot be opened: no such file."),
                  std::string::npos)
            << error.what();
    }
}

}  // namespace
}  // namespace solvara
