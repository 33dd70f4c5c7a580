#include "core/document/document_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "core/archive/file_error.h"
#include "core/bufferdoc/solvara_doc_file.h"
#include "core/document/document_read_error.h"
#include "core/phcalc/ph_calculator_file.h"
#include "core/program/program_model.h"
#include "support/temporary_folder.h"

namespace solvara {
namespace {

namespace fs = std::filesystem;

// Both kinds of document side by side, each saved once under its own extension.
class DocumentFiles : public ::testing::Test {
  protected:
    DocumentFiles() {
        pHCalculation_.addReagent(ReagentpHCalculator(*program_));
        writepHCalculatorFile(pHCalculation_, at("solution.phc"));
        writeBufferDocumentFile(bufferDesign_, at("design.buf"));
    }

    fs::path at(const char* name) const { return folder_.path() / name; }

    // `bytes` saved as `name`.
    fs::path copy(const char* name, const char* of) const {
        testing::writeFile(at(name), testing::readFile(at(of)));
        return at(name);
    }

    // The message a read of `path` as `kind` is refused with; a test failure when it reads.
    std::string refusal(DocumentKind kind, const fs::path& path) {
        try {
            if (kind == DocumentKind::pHCalculation) {
                readpHCalculatorFile(path, *program_);
            } else {
                readBufferDocumentFile(path, *program_);
            }
        } catch (const DocumentReadError& error) {
            return error.what();
        }
        ADD_FAILURE() << path << " was read";
        return {};
    }

    std::shared_ptr<ProgramModel> program_ = makeStarterProgramModel();
    CpHCalculatorDoc pHCalculation_{*program_};
    CSolvaraDoc bufferDesign_{*program_};
    testing::TemporaryFolder folder_;
};

TEST_F(DocumentFiles, FilesThatCannotBeOpenedSayWhy) {
    fs::create_directory(at("folder.buf"));
    testing::writeFile(at("empty.phc"), "");
    struct Case {
        DocumentKind kind;
        fs::path file;
        const char* reason;
    };
    const Case cases[] = {
        {DocumentKind::pHCalculation, at("missing.phc"), "no such file"},
        {DocumentKind::bufferDesign, at("folder.buf"), "is a folder"},
        {DocumentKind::pHCalculation, at("empty.phc"), "is empty"},
        {DocumentKind::pHCalculation, copy("design.phc", "design.buf"),
         "is a buffer design, not a pH calculation"},
        {DocumentKind::bufferDesign, copy("solution.buf", "solution.phc"),
         "is a pH calculation, not a buffer design"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(refusal(c.kind, c.file),
                  c.file.string() + ": cannot be opened: " + c.reason + ".");
    }
}

TEST_F(DocumentFiles, AFileWithoutReadPermissionSaysSo) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads any file";
    fs::permissions(at("solution.phc"), fs::perms::none);
    EXPECT_EQ(refusal(DocumentKind::pHCalculation, at("solution.phc")),
              at("solution.phc").string() + ": cannot be opened: permission denied.");
}

TEST_F(DocumentFiles, TheKindOfAFileIsWhatItsContentStartsLike) {
    copy("design.phc", "design.buf");
    copy("solution.txt", "solution.phc");
    EXPECT_EQ(documentKindOfFile(at("design.phc")), DocumentKind::bufferDesign);
    EXPECT_EQ(documentKindOfFile(at("solution.txt")), DocumentKind::pHCalculation);
    // A damaged file, which starts like neither, is what its extension says.
    testing::writeFile(at("cut.buf"), testing::readFile(at("design.buf")).substr(0, 6));
    EXPECT_EQ(documentKindOfFile(at("cut.buf")), DocumentKind::bufferDesign);
    testing::writeFile(at("notes.txt"), "text");
    EXPECT_THROW(documentKindOfFile(at("notes.txt")), DocumentReadError);
}

TEST_F(DocumentFiles, ADocumentIsSavedOnlyUnderTheExtensionOfItsKind) {
    const std::function<void(const fs::path&)> saves[] = {
        [&](const fs::path& path) { writepHCalculatorFile(pHCalculation_, path); },
        [&](const fs::path& path) { writeBufferDocumentFile(bufferDesign_, path); },
    };
    struct Case {
        int document;
        const char* file;
        const char* refusal;  // none when it is saved
    };
    const Case cases[] = {
        {0, "x.buf", "a pH calculation is saved as .phc"},
        {0, "x", "a pH calculation is saved as .phc"},
        {1, "x.phc", "a buffer design is saved as .buf"},
        {1, "x.buf.tmp", "a buffer design is saved as .buf"},
        {0, "UPPER.PHC", nullptr},
        {1, "Upper.Buf", nullptr},
    };
    for (const Case& c : cases) {
        const fs::path path = at(c.file);
        try {
            saves[c.document](path);
            EXPECT_EQ(c.refusal, nullptr) << c.file << " was saved";
        } catch (const FileError& error) {
            ASSERT_NE(c.refusal, nullptr) << error.what();
            EXPECT_EQ(error.what(), path.string() + ": cannot be saved: " + c.refusal + ".");
        }
        EXPECT_EQ(fs::exists(path), c.refusal == nullptr) << c.file;
    }
}

}  // namespace
}  // namespace solvara
