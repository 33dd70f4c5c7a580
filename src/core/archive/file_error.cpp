#include "core/archive/file_error.h"

#include <cctype>
#include <cerrno>

namespace solvara {

std::string fileErrorMessage(FileAction action, const std::filesystem::path& file,
                             std::string_view reason) {
    const char* failed =
        action == FileAction::open ? ": cannot be opened: " : ": cannot be saved: ";
    return file.string() + failed + std::string(reason) + '.';
}

std::string systemErrorReason(FileAction action, std::error_code code) {
    if (code.category() == std::generic_category() || code.category() == std::system_category()) {
        switch (code.value()) {
            // A save creates a new file beside the old one, so only its folder can be missing.
            case ENOENT:
                return action == FileAction::open ? "no such file" : "no such folder";
            case ENOTDIR:
                return "a part of its path is not a folder";
            case EISDIR:
                return "is a folder";
            case EACCES:
            case EPERM:
                return "permission denied";
            case ENOSPC:
                return "no space left on the device";
            case EDQUOT:
                return "the disk quota is used up";
            case EROFS:
                return "the file system is read-only";
            case EFBIG:
                return "the file is too large";
            case ELOOP:
                return "too many levels of symbolic links";
            case ENAMETOOLONG:
                return "the name is too long";
            default:
                break;
        }
    }
    std::string reason = code.message();
    if (!reason.empty()) {
        reason.front() =
            static_cast<char>(std::tolower(static_cast<unsigned char>(reason.front())));
    }
    return reason;
}

FileError::FileError(FileAction action, const std::filesystem::path& file, std::string_view reason)
    : std::runtime_error(fileErrorMessage(action, file, reason)) {}

FileError::FileError(FileAction action, const std::filesystem::path& file, std::error_code code)
    : std::runtime_error(fileErrorMessage(action, file, systemErrorReason(action, code))),
      code_(code) {}

}  // namespace solvara
