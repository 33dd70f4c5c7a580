#include "core/archive/unreadable_file_backup.h"

#include <string>
#include <system_error>

#include "core/archive/file_error.h"
#include "core/archive/resolve_symbolic_links.h"

namespace solvara {

namespace {

std::filesystem::path backupName(const std::filesystem::path& path, int attempt) {
    std::filesystem::path name = path;
    name += ".unreadable";
    if (attempt > 1) {
        name += "-";
        name += std::to_string(attempt);
    }
    return name;
}

}  // namespace

std::filesystem::path moveUnreadableFileAside(const std::filesystem::path& path) {
    // The file a link points at is what gets replaced; the link itself stays.
    const std::filesystem::path file = resolveSymbolicLinks(path);
    std::filesystem::path backup;
    // Never overwrite an earlier backup: each may be the only copy of something.
    for (int attempt = 1;; ++attempt) {
        backup = backupName(file, attempt);
        if (!std::filesystem::exists(std::filesystem::symlink_status(backup))) break;
    }
    std::error_code error;
    std::filesystem::rename(file, backup, error);
    // Moving it aside is the first step of saving over it.
    if (error) throw FileError(FileAction::save, path, error);
    return backup;
}

}  // namespace solvara
