// Feeds arbitrary bytes to the pH calculator document reader. Anything but a refused file or a
// complete document is a bug: a crash, a hang, an oversized allocation, an exception escaping.
// A document that was read is recalculated, drawn as the details report and exported as CSV,
// then written again, and what was written must read back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "core/archive/archive.h"
#include "core/document/document_read_error.h"
#include "core/phcalc/calculation_details_report.h"
#include "core/phcalc/csv_export.h"
#include "core/phcalc/ph_calculator_file.h"
#include "core/program/program_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Reading resolves acid forms in the program's acids, as the application does.
    static const std::shared_ptr<solvara::ProgramModel> program =
        solvara::makeStarterProgramModel();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::unique_ptr<solvara::CpHCalculatorDoc> document;
    try {
        document = solvara::readpHCalculatorDocument(in, "fuzz.phc", *program);
    } catch (const solvara::DocumentReadError&) {
        return 0;
    }
    document->recalculate();
    solvara::calculationDetailsReport(*document);
    solvara::pHResultsCsv(*document);

    std::ostringstream out;
    solvara::Archive archive(out, "fuzz.phc");
    document->Serialize(archive);
    archive.Close();
    std::istringstream written(out.str());
    try {
        solvara::readpHCalculatorDocument(written, "fuzz.phc", *program);
    } catch (const solvara::DocumentReadError&) {
        std::abort();
    }
    return 0;
}
