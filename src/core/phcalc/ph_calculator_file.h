#pragma once

#include <filesystem>
#include <istream>
#include <memory>
#include <string>

#include "core/phcalc/ph_calculator_doc.h"

namespace solvara {

// Reads a ".phc" file into a new document titled with the file's name, unmodified and without
// results (recalculate shows them). A file that cannot be opened, is empty, holds a buffer
// design, ends early or is malformed throws DocumentReadError naming the file and the reason;
// no document comes out of it.
std::unique_ptr<CpHCalculatorDoc> readpHCalculatorFile(const std::filesystem::path& path,
                                                       ProgramModel& program);

// The same for a document record in a stream; `fileName` names it in messages and becomes the
// title.
std::unique_ptr<CpHCalculatorDoc> readpHCalculatorDocument(std::istream& in,
                                                           const std::string& fileName,
                                                           ProgramModel& program);

// Writes the document to `path` through a temporary file renamed over it, so a failed write
// leaves what was there; then the document takes the file's name as its title and is no longer
// modified. A path without the extension .phc is refused. Throws ArchiveError or FileError.
void writepHCalculatorFile(CpHCalculatorDoc& document, const std::filesystem::path& path);

}  // namespace solvara
