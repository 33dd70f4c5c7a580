#pragma once

#include <filesystem>
#include <istream>
#include <memory>
#include <string>

#include "core/bufferdoc/solvara_doc.h"

namespace solvara {

// Reads a ".buf" record from `in` into a new document, recalculated (files hold no results) and
// unmodified. A record that ends early or is malformed throws DocumentReadError
// naming `fileName` and the reason; no document comes out of it.
std::unique_ptr<CSolvaraDoc> readBufferDocument(std::istream& in, const std::string& fileName,
                                                ProgramModel& program);

// Reads a ".buf" file as readBufferDocument does, the document titled with the file's name; a
// file that cannot be opened, is empty or holds a pH calculation throws DocumentReadError too.
std::unique_ptr<CSolvaraDoc> readBufferDocumentFile(const std::filesystem::path& path,
                                                    ProgramModel& program);

// Writes the document to `path` through a temporary file renamed over it, so a failed write
// leaves what was there; then the document takes the file's name as its title and is no longer
// modified. A path without the extension .buf is refused. Throws ArchiveError or FileError.
void writeBufferDocumentFile(CSolvaraDoc& document, const std::filesystem::path& path);

}  // namespace solvara
