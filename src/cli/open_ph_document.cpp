#include "cli/open_ph_document.h"

#include <optional>

#include "cli/cli_app.h"
#include "cli/pdf_output.h"
#include "cli/ph_document_output.h"
#include "cli/program_in_use.h"
#include "core/document/document_read_error.h"
#include "core/phcalc/ph_calculator_file.h"

namespace solvara {

int openPhDocument(const OpenArguments& arguments, const CommonOptions& options, std::ostream& out,
                   std::ostream& err) {
    const std::optional<PhOutput> output =
        choosePhOutput(options.json, arguments.csv, arguments.report, err);
    if (!output) return exitUsageOrFile;
    const std::optional<ProgramInUse> inUse = openProgramInUse(options, err);
    if (!inUse) return exitUsageOrFile;
    std::unique_ptr<CpHCalculatorDoc> document;
    try {
        document = readpHCalculatorFile(arguments.file, *inUse->program);
    } catch (const DocumentReadError& error) {
        err << error.what() << '\n';
        return exitUsageOrFile;
    }
    const int status = printPhResults(*document, *output, options.digits, out, err);
    if (!arguments.pdf.empty() && !writeDetailsPdf(*document, arguments.pdf, err))
        return exitUsageOrFile;
    if (!arguments.save.empty() && !savePhDocument(*document, arguments.save, err)) {
        return exitUsageOrFile;
    }
    return status;
}

}  // namespace solvara
