#include "cli/save_file_check.h"

#include <nlohmann/json.hpp>
#include <optional>

#include "core/database/file_error.h"

namespace solvara {

bool acceptSaveFile(DocumentKind kind, const std::string& file, const CommonOptions& options,
                    std::ostream& out, std::ostream& err) {
    if (file.empty()) return true;
    const std::optional<std::string> problem = saveExtensionProblem(kind, file);
    if (!problem) return true;
    const std::string message = fileErrorMessage(FileAction::save, file, *problem);
    err << message << '\n';
    if (options.json) out << nlohmann::json{{"success", false}, {"error", message}}.dump(2) << '\n';
    return false;
}

}  // namespace solvara
