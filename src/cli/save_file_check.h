#pragma once

#include <ostream>
#include <string>

#include "core/document/document_kind.h"

namespace solvara {

// Refuses a --save file whose extension does not fit the document, as bad usage and before
// anything is calculated or printed: the reason goes to `err`. True when `file` may be used or
// is empty (no saving).
bool acceptSaveFile(DocumentKind kind, const std::string& file, std::ostream& err);

}  // namespace solvara
