#include "core/archive/resolve_symbolic_links.h"

#include <system_error>

#include "core/archive/file_error.h"

namespace solvara {

std::filesystem::path resolveSymbolicLinks(const std::filesystem::path& path) {
    // As many links as the system itself follows before it gives up.
    constexpr int kMostLinks = 40;
    std::filesystem::path current = path;
    for (int link = 0; link < kMostLinks; ++link) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, error))) {
            return current;
        }
        const std::filesystem::path destination = std::filesystem::read_symlink(current, error);
        if (error) throw FileError(FileAction::save, path, error);
        // A relative link is relative to the folder that holds it.
        current = destination.is_absolute() ? destination : current.parent_path() / destination;
    }
    throw FileError(FileAction::save, path,
                    std::make_error_code(std::errc::too_many_symbolic_link_levels));
}

}  // namespace solvara
