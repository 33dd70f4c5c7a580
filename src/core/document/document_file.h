#pragma once

#include <filesystem>
#include <fstream>
#include <istream>
#include <string>

#include "core/document/orvane_document.h"

namespace solvara {

class ProgramModel;

// Reads the document's record from `in`. A record that ends early or is
// malformed throws DocumentReadError naming `fileName` and the reason.
void readDocumentRecord(std::istream& in, const std::string& fileName, ProgramModel& program,
                        COrvaneDocument& document);

// The file opened for reading; throws DocumentReadError when it cannot be.
std::ifstream openDocumentFile(const std::filesystem::path& path);

// Writes the document to `path` through a temporary file renamed over it, so
// a failed write leaves what was there; then the document takes the file's
// name as its title and is no longer modified. Throws ArchiveError or
// std::filesystem::filesystem_error.
void writeDocumentFile(COrvaneDocument& document, const std::filesystem::path& path);

}  // namespace solvara
