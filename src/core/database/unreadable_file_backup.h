#pragma once

#include <filesystem>

namespace solvara {

// Moves the file at `path` aside to the first free name "<path>.unreadable",
// "<path>.unreadable-2", ... in the same folder and returns where it went.
// Throws std::filesystem::filesystem_error when the file cannot be moved.
std::filesystem::path moveUnreadableFileAside(const std::filesystem::path& path);

}  // namespace solvara
