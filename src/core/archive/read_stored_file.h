#pragma once

#include <filesystem>
#include <string>

namespace solvara {

// The whole content of a file the program stored (database, document, defaults). Throws
// FileError naming the file and the reason when it cannot be read: no such file, is a folder,
// permission denied, or "is empty" (no file the program writes is, and reading one would only
// report it ended too early).
std::string readStoredFile(const std::filesystem::path& path);

}  // namespace solvara
