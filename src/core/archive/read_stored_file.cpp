#include "core/archive/read_stored_file.h"

#include <fcntl.h>

#include "core/archive/file_descriptor.h"
#include "core/archive/file_error.h"

namespace solvara {

std::string readStoredFile(const std::filesystem::path& path) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.isOpen()) throw FileError(FileAction::open, path, lastSystemError());
    // A folder opens for reading too; reading it fails with "is a folder".
    std::string bytes;
    if (const std::error_code error = readAll(file.get(), bytes)) {
        throw FileError(FileAction::open, path, error);
    }
    if (bytes.empty()) throw FileError(FileAction::open, path, "is empty");
    return bytes;
}

}  // namespace solvara
