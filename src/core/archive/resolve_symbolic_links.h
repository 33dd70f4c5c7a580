#pragma once

#include <filesystem>

namespace solvara {

// Where a save to `path` really writes: every symbolic link followed, link after link, up to
// the first name that is not a link (which need not exist yet). A path that is not a link comes
// back unchanged. Throws FileError for a loop of links or a link that cannot be read.
std::filesystem::path resolveSymbolicLinks(const std::filesystem::path& path);

}  // namespace solvara
