#pragma once

#include <filesystem>

namespace solvara {

// Moves the file at `path` aside to the first free name "<path>.unreadable",
// "<path>.unreadable-2", ... in the same folder and returns where it went.
// For a symbolic link, the file it points at is moved, beside itself, and the link stays.
// Throws FileError when the file cannot be moved.
std::filesystem::path moveUnreadableFileAside(const std::filesystem::path& path);

}  // namespace solvara
