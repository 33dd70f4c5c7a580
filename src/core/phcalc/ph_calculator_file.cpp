#include "core/phcalc/ph_calculator_file.h"

#include <utility>

#include "core/document/document_file.h"

namespace solvara {

namespace {

std::unique_ptr<CpHCalculatorDoc> titledAndUnmodified(std::unique_ptr<CpHCalculatorDoc> document,
                                                      std::string title) {
    document->setTitle(std::move(title));
    document->SetModifiedFlag(false);
    return document;
}

}  // namespace

std::unique_ptr<CpHCalculatorDoc> readpHCalculatorDocument(std::istream& in,
                                                           const std::string& fileName,
                                                           ProgramModel& program) {
    auto document = std::make_unique<CpHCalculatorDoc>(program);
    readDocumentRecord(in, fileName, program, *document);
    return titledAndUnmodified(std::move(document), fileName);
}

std::unique_ptr<CpHCalculatorDoc> readpHCalculatorFile(const std::filesystem::path& path,
                                                       ProgramModel& program) {
    auto document = std::make_unique<CpHCalculatorDoc>(program);
    readDocumentFile(path, DocumentKind::pHCalculation, program, *document);
    return titledAndUnmodified(std::move(document), path.filename().string());
}

void writepHCalculatorFile(CpHCalculatorDoc& document, const std::filesystem::path& path) {
    writeDocumentFile(document, DocumentKind::pHCalculation, path);
}

}  // namespace solvara
