#include "core/phcalc/ph_calculator_file.h"

#include "core/document/document_file.h"

namespace solvara {

std::unique_ptr<CpHCalculatorDoc> readpHCalculatorDocument(std::istream& in,
                                                            const std::string& fileName,
                                                            ProgramModel& program) {
    auto document = std::make_unique<CpHCalculatorDoc>(program);
    readDocumentRecord(in, fileName, program, *document);
    document->setTitle(fileName);
    document->SetModifiedFlag(false);
    return document;
}

std::unique_ptr<CpHCalculatorDoc> readpHCalculatorFile(const std::filesystem::path& path,
                                                        ProgramModel& program) {
    std::ifstream in = openDocumentFile(path);
    auto document = readpHCalculatorDocument(in, path.string(), program);
    document->setTitle(path.filename().string());
    return document;
}

void writepHCalculatorFile(CpHCalculatorDoc& document, const std::filesystem::path& path) {
    writeDocumentFile(document, path);
}

}  // namespace solvara
