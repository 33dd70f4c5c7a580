#include "core/phcalc/ph_calculator_file.h"

#include <exception>
#include <fstream>

#include "core/database/archive.h"
#include "core/database/program_class_registry.h"
#include "core/database/replace_file.h"
#include "core/document/document_read_error.h"

namespace solvara {

std::unique_ptr<CpHCalculatorDoc> readpHCalculatorDocument(std::istream& in,
                                                            const std::string& fileName,
                                                            ProgramModel& program) {
    auto document = std::make_unique<CpHCalculatorDoc>(program);
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
    document->setTitle(fileName);
    document->SetModifiedFlag(false);
    return document;
}

std::unique_ptr<CpHCalculatorDoc> readpHCalculatorFile(const std::filesystem::path& path,
                                                        ProgramModel& program) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw DocumentReadError(path.string() + ": cannot be opened.");
    auto document = readpHCalculatorDocument(in, path.string(), program);
    document->setTitle(path.filename().string());
    return document;
}

void writepHCalculatorFile(CpHCalculatorDoc& document, const std::filesystem::path& path) {
    replaceFile(path, [&](std::ostream& out) {
        Archive archive(out, path.string());
        document.Serialize(archive);
        archive.Close();
    });
    document.setTitle(path.filename().string());
    document.SetModifiedFlag(false);
}

}  // namespace solvara
