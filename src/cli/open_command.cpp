#include "cli/open_command.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "cli/cli_app.h"
#include "cli/open_arguments.h"
#include "cli/open_buffer_document.h"
#include "cli/open_ph_document.h"

namespace solvara {
namespace {

using DocumentOpener = int (*)(const OpenArguments&, const CommonOptions&, std::ostream&,
                               std::ostream&);

// A kind of document "open" reads, known by the extension of its file.
struct DocumentKind {
    std::string_view extension;  // lower case, with the dot
    DocumentOpener open;
};

constexpr DocumentKind kDocumentKinds[] = {
    {".phc", &openPhDocument},
    {".buf", &openBufferDocument},
};

std::string lowerCaseExtension(const std::string& file) {
    std::string extension = std::filesystem::path(file).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return extension;
}

int runOpen(const OpenArguments& arguments, const CommonOptions& options, std::ostream& out,
            std::ostream& err) {
    const std::string extension = lowerCaseExtension(arguments.file);
    for (const DocumentKind& kind : kDocumentKinds) {
        if (kind.extension == extension) return kind.open(arguments, options, out, err);
    }
    err << arguments.file << ": not a kind of document solvara-cli opens (";
    for (const DocumentKind& kind : kDocumentKinds) {
        err << (&kind == kDocumentKinds ? "" : ", ") << kind.extension;
    }
    err << ").\n";
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
    sub->add_flag("--recipe", arguments->recipe, "Print the recipe page of a buffer document as text");
    sub->add_option("--save", arguments->save,
                    "Write the document to this file (in the current file version)");
    sub->callback([&options, &out, &err, &command, arguments] {
        command = [&options, &out, &err, arguments] {
            return runOpen(*arguments, options, out, err);
        };
    });
}

}  // namespace solvara
