#include "cli/save_file_check.h"

#include <optional>

#include "core/archive/file_error.h"

namespace solvara {

bool acceptSaveFile(DocumentKind kind, const std::string& file, std::ostream& err) {
    if (file.empty()) return true;
    const std::optional<std::string> problem = saveExtensionProblem(kind, file);
    if (!problem) return true;
    err << fileErrorMessage(FileAction::save, file, *problem) << '\n';
    return false;
}

}  // namespace solvara
