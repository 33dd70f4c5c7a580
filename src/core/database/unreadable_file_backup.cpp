#include "core/database/unreadable_file_backup.h"

#include <string>

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
    std::filesystem::path backup;
    // Never overwrite an earlier backup: each may be the only copy of something.
    for (int attempt = 1;; ++attempt) {
        backup = backupName(path, attempt);
        if (!std::filesystem::exists(std::filesystem::symlink_status(backup))) break;
    }
    std::filesystem::rename(path, backup);
    return backup;
}

}  // namespace solvara
