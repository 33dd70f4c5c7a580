#include "core/program/database_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/archive/file_error.h"
#include "support/archive_test_support.h"
#include "support/database_file_bytes.h"
#include "support/temporary_folder.h"

namespace solvara {
namespace {

using testing::DatabaseFileBytes;

constexpr const char* kDigest = "0123456789abcdef0123456789abcdef";

// The bytes up to the end of the element table of the current layout.
DatabaseFileBytes currentHeader() {
    DatabaseFileBytes file;
    file.bytes.int32(0x20000).string(kDigest);
    file.elementTable(0x20000, 1);
    return file;
}

// A file of the current version holding records of every layout other writers produce.
std::string mixedVersionFile() {
    DatabaseFileBytes file = currentHeader();
    file.listHeader(5, 1).hydrochloricAcid(0x10001, 5);
    file.listHeader(7, 3)
        .reagent(0x10000, "hydrochloric acid", "HCl", 1.0, 3)
        .reagent(0x10001, "sodium chloride", "Na^+,Cl^-", 0.5, 4)
        .reagent(0x10002, "sodium hydroxide", "NaOH", 2.0, 7);
    file.listHeader(2, 2)
        .salt(0x10000, "sodium chloride", "Na^+,Cl^-", 1, true)
        .salt(0x10001, "sodium chloride, wide", "Na^+,Cl^-", 2, false, true);
    file.bufferDatabase(0x10000, 3, 2).bytes.string("hydrochloric acid buffer");
    file.bufferGroup("hydrochloric acid buffer", 2).bytes.string("HCl/NaOH");
    file.variant("HCl/NaOH", 3, 7, 5, true, 1, 0.002).bytes.string("dangling");
    file.variant("dangling", 99, 7, 5, false, 2).bytes.string("no variants");
    file.bufferGroup("no variants", 0);
    return file.bytes.bytes();
}

// A file of the first version: no digest, elements without the electron, an acid of the first
// layout.
std::string firstVersionFile() {
    DatabaseFileBytes file;
    file.bytes.int32(0x10000);
    file.elementTable(0x10000);
    file.listHeader(1, 1).hydrochloricAcid(0x10000, 1);
    file.listHeader(0, 0);
    file.listHeader(0, 0);
    file.bufferDatabase(0x10000, 0, 0);
    return file.bytes.bytes();
}

DatabaseFileContent read(const std::string& bytes) {
    std::istringstream in(bytes);
    return readDatabase(in, "lab.dat");
}

std::string write(ProgramModel& program, std::string_view digest) {
    std::ostringstream out;
    writeDatabase(out, "lab.dat", program, digest);
    return out.str();
}

TEST(DatabaseFile, RecordsOfEveryLayoutLoad) {
    const DatabaseFileContent content = read(mixedVersionFile());
    ASSERT_NE(content.program, nullptr) << content.reason;
    const ProgramModel& program = *content.program;
    EXPECT_EQ(content.version, 0x20000);
    EXPECT_EQ(content.passwordDigest, kDigest);

    EXPECT_EQ(program.elements.count(), 104);
    EXPECT_EQ(program.elements.entries().size(), 105u);
    EXPECT_TRUE(program.elements.complete());

    ASSERT_EQ(program.acids.Count(), 1);
    EXPECT_EQ(program.acids.At(0).pKa[0], -4.0);
    EXPECT_EQ(program.acids.nextId(), 5);

    ASSERT_EQ(program.reagents.Count(), 3);
    const Reagent* hydrochloric = program.reagents.FindById(3);
    ASSERT_NE(hydrochloric, nullptr);
    EXPECT_EQ(hydrochloric->name, "hydrochloric acid");
    EXPECT_TRUE(hydrochloric->analysed);
    EXPECT_EQ(hydrochloric->acidIds,
              std::vector<std::int32_t>{5});  // analysed against the file's acids
    EXPECT_EQ(hydrochloric->concentrationData.formula,
              "HCl");  // rebuilt: the first layout has none
    EXPECT_EQ(program.reagents.FindById(4)->concentration, 0.5);
    EXPECT_EQ(program.reagents.FindById(7)->name, "sodium hydroxide");
    EXPECT_EQ(program.reagents.nextId(), 7);

    ASSERT_EQ(program.salts.Count(), 2);
    EXPECT_EQ(program.salts.DefaultSalt(), &program.salts.At(0));
    EXPECT_EQ(program.salts.At(0).concentrationData.formula, "Na^+,Cl^-");
    EXPECT_EQ(program.salts.At(1).name, "sodium chloride, wide");

    // The buffers come last, so they find the reagents of the file.
    EXPECT_EQ(program.buffers.groups().size(), 2u);
    EXPECT_EQ(program.buffers.nextId(), 3);
    const Buffer* hydrochloricBuffer = program.buffers.DefaultVariant("hydrochloric acid buffer");
    ASSERT_NE(hydrochloricBuffer, nullptr);
    EXPECT_EQ(hydrochloricBuffer->FirstReagent(), hydrochloric);
    EXPECT_EQ(hydrochloricBuffer->MainComponent(), &program.acids.At(0));
    EXPECT_EQ(hydrochloricBuffer->firstReagentShare, 1.0);
    EXPECT_EQ(hydrochloricBuffer->secondReagentShare, 0.0);
    EXPECT_EQ(hydrochloricBuffer->baseExcess, 0.002);
    const Buffer* dangling = program.buffers.FindVariant("hydrochloric acid buffer", "dangling");
    EXPECT_EQ(dangling->FirstReagent(), nullptr);
    EXPECT_EQ(dangling->firstReagentShare, 0.0);
    EXPECT_FALSE(program.IsModified());
}

TEST(DatabaseFile, FirstVersionHasNoDigestAndGetsTheElectron) {
    const DatabaseFileContent content = read(firstVersionFile());
    ASSERT_NE(content.program, nullptr) << content.reason;
    EXPECT_EQ(content.version, 0x10000);
    EXPECT_FALSE(content.passwordDigest.has_value());
    EXPECT_EQ(content.program->elements.count(), 104);
    EXPECT_EQ(content.program->elements[0].symbol, "e");
    EXPECT_EQ(content.program->elements[17].symbol, "Cl");
    EXPECT_EQ(content.program->acids.At(0).name, "hydrochloric acid");
    EXPECT_EQ(content.program->acids.At(0).trailingText, "");  // the 8 extra doubles were skipped
}

TEST(DatabaseFile, WrittenFileFollowsTheLayoutAndReadsBack) {
    DatabaseFileContent content = read(mixedVersionFile());
    ASSERT_NE(content.program, nullptr) << content.reason;
    const std::string written = write(*content.program, kDigest);

    // Version, digest and element table (stale entry and end marker included) byte for byte,
    // then the acid list opening with its class description.
    const std::string header = currentHeader().bytes.bytes();
    ASSERT_GT(written.size(), header.size());
    EXPECT_EQ(written.substr(0, header.size()), header);
    const std::string acidList = testing::RecordBytes{}.int32(0x10000).int32(5).count(1).bytes() +
                                 std::string(
                                     "\xFF\xFF\x01\x00\x06\x00"
                                     "BLAcid",
                                     12);
    EXPECT_EQ(written.substr(header.size(), acidList.size()), acidList);

    const DatabaseFileContent again = read(written);
    ASSERT_NE(again.program, nullptr) << again.reason;
    EXPECT_EQ(again.passwordDigest, kDigest);
    EXPECT_EQ(again.program->reagents.FindById(4)->name, "sodium chloride");
    EXPECT_EQ(again.program->salts.At(1).name, "sodium chloride, wide");
    EXPECT_EQ(
        again.program->buffers.FindVariant("hydrochloric acid buffer", "HCl/NaOH")->baseExcess,
        0.002);
    EXPECT_EQ(write(*again.program, kDigest), written);
}

// Each list's stored last id lies below the ids its elements hold. Reading keeps every one, so
// the file is written back unchanged, and each database then gives out ids none of its own
// elements holds.
TEST(DatabaseFile, LastIdsBelowTheIdsInUseAreKeptAndNewIdsSkipThem) {
    DatabaseFileBytes file = currentHeader();
    file.listHeader(0, 1).hydrochloricAcid(0x10001, 1);
    file.listHeader(0, 2)
        .reagent(0x10002, "hydrochloric acid", "HCl", 1.0, 1)
        .reagent(0x10002, "sodium chloride", "Na^+,Cl^-", 0.5, 2);
    file.listHeader(0, 1).salt(0x10001, "sodium chloride", "Na^+,Cl^-", 1, true);
    file.bufferDatabase(0x10000, 0, 1).bytes.string("hydrochloric acid buffer");
    file.bufferGroup("hydrochloric acid buffer", 1).bytes.string("HCl/NaCl");
    file.variant("HCl/NaCl", 1, 2, 1, true, 1);
    DatabaseFileContent content = read(file.bytes.bytes());
    ASSERT_NE(content.program, nullptr) << content.reason;
    ProgramModel& program = *content.program;
    const std::string written = write(program, kDigest);
    const DatabaseFileContent again = read(written);
    ASSERT_NE(again.program, nullptr) << again.reason;
    EXPECT_EQ(write(*again.program, kDigest), written);

    for (const std::int32_t lastId : {program.acids.nextId(), program.reagents.nextId(),
                                      program.salts.nextId(), program.buffers.nextId()}) {
        EXPECT_EQ(lastId, 0);
    }
    ASSERT_TRUE(program.acids.Add(program.acids.At(0), true));
    EXPECT_EQ(program.acids.At(1).id, 2);
    Reagent reagent = program.reagents.At(0);
    reagent.name = "hydrochloric acid, diluted";
    ASSERT_TRUE(program.reagents.Add(reagent));
    EXPECT_EQ(reagent.id, 3);
    InertSalt salt = program.salts.At(0);
    salt.name = "sodium chloride, 2M";
    ASSERT_TRUE(program.salts.Add(salt));
    EXPECT_EQ(salt.id, 2);
    auto buffer = std::make_unique<Buffer>();
    buffer->name = "HCl/NaOH";
    EXPECT_EQ(program.buffers.AddVariant("hydrochloric acid buffer", std::move(buffer))->id, 2);
}

TEST(DatabaseFile, WritingClearsEveryModifiedFlag) {
    std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
    program->acids.Add(program->acids.At(0), true);
    program->elements.add({"Tris", "C4H11NO3", "", 121.14, 2});
    program->buffers.AddGroup("Tris buffer");
    ASSERT_TRUE(program->IsModified());
    write(*program, "");
    EXPECT_FALSE(program->IsModified());
}

TEST(DatabaseFile, DamagedFilesFailWithTheirReason) {
    const std::string good = mixedVersionFile();
    std::string unknownClass = good;
    unknownClass.replace(unknownClass.find("Reagent"), 7, "Reagenz");
    struct Case {
        const char* what;
        std::string bytes;
        DatabaseReadFailure failure;
        const char* reason;
    };
    const std::vector<Case> cases{
        {"empty", "", DatabaseReadFailure::malformed, "lab.dat past its end"},
        {"unknown version", testing::hexBytes("00 00 03 00") + good.substr(4),
         DatabaseReadFailure::wrongVersion,
         "lab.dat: cannot be opened: unknown file version 0x00030000."},
        {"truncated", good.substr(0, good.size() - 3), DatabaseReadFailure::malformed,
         "lab.dat past its end"},
        {"unknown class", unknownClass, DatabaseReadFailure::malformed,
         "lab.dat contained an unexpected object"},
    };
    for (const Case& c : cases) {
        const DatabaseFileContent content = read(c.bytes);
        EXPECT_EQ(content.program, nullptr) << c.what;
        EXPECT_EQ(content.failure, c.failure) << c.what;
        EXPECT_NE(content.reason.find(c.reason), std::string::npos)
            << c.what << ": " << content.reason;
    }
}

TEST(DatabaseFile, FilesThatCannotBeOpenedSayWhyAndAMissingOneIsToldApart) {
    testing::TemporaryFolder folder;
    const auto path = [&folder](const char* name) { return folder.path() / name; };
    std::filesystem::create_directory(path("folder.dat"));
    testing::writeFile(path("empty.dat"), "");
    std::filesystem::create_symlink("missing.dat", path("dangling.dat"));
    struct Case {
        std::filesystem::path file;
        DatabaseReadFailure failure;
        const char* reason;
    };
    const Case cases[] = {
        {path("missing.dat"), DatabaseReadFailure::missing, "no such file"},
        {path("dangling.dat"), DatabaseReadFailure::missing, "no such file"},
        {path("folder.dat"), DatabaseReadFailure::cannotOpen, "is a folder"},
        {path("empty.dat"), DatabaseReadFailure::cannotOpen, "is empty"},
    };
    for (const Case& c : cases) {
        const DatabaseFileContent content = readDatabaseFile(c.file);
        EXPECT_EQ(content.program, nullptr) << c.file;
        EXPECT_EQ(content.failure, c.failure) << c.file;
        EXPECT_EQ(content.reason, c.file.string() + ": cannot be opened: " + c.reason + ".");
    }
}

TEST(DatabaseFile, EveryTruncationFailsCleanly) {
    const std::string good = mixedVersionFile();
    for (std::size_t size = 0; size < good.size(); size += 5) {
        EXPECT_EQ(read(good.substr(0, size)).program, nullptr) << size;
    }
}

TEST(DatabaseFile, StoredDigestOfProtectedFirstVersionMissingAndShortFiles) {
    testing::TemporaryFolder folder;
    const auto path = [&folder](const char* name) { return folder.path() / name; };
    testing::writeFile(path("protected.dat"), mixedVersionFile());
    testing::writeFile(path("first.dat"), firstVersionFile());
    testing::writeFile(path("short.dat"), testing::hexBytes("00 00 02 00 20 41"));
    EXPECT_EQ(ReadStoredDigest(path("protected.dat")), kDigest);
    EXPECT_EQ(ReadStoredDigest(path("first.dat")), "");
    EXPECT_EQ(ReadStoredDigest(path("missing.dat")), "qmvexz");
    EXPECT_EQ(ReadStoredDigest(path("short.dat")), "qmvexz");
}

TEST(DatabaseFile, AFolderInThePlaceOfTheFileIsRefusedAndKept) {
    testing::TemporaryFolder folder;
    const auto path = folder.path() / "Solvaradatabase.dat";
    std::filesystem::create_directory(path);
    testing::writeFile(path / "keep.txt", "kept");
    std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
    try {
        writeDatabaseFile(path, *program, "");
        ADD_FAILURE() << "a folder was written over";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), path.string() + ": cannot be saved: is a folder.");
    }
    EXPECT_EQ(testing::readFile(path / "keep.txt"), "kept");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}),
              1);  // no temporary left
}

}  // namespace
}  // namespace solvara
