#include "core/document/document_file.h"

#include <exception>
#include <sstream>

#include "core/archive/archive.h"
#include "core/archive/file_error.h"
#include "core/archive/read_stored_file.h"
#include "core/archive/replace_file.h"
#include "core/document/document_read_error.h"
#include "core/program/program_class_registry.h"
#include "core/program/program_model.h"

namespace solvara {

namespace {

std::string storedDocument(const std::filesystem::path& path) {
    try {
        return readStoredFile(path);
    } catch (const FileError& error) {
        throw DocumentReadError(error.what());
    }
}

[[noreturn]] void refuse(const std::filesystem::path& path, const std::string& reason) {
    throw DocumentReadError(fileErrorMessage(FileAction::open, path, reason));
}

}  // namespace

void readDocumentRecord(std::istream& in, const std::string& fileName, ProgramModel& program,
                        COrvaneDocument& document) {
    try {
        const ClassRegistry registry = makeProgramClassRegistry();
        Archive archive(in, registry, fileName);
        archive.setChemistryModel(&program);
        document.Serialize(archive);
    } catch (const ArchiveError& error) {
        throw DocumentReadError(error.message());
    } catch (const std::exception&) {
        // Whatever else a damaged record provokes is a damaged file too.
        throw DocumentReadError(ArchiveError(ArchiveErrorKind::badIndex, fileName).message());
    }
}

void readDocumentFile(const std::filesystem::path& path, DocumentKind kind, ProgramModel& program,
                      COrvaneDocument& document) {
    const std::string bytes = storedDocument(path);
    // The records are lenient enough that the start of one kind can read as the other: the
    // content decides first.
    if (const auto content = documentKindOfContent(bytes); content && *content != kind) {
        refuse(path, "is a " + std::string(documentKindName(*content)) + ", not a " +
                         std::string(documentKindName(kind)));
    }
    std::istringstream in(bytes);
    readDocumentRecord(in, path.string(), program, document);
}

DocumentKind documentKindOfFile(const std::filesystem::path& path) {
    if (const auto kind = documentKindOfContent(storedDocument(path))) return *kind;
    if (const auto kind = documentKindOfExtension(path)) return *kind;
    refuse(path, "is neither a pH calculation (.phc) nor a buffer design (.buf)");
}

void writeDocumentFile(COrvaneDocument& document, DocumentKind kind,
                       const std::filesystem::path& path) {
    if (const auto problem = saveExtensionProblem(kind, path)) {
        throw FileError(FileAction::save, path, *problem);
    }
    replaceFile(path, [&](std::ostream& out) {
        Archive archive(out, path.string());
        document.Serialize(archive);
        archive.Close();
    });
    document.setTitle(path.filename().string());
    document.SetModifiedFlag(false);
}

}  // namespace solvara
