#pragma once

#include <filesystem>
#include <functional>
#include <ostream>

namespace solvara {

// Writes `target` so that a failure never costs the file that was there, nor any other file of
// the user's. `write` produces the content first; it then goes into a new file with a name of
// its own, created exclusively in the target's folder, flushed to the disk and only then
// renamed over the target. A symbolic link stays and the file it points at is replaced; an
// existing file keeps its permission bits, and its owner where the system allows.
//
// Throws FileError, naming `target` and the reason, when the file system refuses, when the
// target is a folder or not a regular file, and when the user made it read-only (renaming
// would replace it anyway, so the write bits are checked here); whatever `write` throws
// propagates. On every failure the new file is removed and the target is as it was.
void replaceFile(const std::filesystem::path& target,
                 const std::function<void(std::ostream&)>& write);

}  // namespace solvara
