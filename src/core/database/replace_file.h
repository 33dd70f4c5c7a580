#pragma once

#include <filesystem>
#include <functional>
#include <ostream>

namespace solvara {

// Writes `target` so that a failure never costs the file that was there: the
// data goes through `write` into a temporary file in the same folder, which is
// renamed over `target` only once it is complete. On failure the temporary
// file is removed and the exception propagates (std::filesystem::filesystem_error
// when the file system refuses, or whatever `write` throws).
void replaceFile(const std::filesystem::path& target, const std::function<void(std::ostream&)>& write);

}  // namespace solvara
