#include "cli/open_command.h"

#include <memory>

#include "cli/cli_app.h"
#include "cli/open_arguments.h"
#include "cli/open_buffer_document.h"
#include "cli/open_ph_document.h"
#include "cli/option_values.h"
#include "cli/pdf_output.h"
#include "cli/save_file_check.h"
#include "core/document/document_file.h"
#include "core/document/document_read_error.h"

namespace solvara {
namespace {

// The document is opened as what its content is; its extension decides only for a file whose
// start matches neither kind.
int runOpen(const OpenArguments& arguments, const CommonOptions& options, std::ostream& out,
            std::ostream& err) {
    DocumentKind kind = DocumentKind::pHCalculation;
    try {
        kind = documentKindOfFile(arguments.file);
    } catch (const DocumentReadError& error) {
        err << error.what() << '\n';
        return exitUsageOrFile;
    }
    if (!acceptSaveFile(kind, arguments.save, err) || !acceptPdfFile(arguments.pdf, err)) {
        return exitUsageOrFile;
    }
    switch (kind) {
        case DocumentKind::pHCalculation:
            return openPhDocument(arguments, options, out, err);
        case DocumentKind::bufferDesign:
            return openBufferDocument(arguments, options, out, err);
    }
    return exitUsageOrFile;
}

}  // namespace

void addOpenCommand(CLI::App& app, const CommonOptions& options, std::ostream& out,
                    std::ostream& err, std::function<int()>& command) {
    auto* sub = app.add_subcommand("open", "Read a document, recalculate it and print its results");
    auto arguments = std::make_shared<OpenArguments>();
    sub->add_option("file", arguments->file, "The document (.phc or .buf)")->required();
    sub->add_flag("--csv", arguments->csv,
                  "Print the results as the CSV export writes them (Windows-1252, CR LF)");
    sub->add_flag("--report", arguments->report, "Print the calculation details report as text");
    sub->add_flag("--recipe", arguments->recipe,
                  "Print the recipe page of a buffer document as text");
    sub->add_option("--save", arguments->save,
                    "Write the document to this file (in the current file version)");
    sub->add_option("--pdf", arguments->pdf,
                    "Write the recipe page or the calculation details report as a PDF file")
        ->check(nonEmpty("a file name"));
    sub->callback([&options, &out, &err, &command, arguments] {
        command = [&options, &out, &err, arguments] {
            return runOpen(*arguments, options, out, err);
        };
    });
}

}  // namespace solvara
