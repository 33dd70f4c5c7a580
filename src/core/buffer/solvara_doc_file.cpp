#include "core/buffer/solvara_doc_file.h"

#include <exception>
#include <fstream>

#include "core/database/archive.h"
#include "core/database/program_class_registry.h"
#include "core/database/replace_file.h"
#include "core/document/document_read_error.h"

namespace solvara {

std::unique_ptr<CSolvaraDoc> readBufferDocument(std::istream& in, const std::string& fileName,
                                                ProgramModel& program) {
    auto document = std::make_unique<CSolvaraDoc>(program);
    try {
        const ClassRegistry registry = makeProgramClassRegistry();
        Archive archive(in, registry, fileName);
        archive.setProgramModel(&program);
        document->Serialize(archive);
    } catch (const ArchiveError& error) {
        throw DocumentReadError(error.message());
    } catch (const std::exception&) {
        // Whatever else a damaged record provokes is a damaged file too.
        throw DocumentReadError(ArchiveError(ArchiveErrorKind::badIndex, fileName).message());
    }
    document->Recalculate();
    document->SetModifiedFlag(false);
    return document;
}

std::unique_ptr<CSolvaraDoc> readBufferDocumentFile(const std::filesystem::path& path,
                                                    ProgramModel& program) {
    const std::string fileName = path.string();
    std::ifstream in(path, std::ios::binary);
    if (!in) throw DocumentReadError(fileName + ": cannot be opened.");
    std::unique_ptr<CSolvaraDoc> document = readBufferDocument(in, fileName, program);
    document->setTitle(path.filename().string());
    return document;
}

void writeBufferDocumentFile(CSolvaraDoc& document, const std::filesystem::path& path) {
    replaceFile(path, [&](std::ostream& out) {
        Archive archive(out, path.string());
        document.Serialize(archive);
        archive.Close();
    });
    document.setTitle(path.filename().string());
    document.SetModifiedFlag(false);
}

}  // namespace solvara
