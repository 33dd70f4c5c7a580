#include "cli/open_buffer_document.h"

#include <memory>
#include <optional>

#include "cli/buffer_document_output.h"
#include "cli/cli_app.h"
#include "cli/pdf_output.h"
#include "cli/program_in_use.h"
#include "core/bufferdoc/solvara_doc_file.h"
#include "core/document/document_read_error.h"
#include "core/program/program_model.h"

namespace solvara {

int openBufferDocument(const OpenArguments& arguments, const CommonOptions& options,
                       std::ostream& out, std::ostream& err) {
    if (arguments.csv || arguments.report) {
        err << "--csv and --report are for pH calculator documents (.phc)\n";
        return exitUsageOrFile;
    }
    const std::optional<BufferOutput> output =
        chooseBufferOutput(options.json, arguments.recipe, err);
    if (!output) return exitUsageOrFile;
    const std::optional<ProgramInUse> inUse = openProgramInUse(options, err);
    if (!inUse) return exitUsageOrFile;
    std::unique_ptr<CSolvaraDoc> document;
    try {
        document = readBufferDocumentFile(arguments.file, *inUse->program);
    } catch (const DocumentReadError& error) {
        err << error.what() << '\n';
        return exitUsageOrFile;
    }
    const std::optional<BufferOrigin> origin =
        findBufferOrigin(document->buffer(), document->program().buffers);
    const int status = printBufferResults(*document, origin, *output, options.digits, out, err);
    if (!arguments.pdf.empty() && !writeRecipePdf(*document, arguments.pdf, err))
        return exitUsageOrFile;
    if (!arguments.save.empty() && !saveBufferDocument(*document, arguments.save, err)) {
        return exitUsageOrFile;
    }
    return status;
}

}  // namespace solvara
