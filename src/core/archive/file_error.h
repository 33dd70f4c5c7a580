#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace solvara {

// What was being done with a file when it failed; it chooses the words of the message.
enum class FileAction { open, save };

// The one wording of every file that cannot be opened or saved:
// "<file>: cannot be opened: <reason>." and "<file>: cannot be saved: <reason>.".
std::string fileErrorMessage(FileAction action, const std::filesystem::path& file,
                             std::string_view reason);

// Why the operating system refused, in plain words: "permission denied", "is a folder", "no
// such folder" (a save whose folder is missing), "no space left on the device" ...
std::string systemErrorReason(FileAction action, std::error_code code);

// A file that cannot be opened or saved. what() is the message above; code() is the operating
// system's error, or empty when the reason is the program's own ("is empty", "is read-only").
class FileError : public std::runtime_error {
  public:
    FileError(FileAction action, const std::filesystem::path& file, std::string_view reason);
    FileError(FileAction action, const std::filesystem::path& file, std::error_code code);

    std::error_code code() const noexcept { return code_; }

  private:
    std::error_code code_;
};

}  // namespace solvara
