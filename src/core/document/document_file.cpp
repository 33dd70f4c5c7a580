#include "core/document/document_file.h"

#include <exception>

#include "core/database/archive.h"
#include "core/database/program_class_registry.h"
#include "core/database/replace_file.h"
#include "core/document/document_read_error.h"

namespace solvara {

void readDocumentRecord(std::istream& in, const std::string& fileName, ProgramModel& program,
                        COrvaneDocument& document) {
    try {
        const ClassRegistry registry = makeProgramClassRegistry();
        Archive archive(in, registry, fileName);
        archive.setProgramModel(&program);
        document.Serialize(archive);
    } catch (const ArchiveError& error) {
        throw DocumentReadError(error.message());
    } catch (const std::exception&) {
        // Whatever else a damaged record provokes is a damaged file too.
        throw DocumentReadError(ArchiveError(ArchiveErrorKind::badIndex, fileName).message());
    }
}

std::ifstream openDocumentFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw DocumentReadError(path.string() + ": cannot be opened.");
    return in;
}

void writeDocumentFile(COrvaneDocument& document, const std::filesystem::path& path) {
    replaceFile(path, [&](std::ostream& out) {
        Archive archive(out, path.string());
        document.Serialize(archive);
        archive.Close();
    });
    document.setTitle(path.filename().string());
    document.SetModifiedFlag(false);
}

}  // namespace solvara
