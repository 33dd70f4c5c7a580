#include "core/buffer/solvara_doc_file.h"

#include "core/document/document_file.h"

namespace solvara {

std::unique_ptr<CSolvaraDoc> readBufferDocument(std::istream& in, const std::string& fileName,
                                                ProgramModel& program) {
    auto document = std::make_unique<CSolvaraDoc>(program);
    readDocumentRecord(in, fileName, program, *document);
    document->Recalculate();
    document->SetModifiedFlag(false);
    return document;
}

std::unique_ptr<CSolvaraDoc> readBufferDocumentFile(const std::filesystem::path& path,
                                                    ProgramModel& program) {
    std::ifstream in = openDocumentFile(path);
    std::unique_ptr<CSolvaraDoc> document = readBufferDocument(in, path.string(), program);
    document->setTitle(path.filename().string());
    return document;
}

void writeBufferDocumentFile(CSolvaraDoc& document, const std::filesystem::path& path) {
    writeDocumentFile(document, path);
}

}  // namespace solvara
