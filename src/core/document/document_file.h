#pragma once

#include <filesystem>
#include <istream>
#include <string>

#include "core/document/document_kind.h"
#include "core/document/orvane_document.h"

namespace solvara {

class ProgramModel;

// Reads the document's record from `in`. A record that ends early or is
// malformed throws DocumentReadError naming `fileName` and the reason.
void readDocumentRecord(std::istream& in, const std::string& fileName, ProgramModel& program,
                        COrvaneDocument& document);

// Reads the file at `path` into `document`, a document of `kind`. Throws DocumentReadError
// naming the file and the reason: the system's ("no such file", "is a folder", "permission
// denied"), "is empty", "is a buffer design, not a pH calculation" for a file of the other kind,
// or the fault of a damaged record.
void readDocumentFile(const std::filesystem::path& path, DocumentKind kind, ProgramModel& program,
                      COrvaneDocument& document);

// The kind of document in the file at `path`: the kind its content starts like, else the kind
// its extension names. Throws DocumentReadError when the file cannot be read or is neither.
DocumentKind documentKindOfFile(const std::filesystem::path& path);

// Writes the document, of `kind`, to `path` through replaceFile, so a failed write leaves what
// was there; then the document takes the file's name as its title and is no longer modified.
// A path without the extension of `kind` is refused. Throws ArchiveError or FileError.
void writeDocumentFile(COrvaneDocument& document, DocumentKind kind,
                       const std::filesystem::path& path);

}  // namespace solvara
