#include "gui/model/document_files.h"

#include "core/bufferdoc/solvara_doc_file.h"
#include "core/document/document_file.h"
#include "core/phcalc/ph_calculator_file.h"
#include "gui/model/typed_document_model.h"
#include "gui/widgets/qt_text.h"

namespace solvara {

std::unique_ptr<DocumentModel> newDocumentModel(DocumentKind kind, ProgramModel& program,
                                                int number) {
    if (kind == DocumentKind::bufferDesign) {
        auto document = std::make_unique<CSolvaraDoc>(program);
        document->setTitle("Buffer" + std::to_string(number));
        return std::make_unique<BufferDocumentModel>(std::move(document));
    }
    auto document = std::make_unique<CpHCalculatorDoc>(program);
    document->setTitle("pHcalc" + std::to_string(number));
    return std::make_unique<PhCalculatorDocumentModel>(std::move(document));
}

std::variant<std::unique_ptr<DocumentModel>, QString> openDocumentModel(
    const std::filesystem::path& path, ProgramModel& program) {
    try {
        if (documentKindOfFile(path) == DocumentKind::bufferDesign) {
            return std::make_unique<BufferDocumentModel>(readBufferDocumentFile(path, program),
                                                         path);
        }
        return std::make_unique<PhCalculatorDocumentModel>(readpHCalculatorFile(path, program),
                                                           path);
    } catch (const std::exception& error) {
        return fromMixedText(error.what());
    }
}

}  // namespace solvara
