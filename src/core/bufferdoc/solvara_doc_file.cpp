#include "core/bufferdoc/solvara_doc_file.h"

#include <utility>

#include "core/document/document_file.h"

namespace solvara {

namespace {

// Files hold no results.
std::unique_ptr<CSolvaraDoc> recalculatedAndUnmodified(std::unique_ptr<CSolvaraDoc> document) {
    document->Recalculate();
    document->SetModifiedFlag(false);
    return document;
}

}  // namespace

std::unique_ptr<CSolvaraDoc> readBufferDocument(std::istream& in, const std::string& fileName,
                                                ProgramModel& program) {
    auto document = std::make_unique<CSolvaraDoc>(program);
    readDocumentRecord(in, fileName, program, *document);
    return recalculatedAndUnmodified(std::move(document));
}

std::unique_ptr<CSolvaraDoc> readBufferDocumentFile(const std::filesystem::path& path,
                                                    ProgramModel& program) {
    auto document = std::make_unique<CSolvaraDoc>(program);
    readDocumentFile(path, DocumentKind::bufferDesign, program, *document);
    document->setTitle(path.filename().string());
    return recalculatedAndUnmodified(std::move(document));
}

void writeBufferDocumentFile(CSolvaraDoc& document, const std::filesystem::path& path) {
    writeDocumentFile(document, DocumentKind::bufferDesign, path);
}

}  // namespace solvara
