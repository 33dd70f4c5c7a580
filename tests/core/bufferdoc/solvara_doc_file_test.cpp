#include "core/bufferdoc/solvara_doc_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

#include "core/archive/archive.h"
#include "core/document/document_read_error.h"
#include "core/program/program_class_registry.h"
#include "core/program/program_model.h"
#include "support/record_bytes.h"
#include "support/temporary_folder.h"

namespace solvara {
namespace {

using testing::RecordBytes;

class BufferDocumentFileTest : public ::testing::Test {
  protected:
    // The record a substance writes for itself, as another writer of its layout would.
    template <class Record>
    static std::string recordOf(Record record) {
        std::ostringstream out;
        Archive archive(out, "record");
        record.Serialize(archive);
        archive.Close();
        return out.str();
    }

    std::string reagentRecord(const char* name) {
        return recordOf(*program_->reagents.FindByName(name));
    }

    // An acetate buffer document: acetic acid (stock 1 M) and sodium acetate (0.3 M) with acetic
    // acid as main component, 25 mM and 500 mL shown in mM and mL, pH 4.5 at 30 degC, prepared at
    // 20 degC, ionic strength forced to 0.2 with 1 M sodium chloride. The private acid list's
    // last id is the acid's own unless one is given.
    std::string acetateFile(std::optional<std::int32_t> acidListLastId = std::nullopt) {
        BLAcid& acid = *program_->acids.FindByName("acetic acid");
        const std::int32_t acidId = acid.id;
        RecordBytes bytes;
        bytes
            .int32(0x10000)  // document
            .int32(0x10000)  // standalone buffer
            .int32(0x10000)  // buffer
            .string("acetate")
            .int32(acidId)
            .int32(1)
            .float64(0.0)
            .int32(program_->reagents.FindByName("acetic acid")->id)
            .int32(program_->reagents.FindByName("sodium acetate")->id)
            .int32(3)
            .raw(reagentRecord("acetic acid"))
            .raw(reagentRecord("sodium acetate"))
            .int32(0x10000)  // private acid database: version, last id, one acid
            .int32(acidListLastId.value_or(acidId))
            .count(1)
            .count(0xFFFF)  // a new class: schema, name
            .count(1)
            .count(6)
            .raw("BLAcid")
            .raw(recordOf(acid))
            .int32(1)        // forced
            .float64(0.2)    // ionic strength
            .int32(0x10001)  // salt
            .int32(0x10000)
            .string("sodium chloride, 1M")
            .string("Na^+,Cl^-")
            .string("")
            .float64(58.44277)
            .int32(1)
            .int32(1)  // default
            .int32(2)  // ionic strength factor
            .int32(0)  // stock solution
            .float64(1.0)
            .int32(1)
            .raw(recordOf(program_->salts.DefaultSalt()->concentrationData))
            .float64(0.15)   // salt ionic strength
            .float64(0.025)  // mol/L
            .float64(0.5)    // L
            .float64(4.5)
            .float64(30.0)
            .float64(20.0)
            .int32(1)   // mM
            .int32(1);  // mL
        return bytes.bytes();
    }

    std::unique_ptr<CSolvaraDoc> read(const std::string& bytes, const std::string& name = "x.buf") {
        std::istringstream in(bytes);
        return readBufferDocument(in, name, *program_);
    }

    // The message a read of `bytes` is refused with; a test failure when it is read.
    std::string refusal(const std::string& bytes) {
        try {
            read(bytes, "damaged.buf");
        } catch (const DocumentReadError& error) {
            return error.what();
        }
        ADD_FAILURE() << "read " << bytes.size() << " bytes";
        return {};
    }

    std::shared_ptr<ProgramModel> program_ = makeStarterProgramModel();
    testing::TemporaryFolder folder_;
};

TEST_F(BufferDocumentFileTest, TheRecordReadsIntoTheFieldsAndIsWrittenTheSame) {
    const std::string file = acetateFile();
    const ClassRegistry registry = makeProgramClassRegistry();
    std::istringstream in(file);
    Archive loading(in, registry, "acetate.buf");
    loading.setChemistryModel(program_.get());
    CSolvaraDoc doc(*program_);
    doc.SetModifiedFlag();
    doc.Serialize(loading);

    EXPECT_EQ(doc.buffer().name, "acetate");
    EXPECT_EQ(doc.buffer().id, 3);
    EXPECT_TRUE(doc.buffer().isDefaultVariant);
    EXPECT_EQ(doc.buffer().FirstReagent()->name, "acetic acid");
    EXPECT_EQ(doc.buffer().SecondReagent()->name, "sodium acetate");
    ASSERT_NE(doc.buffer().MainComponent(), nullptr);
    EXPECT_EQ(doc.buffer().MainComponent()->name, "acetic acid");
    EXPECT_EQ(doc.buffer().firstReagentShare, 1.0);
    EXPECT_EQ(doc.buffer().secondReagentShare, 1.0);
    EXPECT_TRUE(doc.inputs().forceIonicStrength);
    EXPECT_EQ(doc.inputs().ionicStrength, 0.2);
    EXPECT_EQ(doc.salt().name, "sodium chloride, 1M");
    EXPECT_EQ(doc.salt().ionicStrengthFactor, 2);
    EXPECT_EQ(doc.results().saltIonicStrength, 0.15);
    EXPECT_EQ(doc.inputs().concentration, 0.025);
    EXPECT_EQ(doc.inputs().volume, 0.5);
    EXPECT_EQ(doc.inputs().pH, 4.5);
    EXPECT_EQ(doc.inputs().temperature, 30.0);
    EXPECT_EQ(doc.inputs().preparationTemperature, 20.0);
    // Shown in the stored units.
    EXPECT_EQ(doc.concentrationShown(), 25.0);
    EXPECT_EQ(doc.volumeShown(), 500.0);
    // No results are stored.
    EXPECT_FALSE(doc.results().prepared);
    EXPECT_EQ(doc.results().firstReagentAmount, 0.0);
    EXPECT_FALSE(doc.results().pHAtPreparation);
    EXPECT_FALSE(doc.IsModified());

    std::ostringstream out;
    Archive storing(out, "acetate.buf");
    doc.Serialize(storing);
    storing.Close();
    EXPECT_EQ(out.str(), file);
}

// A document takes copies of the program's acids with their ids, so its own list's last id
// stays 0 below them. Reading must not raise it: a document the program wrote is written back
// byte for byte, and an acid added afterwards still gets an id no acid of the list holds.
TEST_F(BufferDocumentFileTest, AnAcidListWithLastIdZeroIsWrittenBackUnchangedAndGivesFreeIds) {
    const auto written = [](CSolvaraDoc& doc) {
        std::ostringstream out;
        Archive archive(out, "acetate.buf");
        doc.Serialize(archive);
        archive.Close();
        return out.str();
    };
    // The hand-made file holds no results; the program's own file holds those of its reading.
    const std::string file = written(*read(acetateFile(0)));
    const std::string acidListHead =
        RecordBytes().int32(0x10000).int32(0).count(1).count(0xFFFF).bytes();
    EXPECT_NE(file.find(acidListHead), std::string::npos);
    const std::unique_ptr<CSolvaraDoc> doc = read(file);
    EXPECT_EQ(written(*doc), file);

    doc->editAcids([&](BLAcidDatabase& acids) {
        ASSERT_EQ(acids.Count(), 1);
        ASSERT_TRUE(acids.Add(*program_->acids.FindByName("phosphoric acid"), true));
        EXPECT_NE(acids.At(1).id, acids.At(0).id);
        EXPECT_EQ(acids.nextId(), acids.At(1).id);
    });
}

TEST_F(BufferDocumentFileTest, AReadDocumentIsRecalculatedAndUnmodified) {
    const std::filesystem::path path = folder_.path() / "acetate.buf";
    testing::writeFile(path, acetateFile());
    const std::unique_ptr<CSolvaraDoc> document = readBufferDocumentFile(path, *program_);
    const CSolvaraDoc& doc = *document;
    EXPECT_EQ(doc.title(), "acetate.buf");
    EXPECT_FALSE(doc.IsModified());
    ASSERT_TRUE(doc.results().prepared);
    EXPECT_GT(doc.results().firstReagentAmount, 0.0);
    EXPECT_GT(doc.results().secondReagentAmount, 0.0);
    EXPECT_GT(doc.results().capacity, 0.0);
    ASSERT_TRUE(doc.results().pHAtPreparation);
    EXPECT_NEAR(*doc.results().pHAtPreparation, 4.5, 0.05);
    ASSERT_TRUE(doc.results().saltAmount);
    EXPECT_GT(*doc.results().saltAmount, 0.0);

    std::unique_ptr<CSolvaraDoc> again = readBufferDocumentFile(path, *program_);
    const std::filesystem::path copy = folder_.path() / "copy.buf";
    again->SetModifiedFlag();
    writeBufferDocumentFile(*again, copy);
    EXPECT_EQ(again->title(), "copy.buf");
    EXPECT_FALSE(again->IsModified());
    EXPECT_EQ(readBufferDocumentFile(copy, *program_)->results().firstReagentAmount,
              doc.results().firstReagentAmount);
}

TEST_F(BufferDocumentFileTest, ANewDocumentRoundTripsWithItsShownUnits) {
    program_->defaults.concentration = 40.0;
    program_->defaults.concentrationUnit = ConcentrationUnit::millimolar;
    program_->defaults.volume = 250.0;
    program_->defaults.volumeUnit = VolumeUnit::millilitres;
    CSolvaraDoc document(*program_);
    EXPECT_DOUBLE_EQ(document.inputs().concentration, 0.04);
    EXPECT_DOUBLE_EQ(document.inputs().volume, 0.25);
    const std::filesystem::path path = folder_.path() / "new.buf";
    writeBufferDocumentFile(document, path);
    const std::unique_ptr<CSolvaraDoc> read = readBufferDocumentFile(path, *program_);
    EXPECT_DOUBLE_EQ(read->concentrationShown(), 40.0);
    EXPECT_DOUBLE_EQ(read->volumeShown(), 250.0);
    EXPECT_EQ(read->concentrationUnit(), ConcentrationUnit::millimolar);
    EXPECT_FALSE(read->HasBothReagents());
}

TEST_F(BufferDocumentFileTest, EveryTruncationIsRefusedWithTheFileNameAndTheReason) {
    const std::string file = acetateFile();
    for (std::size_t size = 0; size < file.size(); ++size) {
        EXPECT_EQ(refusal(file.substr(0, size)), "Attempted to access damaged.buf past its end.")
            << size;
    }
}

TEST_F(BufferDocumentFileTest, MalformedRecordsAreRefused) {
    std::string file = acetateFile();
    const std::size_t className = file.find("BLAcid");
    ASSERT_NE(className, std::string::npos);
    std::string wrongClass = file;
    wrongClass.replace(className, 6, "Buffer");  // a buffer where the acid list holds acids
    EXPECT_EQ(refusal(wrongClass), "damaged.buf contained an unexpected object.");

    std::string unknownClass = file;
    unknownClass.replace(className, 6, "Nobody");
    EXPECT_NE(refusal(unknownClass).find("damaged.buf"), std::string::npos);

    std::string badReference = file;
    // In place of the acid's class description, a reference to object 5, never read.
    badReference[className - 6] = '\x05';
    badReference[className - 5] = '\x00';
    EXPECT_EQ(refusal(badReference), "damaged.buf has a bad format.");
}

TEST_F(BufferDocumentFileTest, UnopenableAndUnwritablePaths) {
    EXPECT_THROW(readBufferDocumentFile(folder_.path() / "missing.buf", *program_),
                 DocumentReadError);
    CSolvaraDoc document(*program_);
    document.SetModifiedFlag();
    EXPECT_ANY_THROW(writeBufferDocumentFile(document, folder_.path() / "no" / "such.buf"));
    EXPECT_TRUE(document.IsModified());
    EXPECT_FALSE(std::filesystem::exists(folder_.path() / "no"));
}

}  // namespace
}  // namespace solvara
